#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS (default 60), one after the
# other. Inputs that reach new code are kept in build-fuzz/corpus/<target>; an input that breaks a target
# is saved in build-fuzz/artifacts/ and ends the run with an error.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(rtf_reader number_text admin_amount settings_file csv_reader)
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUORVEX_FUZZ=ON
cmake --build build-fuzz -j2 --target "${targets[@]/%/_fuzz}"
mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/$target.log"
    echo "fuzzing $target for ${seconds}s"
    if ! "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" "build-fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target: an input broke the target (see build-fuzz/artifacts/)" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
done
