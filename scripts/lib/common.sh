# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# shellcheck shell=bash

ZQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages: to build and run (with a Song-style CJK face for the instruction label),
# then to run the tests and the virtual display.
ZQ_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libjpeg-dev libxcb1-dev
  fonts-arphic-uming)
ZQ_SESSION_PACKAGES=(xvfb openbox xdotool x11-utils wmctrl imagemagick)
# To check the installed files and build the Debian package.
ZQ_PACKAGING_PACKAGES=(desktop-file-utils appstream dpkg-dev)

zq_say() { printf '==> %s\n' "$*" >&2; }

zq_ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  zq_say "installing ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# zq_build DIR [cmake options...]
zq_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    zq_say "configuring $dir"
    cmake -S "$ZQ_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  fi
  zq_say "building $dir"
  cmake --build "$dir" -j "$(nproc)"
}
