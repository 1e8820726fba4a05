#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a few seconds, seeded with
# the fixture files and the seeds in fuzz/corpus. FUZZ_SECONDS changes the time per target. An
# input that fails is kept in build/fuzz/crashes; it belongs in tests/data with a test of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build/fuzz}
seconds=${FUZZ_SECONDS:-10}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERZLAB_FUZZ=ON \
    -DCMAKE_CXX_COMPILER="$(command -v clang++-14 || command -v clang++)" >/dev/null
cmake --build "$build" -j 2
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets write each input to a file; keep those in a private folder, in memory if possible.
TMPDIR=$(mktemp -d -p "$( [ -d /dev/shm ] && echo /dev/shm || echo /tmp )")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
run() {
    local target=$1 seeds=$2
    local corpus
    corpus=$(mktemp -d -p "$TMPDIR")
    cp $seeds "$corpus"/ 2>/dev/null || true
    mkdir -p "$build/crashes"
    echo "== $target (${seconds} s)"
    "$build/$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 \
        -artifact_prefix="$build/crashes/$target-" \
        "$corpus" >"$corpus.log" 2>&1 || { tail -50 "$corpus.log"; exit 1; }
    grep -E '^#[0-9]+ +DONE' "$corpus.log" || tail -1 "$corpus.log"
}
run fuzz_measurement_file 'tests/data/oct_*'
run fuzz_sensor_file 'tests/data/sen_*'
run fuzz_settings_file 'tests/data/def_*'
run fuzz_curve_text 'tests/data/curve_*'
run fuzz_mic_calibration 'tests/data/mic_*'
run fuzz_stimulus_wav 'fuzz/corpus/stimulus/*.wav tests/data/wav_*'
run fuzz_sweep_recording 'fuzz/corpus/stimulus/*.wav tests/data/wav_*'
