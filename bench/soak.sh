#!/usr/bin/env bash
# Soak run: the window, offscreen, on the embedded demo company, through N random searches,
# drill-downs, finder openings (chosen or cancelled) and order lookups in one process. Prints
# the resident and peak memory after a warm-up of 200 operations and at the end, and every
# message the window gave that a healthy run does not give; fails when either memory grows
# by more than 10 % or any such message came.
#
#   bench/soak.sh [--operations 2000]
#
# The demo company is created in a temporary data folder, so the user's files are not touched.
set -euo pipefail

cd "$(dirname "$0")/.."
source bench/common.sh
OPERATIONS=2000

while [[ $# -gt 0 ]]; do
    case $1 in
        --operations) [[ $# -ge 2 ]] || die "--operations needs a value"; OPERATIONS=$2; shift 2 ;;
        -h | --help) usage ;;
        *) echo "soak.sh: unknown argument $1" >&2; usage 2 ;;
    esac
done
if ! [[ $OPERATIONS =~ ^[1-9][0-9]*$ ]] || ((OPERATIONS <= 200)); then
    die "--operations takes a whole number above the warm-up of 200, not '$OPERATIONS'"
fi

bench_build soak_bench
HOMES=$(mktemp -d)
trap 'rm -rf "$LOG" "$HOMES"' EXIT

echo "$OPERATIONS random operations on the demo company"
out=$(XDG_DATA_HOME=$HOMES/data XDG_CACHE_HOME=$HOMES/cache "$BENCH" soak "$OPERATIONS" 2>"$LOG") || {
    cat "$LOG" >&2
    die "soak_bench failed"
}
start=$(grep 'mode=soak-start ' <<<"$out")
end=$(grep 'mode=soak-end ' <<<"$out")

echo
printf '%10s %10s %10s\n' "" "rss MB" "peak MB"
printf '%10s %10s %10s\n' "start" "$(field rss_mb "$start")" "$(field peak_mb "$start")"
printf '%10s %10s %10s\n' "end" "$(field rss_mb "$end")" "$(field peak_mb "$end")"
printf '%10s %10s %10s\n' "end/start" "$(ratio "$(field rss_mb "$end")" "$(field rss_mb "$start")")" \
    "$(ratio "$(field peak_mb "$end")" "$(field peak_mb "$start")")"
for key in searches rows drilldowns finders orders failures; do
    printf '%s=%s ' "$key" "$(field "$key" "$end")"
done
echo
grep '^soak failure: ' "$LOG" || true
echo "start: after $(field operations "$start") operations; target: end/start <= 1.10, no failures"

failed=0
for key in rss_mb peak_mb; do
    awk -v a="$(field "$key" "$end")" -v b="$(field "$key" "$start")" 'BEGIN { exit !(a > 1.10 * b) }' &&
        { echo "$NAME: $key grew by more than 10 %" >&2; failed=1; }
done
[[ $(field failures "$end") == 0 ]] || { echo "$NAME: the window reported failures" >&2; failed=1; }
exit "$failed"
