#!/bin/sh
# Builds the release twice and fails on any difference: here, then again from the release's own
# source archive, unpacked in another folder and built with another time zone, umask and
# locale, as anyone who checks a release would. The source archive itself is made again the
# same way. What differs is printed file by file, and diffoscope says where inside it. Also
# checks that a tree with changes that are not committed is refused.
#
#   tools/release-check.sh
set -eu
cd "$(dirname "$0")/.."
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)

tools/release.sh

elsewhere=$(mktemp -d /tmp/arithmitika-release-check.XXXXXX)
trap 'rm -rf "$elsewhere"' EXIT

# A change not committed is refused before anything is built.
git clone --quiet . "$elsewhere/changed"
echo "a change" >>"$elsewhere/changed/README.md"
if "$elsewhere/changed/tools/release.sh" 2>"$elsewhere/refusal.txt" ||
    ! grep -q "not committed" "$elsewhere/refusal.txt"; then
    cat "$elsewhere/refusal.txt" >&2
    echo "release-check: a tree with changes that are not committed was not refused" >&2
    exit 1
fi

# The second build, from the source archive.
tar -xzf "dist/release/arithmitika-$version.tar.gz" -C "$elsewhere"
(
    cd "$elsewhere/arithmitika-$version"
    umask 002
    TZ=Pacific/Auckland LANG=C LC_ALL=C tools/release.sh
    TZ=Pacific/Auckland LANG=C LC_ALL=C git -C "$OLDPWD" archive --format=tar \
        --prefix="arithmitika-$version/" HEAD | gzip -9n >"dist/release/arithmitika-$version.tar.gz"
) >"$elsewhere/build.log" 2>&1 || {
    tail -n 40 "$elsewhere/build.log" >&2
    echo "release-check: the second build failed" >&2
    exit 1
}

again="$elsewhere/arithmitika-$version/dist/release"
differ=0
for file in dist/release/*; do
    name=$(basename "$file")
    [ "$name" = SHA256SUMS ] && continue # it lists the files compared here
    if ! cmp -s "$file" "$again/$name"; then
        echo "release-check: $name differs between the two builds:" >&2
        diffoscope --text - "$file" "$again/$name" >&2 || true
        differ=1
    fi
done
[ "$differ" -eq 0 ] || exit 1
(cd dist/release && sha256sum --quiet -c SHA256SUMS)
echo "release-check: both builds of the release are the same, byte for byte"
