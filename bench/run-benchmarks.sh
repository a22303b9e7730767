#!/bin/sh
# Builds the benchmarks in Release, runs them, and prints the medians: the engine and window
# benchmarks by Google Benchmark, then start-up time and peak memory of the game against the
# floor (a bare Qt main window with a menu bar), each started RUNS times offscreen, in turns.
#
#   bench/run-benchmarks.sh [build folder, default build-bench]
#
# RUNS (default 20) and REPETITIONS (default 5) may be set in the environment.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-bench}
runs=${RUNS:-20}
repetitions=${REPETITIONS:-5}

./scripts/install-deps.sh test
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target engine_benchmarks window_benchmarks solver_benchmarks startup_probe floor_probe
bin=$root/$build/bin
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

echo "== Machine"
echo "$(nproc) cores, $(awk '/^model name/ { sub(/^[^:]*: /, ""); print; exit }' /proc/cpuinfo)," \
    "$(awk '/^MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# Google Benchmark prints one "<name>_median <real> <unit> <cpu> <unit> ..." line per case.
medians() {
    "$bin/$1" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.2 --benchmark_color=false 2>/dev/null | grep '_median' | tee "$out/$1.txt"
}

echo "== Engine, per call: median real time, median processor time"
medians engine_benchmarks
echo
echo "== Main window offscreen, per call: median real time, median processor time"
medians window_benchmarks
echo
echo "== Deduction solver, field proof and review over random fields: distribution in ms, shares in per cent"
"$bin/solver_benchmarks" --benchmark_color=false 2>/dev/null | grep '^BM_'
echo

# One probe run: "<wall us> <processor us> <peak KiB> <width>x<height>".
probe() {
    program=$1
    shift
    "$bin/$program" "$@" 2>/dev/null | awk '/^first-paint-us/ { print $2, $4, $6, $8 }'
}

# The game reads its pictures from the folder it starts in, as when it is played.
cd "$bin"
size=$(probe startup_probe | awk '{ print $4 }')
: >"$out/game.txt"
: >"$out/floor.txt"
i=0
while [ "$i" -lt "$runs" ]; do
    probe startup_probe >>"$out/game.txt"
    probe floor_probe "$size" >>"$out/floor.txt"
    i=$((i + 1))
done
cd "$root"

# The median of column $2 of file $1.
median() {
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# "<game> <floor>" medians of column $1 of the probe runs.
pair() {
    echo "$(median "$out/game.txt" "$1") $(median "$out/floor.txt" "$1")"
}

# One table row: label, scale divisor, game and floor medians.
row() {
    echo "$3 $4" | awk -v label="$1" -v d="$2" '{ printf "%-40s %10.1f %10.1f %8.3f\n", label, $1 / d, $2 / d, $1 / $2 }'
}

echo "== Start-up offscreen, $runs runs each in turns, window $size: medians"
printf '%-40s %10s %10s %8s\n' "" "game" "floor" "ratio"
# shellcheck disable=SC2046
row "main to first paint, real (ms)" 1000 $(pair 1)
# shellcheck disable=SC2046
row "process processor time to then (ms)" 1000 $(pair 2)
# shellcheck disable=SC2046
row "peak resident memory (MiB)" 1024 $(pair 3)
echo

# The median real and processor time of benchmark $2 in file $1.
case_median() {
    awk -v name="$2_median" '$1 == name { print $2, $3, "real,", $4, $5, "cpu" }' "$out/$1.txt"
}

echo "== Targets on 15 by 15"
printf '%-36s %-32s %s\n' "TraceLaser, one shot" "$(case_median engine_benchmarks BM_TraceLaser/15)" "under 1 us"
printf '%-36s %-32s %s\n' "new game to repainted board" "$(case_median window_benchmarks BM_NewGameRepainted/15)" "under 5 ms"
printf '%-36s %-32s %s\n' "traced shot, click to repainted board" "$(case_median window_benchmarks BM_TracedShotRepainted/15)" "under 2 ms"
