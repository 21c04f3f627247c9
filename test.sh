#!/bin/sh
# Installs what is missing, builds the test configuration (with sanitizers) and runs every test.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD=build/test
export CCACHE_BASEDIR="$PWD"
# Checkouts in other folders share the cache.
export CCACHE_NOHASHDIR=1
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMIRTA_SANITIZE=ON -DMIRTA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
cd "$BUILD" && ctest --output-on-failure -j"$(nproc)" "$@"
