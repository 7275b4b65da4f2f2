#!/usr/bin/env bash
# Grabs every tab and window of Vantiko over a sample folder to PNG files in
# docs/ (or the folder given), for the user guide in the README, with the main
# window at 1240x760 or the size given: scripts/screenshot.sh [FOLDER [WxH]].
# Runs offscreen: no display is needed. Build first (scripts/build.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTIKO_BUILD:-$top/build}
out=${1:-$top/docs}
mkdir -p "$out"
sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
"$build/tools/vantiko-sample" "$sample" >/dev/null
QT_QPA_PLATFORM=offscreen VANTIKO_FOLDER=$sample \
  "$build/tools/vantiko-screenshots" "$sample" "$out" ${2:+"$2"}
