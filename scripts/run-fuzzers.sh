#!/usr/bin/env bash
# Runs fuzz targets side by side for a bounded time, each on a scratch copy of its seed corpus
# (tests/fuzz/corpus/<target>/) so that the repository is never written to. Fails if any target
# finds a crash; the crashing input is kept in <build>/fuzz-runs/<target>/artifacts/.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS TARGET...
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 BUILD_DIR SECONDS TARGET..." >&2; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
seconds="$2"
shift 2

# Leak checks stay on (the targets open no window, so no X library is loaded). The targets' stdout,
# where the engine writes its get diagnostics, is closed.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

pids=()
for target in "$@"; do
    work="$build/fuzz-runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp "$root/tests/fuzz/corpus/$target/"* "$work/corpus/"
    # The built-in default preset seeds the preset file target as it is stored in the program.
    [ "$target" = fuzz_preset_file ] && cp "$root/src/resources/DefaultPreset.syx" "$work/corpus/default.orp"

    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -close_fd_mask=1 \
        -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus" >"$work/log" 2>&1 &
    pids+=("$!")
done

status=0
i=0
for target in "$@"; do
    work="$build/fuzz-runs/$target"
    if wait "${pids[$i]}"; then
        echo "fuzz: $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$') runs in ${seconds}s, no crash"
    else
        echo "fuzz: $target FAILED; its log ends:" >&2
        tail -n 60 "$work/log" >&2
        ls "$work/artifacts" >&2
        status=1
    fi
    i=$((i + 1))
done
exit $status
