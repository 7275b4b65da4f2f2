#!/usr/bin/env bash
# Starts Vantiko in a virtual screen over a sample folder and grabs the
# window to docs/mainwindow.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTIKO_BUILD:-$top/build}
out=${1:-$top/docs/mainwindow.png}
sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
"$build/tools/vantiko-sample" "$sample" >/dev/null
VANTIKO_FOLDER=$sample xvfb-run -a -s "-screen 0 1240x760x24" bash -c '
  "$0" & pid=$!
  sleep 4
  import -window root "$1"
  kill $pid' "$build/src/vantiko" "$out"
echo "$out"
