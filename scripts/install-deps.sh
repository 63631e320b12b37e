#!/usr/bin/env bash
# Installs what building and testing Kirunner needs on Debian 12. Safe to run again:
# it only installs what is missing. Needs root (or sudo).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
  cmake make googletest python3
  wine wine32:i386
  xvfb x11-utils x11-xserver-utils xcompmgr imagemagick
  fonts-ipafont-gothic fonts-dejavu-core fonts-nanum fonts-babelstone-han locales
  fuse3 python3-pyfuse3
)

# The X libraries Wine loads at run time (only recommended by its packages, so not installed
# with them): without Xinerama and XRandR it sees one monitor, without the others it lacks
# cursors, input, shapes and video modes. Each Wine needs those of its own architecture.
x_libraries=(libxinerama1 libxrandr2 libxrender1 libxi6 libxcursor1 libxcomposite1 libxfixes3 libxxf86vm1)
native="$(dpkg --print-architecture)"
packages+=("${x_libraries[@]/%/:$native}" "${x_libraries[@]/%/:i386}")

# Wine's 32-bit half comes from Debian's i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
"$here/apt-install-missing.sh" "${packages[@]}"

# Where Wine runs no 32-bit programs the tests run from a 64-bit copy of the program, so its
# toolchain and wine64 are installed too; which build the tests use is decided at configure time
# (cmake/tests-build.cmake).
"$here/apt-install-missing.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  mingw-w64-x86-64-dev wine64

# Wine needs a real ja_JP.UTF-8 locale for code page 932 and Japanese paths.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
