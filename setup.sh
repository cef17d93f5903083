#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds into build/, then either starts
# a program or runs the whole test suite.
#   ./setup.sh vardex     build and start Vardex (likewise: lismera)
#   ./setup.sh test       build and run every test
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-vardex}
packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libgtest-dev fonts-wqy-microhei)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

case "$what" in
  test)
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  vardex|lismera)
    exec "build/$what/$what"
    ;;
  *)
    echo "usage: ./setup.sh vardex|lismera|test" >&2
    exit 2
    ;;
esac
