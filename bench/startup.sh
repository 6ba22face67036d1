#!/usr/bin/env bash
# Start-up time and memory of Prodotina against a bare Qt Widgets program of
# the same shape, both under one Xvfb, started alternately.
#
# For each run: milliseconds from launch until the program's window is mapped
# (seen as a MapNotify on the root window by xev, the window checked by name
# with xdotool), then, once the program is idle, VmRSS and VmHWM.
#
#   bash bench/startup.sh            # 9 runs of each
#   RUNS=21 bash bench/startup.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

build=$root/build/bench-startup
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPRODOTINA_BENCH=ON -DPRODOTINA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target prodotina bare_window >/dev/null
prodotina=$build/src/app/prodotina
bare=$build/bench/startup/bare_window

runs=${RUNS:-9}
work=$(mktemp -d)
display=":$((RANDOM % 500 + 3000))"
Xvfb "$display" -noreset -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    [ -n "${xev:-}" ] && kill "$xev" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Every MapNotify on the root window, stamped as it arrives: "seconds window".
: >"$work/maps"
stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    if [[ $line == MapNotify* ]]; then
        stamp=$EPOCHREALTIME
        IFS= read -r detail
        [[ $detail =~ window\ (0x[0-9a-f]+) ]] && echo "$stamp ${BASH_REMATCH[1]}" >>"$work/maps"
    fi
done &
xev=$!
sleep 0.5

# Launches the program, waits for its window, and prints "ms rss_kb hwm_kb".
measure() {
    local binary=$1 title=$2 seen start pid line stamp window elapsed rss hwm
    seen=$(wc -l <"$work/maps")
    start=$EPOCHREALTIME
    "$binary" >/dev/null 2>&1 &
    pid=$!
    elapsed=""
    for _ in $(seq 2000); do
        while IFS=' ' read -r stamp window; do
            if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$title" ]; then
                elapsed=$(awk -v a="$start" -v b="$stamp" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
                break
            fi
        done < <(tail -n +"$((seen + 1))" "$work/maps")
        [ -n "$elapsed" ] && break
        sleep 0.005
    done
    sleep 1 # let it settle: memory once idle
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "${elapsed:-nan} $rss $hwm"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/prodotina" && : >"$work/bare"
measure "$bare" Bare >/dev/null # warm the caches once for both
measure "$prodotina" Prodotina >/dev/null
for i in $(seq "$runs"); do
    measure "$bare" Bare >>"$work/bare"
    measure "$prodotina" Prodotina >>"$work/prodotina"
done

report() {
    local name=$1 file=$2
    printf '%-10s start-up %7.1f ms   VmRSS %7d kB   VmHWM %7d kB\n' "$name" \
        "$(cut -d' ' -f1 "$file" | median)" "$(cut -d' ' -f2 "$file" | median)" "$(cut -d' ' -f3 "$file" | median)"
}
echo "medians of $runs runs each:"
report bare "$work/bare"
report Prodotina "$work/prodotina"
for column in 1 2 3; do
    p=$(cut -d' ' -f"$column" "$work/prodotina" | median)
    b=$(cut -d' ' -f"$column" "$work/bare" | median)
    ratio[column]=$(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.3f", p / b }')
done
echo "ratio Prodotina / bare: start-up ${ratio[1]}x   VmRSS ${ratio[2]}x   VmHWM ${ratio[3]}x"
