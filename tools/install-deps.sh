#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build needs and is missing.
#   install-deps.sh run    what building and starting Vantrel.exe needs
#   install-deps.sh test   what building and running every test level needs
set -u
what=${1:-test}
packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
          wine wine64 fonts-wine fonts-liberation xvfb xauth procps util-linux googletest)
if [ "$what" = test ]; then
  packages+=(g++ googletest libgtest-dev libgmock-dev imagemagick xdotool python3
             clang-14 libclang-rt-14-dev llvm-14)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q &&
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
