#!/bin/bash
# Whole-process timing of tevardin-cli printing the standings from its own files against the
# SQLite peer (bench/standings_peer.sql) answering the same question from the same games as CSV.
# Runs alternate (tevardin, sqlite, tevardin, ...) so that a change of the machine's load hits
# both; prints each side's median and the ratio.
#   bench/cli_vs_sqlite.sh [BUILD_DIR] [RUNS]     (defaults: build/default, 31; RUNS >= 20)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/default}" && pwd)"
runs="${2:-31}"
(( runs >= 20 )) || { echo "RUNS must be at least 20" >&2; exit 2; }
command -v sqlite3 >/dev/null || { echo "sqlite3 is missing (apt-get install sqlite3)" >&2; exit 2; }

dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
"$build/tools/gen/tevardin-gen" 1996 5 "$dir" >/dev/null
"$build/bench/games-csv" "$dir" 1996 > "$dir/games.csv"
cp "$here/standings_peer.sql" "$dir/"
cd "$dir"

cli=("$build/src/cli/tevardin-cli" --dir "$dir" --show List4 Option3:0 Command11 Command9)
peer() { sqlite3 :memory: < standings_peer.sql; }
"${cli[@]}" > /dev/null
peer > /dev/null  # warm both once: the first run pays for the page cache

# Microseconds one run of "$@" takes, as a whole process.
elapsed_us() {
    local start=$EPOCHREALTIME
    "$@" > /dev/null
    local end=$EPOCHREALTIME
    echo $(( (${end/./} - ${start/./}) ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

cli_times=() peer_times=()
for (( i = 0; i < runs; ++i )); do
    cli_times+=("$(elapsed_us "${cli[@]}")")
    peer_times+=("$(elapsed_us peer)")
done
cli_median=$(printf '%s\n' "${cli_times[@]}" | median)
peer_median=$(printf '%s\n' "${peer_times[@]}" | median)
echo "runs: $runs each, interleaved; load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "tevardin-cli median: $cli_median us"
echo "sqlite3 peer median: $peer_median us"
awk -v c="$cli_median" -v p="$peer_median" 'BEGIN { printf "ratio (peer / tevardin-cli): %.2f\n", p / c }'
