// Writes a worksheet into the folder the program finds itself in, as the program does when it
// starts; exits with 0 when the worksheet is written.

#include "sheet/worksheet_folders.h"
#include "worksheet/worksheet_writer.h"

int main() {
    return worksheet::saveWorksheet(worksheet::makeWorksheet({}), sheet::runningProgramFolder())
                   .saved()
               ? 0
               : 1;
}
