#!/usr/bin/env bash
# Mounts or unmounts the held-file mirror (held_file_fs.py) for the tests that need a read
# that really blocks. FOLDER/backing holds the real files, FOLDER/mnt shows them, and
# FOLDER/status says "mounted" or why the mirror is not there; the tests skip on anything but
# "mounted". Mounting never fails the run: a machine without FUSE only skips those tests.
# Usage: held-file-fs.sh mount|unmount FOLDER
set -euo pipefail
action="$1"
folder="$2"
here="$(cd "$(dirname "$0")" && pwd)"
mnt="$folder/mnt"
status="$folder/status"
python=/usr/bin/python3

unmount() {
  if mountpoint -q "$mnt" 2>/dev/null; then
    fusermount3 -u "$mnt" 2>/dev/null || umount -l "$mnt" 2>/dev/null || true
  fi
  if [ -f "$folder/pid" ]; then
    pid="$(cat "$folder/pid")"
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
    rm -f "$folder/pid"
  fi
}

unavailable() {
  echo "unavailable: $1" > "$status"
  echo "held-file mirror not mounted: $1"
  exit 0
}

mkdir -p "$folder/backing" "$mnt"
if [ "$action" = unmount ]; then
  unmount
  echo "unmounted" > "$status"
  exit 0
fi

unmount  # a mirror left over from an interrupted run
[ -c /dev/fuse ] || unavailable "no /dev/fuse"
command -v fusermount3 >/dev/null || unavailable "fusermount3 missing (package fuse3)"
"$python" -c "import pyfuse3, trio" 2>/dev/null || unavailable "pyfuse3 missing (package python3-pyfuse3)"

setsid "$python" "$here/held_file_fs.py" "$folder/backing" "$mnt" \
  > "$folder/fs.log" 2>&1 < /dev/null &
echo $! > "$folder/pid"
for _ in $(seq 1 100); do
  if mountpoint -q "$mnt"; then
    echo "mounted" > "$status"
    echo "held-file mirror mounted at $mnt"
    exit 0
  fi
  kill -0 "$(cat "$folder/pid")" 2>/dev/null || break
  sleep 0.1
done
unmount
unavailable "mount failed: $(tail -n 3 "$folder/fs.log" | tr '\n' ' ')"
