#!/bin/sh
# A teacher's account without a Documents folder, under Wine, and a program folder that cannot
# take the worksheet because a folder there is named numbers.txt: the program makes Documents,
# writes the worksheet into it, and its message says where.
#   missing_documents.sh PROGRAM.exe DRIVE_PROGRAM.exe EXPECTED_WORKSHEET
# Runs in the Wine prefix that WINEPREFIX names, and puts its Documents folder back at the end.
set -eu
program=$1 driver=$2 expected=$3

fail() { echo "missing_documents: $*" >&2; exit 1; }

profile=$(wine cmd /c 'echo %USERPROFILE%' 2>/dev/null | tr -d '\r')
documents=$(winepath --unix "$profile\\Documents" 2>/dev/null)
away="$documents.away-$$"
folder="$WINEPREFIX/drive_c/Φύλλα-$$"
restore() {
    rm -rf "$folder" "$documents"
    if [ -e "$away" ] || [ -L "$away" ]; then mv "$away" "$documents"; fi
}
trap restore EXIT
if [ -e "$documents" ] || [ -L "$documents" ]; then mv "$documents" "$away"; fi
mkdir -p "$folder/numbers.txt"
cp "$program" "$folder/arithmitika.exe"

said=$(wine "$driver" 'C:\Φύλλα-'$$'\arithmitika.exe') || fail "the program did not work"
cmp "$documents/numbers.txt" "$expected" || fail "the worksheet in Documents differs"
printf '%s\n' "$said" | grep -qF "$profile\\Documents\\numbers.txt" ||
    fail "the message names no Documents: $said"
echo "Documents made, the worksheet written into it, and the message says where"
