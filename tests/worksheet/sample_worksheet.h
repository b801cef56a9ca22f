#pragma once

// The worksheet of the form's sample numbers, for the worksheet's tests.

#include "worksheet/worksheet_writer.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace worksheet {

// The worksheet of the form's sample numbers after both conversions, 55 lines in
// Windows-1253 with CR LF line ends.
inline const std::filesystem::path kSampleFile =
    std::filesystem::path(ARITHMITIKA_TEST_DATA) / "sample_numbers_converted.txt";

inline const std::vector<WorksheetRow> kSampleRows{
    {"1001", "χιλιοστός πρώτος ", "χίλια ένα "},
    {"156", "εκατοστός πεντηκοστός έκτος ", "εκατό(ν) πενήντα έξι "},
    {"67", "εξηκοστός έβδομος ", "εξήντα επτά "},
    {"466", "τετρακοσιοστός εξηκοστός έκτος ", "τετρακόσια εξήντα έξι "},
    {"78", "εβδομηκοστός όγδοος ", "εβδομήντα οκτώ "},
    {"23", "εικοστός τρίτος ", "είκοσι τρία "},
    {"765", "επτακοσιοστός εξηκοστός πέμπτος ", "επτακόσια εξήντα πέντε "},
};

// A worksheet's lines, without their CR LF line ends.
inline std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line must end in CR LF";
    return lines;
}

} // namespace worksheet
