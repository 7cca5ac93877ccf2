#!/usr/bin/env bash
# Set-up, build and run on a new machine.
#   ./dev.sh start   install what is missing, build, start the configurator
#   ./dev.sh test    install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libxcb1-dev libpugixml-dev libgtest-dev libgmock-dev
          libbenchmark-dev libxml2-utils)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" ||
    { "${sudo[@]}" apt-get update && "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; }
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  cmake --build build -j"$(nproc)"
}

case "${1:-}" in
  start)
    install_missing
    build
    exec ./build/zentar
    ;;
  test)
    install_missing
    build
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: ./dev.sh start | test" >&2
    exit 2
    ;;
esac
