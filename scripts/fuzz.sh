#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ (or $VANTIKO_FUZZ_BUILD) and
# runs each for $VANTIKO_FUZZ_SECONDS (30) over a working copy of its seed
# corpus and its regression inputs. A crash, a hang or a broken promise fails
# the run; the input is left in build-fuzz/findings/TARGET/. The executions of
# each run are added to build-fuzz/fuzz-log.txt.
#   VANTIKO_FUZZ_TARGETS="folder download"  only these targets
#   VANTIKO_FUZZ_JOBS=2                      parallel runs per target
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build=${VANTIKO_FUZZ_BUILD:-$top/build-fuzz}
seconds=${VANTIKO_FUZZ_SECONDS:-30}
jobs=${VANTIKO_FUZZ_JOBS:-1}
targets=${VANTIKO_FUZZ_TARGETS:-"records cache folder files"}

VANTIKO_BUILD=$build VANTIKO_TARGET=fuzz "$top/scripts/build.sh" -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTIKO_FUZZ=ON -DVANTIKO_TESTS=OFF -DVANTIKO_BENCH=OFF

# Short allocation stacks: the fuzzers allocate much and report rarely.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:malloc_context_size=4
export LSAN_OPTIONS=suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LC_ALL=C.UTF-8

max_len() {
  case "$1" in
    records) echo 2048 ;;
    *) echo 4096 ;;
  esac
}

failed=0
for t in $targets; do
  corpus=$build/corpus/$t
  findings=$build/findings/$t
  mkdir -p "$corpus" "$findings"
  cp -n "$top/fuzz/corpus/$t/"* "$corpus/" 2>/dev/null || true
  dirs=("$corpus")
  [ -d "$top/fuzz/regressions/$t" ] && dirs+=("$top/fuzz/regressions/$t")
  run=$build/run/$t
  rm -rf "$run" && mkdir -p "$run"
  log=$build/fuzz-$t.log
  parallel=()
  [ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
  echo "== fuzz-$t: ${seconds} s x $jobs"
  status=0
  (cd "$run" && "$build/fuzz/fuzz-$t" -max_total_time="$seconds" -max_len="$(max_len "$t")" \
    -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 \
    "${parallel[@]}" "${dirs[@]}") >"$log" 2>&1 || status=$?
  # Parallel jobs write their own logs, which libFuzzer also copies into its
  # own output as each job ends: count them once, from the jobs' logs.
  counted=("$log")
  [ "$jobs" -gt 1 ] && counted=("$run"/fuzz-*.log)
  runs=$(cat "${counted[@]}" 2>/dev/null | grep '^stat::number_of_executed_units' |
    awk '{s += $2} END {print s + 0}')
  echo "$(date -u +%FT%TZ) fuzz-$t seconds=$seconds jobs=$jobs executions=$runs status=$status" |
    tee -a "$build/fuzz-log.txt"
  if [ "$status" -ne 0 ]; then
    failed=1
    tail -n 40 "$log"
    echo "fuzz-$t failed; inputs in $findings" >&2
  fi
done
exit $failed
