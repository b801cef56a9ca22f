#include "sheet/desktop.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace sheet {

Desktop thisDesktop() {
    return Desktop::Windows;
}

std::string_view platformReason(std::error_code error) {
    if (error.category() != std::system_category()) {
        return {};
    }
    switch (error.value()) {
    // Windows will not replace a file that a program holds open, such as a word processor
    // showing the last worksheet.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "δεν επιτρέπεται η εγγραφή, ή το αρχείο είναι ανοιχτό σε άλλο πρόγραμμα (όπως "
               "το Word)";
    // Nor one marked read-only.
    case ERROR_FILE_READ_ONLY:
        return "το αρχείο είναι μόνο για ανάγνωση";
    default:
        return {};
    }
}

} // namespace sheet
