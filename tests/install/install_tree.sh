#!/usr/bin/env bash
# A clean install has the expected layout, runs from its launcher wherever the tree is moved,
# and reads the element data of its own copy.
. "$(dirname "$0")/common.sh"

prefix="$FERROVA_WORK/prefix"
install_to "$prefix"
check_tree "$prefix"

# Nothing in the installed program points back into the build folder.
if readelf -d "$prefix/lib/ferrova-periodic/ferrova-periodic" | grep -E 'R(UN)?PATH' | grep -qF "$FERROVA_BUILD"; then
  fail "installed program has a library search path into the build folder"
fi

# Moved to a folder whose name has a space, started through a link on PATH.
moved="$FERROVA_WORK/moved here/tree"
mkdir -p "$(dirname "$moved")"
mv "$prefix" "$moved"
mkdir -p "$FERROVA_WORK/path"
ln -s "$moved/bin/ferrova-periodic" "$FERROVA_WORK/path/ferrova-periodic"
PATH="$FERROVA_WORK/path:$PATH"
runs_and_stays_up ferrova-periodic "$moved/lib/ferrova-periodic/ferrova-periodic"
finds_its_plugin ferrova-periodic "$moved/lib/ferrova-periodic/plugins/ferrova-browser.so"
# The chart plugin, through the command line: a chart file written from the moved tree.
ferrova-periodic --export-chart density "$FERROVA_WORK/density.csv" ||
  fail "the moved tree did not write a chart (chart plugin)"
grep -q "^Fe,铁,7.874" "$FERROVA_WORK/density.csv" || fail "the chart file lacks iron's density"

fails_on_broken_data ferrova-periodic "$moved/lib/ferrova-periodic/Data/Elements.prn"
echo "install tree: ok"
