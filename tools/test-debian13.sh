#!/bin/sh
# Runs the README's test command on a fresh Debian 13 as a newcomer would: in a minimal
# chroot, with only 'make' installed by hand, on a clone of this project's committed HEAD.
#
#   tools/test-debian13.sh WORK_FOLDER
#
# The minimal system is made once with debootstrap, from the package mirror this machine
# uses, and kept as WORK_FOLDER/minbase.tar; every run unpacks it afresh, so nothing from an
# earlier run is installed. Downloaded packages are kept in WORK_FOLDER/apt-archives between
# runs. Every mount is undone when the script ends, whether or not the tests passed.
# Needs root (debootstrap, mount, chroot), debootstrap and git ('make test-debian13' installs
# them).
set -eu
work=$(realpath -m "${1:?usage: $0 WORK_FOLDER}")
suite=trixie
project=$(cd "$(dirname "$0")/.." && pwd)
base=$work/minbase.tar
root=$work/root
archives=$work/apt-archives

if [ "$(id -u)" -ne 0 ]; then
    echo "test-debian13.sh: a chroot needs root" >&2
    exit 1
fi

# The Debian mirror from this machine's own sources (one-line or deb822 format).
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null |
    sed -n -e 's|^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*/debian\)/\{0,1\} .*|\2|p' \
        -e 's|^URIs: *\([^ ]*/debian\)/\{0,1\}$|\1|p' | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
security=$(echo "$mirror" | sed 's|/debian$|/debian-security|')

mounted() {
    # Mount points at or under the chroot, deepest first.
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts |
        sort -r
}
unmount_all() {
    for point in $(mounted); do
        umount "$point" 2>/dev/null || umount -l "$point"
    done
}
trap unmount_all EXIT
trap 'exit 130' INT TERM

if [ ! -f "$base" ]; then
    echo "Making a minimal Debian 13 ($suite) from $mirror, once"
    rm -rf "$work/bootstrap"
    debootstrap --variant=minbase "$suite" "$work/bootstrap" "$mirror"
    tar -C "$work/bootstrap" -cf "$base.part" .
    mv "$base.part" "$base"
    rm -rf "$work/bootstrap"
fi

# A root left by a run that was killed may still hold mounts: undo them before removing it,
# or rm would reach into the machine's own /dev and /proc.
unmount_all
if [ -n "$(mounted)" ]; then
    echo "test-debian13.sh: $root is still mounted; not removing it" >&2
    exit 1
fi
rm -rf "$root"
mkdir -p "$root" "$archives"
tar -C "$root" -xf "$base"

cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet "$project" "$root/root/arithmitika"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs tmpfs "$root/dev/shm"
mount -t tmpfs tmpfs "$root/tmp"
mount --bind "$archives" "$root/var/cache/apt/archives"

# A newcomer's shell: no locale set, the project just cloned.
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/sh -eu -c '
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q make
        cd /root/arithmitika
        make test'
echo "The README's test command passed on Debian 13 ($suite)."
