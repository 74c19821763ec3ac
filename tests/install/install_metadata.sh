#!/usr/bin/env bash
# The installed desktop entry and AppStream file pass their validators and agree with each
# other and with the installed launcher and icons.
. "$(dirname "$0")/common.sh"

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed (bash tools/setup.sh test installs it)"; exit 77; }
done

prefix="$FERROVA_WORK/prefix"
install_to "$prefix"
desktop="$prefix/share/applications/ferrova-periodic.desktop"
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli rejects ${metainfo[0]}"

# The AppStream id names the file, and its launchable is the installed desktop entry.
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "${metainfo[0]}")
[ "$(basename "${metainfo[0]}")" = "$id.metainfo.xml" ] || fail "metainfo file is not named after its id $id"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "${metainfo[0]}")
[ "$launchable" = "$(basename "$desktop")" ] || fail "launchable '$launchable' is not $(basename "$desktop")"

# Exec names the launcher in bin/ and Icon the icon in every size.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not a launcher in bin/"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 64; do
  file="$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png"
  [ -f "$file" ] || fail "no $size px icon $icon"
  if command -v identify > /dev/null; then
    [ "$(identify -format '%wx%h' "$file")" = "${size}x$size" ] || fail "$file is not $size x $size px"
  fi
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
echo "install metadata: ok"
