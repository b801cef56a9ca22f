#!/bin/sh
# Builds every download of this version from the committed tree into dist/release/, and nothing
# else there: the Debian package, the Windows zip and installer, the web page's zip, the source
# archive, and SHA256SUMS over them. The same commit gives the same bytes, whatever the folder,
# the time and time zone, the umask and the locale of the build (see 'make release-check').
# Run in the unpacked source archive, it builds the same downloads again, all but the archive.
#
#   tools/release.sh
set -eu
cd "$(dirname "$0")/.."

version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)

# The build's time is the commit's, as Debian's tools read it. In a clone it is read from git;
# in the source archive, git wrote it into tools/source-date-epoch when it made the archive.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    # A release built from changes that are not committed would match no commit.
    if [ -n "$(git status --porcelain)" ]; then
        echo "make release: the tree has changes that are not committed, so the release" >&2
        echo "would match no commit. Commit them (or stash them) and run it again:" >&2
        git status --short >&2
        exit 1
    fi
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    from_git=yes
else
    SOURCE_DATE_EPOCH=$(cat tools/source-date-epoch)
    from_git=no
    case "$SOURCE_DATE_EPOCH" in
    *[!0-9]* | "")
        echo "make release: this is neither a git clone nor a release's source archive" >&2
        exit 1
        ;;
    esac
fi
export SOURCE_DATE_EPOCH
# The rest of the build's surroundings are made the same for every build.
export TZ=UTC LC_ALL=C.UTF-8
umask 022

# Built afresh: what an earlier build made carries that build's commit time.
made=build-release/dist
rm -rf build-release
mkdir -p "$made"
builds="DIST=$made PACKAGE_BUILD=build-release/package WINDOWS_BUILD=build-release/windows \
    WEB_BUILD=build-release/web"
# shellcheck disable=SC2086 # the assignments above are separate words
make package windows web $builds \
    CMAKE_FLAGS="-DARITHMITIKA_REPRODUCIBLE=ON -DBUILD_TESTING=OFF"

# CPack dates every file of the package with SOURCE_DATE_EPOCH, and owns them by root.
deb="arithmitika_${version}_amd64.deb"

# The source as committed, under one top folder; a build from that archive makes the rest.
downloads="$deb arithmitika-$version-windows-x64.zip arithmitika-$version-setup.exe
    arithmitika-$version-web.zip"
if [ "$from_git" = yes ]; then
    git archive --format=tar --prefix="arithmitika-$version/" HEAD |
        gzip -9n >"$made/arithmitika-$version.tar.gz"
    downloads="$downloads arithmitika-$version.tar.gz"
fi

release=dist/release
rm -rf "$release.part"
mkdir -p "$release.part"
for file in $downloads; do
    cp "$made/$file" "$release.part/$file"
done
(cd "$release.part" && sha256sum -- * >SHA256SUMS)
rm -rf "$release"
mv "$release.part" "$release"
echo "The release is in $release:"
cat "$release/SHA256SUMS"
