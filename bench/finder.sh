#!/usr/bin/env bash
# Lot finder and summary benchmark, on generated demo companies: the lot finder opened on an
# empty lot field (every lot of quantity level 1) against reading the same view records
# without the dialog (raw), then narrowed by typing three characters; its peak memory; and
# every summary query and the item description on the embedded company, and once, for
# comparison, the summary statements as SQLite runs them unaided (every row grouped first).
#
#   bench/finder.sh [--sizes 200000,1000000] [--runs 3]
#   BUILD=build-bench bench/finder.sh --sizes 20000      (a quick check)
#
# Companies are generated once into $BUILD/bench-cache/ (fixed seed and date) and reused.
set -euo pipefail

cd "$(dirname "$0")/.."
source bench/common.sh

bench_options "$@"
bench_build finder_bench quorvan-demo

# line MODE LINES: the line of one mode.
line() {
    grep "mode=$1 " <<<"$2"
}

finders=()
summaries=()
summary_modes=(grade item custcode prodcode palletstatus location itemdesc)
for n in "${sizes[@]}"; do
    file=$(company "$n")
    raw_s=() raw_cpu=() open_s=() open_cpu=() open_mb=() narrow_s=()
    declare -A summary_s=()
    for ((i = 1; i <= RUNS; i++)); do
        echo "$n lots: run $i of $RUNS (raw, open and narrow, summaries)"
        raw=$(measure raw "$file")
        opened=$(measure open "$file")
        summed=$(measure summaries "$file")
        rows=$(field rows "$raw")
        [[ $(field rows "$(line open "$opened")") == "$rows" ]] ||
            die "$n lots: the finder listed $(field rows "$(line open "$opened")") records, raw read $rows"
        raw_s+=("$(field seconds "$raw")")
        raw_cpu+=("$(field cpu_seconds "$raw")")
        open_s+=("$(field seconds "$(line open "$opened")")")
        open_cpu+=("$(field cpu_seconds "$(line open "$opened")")")
        open_mb+=("$(field peak_mb "$(tail -n 1 <<<"$opened")")")
        # The slowest of the three narrowings of this run.
        narrow_s+=("$(grep 'mode=narrow-' <<<"$opened" | while read -r l; do field seconds "$l"; done |
            sort -g | tail -n 1)")
        for mode in "${summary_modes[@]}"; do
            summary_s[$mode]+=" $(field seconds "$(line "$mode" "$summed")")"
        done
    done
    raw_m=$(median "${raw_s[@]}") open_m=$(median "${open_s[@]}")
    raw_c=$(median "${raw_cpu[@]}") open_c=$(median "${open_cpu[@]}")
    finders+=("$(printf '%9s %9s %9s %9s %9s %9s %9s %9s %9s %9s' "$n" "$rows" "$raw_m" \
        "$open_m" "$(ratio "$open_m" "$raw_m")" "$raw_c" "$open_c" "$(ratio "$open_c" "$raw_c")" \
        "$(median "${narrow_s[@]}")" "$(median "${open_mb[@]}")")")
    row=$(printf '%9s' "$n")
    for mode in "${summary_modes[@]}"; do
        # shellcheck disable=SC2086 # the runs' figures, one word each
        row+=$(printf ' %12s' "$(median ${summary_s[$mode]})")
    done
    summaries+=("$row")
    unset summary_s
    echo "$n lots: the summary statements grouped first, once"
    grouped=$(measure grouped-first "$file")
    row=$(printf '%9s' "$n*")
    for mode in "${summary_modes[@]}"; do
        value=-
        [[ $mode == itemdesc ]] || value=$(field seconds "$(line "$mode" "$grouped")")
        row+=$(printf ' %12s' "$value")
    done
    summaries+=("$row")
done

echo
echo "Lot finder on an empty lot field (seconds; cpu: processor seconds)"
printf '%9s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n' lots records "raw s" "open s" open/raw \
    "raw cpu" "open cpu" "cpu ratio" "narrow s" "peak MB"
printf '%s\n' "${finders[@]}"
echo
echo "Summary queries and item description (seconds)"
printf '%9s' lots
printf ' %12s' "${summary_modes[@]}"
echo
printf '%s\n' "${summaries[@]}"
echo "medians of $RUNS runs; narrow: the slowest of three typed characters; N*: one run of the" \
    "summary statements grouped before HAVING applies, as SQLite runs them unaided"
echo "targets: open/raw <= 1.5, narrow < 0.1 s, peak < 300 MB at 1,000,000 lots, each" \
    "summary < 1 s"
