#!/usr/bin/env bash
# Static analysis of the project's own code, quiet when it is clean:
#   tools/lint.sh BUILD_FOLDER JOBS [WINDOWS_BUILD_FOLDER]
# clang-tidy with the checked-in .clang-tidy (every warning an error), then cppcheck. Both read
# the compile commands of a configured build: the Linux one for everything but the Windows
# window's code, which is read with the cross build's commands, for mingw-w64's target.
set -euo pipefail
build=${1:-build}
jobs=${2:-2}
windows_build=${3:-}
windows_code='^(win32_window|tests/win32_window)/|/win32_|_windows\.cpp$'
# The web page's binding is read by neither: it needs emscripten's headers, whose libc++ 13
# Debian's clang-tidy does not read cleanly. It compiles with every warning on, like the rest.
web_code='^web_page/|_web\.cpp$'

# clang-tidy counts the warnings it hid in system headers on stderr; only that line is dropped.
tidy() {
    xargs -P "$jobs" -n 4 clang-tidy --quiet "$@" \
        2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)
}

git ls-files '*.cpp' | grep -v -E "$windows_code|$web_code" | tidy -p "$build"

if [ -n "$windows_build" ]; then
    # clang finds mingw-w64's C headers for the target itself; the C++ library is GCC's.
    cxx_includes=()
    while read -r folder; do
        cxx_includes+=("--extra-arg=-isystem$folder")
    done < <(echo | x86_64-w64-mingw32-g++-posix -std=c++20 -E -x c++ - -v 2>&1 |
        sed -n '/#include <...> search starts here/,/End of search list/p' | grep '/include/c++')
    # Windows hands pointers over in the integers of a message (WPARAM, LPARAM): casting them
    # back is the API's way, not a pessimisation to avoid. Its text functions take a pointer
    # and a length, which the check for string_view data() does not see once the length is
    # narrowed to an int.
    git ls-files '*.cpp' | grep -E "$windows_code" |
        tidy -p "$windows_build" --extra-arg-before=--target=x86_64-w64-mingw32 \
            "${cxx_includes[@]}" \
            --checks=-performance-no-int-to-ptr,-bugprone-suspicious-stringview-data-usage
fi

# cppcheck from 2.11 on stops following branches early unless told to look at all of them;
# the code is small enough to analyse whole. Older ones always do, and know no such option.
check_level=()
if cppcheck --help | grep -q -- '--check-level'; then
    check_level=(--check-level=exhaustive)
fi
cppcheck --project="$build/compile_commands.json" --library=googletest --library=qt \
    "${check_level[@]}" --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
    --suppress=missingIncludeSystem --quiet -i"$build/"
if [ -n "$windows_build" ]; then
    cppcheck --project="$windows_build/compile_commands.json" --platform=win64 \
        --library=windows --library=googletest --file-filter='*win32*' "${check_level[@]}" \
        --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
        --suppress=missingIncludeSystem --quiet -i"$windows_build/"
fi
