#!/usr/bin/env bash
# `make bench`: Morvi against the least Win32 program doing the same calls
# (tools/bench/baseline.cpp), both built with the same compiler and flags and
# run under Wine with the test printer: start-up, "Oui" to finished PDF, peak
# memory; then the paint of one fade frame of the print button against the
# fade interval (tools/bench/glow_frame.cpp). Prints a table; asserts nothing.
#   tools/bench.sh [runs]          (default 15: a Wine start varies by tens of
#                                  milliseconds; Morvi from build/win)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-15}
morvi=${MORVI_EXE:-$repo/build/win/Morvi.exe}
out=$repo/build/bench
cxx="x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wshadow -Wno-missing-field-initializers -municode -static
     -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601"

[ -f "$morvi" ] || { echo "bench: $morvi does not exist; build it with 'make win'" >&2; exit 1; }
mkdir -p "$out"
echo "1 24 \"$repo/tools/bench/baseline.manifest\"" >"$out/baseline.rc"
x86_64-w64-mingw32-windres "$out/baseline.rc" -o "$out/manifest.o"
$cxx -mwindows -o "$out/baseline.exe" "$repo/tools/bench/baseline.cpp" "$out/manifest.o" -lcomctl32 -lwinspool -lgdi32
$cxx -mconsole -I"$repo" -o "$out/driver.exe" "$repo/tools/bench/driver.cpp" -lpsapi

. "$repo/tools/wine-env.sh"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
wine "$out/driver.exe" "$(windows_path "$morvi")" "$(windows_path "$out/baseline.exe")" "$runs"
cmake --build "$repo/build/win" --target morvi_glow_bench >/dev/null
wine "$repo/build/win/tools/bench/morvi_glow_bench.exe"
wineserver -w
