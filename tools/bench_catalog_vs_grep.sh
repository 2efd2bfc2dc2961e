#!/usr/bin/env bash
# Times whole processes on made-up catalogs in the default catalog's layout, with grep reading the
# same file as the yardstick:
#
#   default catalog, 21,600 lines
#     talvo-cli find ZZZNOTHING   a full scan with a name that matches nothing
#     talvo-cli find --best-of    Best of the Sky, both passes, every match printed
#     grep -c ZZZNOTHING          the same file read once by grep
#   large catalog, 1,000,000 lines (about 100 MB, an observer's own catalog at scale)
#     talvo-cli find ZZZNOTHING   against grep -c ZZZNOTHING
#   the peak resident memory of that scan on 100,000 and on 1,000,000 lines, which should be the
#   same: the catalog is read through a buffer of fixed size.
#
# Prints the median (and the fastest run) of each and the ratios to grep. Uses hyperfine when it
# is installed (and NO_HYPERFINE is not set), otherwise a loop reading the clock (bash's
# EPOCHREALTIME, which starts no process, or `date +%s%N`). The memory needs GNU time
# (/usr/bin/time); without it that part is left out.
#
#   tools/bench_catalog_vs_grep.sh [BUILD_DIR] [RUNS] [LARGE_LINES]   (defaults: build, 30, 1000000)
#
# BUILD_DIR must hold bin/talvo-cli and bench/catalog_scan_bench (Google Benchmark installed).
set -euo pipefail

build=${1:-build}
runs=${2:-30}
large_lines=${3:-1000000}
small_lines=$((large_lines / 10))
cli=$build/bin/talvo-cli
maker=$build/bench/catalog_scan_bench
for program in "$cli" "$maker"; do
    [[ -x $program ]] || { echo "missing $program: build the project first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALVO_DIR=$work  # the matches file goes there
moment=(--lat 40.5 --lon 74.25 --utc-offset 5 --date 2026-12-07 --time 01:30:00)

declare -A median fastest  # milliseconds

# Times the commands given as NAME COMMAND pairs; fills median[NAME] and fastest[NAME].
time_commands() {
    local names=() commands=()
    while (($#)); do
        names+=("$1")
        commands+=("$2")
        shift 2
    done
    if [[ -z ${NO_HYPERFINE:-} ]] && command -v hyperfine >/dev/null; then
        local arguments=() i
        for i in "${!names[@]}"; do arguments+=(-n "${names[$i]}" "${commands[$i]}"); done
        # talvo-cli exits 1 and grep -c exits 1 when nothing is found: failures are expected.
        hyperfine -N -i --warmup 3 --runs "$runs" --style basic --export-csv "$work/times.csv" \
            "${arguments[@]}" >&2
        local name med low
        # The columns: command,mean,stddev,median,user,system,min,max (seconds).
        while IFS=, read -r name _ _ med _ _ low _; do
            [[ $name == command ]] && continue
            median[$name]=$(awk -v s="$med" 'BEGIN { printf "%.3f", s * 1000 }')
            fastest[$name]=$(awk -v s="$low" 'BEGIN { printf "%.3f", s * 1000 }')
        done <"$work/times.csv"
        return
    fi
    if [[ -n ${EPOCHREALTIME:-} ]]; then
        clock() { now=${EPOCHREALTIME/[.,]/}000; }  # nanoseconds
    else
        clock() { now=$(date +%s%N); }
    fi
    local i argv warm run start
    for i in "${!names[@]}"; do
        read -r -a argv <<<"${commands[$i]}"
        for ((warm = 0; warm < 3; warm++)); do "${argv[@]}" >/dev/null || true; done
        for ((run = 0; run < runs; run++)); do
            clock
            start=$now
            "${argv[@]}" >/dev/null || true
            clock
            echo $((now - start))
        done | sort -n | awk '{ t[NR] = $1 } END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
                                 printf "%.3f %.3f\n", m / 1e6, t[1] / 1e6 }' >"$work/${names[$i]}"
        read -r "median[${names[$i]}]" "fastest[${names[$i]}]" <"$work/${names[$i]}"
    done
}

# One line per name: its median and fastest run, each as a multiple of grep's.
report() {
    local name
    for name in "$@"; do
        awk -v n="$name" -v m="${median[$name]}" -v f="${fastest[$name]}" -v gm="${median[grep]}" \
            -v gf="${fastest[grep]}" 'BEGIN { printf "%-8s median %8.3f ms %5.2fx grep   fastest %8.3f ms %5.2fx grep\n",
                                              n, m, m / gm, f, f / gf }'
    done
}

describe() { echo "$1: $(wc -l <"$2") lines, $(wc -c <"$2") bytes; $runs runs each"; }

catalog=$work/FULL.TLV
"$maker" --write-catalog "$catalog"
describe "default catalog" "$catalog"
time_commands \
    scan "$cli find ZZZNOTHING --catalog $catalog ${moment[*]}" \
    best-of "$cli find --best-of --catalog $catalog ${moment[*]}" \
    grep "grep -c ZZZNOTHING $catalog"
report scan best-of grep
rm "$catalog"

large=$work/LARGE.TLV
"$maker" --write-catalog "$large" "$large_lines"
describe "large catalog" "$large"
time_commands \
    scan "$cli find ZZZNOTHING --catalog $large ${moment[*]}" \
    grep "grep -c ZZZNOTHING $large"
report scan grep

if [[ -x /usr/bin/time ]]; then
    small=$work/SMALL.TLV
    head -n "$small_lines" "$large" >"$small"
    for file in "$small" "$large"; do
        /usr/bin/time -f %M -o "$work/rss" "$cli" find ZZZNOTHING --catalog "$file" "${moment[@]}" >/dev/null || true
        printf 'max RSS  %9d lines %8d KiB\n' "$(wc -l <"$file")" "$(tail -n 1 "$work/rss")"
    done
fi
