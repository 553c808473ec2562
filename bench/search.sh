#!/usr/bin/env bash
# Lot search benchmark: the search run into the window's lot list (go) against reading the
# same rows through the same connection without formatting (raw), peak memory, the time from
# Go to the first 50 rows listed and the longest gap between two paints of the list while it
# fills (live: a timer asks for a paint every 10 ms), header-click sorting and start-up, on
# generated demo companies.
#
#   bench/search.sh [--sizes 200000,1000000] [--runs 3]
#   BUILD=build-bench bench/search.sh --sizes 20000      (a quick check)
#
# Companies are generated once into $BUILD/bench-cache/ (fixed seed and date) and reused.
set -euo pipefail

cd "$(dirname "$0")/.."
source bench/common.sh
SORT_MAX=200000 # sorting is timed on sizes up to this

bench_options "$@"
bench_build search_bench quorvan-demo
SCRATCH=$(mktemp -d)
trap 'rm -rf "$LOG" "$SCRATCH"' EXIT

table=()
for n in "${sizes[@]}"; do
    file=$(company "$n")
    raw_s=() go_s=() go_mb=() first_s=() gap_s=()
    for ((i = 1; i <= RUNS; i++)); do
        echo "$n lots: run $i of $RUNS (raw, go, live)"
        raw=$(measure raw "$file")
        go=$(measure go "$file")
        live=$(measure live "$file")
        first_s+=("$(field seconds "$(grep 'mode=first-rows ' <<<"$live")")")
        gap_s+=("$(field seconds "$(grep 'mode=paint-gap ' <<<"$live")")")
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
    table+=("$(printf '%9s %9s %9s %9s %7.2f %9s %9s %9s  %s' "$n" "$raw_rows" "$raw_m" "$go_m" \
        "$(ratio "$go_m" "$raw_m")" "$(median "${go_mb[@]}")" "$(median "${first_s[@]}")" \
        "$(max "${gap_s[@]}")" "$sort_s")")
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
printf '%9s %9s %9s %9s %7s %9s %9s %9s  %s\n' lots rows "raw s" "go s" go/raw "go MB" \
    "first s" "gap s" "sort s (Location / Item Number)"
printf '%s\n' "${table[@]}"
echo "start-up: $(median "${start_s[@]}") s to Form_Load returning," \
    "$(median "${shown_s[@]}") s to the window shown"
echo "medians of $RUNS runs (gap: the longest of them); targets: go/raw <= 1.3," \
    "go MB < 400 at 1,000,000 lots, first rows < 0.5 s, gap <= 0.1 s," \
    "sort < 0.3 s at 200,000, start-up < 0.5 s"
