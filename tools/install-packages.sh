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
  python3 xvfb xauth xdotool x11-xkb-utils xclip imagemagick librsvg2-bin poppler-utils
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev g++-mingw-w64-x86-64-posix
  desktop-file-utils appstream dpkg-dev fakeroot file xdg-utils
  cups cups-client cups-bsd cups-filters
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 weston groff-base man-db
  # The core suites on i386 and s390x: Debian's cross compilers, GoogleTest's source, qemu-user.
  g++-i686-linux-gnu g++-s390x-linux-gnu googletest qemu-user
)

# The Windows program, cross-built from Debian's qtbase and googletest sources (apt-get source
# needs dpkg-dev and a deb-src line, which is added when missing), its installer (wixl; olefile
# dates it), its signature (osslsigncode), and its tests under Wine (msitools reads an
# installer back, openssl makes the signing test's certificates).
windows_packages=(
  cmake ninja-build perl dpkg-dev xz-utils qt6-base-dev googletest fonts-liberation python3
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 librsvg2-bin zip wixl python3-olefile
  osslsigncode wine wine64 fonts-wine xvfb xauth xdotool xclip x11-xkb-utils icoutils
  libimage-exiftool-perl msitools openssl unzip
)
# Debian's packaging tools, for the package build and its checks, without what they recommend
# (keyrings, upload and maintainer tools), which no check needs.
packaging_packages=(build-essential debhelper lintian devscripts autopkgtest)
# Debian's screen reader, which the accessibility test runs with speech off: without the braille
# helper it recommends.
screen_reader_packages=(orca)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") lean=() ;;
  test)
    wanted=("${test_packages[@]}" "${windows_packages[@]}")
    lean=("${packaging_packages[@]}" "${screen_reader_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") lean=() ;;
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

# Prints those of its arguments that are not installed.
missing() {
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      echo "$package"
  done
}
mapfile -t missing_wanted < <(missing "${wanted[@]}")
mapfile -t missing_lean < <(missing "${lean[@]}")
[ ${#missing_wanted[@]} -eq 0 ] && [ ${#missing_lean[@]} -eq 0 ] && exit 0

echo "Installing:" "${missing_wanted[@]}" "${missing_lean[@]}"
"${as_root[@]}" apt-get update -qq
install() { DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$@" >/dev/null; }
[ ${#missing_wanted[@]} -eq 0 ] || install "${missing_wanted[@]}"
[ ${#missing_lean[@]} -eq 0 ] || install --no-install-recommends "${missing_lean[@]}"
