#!/usr/bin/env bash
# Installs the Debian packages the program needs (only when one is missing) and
# builds it into build/ (or, with VORLUX_SANITIZE=ON, into build-sanitize/; or,
# with VORLUX_FUZZ=ON, the fuzz targets with clang and libFuzzer into build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev libzip-dev libpugixml-dev libbenchmark-dev
          fonts-dejavu-core xdg-utils python3 python3-docx python3-openpyxl xauth xvfb x11-utils
          poppler-utils)
fuzz="${VORLUX_FUZZ:-OFF}"
# libclang-rt-14-dev holds libFuzzer (libclang_rt.fuzzer) for Debian 12's clang.
[ "$fuzz" = "ON" ] && packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

sanitize="${VORLUX_SANITIZE:-OFF}"
build="build"
options=(-DVORLUX_SANITIZE="$sanitize")
[ "$sanitize" = "ON" ] && build="build-sanitize"
if [ "$fuzz" = "ON" ]; then
    build="build-fuzz"
    options=(-DVORLUX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++)
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" "${options[@]}"
fi
cmake --build "$build" -j"$(nproc)"
