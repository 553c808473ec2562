#!/usr/bin/env bash
# Lot search benchmark: the search run into the window's lot list (go) against reading the
# same rows through the same connection without formatting (raw), peak memory, header-click
# sorting and start-up, on generated demo companies.
#
#   bench/search.sh [--sizes 200000,1000000] [--runs 3]
#   BUILD=build-bench bench/search.sh --sizes 20000      (a quick check)
#
# Companies are generated once into $BUILD/bench-cache/ (fixed seed and date) and reused.
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
JOBS=${JOBS:-2}
SIZES=200000,1000000
RUNS=3
SEED=7
TODAY=2025-01-15    # fixed, so a cached company is the same company on every run
SORT_MAX=200000     # sorting is timed on sizes up to this

usage() {
    sed -n '2,9s/^# \{0,1\}//p' "$0"
    exit "${1:-0}"
}
die() {
    echo "search.sh: $*" >&2
    exit 1
}

while [[ $# -gt 0 ]]; do
    case $1 in
        --sizes) [[ $# -ge 2 ]] || die "--sizes needs a value"; SIZES=$2; shift 2 ;;
        --runs) [[ $# -ge 2 ]] || die "--runs needs a value"; RUNS=$2; shift 2 ;;
        -h | --help) usage ;;
        *) echo "search.sh: unknown argument $1" >&2; usage 2 ;;
    esac
done
IFS=, read -r -a sizes <<<"$SIZES"
((${#sizes[@]} > 0)) || die "--sizes needs at least one size"
for n in "${sizes[@]}"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || die "--sizes takes whole numbers separated by commas, not '$SIZES'"
done
[[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "--runs takes a whole number of 1 or more, not '$RUNS'"

if [[ ! -f $BUILD/CMakeCache.txt ]]; then
    echo "Configuring $BUILD (RelWithDebInfo)"
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
echo "Building search_bench and quorvan-demo in $BUILD"
cmake --build "$BUILD" --target search_bench quorvan-demo -- -j"$JOBS" >/dev/null ||
    die "the build failed: run cmake --build $BUILD --target search_bench to see why"

BENCH=$BUILD/search_bench
CACHE=$BUILD/bench-cache
LOG=$(mktemp)
SCRATCH=$(mktemp -d)
trap 'rm -rf "$LOG" "$SCRATCH"' EXIT
mkdir -p "$CACHE"

# company N: the path of the cached demo company of N lots, generated when missing.
company() {
    local file=$CACHE/lots-$1-seed$SEED.sqlite
    if [[ ! -f $file ]]; then
        echo "Generating $file (1,000,000 lots take about 30 s and 2.3 GB)" >&2
        "$BUILD/quorvan-demo" --lots "$1" --seed "$SEED" --today "$TODAY" --out "$file.part" \
            >/dev/null || die "quorvan-demo failed for $1 lots"
        mv "$file.part" "$file"
    fi
    echo "$file"
}

# measure MODE ARG: runs one mode and prints its lines; the bench's own messages go to a log
# that is shown when it fails.
measure() {
    if ! "$BENCH" "$@" 2>"$LOG"; then
        cat "$LOG" >&2
        die "search_bench $* failed"
    fi
}

# field KEY LINE: the value of KEY=VALUE in a line of search_bench.
field() {
    sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"
}

median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

table=()
for n in "${sizes[@]}"; do
    file=$(company "$n")
    cat "$file" >/dev/null # into the page cache, so no run pays for the disk
    raw_s=() go_s=() go_mb=()
    for ((i = 1; i <= RUNS; i++)); do
        echo "$n lots: run $i of $RUNS (raw, then go)"
        raw=$(measure raw "$file")
        go=$(measure go "$file")
        raw_rows=$(field rows "$raw")
        go_rows=$(field rows "$go")
        [[ $raw_rows == "$go_rows" ]] || die "$n lots: go listed $go_rows rows, raw read $raw_rows"
        raw_s+=("$(field seconds "$raw")")
        go_s+=("$(field seconds "$go")")
        go_mb+=("$(field peak_mb "$go")")
    done
    sort_s="-"
    if ((n <= SORT_MAX)); then
        echo "$n lots: sort"
        sorted=$(measure sort "$file")
        sort_s="$(field seconds "$(grep 'mode=sort-location' <<<"$sorted")")"
        sort_s+=" / $(field seconds "$(grep 'mode=sort-item' <<<"$sorted")")"
    fi
    raw_m=$(median "${raw_s[@]}")
    go_m=$(median "${go_s[@]}")
    table+=("$(printf '%9s %9s %9s %9s %7.2f %9s  %s' "$n" "$raw_rows" "$raw_m" "$go_m" \
        "$(awk -v g="$go_m" -v r="$raw_m" 'BEGIN { print g / r }')" "$(median "${go_mb[@]}")" \
        "$sort_s")")
done

echo "Start-up on the demo company"
measure startup "$SCRATCH" >/dev/null # creates the demo company there; not timed
start_s=() shown_s=()
for ((i = 1; i <= RUNS; i++)); do
    started=$(measure startup "$SCRATCH")
    start_s+=("$(field seconds "$(grep 'mode=startup ' <<<"$started")")")
    shown_s+=("$(field seconds "$(grep 'mode=startup-shown ' <<<"$started")")")
done

echo
printf '%9s %9s %9s %9s %7s %9s  %s\n' lots rows "raw s" "go s" go/raw "go MB" \
    "sort s (Location / Item Number)"
printf '%s\n' "${table[@]}"
echo "start-up: $(median "${start_s[@]}") s to Form_Load returning," \
    "$(median "${shown_s[@]}") s to the window shown"
echo "medians of $RUNS runs; targets: go/raw <= 1.5, go MB < 400 at 1,000,000 lots," \
    "sort < 0.3 s at 200,000, start-up < 0.5 s"
