# Shared by the install tests; sourced, not run.
#   FERROVA_BUILD   build folder (holds cmake_install.cmake and CPackConfig.cmake)
#   FERROVA_WORK    scratch folder of this test, emptied first
set -eu

: "${FERROVA_BUILD:?}" "${FERROVA_SOURCE:?}" "${FERROVA_WORK:?}" "${CMAKE:=cmake}" "${CPACK:=cpack}"
[ ! -d "$FERROVA_WORK" ] || chmod -R u+w "$FERROVA_WORK"  # a read-only tree left by a failed run
rm -rf "$FERROVA_WORK"
mkdir -p "$FERROVA_WORK"
# The programs these tests start read and write a configuration folder of the test's own.
export XDG_CONFIG_HOME="$FERROVA_WORK/config"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every file the install puts down, relative to the prefix.
expected_files() {
  cat <<'LIST'
bin/ferrova-periodic
lib/ferrova-periodic/Data/Elements.prn
lib/ferrova-periodic/Data/Isotopes.csv
lib/ferrova-periodic/Data/Properties.csv
lib/ferrova-periodic/Data/settings.prn
lib/ferrova-periodic/ferrova-periodic
lib/ferrova-periodic/plugins/ferrova-browser.so
lib/ferrova-periodic/plugins/ferrova-charts.so
lib/ferrova-periodic/plugins/ferrova-network.so
share/applications/ferrova-periodic.desktop
share/doc/ferrova-periodic/changelog.gz
share/doc/ferrova-periodic/copyright
share/icons/hicolor/16x16/apps/ferrova-periodic.png
share/icons/hicolor/32x32/apps/ferrova-periodic.png
share/icons/hicolor/64x64/apps/ferrova-periodic.png
share/icons/hicolor/scalable/apps/ferrova-periodic.svg
share/man/man1/ferrova-periodic.1.gz
share/metainfo/example.ferrova.periodic.metainfo.xml
LIST
}

files_under() { (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); }

check_tree() {
  diff -u <(expected_files | LC_ALL=C sort) <(files_under "$1") >&2 ||
    fail "installed files in $1 differ from the expected list (- expected, + found)"
  [ -x "$1/bin/ferrova-periodic" ] || fail "launcher is not executable"
  [ -x "$1/lib/ferrova-periodic/ferrova-periodic" ] || fail "program is not executable"
}

# Installing and packing write install_manifest.txt into the build folder, where it may be
# the record of someone's real install: put back whatever was there before. The tests that
# do this share a CTest resource lock, so they never run at the same time.
manifest="$FERROVA_BUILD/install_manifest.txt"
manifest_saved="$FERROVA_WORK/install_manifest.saved"
save_manifest() {
  if [ -e "$manifest" ]; then cp -p "$manifest" "$manifest_saved"; else rm -f "$manifest_saved"; fi
}
restore_manifest() {
  if [ -e "$manifest_saved" ]; then cp -p "$manifest_saved" "$manifest"; else rm -f "$manifest"; fi
}

# install_to PREFIX [manifest copy]
install_to() {
  save_manifest
  trap restore_manifest EXIT
  "$CMAKE" --install "$FERROVA_BUILD" --prefix "$1" > "$FERROVA_WORK/install.log" ||
    { cat "$FERROVA_WORK/install.log" >&2; fail "cmake --install failed"; }
  if [ $# -gt 1 ]; then cp "$manifest" "$2"; fi
  restore_manifest
  trap - EXIT
}

# The program is a window that stays up until closed. Starts LAUNCHER from the root folder in
# a process group of its own (the browser pane adds helper processes), checks that after a
# few seconds it is still running and is PROGRAM, then ends the group.
runs_and_stays_up() {
  launcher=$1 program=$2 log="$FERROVA_WORK/run.log"
  (cd / && exec setsid "$launcher" > "$log" 2>&1) &
  pid=$!
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && rc=0 || rc=$?
    cat "$log" >&2
    fail "$launcher ended at start-up with exit code $rc"
  fi
  exe=$(readlink -f "/proc/$pid/exe" || true)
  group=$(ps -o pgid= -p "$pid" | tr -d ' ')
  kill -TERM -- "-$group" 2>/dev/null || true
  for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  kill -KILL -- "-$group" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$exe" = "$(readlink -f "$program")" ] || fail "$launcher ran '$exe', not $program"
}

# Breaks the element data of an installed tree and expects the program to end with an error
# that names the file, rather than open a window or wait for someone.
fails_on_broken_data() {
  launcher=$1 data=$2 log="$FERROVA_WORK/broken.log"
  sed -i '1s/^1,/H,/' "$data"
  grep -q "^H," "$data" || fail "could not break $data"
  rc=0
  (cd / && timeout 60 "$launcher") > "$log" 2>&1 || rc=$?
  [ "$rc" -ne 124 ] || fail "program with broken data did not end within 60 s"
  [ "$rc" -ne 0 ] || fail "program with broken data ended with exit code 0"
  grep -qF "$data" "$log" || { cat "$log" >&2; fail "error message does not name $data"; }
}

# With a product site that answers (a local web server), LAUNCHER loads the web view plugin
# PLUGIN of its own tree: the program finds it relative to itself wherever the tree is.
finds_its_plugin() {
  launcher=$1 plugin=$2 log="$FERROVA_WORK/plugin.log" site="$FERROVA_WORK/site"
  mkdir -p "$site"
  echo '<html><head><title>site</title></head><body>ok</body></html>' > "$site/index.html"
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" > "$site.log" 2>&1 &
  server=$!
  port=""
  for _ in $(seq 1 100); do
    port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$site.log" | head -1)
    [ -n "$port" ] && break
    sleep 0.1
  done
  [ -n "$port" ] || { kill "$server"; fail "local web server did not start"; }
  (cd / && exec setsid "$launcher" --product-url "http://127.0.0.1:$port/" > "$log" 2>&1) &
  pid=$!
  found=no
  for _ in $(seq 1 120); do
    if grep -qF "$(readlink -f "$plugin")" "/proc/$pid/maps" 2>/dev/null; then found=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  group=$(ps -o pgid= -p "$pid" | tr -d ' ' || true)
  [ -n "$group" ] && kill -TERM -- "-$group" 2>/dev/null || true
  for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  [ -n "$group" ] && kill -KILL -- "-$group" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  [ "$found" = yes ] || { cat "$log" >&2; fail "$launcher did not load $plugin"; }
}
