// Replaces numbers.txt in a folder many times with one version of the worksheet:
//   replace_many FOLDER TAG TIMES
// Exits with 1 at the first replacement that fails.

#include "versions.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: replace_many FOLDER TAG TIMES\n");
        return 2;
    }
    const worksheet::TaggedWorksheet version(argv[2][0]);
    const int times = std::stoi(argv[3]);
    for (int i = 0; i < times; ++i) {
        const worksheet::SaveOutcome outcome =
            worksheet::saveWorksheet(worksheet::makeWorksheet(version.rows), argv[1]);
        if (!outcome.saved()) {
            std::fprintf(stderr, "replacement %d failed: %s\n", i, outcome.error.message().c_str());
            return 1;
        }
    }
    return 0;
}
