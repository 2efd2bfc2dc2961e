#!/usr/bin/env bash
# Measures how much CPU the main window burns while nobody touches it: starts the program on a
# private Xvfb screen, lets it settle, reads the process's user + system time from /proc/PID/stat,
# waits, reads it again and prints CPU-seconds per minute of wall time. Repeats for each run, each
# run a fresh process on a fresh screen.
#
# utime + stime count whole clock ticks (10 ms on most kernels), coarse for an idle program, so
# each run also prints the scheduler's own run time of the process's threads, in nanoseconds
# (/proc/PID/task/*/schedstat); a thread that ends during the wait takes its share with it.
#
#   tools/measure_idle_cpu.sh [PROGRAM] [SECONDS] [RUNS]    (defaults: build/bin/talvo, 30, 3)
#
# PROGRAM may be any X11 program (a bare Qt window, say, to get the floor to compare with).
# SETTLE_SECONDS (default 3) is the start-up time left out of the measurement.
set -euo pipefail

program=${1:-build/bin/talvo}
seconds=${2:-30}
runs=${3:-3}
settle=${SETTLE_SECONDS:-3}
[[ -x $program ]] || { echo "missing $program: build the project first" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 2; }

ticks_per_second=$(getconf CLK_TCK)
display_file=$(mktemp)
xvfb_pid=
program_pid=
stop() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
    program_pid=
    xvfb_pid=
}
trap 'stop; rm -f "$display_file"' EXIT

# utime + stime of a process, in clock ticks. The command name (field 2) may hold spaces, so the
# fields are counted from the closing parenthesis: utime and stime are fields 14 and 15.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    read -r -a fields <<<"${stat##*) }"
    echo $((fields[11] + fields[12]))
}

# Run time of all the process's threads, in nanoseconds.
run_nanoseconds() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d", sum }'
}

for ((run = 1; run <= runs; run++)); do
    # Xvfb picks a free display number and writes it to the file once the screen is up.
    : >"$display_file"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for ((tries = 0; tries < 100; tries++)); do
        [[ -s $display_file ]] && break
        sleep 0.1
    done
    display=$(<"$display_file")
    [[ -n $display ]] || { echo "Xvfb did not start" >&2; exit 1; }

    DISPLAY=:$display QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    program_pid=$!
    sleep "$settle"
    [[ -d /proc/$program_pid ]] || { echo "$program ended during start-up" >&2; exit 1; }
    before=$(cpu_ticks "$program_pid")
    before_ns=$(run_nanoseconds "$program_pid")
    sleep "$seconds"
    after=$(cpu_ticks "$program_pid")
    after_ns=$(run_nanoseconds "$program_pid")
    stop
    awk -v run="$run" -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
        -v ns=$((after_ns - before_ns)) \
        'BEGIN { printf "run %d: %.3f CPU-seconds per minute from utime + stime (%d ticks in %d s), %.3f from the run time\n",
                 run, t / hz * 60 / s, t, s, ns / 1e9 * 60 / s }'
done
