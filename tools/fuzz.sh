#!/bin/sh
# Runs every fuzzer of a build for a bounded time, each on a scratch copy of its seed corpus
# (fuzz/corpus/<target>), so the corpus in the repository changes only by hand.
# Usage: tools/fuzz.sh <build dir> [seconds per fuzzer, default 30] [target ...]
# A finding is saved as <build dir>/fuzz-znaleziska/<target>-crash-...; replay it with
# <build dir>/fuzz/fuzz_<target> <file>, then turn it into a regression test.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 <build dir> [seconds per fuzzer] [target ...]" >&2
    exit 2
fi
budowa=$(cd "$1" && pwd)
sekundy=${2:-30}
[ $# -ge 2 ] && shift 2 || shift 1
cele=${*:-plik_vyn halor edytor silnik pla}
korpusy=$(cd "$(dirname "$0")/../fuzz/corpus" && pwd)

znaleziska="$budowa/fuzz-znaleziska"
robocze="$budowa/fuzz-robocze"
mkdir -p "$znaleziska"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

bledy=0
for cel in $cele; do
    program="$budowa/fuzz/fuzz_$cel"
    if [ ! -x "$program" ]; then
        echo "fuzz: $program is missing; build with -DVYN_FUZZ=ON and --target fuzzery" >&2
        exit 2
    fi
    rm -rf "$robocze/$cel"
    mkdir -p "$robocze/$cel"
    log="$budowa/fuzz-$cel.log"
    printf 'fuzz_%s: %s s ... ' "$cel" "$sekundy"
    # -timeout: one input may take at most 10 s; -rss_limit_mb: no input may take more memory.
    if "$program" -max_total_time="$sekundy" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$znaleziska/$cel-" \
        "$robocze/$cel" "$korpusy/$cel" >"$log" 2>&1; then
        echo "$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, clean"
    else
        echo "FOUND A FAULT"
        grep -E 'Naruszona|ERROR|SUMMARY|tekst:' "$log" | head -n 8 || true
        echo "  full log: $log"
        bledy=1
    fi
done
exit $bledy
