#!/usr/bin/env bash
# Installing again keeps the user's settings; removing the files the install manifest lists,
# or running the README's uninstall commands, uninstalls the program completely.
. "$(dirname "$0")/common.sh"

manifest_state() { if [ -e "$manifest" ]; then md5sum < "$manifest"; else echo none; fi; }
manifest_before=$(manifest_state)

prefix="$FERROVA_WORK/prefix"
install_to "$prefix" "$FERROVA_WORK/manifest.txt"
settings="$prefix/lib/ferrova-periodic/Data/settings.prn"
cmp -s "$settings" "$FERROVA_SOURCE/Data/settings.prn" || fail "fresh install has other settings than Data/settings.prn"
diff -u <(expected_files | sed "s|^|$prefix/|" | LC_ALL=C sort) <(LC_ALL=C sort "$FERROVA_WORK/manifest.txt") >&2 ||
  fail "manifest of a fresh install differs from the installed files"

# A user's choices survive installing again; the manifest still lists the file.
echo '"CircleColour", 255' > "$settings"
install_to "$prefix" "$FERROVA_WORK/manifest-again.txt"
[ "$(cat "$settings")" = '"CircleColour", 255' ] || fail "installing again replaced the saved settings"
check_tree "$prefix"
diff -u <(LC_ALL=C sort "$FERROVA_WORK/manifest.txt") <(LC_ALL=C sort "$FERROVA_WORK/manifest-again.txt") >&2 ||
  fail "manifest of the second install differs from the first"

# The manifest's removal leaves no file behind.
xargs -d '\n' rm < "$FERROVA_WORK/manifest.txt"
left=$(find "$prefix" -type f -o -type l)
[ -z "$left" ] || fail "files left after removing the manifest's list: $left"

# The uninstall commands in the README leave no file behind either.
install_to "$prefix"
awk '/^    prefix=~\/.local$/ { on = 1 } on && /^$/ { exit } on { sub(/^    /, ""); print }' \
  "$FERROVA_SOURCE/README.md" > "$FERROVA_WORK/uninstall.sh"
grep -q '^rm ' "$FERROVA_WORK/uninstall.sh" || fail "no uninstall commands found in README.md"
sed -i "s|^prefix=~/.local\$|prefix='$prefix'|" "$FERROVA_WORK/uninstall.sh"
bash -e "$FERROVA_WORK/uninstall.sh" || fail "README's uninstall commands failed"
left=$(find "$prefix" -type f -o -type l)
[ -z "$left" ] || fail "files left after the README's uninstall commands: $left"

# The build folder's own install_manifest.txt, the record of someone's real install, is as
# it was before this test.
[ "$(manifest_state)" = "$manifest_before" ] || fail "$manifest was changed by the test"
echo "install manifest: ok"
