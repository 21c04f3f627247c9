#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD=build/release
export CCACHE_BASEDIR="$PWD"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
[ -d demo ] || "$BUILD/cli/mirta" demo demo
exec "$BUILD/cli/mirta" --help
