#!/usr/bin/env bash
# Runs a benchmark program of this tree and the same program built against
# the code of an earlier commit, one after the other, so that both figures
# come from one run on one machine. Only programs whose source builds against
# both trees can be compared this way (vantiko_tick_bench).
#
#   bench/before.sh [PROGRAM [COMMIT [benchmark arguments...]]]
#
# COMMIT defaults to the last commit before the results lists were worked
# out on demand.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-vantiko_tick_bench}
base=${2:-e5917d5}
shift $(($# < 2 ? $# : 2))
work=$(mktemp -d)
cleanup() {
  git -C "$top" worktree remove --force "$work/tree" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
git -C "$top" worktree add --detach "$work/tree" "$base" >/dev/null
# The benchmark's source and its build rule, over the earlier code.
cp "$top/bench/${program#vantiko_}.cpp" "$work/tree/bench/" 2>/dev/null ||
  cp "$top/bench/tickbench.cpp" "$work/tree/bench/"
sed -n '/^# A download.s tick/,/^$/p' "$top/bench/CMakeLists.txt" >>"$work/tree/bench/CMakeLists.txt"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=$work/tree
cmake -S "$work/tree" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" >/dev/null
cmake --build "$work/build" --target "$program" >/dev/null
VANTIKO_TARGET=$program "$top/scripts/build.sh" >/dev/null
echo "== before: $base"
QT_QPA_PLATFORM=offscreen "$work/build/bench/$program" "$@"
echo "== now: $(git -C "$top" rev-parse --short HEAD)"
QT_QPA_PLATFORM=offscreen "$top/build/bench/$program" "$@"
