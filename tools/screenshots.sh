#!/usr/bin/env bash
# Takes the screenshots shown in the README: the program runs on a virtual X screen (Xvfb,
# no window manager), the mouse clicks an element and toolbar buttons, and each picture is
# cut out of the screen to the window's size.
#
#   bash tools/screenshots.sh [program] [output folder]
#
# FERROVA_DISPLAY: the first X display number to try (default 99; the next free one is used).
#
# program        defaults to build/ferrova-periodic (bash tools/setup.sh run builds it)
# output folder  defaults to docs/screenshots
#
# Needs Xvfb, xdotool and ImageMagick's import (Debian: xvfb xdotool imagemagick).
# The browser pane cannot reach the product site from here, so it shows the built-in page.
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(readlink -f "${1:-build/ferrova-periodic}")
out=${2:-docs/screenshots}
settle=${FERROVA_SETTLE:-8}  # seconds for the window and the browser pane to come up

missing=()
command -v Xvfb > /dev/null || missing+=("Xvfb (package xvfb)")
command -v xdotool > /dev/null || missing+=("xdotool (package xdotool)")
command -v import > /dev/null || missing+=("import (package imagemagick)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "screenshots.sh: missing: ${missing[*]}" >&2
  exit 1
fi
[ -x "$program" ] || { echo "screenshots.sh: no program at $program; build it first" >&2; exit 1; }
mkdir -p "$out"

xvfb_pid="" app_pid=""
stop() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  app_pid="" xvfb_pid=""
}
trap stop EXIT

# start SCALE SCREEN: the program on a new virtual screen of SCREEN (WxHxDepth) pixels.
start() {
  scale=$1
  display=${FERROVA_DISPLAY:-99}
  while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "$2" -nolisten tcp > /dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 1 50); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done

  # The browser engine will not start as root unless its sandbox is off.
  sandbox=""; [ "$(id -u)" -eq 0 ] && sandbox=1
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" QTWEBENGINE_DISABLE_SANDBOX="$sandbox" \
    "$program" > /dev/null 2>&1 &
  app_pid=$!
  # The main window is the program's one big window; an error box at start-up is small.
  window=""
  for _ in $(seq 1 60); do
    for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$WIDTH" -ge $((600 * scale)) ] && { window=$w; break; }
    done
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 1
  done
  [ -n "$window" ] || { echo "screenshots.sh: the main window did not come up (ended, or an error box is showing)" >&2; exit 1; }
  sleep "$settle"
  kill -0 "$app_pid" 2>/dev/null || { echo "screenshots.sh: the program ended at start-up" >&2; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X Y WIDTH HEIGHT, in screen pixels
}

# Window client coordinates in the program's own pixels, scaled to the screen's.
at() { echo $((X + $1 * scale)) $((Y + $2 * scale)); }

# Toolbar buttons take the click on their highlight picture, which the mouse brings up
# by moving over them first. Arguments: the button's top-left corner in twips.
click_button() {
  local x=$(($1 / 15 + 11)) y=$(($2 / 15 + 11))
  xdotool mousemove $(at $((x - 2)) "$y"); sleep 0.3
  xdotool mousemove $(at "$x" "$y"); sleep 0.5
  xdotool click 1; sleep 2
  rest
}

# Mouse to a bare spot of the window (left of the toolbar), away from tooltips and hover.
rest() { xdotool mousemove $(at 90 20); sleep 1; }

click_element() {  # row column
  local x=$(((120 + 480 * ($2 - 1)) / 15 + 16)) y=$(((120 + 480 * ($1 - 1)) / 15 + 16))
  xdotool mousemove $(at "$x" "$y"); sleep 0.3
  xdotool click 1; sleep 1.5
}

close_details() {  # the small cross at the panel's lower right
  xdotool mousemove $(at 386 255); sleep 0.3
  xdotool click 1; sleep 0.5
}

shot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1"
  echo "$out/$1 (${WIDTH}x${HEIGHT})"
}

# A cell by its top-left corner in twips (the two separate rows are not at the period pitch).
click_cell_at() {
  xdotool mousemove $(at $(($1 / 15 + 16)) $(($2 / 15 + 16))); sleep 0.3
  xdotool click 1; sleep 1.5
}

# The program's other visible window (options dialog or chart window): its id in `other`,
# its place in OX OY OW OH.
find_other() {
  other=""
  for _ in $(seq 1 20); do
    for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
      [ "$w" = "$window" ] && continue
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$WIDTH" -ge 100 ] && { other=$w OX=$X OY=$Y OW=$WIDTH OH=$HEIGHT; break; }
    done
    [ -n "$other" ] && break
    sleep 0.5
  done
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ -n "$other" ] || { echo "screenshots.sh: the second window did not come up" >&2; exit 1; }
}

in_other() { echo $((OX + $1 * scale)) $((OY + $2 * scale)); }

other_shot() {
  import -window root -crop "${OW}x${OH}+${OX}+${OY}" +repage "$out/$1"
  echo "$out/$1 (${OW}x${OH})"
}

# An image button of the other window, by its top-left corner in twips in that window.
click_other_button() {
  local x=$(($1 / 15 + 11)) y=$(($2 / 15 + 11))
  xdotool mousemove $(in_other $((x - 2)) "$y"); sleep 0.3
  xdotool mousemove $(in_other "$x" "$y"); sleep 0.5
  xdotool click 1; sleep 2
}

start 1 1280x1024x24
click_element 4 8        # Fe
rest
shot main-panel.png
close_details
click_button 1920 120    # melting point
# The pointer rests on iron's bar in the chart pane (plot from about x 40 to 535, 109 bars):
# its tooltip stays while it rests there.
xdotool mousemove $(at 163 500); sleep 2.5
shot chart-melting.png
rest
click_button 1560 600    # atomic radius
shot radius-atomic.png
click_button 3600 120    # back to the table
click_button 1920 600    # covalent radius
shot radius-covalent.png
click_button 3600 120    # back to the table
click_cell_at 4440 3840  # Gd, a lanthanide
rest
shot panel-lanthanide.png
close_details

# The exit question over the main window; Escape answers No.
click_button 6120 120    # exit
shot exit-box.png
xdotool key Escape; sleep 1
kill -0 "$app_pid" 2>/dev/null || { echo "screenshots.sh: the program ended at the exit question" >&2; exit 1; }

click_button 4800 120    # options
find_other
other_shot options.png
xdotool mousemove $(in_other 110 28) click 1; sleep 0.5   # "新窗口": the chart in its own window
click_other_button 3960 1680                              # save (frame at 1440, button at 240)
click_button 3960 120    # the chart window opens
find_other
click_other_button 480 120                                # its melting-point button
other_shot chart-window.png
stop

start 2 2400x1800x24
click_element 4 8
rest
shot main-scale2.png
stop
