#!/usr/bin/env bash
# Lot report benchmark: the report workbook as the program writes it (report) against
# libxlsxwriter writing the same cells without the report logic (raw), from the same
# generated records in memory. Runs alternate, each in its own process.
#
#   bench/report.sh [--rows 100000] [--runs 5]
#   BUILD=build-bench bench/report.sh --rows 10000      (a quick check)
set -euo pipefail

cd "$(dirname "$0")/.."
source bench/common.sh
ROWS=100000
RUNS=5

while [[ $# -gt 0 ]]; do
    case $1 in
        --rows) [[ $# -ge 2 ]] || die "--rows needs a value"; ROWS=$2; shift 2 ;;
        --runs) [[ $# -ge 2 ]] || die "--runs needs a value"; RUNS=$2; shift 2 ;;
        -h | --help) usage ;;
        *) echo "report.sh: unknown argument $1" >&2; usage 2 ;;
    esac
done
[[ $ROWS =~ ^[1-9][0-9]*$ ]] || die "--rows takes a whole number of 1 or more, not '$ROWS'"
[[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "--runs takes a whole number of 1 or more, not '$RUNS'"

bench_build report_bench

raw_s=() raw_cpu=() report_s=() report_cpu=() report_mb=()
for ((i = 1; i <= RUNS; i++)); do
    echo "$ROWS rows: run $i of $RUNS (raw, then report)"
    raw=$(measure raw "$ROWS")
    report=$(measure report "$ROWS")
    [[ $(field rows "$raw") == "$(field rows "$report")" ]] ||
        die "report wrote $(field rows "$report") rows, raw $(field rows "$raw")"
    raw_s+=("$(field seconds "$raw")")
    raw_cpu+=("$(field cpu_seconds "$raw")")
    report_s+=("$(field seconds "$report")")
    report_cpu+=("$(field cpu_seconds "$report")")
    report_mb+=("$(field peak_mb "$report")")
done

rs=$(median "${raw_s[@]}") rc=$(median "${raw_cpu[@]}")
ps=$(median "${report_s[@]}") pc=$(median "${report_cpu[@]}")
echo
printf '%8s %8s %8s %13s %8s %8s %13s %10s\n' rows "raw s" "report s" "report/raw" \
    "raw cpu" "rep cpu" "report/raw" "report MB"
printf '%8s %8s %8s %13s %8s %8s %13s %10s\n' "$ROWS" "$rs" "$ps" "$(ratio "$ps" "$rs")" \
    "$rc" "$pc" "$(ratio "$pc" "$rc")" "$(median "${report_mb[@]}")"
echo "medians of $RUNS runs; wall-clock and processor seconds; target: report/raw <= 1.5"
