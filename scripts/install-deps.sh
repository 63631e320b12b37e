#!/usr/bin/env bash
# Installs what building and testing Kirunner needs on Debian 12. Safe to run again:
# it only installs what is missing. Needs root (or sudo).
# Usage: install-deps.sh [--with-64bit-copy]
#
# Wine's 32-bit half (Debian's i386 architecture) is installed only where the kernel runs 32-bit
# programs; elsewhere, or where that half cannot be installed, the tests run a 64-bit copy of the
# program, and its compiler and wine64 are installed instead. --with-64bit-copy installs those
# in any case (to test the 64-bit copy where 32-bit programs run too).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
with_64bit_copy=0
if [ "${1:-}" = --with-64bit-copy ]; then with_64bit_copy=1; fi

# The package lists are refreshed once for the whole run, and again once i386 is added.
KIRUNNER_APT_UPDATED="$(mktemp -u)"
export KIRUNNER_APT_UPDATED
trap 'rm -f "$KIRUNNER_APT_UPDATED"' EXIT

# The X libraries Wine loads at run time (only recommended by its packages, so not installed
# with them): without Xinerama and XRandR it sees one monitor, without the others it lacks
# cursors, input, shapes and video modes. Each Wine needs those of its own architecture.
x_libraries=(libxinerama1 libxrandr2 libxrender1 libxi6 libxcursor1 libxcomposite1 libxfixes3 libxxf86vm1)
native="$(dpkg --print-architecture)"

packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
  cmake make googletest python3 openssl
  wine
  xvfb x11-utils x11-xserver-utils xcompmgr imagemagick
  fonts-ipafont-gothic fonts-dejavu-core fonts-nanum fonts-babelstone-han locales
  fuse3 python3-pyfuse3
  "${x_libraries[@]/%/:$native}"
  # The web remote's tests: headless Chromium (driven by playwright-core from npm, which the
  # test installs into the build folder), a QR reader for the pairing dialog, and clang's
  # libFuzzer for the request parser.
  chromium zbar-tools clang libclang-rt-14-dev nodejs
)
"$here/apt-install-missing.sh" "${packages[@]}"
# npm comes with some builds of Node.js and apart from Debian's.
if ! command -v npm >/dev/null; then "$here/apt-install-missing.sh" npm; fi

if "$here/runs-32bit-programs.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    rm -f "$KIRUNNER_APT_UPDATED"
  fi
  if ! "$here/apt-install-missing.sh" wine32:i386 "${x_libraries[@]/%/:i386}"; then
    echo "install-deps: this machine runs 32-bit programs, but Wine's 32-bit half (wine32:i386)" \
         "could not be installed; the tests will run the 64-bit copy of the program"
    with_64bit_copy=1
  fi
else
  echo "install-deps: this machine runs no 32-bit programs; the tests will run the 64-bit copy of the program"
  with_64bit_copy=1
fi

if [ "$with_64bit_copy" = 1 ]; then
  "$here/apt-install-missing.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    mingw-w64-x86-64-dev wine64
fi

# Wine needs a real ja_JP.UTF-8 locale for code page 932 and Japanese paths.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
