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

# Debian's packaging tools, for the package build and its checks, without what they recommend
# (keyrings, upload and maintainer tools), which no check needs.
packaging_packages=(build-essential debhelper lintian devscripts autopkgtest)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") lean=() ;;
  test) wanted=("${test_packages[@]}") lean=("${packaging_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

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

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing:" "${missing_wanted[@]}" "${missing_lean[@]}"
"${as_root[@]}" apt-get update -qq
install() { DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$@" >/dev/null; }
[ ${#missing_wanted[@]} -eq 0 ] || install "${missing_wanted[@]}"
[ ${#missing_lean[@]} -eq 0 ] || install --no-install-recommends "${missing_lean[@]}"
