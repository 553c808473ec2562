# shellcheck shell=bash
# Sourced by the benchmark scripts, from the top of the repository: options, the build, the
# cached demo companies and the reading of the benchmark programs' lines.

BUILD=${BUILD:-build}
JOBS=${JOBS:-2}
SIZES=200000,1000000
RUNS=3
SEED=7
TODAY=2025-01-15 # fixed, so a cached company is the same company on every run
CACHE=$BUILD/bench-cache
NAME=$(basename "$0")
LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT

# usage [STATUS]: the script's opening comment, without its first line.
usage() {
    awk 'NR == 1 { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "$0"
    exit "${1:-0}"
}
die() {
    echo "$NAME: $*" >&2
    exit 1
}

# bench_options ARG...: reads --sizes and --runs into the array sizes and RUNS (the companies'
# benchmarks).
bench_options() {
    while [[ $# -gt 0 ]]; do
        case $1 in
            --sizes) [[ $# -ge 2 ]] || die "--sizes needs a value"; SIZES=$2; shift 2 ;;
            --runs) [[ $# -ge 2 ]] || die "--runs needs a value"; RUNS=$2; shift 2 ;;
            -h | --help) usage ;;
            *) echo "$NAME: unknown argument $1" >&2; usage 2 ;;
        esac
    done
    IFS=, read -r -a sizes <<<"$SIZES"
    ((${#sizes[@]} > 0)) || die "--sizes needs at least one size"
    for n in "${sizes[@]}"; do
        [[ $n =~ ^[1-9][0-9]*$ ]] || die "--sizes takes whole numbers separated by commas, not '$SIZES'"
    done
    [[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "--runs takes a whole number of 1 or more, not '$RUNS'"
}

# bench_build PROGRAM [TARGET...]: builds the benchmark program and the other targets it
# needs; the program is then $BENCH.
bench_build() {
    if [[ ! -f $BUILD/CMakeCache.txt ]]; then
        echo "Configuring $BUILD (RelWithDebInfo)"
        cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    echo "Building $* in $BUILD"
    cmake --build "$BUILD" --target "$@" -- -j"$JOBS" >/dev/null ||
        die "the build failed: run cmake --build $BUILD --target $1 to see why"
    BENCH=$BUILD/$1
}

# company N: the path of the demo company of N lots, generated into $CACHE when missing and
# read into the page cache, so no run pays for the disk. The file name carries a hash of
# data/schema.sql: a company generated before the schema changed is never measured again.
company() {
    local file
    file=$CACHE/lots-$1-seed$SEED-$(sha1sum data/schema.sql | cut -c1-8).sqlite
    mkdir -p "$CACHE"
    if [[ ! -f $file ]]; then
        echo "Generating $file (1,000,000 lots take one to three minutes and 2.9 GB)" >&2
        "$BUILD/quorvan-demo" --lots "$1" --seed "$SEED" --today "$TODAY" --out "$file.part" \
            >/dev/null || die "quorvan-demo failed for $1 lots"
        mv "$file.part" "$file"
    fi
    cat "$file" >/dev/null
    echo "$file"
}

# measure MODE ARG...: runs one mode of $BENCH and prints its lines; the program's own messages
# go to a log that is shown when it fails.
measure() {
    if ! "$BENCH" "$@" 2>"$LOG"; then
        cat "$LOG" >&2
        die "$(basename "$BENCH") $* failed"
    fi
}

# field KEY LINE: the value of KEY=VALUE in a line of a benchmark program.
field() {
    sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"
}

# median V...: the middle value (the upper one of an even count).
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# max V...: the largest value.
max() {
    printf '%s\n' "$@" | sort -g | tail -n 1
}

# ratio A B: A / B with two decimals.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
