#!/usr/bin/env bash
# Times whole processes on a made-up catalog of 21,600 lines in the default catalog's layout:
#   talvo-cli find ZZZNOTHING   a full scan with a name that matches nothing
#   talvo-cli find --best-of    Best of the Sky, both passes, every match printed
#   grep -c ZZZNOTHING          the same file read once by grep, the yardstick
# and prints the median of each and the ratios to grep. Uses hyperfine when it is installed (and
# NO_HYPERFINE is not set), otherwise a loop reading the clock (bash's EPOCHREALTIME, which
# starts no process, or `date +%s%N`).
#
#   tools/bench_catalog_vs_grep.sh [BUILD_DIR] [RUNS]     (defaults: build, 30)
#
# BUILD_DIR must hold bin/talvo-cli and bench/catalog_scan_bench (Google Benchmark installed).
set -euo pipefail

build=${1:-build}
runs=${2:-30}
cli=$build/bin/talvo-cli
maker=$build/bench/catalog_scan_bench
for program in "$cli" "$maker"; do
    [[ -x $program ]] || { echo "missing $program: build the project first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
catalog=$work/FULL.TLV
"$maker" --write-catalog "$catalog"
export TALVO_DIR=$work  # the matches file goes there

moment=(--lat 40.5 --lon 74.25 --utc-offset 5 --date 2026-12-07 --time 01:30:00)
names=(scan best-of grep)
commands=(
    "$cli find ZZZNOTHING --catalog $catalog ${moment[*]}"
    "$cli find --best-of --catalog $catalog ${moment[*]}"
    "grep -c ZZZNOTHING $catalog"
)

echo "catalog: $(wc -l <"$catalog") lines, $(wc -c <"$catalog") bytes; $runs runs each"
declare -A median  # milliseconds

if [[ -z ${NO_HYPERFINE:-} ]] && command -v hyperfine >/dev/null; then
    # talvo-cli exits 1 and grep -c exits 1 when nothing is found: failures are expected.
    hyperfine -N -i --warmup 3 --runs "$runs" --style basic --export-csv "$work/times.csv" \
        -n scan "${commands[0]}" -n best-of "${commands[1]}" -n grep "${commands[2]}" >&2
    while IFS=, read -r name _ _ med _; do
        [[ $name == command ]] && continue
        median[$name]=$(awk -v s="$med" 'BEGIN { printf "%.3f", s * 1000 }')
    done <"$work/times.csv"
else
    if [[ -n ${EPOCHREALTIME:-} ]]; then
        clock() { now=${EPOCHREALTIME/[.,]/}000; }  # nanoseconds
    else
        clock() { now=$(date +%s%N); }
    fi
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
                                 printf "%.3f\n", m / 1e6 }' >"$work/${names[$i]}"
        median[${names[$i]}]=$(cat "$work/${names[$i]}")
    done
fi

for name in "${names[@]}"; do
    awk -v n="$name" -v m="${median[$name]}" -v g="${median[grep]}" \
        'BEGIN { printf "%-8s median %8.3f ms   %5.2fx grep\n", n, m, m / g }'
done
