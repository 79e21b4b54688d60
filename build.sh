#!/usr/bin/env bash
# ./build.sh run   installs what is missing, builds and starts Korvela
# ./build.sh test  installs what is missing, builds and runs every test
#                  (once plain, once under AddressSanitizer and UBSan)
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation libgtest-dev libbenchmark-dev
          poppler-utils xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc)
case "${1:-}" in
  run)
    cmake -S . -B build -G Ninja >/dev/null
    ninja -C build -j "$jobs" korvela
    cd build && exec ./korvela
    ;;
  test)
    cmake -S . -B build -G Ninja >/dev/null
    ninja -C build -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
    cmake -S . -B build-asan -G Ninja -DKORVELA_SANITIZE=ON -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O0 >/dev/null
    ninja -C build-asan -j "$jobs"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
