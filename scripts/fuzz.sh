#!/bin/sh
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and runs
# each for SECONDS (default 60) on a copy of its seed corpus, so the corpus in
# the repository never changes. Fails when a target finds a crash, a leak, a
# timeout or a broken invariant; the input is left in the work folder named.
#   scripts/fuzz.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=build-fuzz

./scripts/install-deps.sh fuzz

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELKO_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
targets="fuzz_reader fuzz_insertion fuzz_update fuzz_form_file"
# shellcheck disable=SC2086
cmake --build "$build_dir" -j "$(nproc)" --target $targets

work=$(mktemp -d)
echo "Fuzzing in $work"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=""
for target in $targets; do
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    cp -R "tests/fuzz/corpus/$target/." "$work/$target/corpus/"
    dict=""
    [ -f "tests/fuzz/$target.dict" ] && dict="-dict=tests/fuzz/$target.dict"
    echo "== $target, $seconds s"
    # shellcheck disable=SC2086
    if ! "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
        -timeout=10 -print_final_stats=1 $dict \
        -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" \
        >"$work/$target/log" 2>&1; then
        failed="$failed $target"
        tail -n 60 "$work/$target/log"
    fi
    grep -E '^stat::number_of_executed_units|^Done ' "$work/$target/log" || true
done

if [ -n "$failed" ]; then
    echo "Fuzzing found problems in:$failed (inputs in $work/*/findings)" >&2
    exit 1
fi
rm -rf "$work"
echo "Fuzzing found nothing"
