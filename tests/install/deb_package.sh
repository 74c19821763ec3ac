#!/usr/bin/env bash
# The Debian package: its files, dependencies and lintian's verdict; unpacked into a folder
# the user may not write, an ordinary user's options go to their own settings file, exactly
# as the options dialog writes it, and the next start reads them back. Run as root, the
# package is also installed with apt, started from its launcher and its desktop entry's
# Exec, and removed without a trace.
. "$(dirname "$0")/common.sh"

for tool in dpkg-deb dpkg-shlibdeps lintian setpriv; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed (bash tools/setup.sh test installs it)"; exit 77; }
done
: "${FERROVA_OPTIONS_DRIVER:?}"
if grep -q '^FERROVA_SANITIZE:BOOL=ON$' "$FERROVA_BUILD/CMakeCache.txt"; then
  echo "packages are made from normal builds; this one is sanitized"
  exit 77
fi

save_manifest
trap restore_manifest EXIT
"$CPACK" -G DEB --config "$FERROVA_BUILD/CPackConfig.cmake" -B "$FERROVA_WORK/package" \
  > "$FERROVA_WORK/cpack.log" 2>&1 || { cat "$FERROVA_WORK/cpack.log" >&2; fail "cpack -G DEB failed"; }
restore_manifest
trap - EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$FERROVA_BUILD/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb="$FERROVA_WORK/package/ferrova-periodic_${version}_$arch.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$FERROVA_WORK/package")"

# ---- Contents and control fields ----
diff -u <(expected_files | sed 's|^|usr/|' | LC_ALL=C sort) \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) >&2 ||
  fail "package files differ from the installed tree (- expected, + in the package)"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ferrova-periodic ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
# The libraries the program links (dpkg-shlibdeps) and what it needs that they do not say.
depends=$(field Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6charts6 libqt6svg6 \
  libqt6printsupport6 libqt6webenginewidgets6 fonts-noto-cjk fonts-liberation2 qt6-translations-l10n; do
  grep -qx "$package" <<< "$depends" || fail "Depends lacks $package: $(field Depends)"
done
[ "$(field Description | sed -n '2,$p' | wc -l)" -ge 2 ] || fail "no long description"

# ---- lintian: no errors, and every warning it gives is explained in packaging/README.md ----
lintian --info --display-level '>=info' "$deb" > "$FERROVA_WORK/lintian.log" 2>&1 || true
if grep -q '^E: ' "$FERROVA_WORK/lintian.log"; then
  cat "$FERROVA_WORK/lintian.log" >&2
  fail "lintian reports errors"
fi
for tag in $(sed -n 's/^W: ferrova-periodic[^:]*: \([a-z0-9.+-]*\).*/\1/p' "$FERROVA_WORK/lintian.log" | sort -u); do
  grep -qF "\`$tag\`" "$FERROVA_SOURCE/packaging/README.md" ||
    { cat "$FERROVA_WORK/lintian.log" >&2; fail "lintian tag $tag is not explained in packaging/README.md"; }
done

# ---- An ordinary user: root hands over to nobody ----
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all)
  owner=nobody:nogroup
else
  as_user=()
  owner=
fi
home="$FERROVA_WORK/home"
mkdir -p "$home"
[ -z "$owner" ] || chown "$owner" "$home"
chmod a+rx "$FERROVA_WORK"
# user COMMAND...: COMMAND as the ordinary user, with only the scratch home as theirs.
user() { env -u XDG_CONFIG_HOME HOME="$home" "${as_user[@]}" "$@"; }
user_file="$home/.config/ferrova-periodic/settings.prn"

root="$FERROVA_WORK/unpacked"
dpkg-deb -x "$deb" "$root"
program_dir="$root/usr/lib/ferrova-periodic"
chmod -R a-w "$program_dir"
folder_state() { (cd "$program_dir" && find . -printf '%p %m\n' -type f -exec md5sum {} + | LC_ALL=C sort); }
state_before=$(folder_state)

# The packaged program starts there with the shipped settings.
launcher="$FERROVA_WORK/as-user-launcher"
printf '#!/bin/sh\nexec env -u XDG_CONFIG_HOME HOME="%s" %s "%s" "$@"\n' \
  "$home" "${as_user[*]}" "$root/usr/bin/ferrova-periodic" > "$launcher"
chmod +x "$launcher"
runs_and_stays_up "$launcher" "$program_dir/ferrova-periodic"
[ ! -e "$user_file" ] || fail "starting the program made $user_file"

# Saving the options writes the user's own file, byte for byte as the dialog writes it.
user "$FERROVA_OPTIONS_DRIVER" save "$program_dir" > "$FERROVA_WORK/save.out" 2> "$FERROVA_WORK/save.log" ||
  { cat "$FERROVA_WORK/save.log" >&2; fail "saving the options failed"; }
[ "$(cat "$FERROVA_WORK/save.out")" = "$user_file" ] || fail "options saved to $(cat "$FERROVA_WORK/save.out"), not $user_file"
printf '1.677721E+07\tAtomicRadius\r\n33023\tCovalentRadius\r\n1\tChartWindows\r\n1\tElementGroup\r\n' > "$FERROVA_WORK/expected.prn"
cmp "$user_file" "$FERROVA_WORK/expected.prn" || { od -c "$user_file" >&2; fail "$user_file holds other bytes"; }
[ "$(folder_state)" = "$state_before" ] || fail "saving the options changed the program folder"

# The next start reads them back (the shipped file holds other values).
user "$FERROVA_OPTIONS_DRIVER" show "$program_dir" > "$FERROVA_WORK/show.out" 2> "$FERROVA_WORK/show.log" ||
  { cat "$FERROVA_WORK/show.log" >&2; fail "starting again failed"; }
printf '白色\n橙色\n1\n1\n' | diff -u - "$FERROVA_WORK/show.out" >&2 ||
  fail "the next start did not read the saved options back"
# So does the packaged program: it starts with them, and a file it cannot read stops it.
runs_and_stays_up "$launcher" "$program_dir/ferrova-periodic"
cmp -s "$user_file" "$FERROVA_WORK/expected.prn" || fail "starting the program changed $user_file"
chmod 000 "$user_file"
rc=0
(cd / && timeout 60 "$launcher") > "$FERROVA_WORK/unreadable.log" 2>&1 || rc=$?
chmod 600 "$user_file"
[ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || fail "program with an unreadable $user_file: exit code $rc"
grep -qF "$user_file" "$FERROVA_WORK/unreadable.log" ||
  { cat "$FERROVA_WORK/unreadable.log" >&2; fail "the program did not read $user_file"; }
[ "$(folder_state)" = "$state_before" ] || fail "the program folder changed"
chmod -R u+w "$root"

# ---- apt install and remove, as root on a machine without the package ----
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get > /dev/null; then
  echo "deb package: ok (apt install skipped: needs root)"
  exit 0
fi
if dpkg-query -W -f='${Status}' ferrova-periodic 2>/dev/null | grep -q 'ok installed'; then
  echo "deb package: ok (apt install skipped: ferrova-periodic is installed on this machine)"
  exit 0
fi
installed_files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||')
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y ferrova-periodic > /dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" \
  > "$FERROVA_WORK/apt-install.log" 2>&1 || { cat "$FERROVA_WORK/apt-install.log" >&2; fail "apt-get install failed"; }
[ "$(command -v ferrova-periodic)" = /usr/bin/ferrova-periodic ] || fail "ferrova-periodic is not /usr/bin/ferrova-periodic"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/ferrova-periodic.desktop)
rm -rf "$home/.config"
for command in ferrova-periodic "$exec_line"; do
  printf '#!/bin/sh\nexec env -u XDG_CONFIG_HOME HOME="%s" %s %s "$@"\n' \
    "$home" "${as_user[*]}" "$command" > "$launcher"
  runs_and_stays_up "$launcher" /usr/lib/ferrova-periodic/ferrova-periodic
done
DEBIAN_FRONTEND=noninteractive apt-get remove -y -o DPkg::Lock::Timeout=300 ferrova-periodic \
  > "$FERROVA_WORK/apt-remove.log" 2>&1 || { cat "$FERROVA_WORK/apt-remove.log" >&2; fail "apt-get remove failed"; }
trap - EXIT
left=$(for file in $installed_files /usr/lib/ferrova-periodic /usr/share/doc/ferrova-periodic; do
  [ ! -e "$file" ] || echo "$file"
done)
[ -z "$left" ] || fail "left after apt remove: $left"
! dpkg-query -W -f='${Status}' ferrova-periodic 2>/dev/null | grep -qE 'ok installed|config-files' ||
  fail "dpkg still lists ferrova-periodic: $(dpkg-query -W -f='${Status}' ferrova-periodic)"
echo "deb package: ok"
