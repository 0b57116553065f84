#!/usr/bin/env bash
# Runs Morvi under Wine (by default build/win/Morvi.exe; another program may be
# given). On the Xvfb display that tools/services.sh started, nobody can see
# the window, so once it is shown a screenshot goes to build/screenshot.png.
# Runs until the window is closed or Ctrl+C.
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=${1:-$repo/build/win/Morvi.exe}
title='Impression de Morvi (règle graduée)'
screenshot=$repo/build/screenshot.png

if [ ! -f "$exe" ]; then
  echo "run-morvi: $exe does not exist; build it with 'make win'" >&2
  exit 1
fi
. "$repo/tools/wine-env.sh"

wine "$exe" &
program=$!
trap 'kill "$program" 2>/dev/null; wait "$program"; exit 130' INT TERM

if [ "${MORVI_HEADLESS:-0}" = 1 ]; then
  # xdotool takes a regular expression: escape the title's parentheses.
  pattern="^$(sed 's/[][().*+?^$|\\]/\\&/g' <<<"$title")\$"
  shown=0
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then
      shown=1
      break
    fi
    sleep 0.1
  done
  if [ "$shown" = 1 ]; then
    sleep 1  # let the window paint
    import -window root "$screenshot" && echo "run-morvi: screenshot of $DISPLAY saved to $screenshot"
    echo "run-morvi: Morvi runs on the virtual display $DISPLAY; Ctrl+C ends it"
  elif kill -0 "$program" 2>/dev/null; then
    echo "run-morvi: the window \"$title\" did not show within 30 s" >&2
  fi
fi

wait "$program"
