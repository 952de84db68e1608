#!/bin/sh
# Builds Velko and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of their own (default build-asan/) and runs every test.
# The first report stops the test that made it, so any report fails the run.
#   scripts/test-asan.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build_dir=${1:-build-asan}
jobs=${JOBS:-$(nproc)}

./scripts/install-deps.sh

flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags"
cmake --build "$build_dir" -j "$jobs"

# Leak checking needs no suppressions: Qt's one-time allocations stay reachable.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
