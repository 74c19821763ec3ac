#!/usr/bin/env bash
# The portable archive holds the installed tree in one top folder, and runs once unpacked.
. "$(dirname "$0")/common.sh"

save_manifest
trap restore_manifest EXIT
"$CPACK" -G TGZ --config "$FERROVA_BUILD/CPackConfig.cmake" -B "$FERROVA_WORK/package" \
  > "$FERROVA_WORK/cpack.log" || { cat "$FERROVA_WORK/cpack.log" >&2; fail "cpack failed"; }
restore_manifest
trap - EXIT

archives=("$FERROVA_WORK"/package/ferrova-periodic-*.tar.gz)
[ ${#archives[@]} -eq 1 ] && [ -f "${archives[0]}" ] || fail "expected one archive, found: ${archives[*]}"
top=$(basename "${archives[0]}" .tar.gz)

unpacked="$FERROVA_WORK/unpacked elsewhere"
mkdir -p "$unpacked"
tar -xzf "${archives[0]}" -C "$unpacked"
[ "$(ls -A "$unpacked")" = "$top" ] || fail "archive does not hold exactly one folder named $top"
check_tree "$unpacked/$top"
cmp -s "$unpacked/$top/lib/ferrova-periodic/Data/Elements.prn" "$FERROVA_SOURCE/Data/Elements.prn" ||
  fail "archive's Elements.prn differs from Data/Elements.prn"

runs_and_stays_up "$unpacked/$top/bin/ferrova-periodic" "$unpacked/$top/lib/ferrova-periodic/ferrova-periodic"
finds_its_plugin "$unpacked/$top/bin/ferrova-periodic" "$unpacked/$top/lib/ferrova-periodic/plugins/ferrova-browser.so"
echo "install archive: ok"
