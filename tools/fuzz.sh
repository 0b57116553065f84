#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UBSan) in
# build/fuzz and runs each on its seed corpus build/fuzz/<target>/ for
# FUZZ_SECONDS seconds (default 60). A crash does not stop the run: the
# target goes on in fork mode and the crashing inputs are kept in
# build/fuzz/crashes/<target>/. Prints, per target, the executions and the
# crashes found; fails when there was a crash.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

seconds=${FUZZ_SECONDS:-60}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DMORVI_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
python3 tools/make_fuzz_seeds.py "$build" >/dev/null

failed=0
report=()
for exe in "$build"/tests/fuzz/*_fuzz; do
  target=$(basename "$exe")
  corpus="$build/$target"
  crashes="$build/crashes/$target"
  log="$build/$target.log"
  mkdir -p "$corpus" "$crashes"
  before=$(find "$crashes" -type f | wc -l)
  echo "fuzzing $target for $seconds s..."
  "$exe" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -max_total_time="$seconds" \
    -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1 || true
  after=$(find "$crashes" -type f | wc -l)
  # Fork mode reports "#<executions>: cov: ..." as it goes; the last one counts.
  runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  found=$((after - before))
  report+=("$target: ${runs:-0} executions, $found crashes")
  if [ "$found" -gt 0 ]; then failed=1; fi
done

printf '%s\n' "${report[@]}"
if [ "$failed" -ne 0 ]; then echo "crashing inputs: $build/crashes/"; fi
exit "$failed"
