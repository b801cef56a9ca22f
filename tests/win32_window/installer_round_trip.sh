#!/bin/sh
# The installer as a teacher meets it, under Wine: a silent install for the current user, the
# installed program writing the worksheet into her Documents (its own folder is hidden) with
# the expected bytes and a message giving its full path, and a silent uninstall that leaves
# nothing behind but her worksheet. Puts the prefix's Documents folder back at the end.
#   installer_round_trip.sh SETUP.exe DRIVE_PROGRAM.exe EXPECTED_WORKSHEET
# Runs in the Wine prefix that WINEPREFIX names.
set -eu
setup=$1 driver=$2 expected=$3

unix_path() { winepath --unix "$1" 2>/dev/null; }
local_app_data=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
start_menu=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')'\Microsoft\Windows\Start Menu\Programs'
installed="$local_app_data\\Programs\\Arithmitika"
folder=$(unix_path "$installed")
shortcut="$(unix_path "$start_menu")/Τακτικά και απόλυτα αριθμητικά.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Arithmitika'

fail() { echo "installer_round_trip: $*" >&2; exit 1; }

profile=$(wine cmd /c 'echo %USERPROFILE%' 2>/dev/null | tr -d '\r')
documents=$(unix_path "$profile\\Documents")
away="$documents.away-$$"
restore() {
    rm -rf "$documents"
    if [ -e "$away" ] || [ -L "$away" ]; then mv "$away" "$documents"; fi
}
trap restore EXIT
if [ -e "$documents" ] || [ -L "$documents" ]; then mv "$documents" "$away"; fi

rm -rf "$folder" # what a run stopped half-way left
wine "$setup" /S
wineserver --wait
for file in arithmitika.exe ΔΙΑΒΑΣΕ.txt uninstall.exe; do
    [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
for value in DisplayName DisplayVersion DisplayIcon Publisher QuietUninstallString EstimatedSize; do
    wine reg query "$key" /v "$value" >/dev/null 2>&1 || fail "uninstall key lacks $value"
done

said=$(wine "$driver" "$installed\\arithmitika.exe") || fail "the installed program did not work"
cmp "$documents/numbers.txt" "$expected" || fail "the worksheet in Documents differs"
[ ! -e "$folder/numbers.txt" ] || fail "a worksheet in the hidden program folder"
printf '%s\n' "$said" | grep -qF "Ανοίξτε το αρχείο $profile\\Documents\\numbers.txt " ||
    fail "the message gives no full path in Documents: $said"
if printf '%s\n' "$said" | grep -qF "Προσοχή"; then fail "a warning for the expected place: $said"; fi

wine "$folder/uninstall.exe" /S
wineserver --wait # the uninstaller finishes from a copy of itself
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
[ -f "$documents/numbers.txt" ] || fail "the uninstaller took her worksheet"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left behind"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall key is left behind"; fi
echo "installed, used and removed cleanly"
