#pragma once

// Windows only: paths past MAX_PATH.

#include <filesystem>
#include <string>

namespace worksheet {

// A path as Windows takes it past MAX_PATH (260 characters): absolute, with "." and ".." worked
// out, backslashes only, and the \\?\ prefix (\\?\UNC\ for a network share). A folder deep
// enough that only the temporary file's longer name goes past the limit is then written to all
// the same, and never reported as missing.
std::wstring extendedLengthPath(const std::filesystem::path& path);

} // namespace worksheet
