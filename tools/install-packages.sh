#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, as root or through sudo; installs nothing when
# they are all present. Usage: tools/install-packages.sh run|test
set -euo pipefail

run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-wayland libgl-dev
  fonts-liberation
)
test_packages=(
  "${run_packages[@]}"
  git clang-14 libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 xvfb xauth xdotool imagemagick librsvg2-bin poppler-utils
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev g++-mingw-w64-x86-64-posix
  desktop-file-utils appstream dpkg-dev fakeroot file xdg-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 weston groff-base man-db
)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq \
  "${missing[@]}" >/dev/null
