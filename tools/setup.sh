#!/usr/bin/env bash
# Set-up on a fresh Debian or Ubuntu machine.
#   bash tools/setup.sh run    installs what is missing, builds and starts the program
#   bash tools/setup.sh test   installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
# The build cuts the start-up font out of Noto Sans CJK with Python's fontTools.
packages=(cmake g++ make qt6-base-dev qt6-charts-dev qt6-webengine-dev qt6-svg-dev libgl-dev
          fonts-noto-cjk fonts-liberation2 qt6-translations-l10n python3 python3-fonttools)
if [ "$mode" = test ]; then
  packages+=(python3 xvfb xauth libx11-dev clang clang-format libclang-rt-14-dev desktop-file-utils
             appstream qt6-base-private-dev)
  # The browser pane test makes a throwaway certificate for its HTTPS server.
  packages+=(openssl)
  # pdftotext reads back the text of the PDF files the chart export writes.
  packages+=(poppler-utils)
  # The Debian package test: cpack's dependency list, lintian, and what the package depends
  # on beyond the build's own packages, so that apt installs it without a download.
  packages+=(dpkg-dev lintian)
  # What Orca says, on a virtual X server with a window manager, the accessibility bus and
  # key events from xdotool.
  packages+=(orca at-spi2-core dbus-daemon openbox xdotool)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
case "$mode" in
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DFERROVA_TESTS=OFF
    cmake --build build -j"$jobs"
    exec ./build/ferrova-periodic
    ;;
  test)
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROVA_TESTS=ON -DFERROVA_BENCH=ON
    cmake --build build-test -j"$jobs"
    # Headless; the browser engine refuses to start as root without this.
    export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
    (cd build-test && ctest --output-on-failure -j"$jobs")
    # The same suite under AddressSanitizer and UBSan, then each fuzz target for a few seconds.
    bash tools/run-sanitizers.sh
    ;;
  *)
    echo "usage: bash tools/setup.sh run|test" >&2
    exit 2
    ;;
esac
