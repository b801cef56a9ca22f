#!/bin/sh
# Installs the Debian packages that a build needs, when some are missing.
#
#   tools/setup-debian.sh GROUP...
#
# Groups: build (compiler and CMake), window (Qt, its lrelease for the Greek translation of its
# own words, CUPS to ask its queue what became of a print, and a font with Greek that fits the
# form),
# tests (GoogleTest, Google Benchmark, ICU as the benchmark's yardstick, the desktop's
# validators, poppler to read the window's printed worksheet back, and Python for the tools'
# tests), fuzz (clang and libFuzzer), lint (clang-tidy and cppcheck),
# package (CPack's helpers for a Debian package, lintian and the AppStream validator), e2e (an
# X server, a window manager, xdotool, screenshots, a session bus and the accessibility bus
# with its Python bindings), picture (LibreOffice and poppler, to print the worksheet into a
# picture), windows (the mingw-w64 cross compiler, GoogleTest's sources, Python for the icon,
# NSIS for the installer), wine (Wine, and the font it draws the window with), chroot
# (debootstrap and git, to try the project on another Debian release), web (emscripten and
# node, for WebAssembly, and Python for the page's picture), browser (Chromium, WebKitGTK and
# Firefox, the first two's drivers, Selenium, an X server for WebKit, the face the form is
# measured with, and poppler to read the page's print back, to use the page as a teacher would),
# release (git, for the source archive), compare (diffoscope, to say where two builds of a
# release differ), npm (to install the browser tests' pinned tools from npm, unless node
# brought its own npm).
# Runs apt-get as root, or through sudo; says what is missing when it can do neither.
set -eu

packages=""
for group in "$@"; do
    case "$group" in
    build) packages="$packages cmake g++ make" ;;
    window) packages="$packages qt6-base-dev qt6-l10n-tools libcups2-dev fonts-liberation2" ;;
    tests) packages="$packages libgtest-dev libgmock-dev libbenchmark-dev libicu-dev desktop-file-utils appstream poppler-utils python3" ;;
    fuzz) packages="$packages clang libclang-rt-dev" ;;
    lint) packages="$packages clang-tidy cppcheck git" ;;
    package) packages="$packages dpkg-dev file lintian appstream" ;;
    picture) packages="$packages libreoffice-writer-nogui fonts-liberation2 poppler-utils" ;;
    e2e) packages="$packages xvfb openbox xdotool imagemagick dbus dbus-bin at-spi2-core python3 python3-pyatspi" ;;
    windows) packages="$packages g++-mingw-w64-x86-64-posix googletest python3 nsis" ;;
    wine) packages="$packages wine wine64 fonts-liberation2" ;;
    chroot) packages="$packages debootstrap git" ;;
    web) packages="$packages emscripten nodejs python3" ;;
    browser) packages="$packages chromium chromium-driver python3-selenium fonts-liberation2 webkit2gtk-driver firefox-esr xvfb xauth poppler-utils" ;;
    release) packages="$packages git" ;;
    npm) command -v npm >/dev/null 2>&1 || packages="$packages npm" ;; # node may bring its own
    compare) packages="$packages diffoscope" ;;
    *)
        echo "setup-debian.sh: unknown group '$group'" >&2
        exit 2
        ;;
    esac
done

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "These Debian packages are needed:$missing" >&2
    echo "Install them as root: apt-get install$missing" >&2
    exit 1
fi
if ! command -v apt-get >/dev/null 2>&1; then
    echo "These packages are needed, and this is not a Debian system:$missing" >&2
    exit 1
fi

# Another install, or the automatic updates of a machine that has just started, may hold the
# package manager's lock for a while: apt-get is tried again every 10 seconds, saying so, and
# given up on with a clear message after 5 minutes (SETUP_LOCK_WAIT and SETUP_LOCK_RETRY, in
# seconds, change both).
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
apt_get() {
    waited=0
    while ! $as_root env DEBIAN_FRONTEND=noninteractive apt-get "$@" 2>"$errors"; do
        if ! grep -q -e 'Could not get lock' -e 'Unable to acquire the dpkg frontend lock' \
            -e 'Unable to lock' "$errors"; then
            cat "$errors" >&2
            return 1
        fi
        if [ "$waited" -ge "${SETUP_LOCK_WAIT:-300}" ]; then
            cat "$errors" >&2
            echo "Another program has been installing packages for $waited seconds and still" >&2
            echo "holds the package manager. Let it finish (or restart the machine), then run" >&2
            echo "this command again." >&2
            return 1
        fi
        echo "Another program is installing packages; waiting for it to finish ($waited s)..." >&2
        sleep "${SETUP_LOCK_RETRY:-10}"
        waited=$((waited + ${SETUP_LOCK_RETRY:-10}))
    done
    cat "$errors" >&2
}

echo "Installing:$missing"
apt_get update -q
apt_get install -y -q --no-install-recommends $missing
