#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS from its seed corpus.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
top=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$top" -B "$build" -DZOLVIK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
cmake --build "$build" -j "$(nproc)"

status=0
for target in "$build"/bin/fuzz_*; do
  name=$(basename "$target")
  seeds="$top/tests/fuzz/corpus/$name"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/findings/$name"
  echo "== $name: $seconds s"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  if ! "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/findings/$name/" "${args[@]}" > "$build/$name.log" 2>&1; then
    echo "!! $name found a failure; see $build/$name.log and $build/findings/$name/"
    tail -n 30 "$build/$name.log"
    status=1
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$name.log" | sed "s/^/   /" || true
done
exit $status
