#!/usr/bin/env bash
# Static analysis of the project's own code, quiet when it is clean:
#   tools/lint.sh BUILD_FOLDER JOBS
# clang-tidy with the checked-in .clang-tidy (every warning an error), then cppcheck. Both read
# the compile commands of a configured build.
set -euo pipefail
build=${1:-build}
jobs=${2:-2}

# clang-tidy counts the warnings it hid in system headers on stderr; only that line is dropped.
git ls-files '*.cpp' |
    xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet \
        2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)

cppcheck --project="$build/compile_commands.json" --library=googletest --library=qt \
    --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
    --suppress=missingIncludeSystem --quiet -i"$build/"
