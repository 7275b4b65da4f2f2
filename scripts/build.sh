#!/usr/bin/env bash
# Configures and builds into build/ (or $VANTIKO_BUILD); only $VANTIKO_TARGET
# when it is set.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTIKO_BUILD:-$top/build}
launcher=()
# Clones in other folders share the compiler cache.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$top}
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build" ${VANTIKO_TARGET:+--target "$VANTIKO_TARGET"}
