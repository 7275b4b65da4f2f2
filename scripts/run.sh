#!/usr/bin/env bash
# Installs what is needed, builds and starts Vantiko.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
build=${VANTIKO_BUILD:-$top/build}
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a "$build/src/vantiko"
fi
exec "$build/src/vantiko"
