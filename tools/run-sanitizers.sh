#!/usr/bin/env bash
# The test suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of
# each fuzz target over its seed corpus so that they keep building and working.
#   bash tools/run-sanitizers.sh          both
#   bash tools/run-sanitizers.sh suite    sanitized test suite only (build-asan, gcc)
#   bash tools/run-sanitizers.sh fuzz     fuzz targets only (build-fuzz, clang)
# FUZZ_SECONDS sets the time per fuzz target (20 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-all}
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-20}

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
root=$PWD

suite() {
  # Leak checking is off for the suite: Qt, fontconfig and the graphics stack keep
  # allocations until exit on purpose, and their reports would drown ours. Use-after-free,
  # overflows and undefined behaviour still stop the test at once.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROVA_TESTS=ON -DFERROVA_SANITIZE=ON
  cmake --build build-asan -j"$jobs"
  # The browser engine (Chromium inside Qt) deletes some of its own objects through a
  # pointer of another size when a page goes away; ASan stops on that inside
  # libQt6WebEngineCore. Tests that load pages run with that one check off.
  (cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$jobs" -LE browser)
  (cd build-asan && ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0 \
    ctest --output-on-failure -j"$jobs" -L browser)
}

fuzz() {
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DFERROVA_TESTS=OFF -DFERROVA_SANITIZE=ON -DFERROVA_FUZZ=ON
  cmake --build build-fuzz -j"$jobs" --target fuzz_record_reader fuzz_settings_reader \
    fuzz_formula_parser fuzz_property_reader
  local work
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  for target in record_reader settings_reader formula_parser property_reader; do
    local corpus=${target%_*}
    # New inputs go to the scratch folder (the first one); the seeds are only read. The fuzz
    # targets touch no graphics, so leaks count here.
    mkdir -p "$work/$target"
    if ! "$root/build-fuzz/fuzz/fuzz_${target}" -max_total_time="$fuzz_seconds" \
      -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -artifact_prefix="$work/$target-" \
      "$work/$target" "$root/fuzz/corpus/$corpus" > "$work/$target.log" 2>&1; then
      tail -n 60 "$work/$target.log"
      echo "fuzz_${target} failed; the failing input is in $work" >&2
      trap - RETURN
      return 1
    fi
    grep -E '^stat::number_of_executed_units' "$work/$target.log" | sed "s/^/fuzz_${target}: /"
  done
}

case "$what" in
  all) suite; fuzz ;;
  suite) suite ;;
  fuzz) fuzz ;;
  *)
    echo "usage: bash tools/run-sanitizers.sh [all|suite|fuzz]" >&2
    exit 2
    ;;
esac
