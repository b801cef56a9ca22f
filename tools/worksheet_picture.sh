#!/bin/sh
# Draws the first printed page of the sample worksheet the way a Linux teacher gets it:
#   tools/worksheet_picture.sh SAMPLE_WORKSHEET_TOOL PICTURE.png
# The program's own code writes numbers.txt; LibreOffice opens it as Windows-1253 text (the
# filter a teacher picks as «Κείμενο - Επιλογή κωδικοποίησης») and prints it to PDF; the first
# page becomes the picture.
set -eu
tool=$1 picture=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" "$work"
# A profile of its own, so LibreOffice leaves the user's untouched and starts the same each time.
soffice --headless "-env:UserInstallation=file://$work/profile" \
    --infilter="Text (encoded):MS_1253,CRLF,,el" \
    --convert-to pdf --outdir "$work" "$work/numbers.txt" >/dev/null
pdftoppm -png -r 75 -f 1 -l 1 -singlefile "$work/numbers.pdf" "$work/page"
mv "$work/page.png" "$picture"
echo "wrote $picture"
