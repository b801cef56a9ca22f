#!/bin/sh
# While another program holds the package manager's locks, the set-up script tries again
# every SETUP_LOCK_RETRY seconds and gives up once SETUP_LOCK_WAIT seconds have passed, saying
# what to do, rather than waiting for ever:
#   setup_lock_wait_test.sh SETUP_SCRIPT
# It takes the system's own locks, so it runs as root only (77: skipped otherwise). Every
# package is made to look missing, so that the script has something to install.
set -eu
script=$1
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "skipped: holding the package manager's locks needs root on Debian"
    exit 77
fi
work=$(mktemp -d)
holder=""
trap 'kill $holder 2>/dev/null || true; rm -rf "$work"' EXIT

# apt and dpkg lock with fcntl, which flock(1) does not take: a Python holder does.
python3 -c '
import fcntl, sys, time
held = [open(path, "a") for path in sys.argv[1:]]
for lock in held:
    fcntl.lockf(lock, fcntl.LOCK_EX)
print("held", flush=True)
time.sleep(60)
' /var/lib/apt/lists/lock /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock >"$work/held" &
holder=$!
for _ in $(seq 100); do
    grep -q held "$work/held" && break
    sleep 0.1
done
if ! grep -q held "$work/held"; then
    echo "the package manager's locks could not be taken" >&2
    exit 1
fi

mkdir "$work/bin"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
chmod +x "$work/bin/dpkg-query"
status=0
PATH="$work/bin:$PATH" SETUP_LOCK_WAIT=3 SETUP_LOCK_RETRY=1 timeout 20 "$script" build \
    2>"$work/said" || status=$?
cat "$work/said"
case "$status" in
0) echo "the set-up script installed while the package manager was locked" >&2 ;;
124) echo "the set-up script was still waiting after 20 seconds" >&2 ;;
*)
    # It waited, a second at a time, until the limit and no longer.
    waits=$(grep -c "waiting for it to finish" "$work/said" || true)
    if [ "$waits" -eq 3 ] && grep -q "installing packages for 3 seconds" "$work/said"; then
        exit 0
    fi
    echo "the set-up script tried $waits times instead of 3 before giving up" >&2
    ;;
esac
exit 1
