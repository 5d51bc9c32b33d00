#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, as root or through sudo; installs nothing when
# they are all present. Usage: tools/install-packages.sh run|test|windows
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
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  desktop-file-utils appstream dpkg-dev fakeroot file xdg-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 weston groff-base man-db
)

# The Windows program, cross-built from Debian's qtbase and googletest sources (apt-get source
# needs dpkg-dev and a deb-src line, which is added when missing), and its tests under Wine.
windows_packages=(
  cmake ninja-build perl dpkg-dev xz-utils qt6-base-dev googletest fonts-liberation
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 librsvg2-bin zip
  wine wine64 fonts-wine xvfb xauth xdotool xclip icoutils libimage-exiftool-perl
)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}" "${windows_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  *) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# apt-get source needs apt to know Debian's source packages: where it does not, a deb-src entry
# is added beside each deb entry of Debian's archive, and the lists are read again.
if [ "$1" != run ] && ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
  echo "Adding deb-src entries to apt's sources"
  for list in $(grep -l 'debian\.org' /etc/apt/sources.list.d/*.sources 2>/dev/null); do
    "${as_root[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$list"
  done
  if [ -f /etc/apt/sources.list ]; then
    "${as_root[@]}" sed -i -E 's/^deb (.*debian\.org.*)$/deb \1\ndeb-src \1/' /etc/apt/sources.list
  fi
  "${as_root[@]}" apt-get update -qq
fi

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq \
  "${missing[@]}" >/dev/null
