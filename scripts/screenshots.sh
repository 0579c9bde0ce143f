#!/usr/bin/env bash
# Builds tarnveil, runs it on a private virtual display (Xvfb) with a private home and
# settings folder, drives it with xdotool and saves screenshots of its main states to
# build/screenshots/: the empty window in each theme, the sample screenshot after its scan,
# the burned preview (Space held), one selected secret, several selected regions, the
# question before a reversible style is applied to a secret, a drawn region and the export,
# the area selector of a screen capture and its result, every menu open, the about sheet, and
# the window in German, French and Japanese.
#
# Needs xvfb, xdotool, x11-utils and imagemagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/screenshots
app=build/default/app/tarnveil
sample=samples/terminal.png
scan_timeout=120

flock /tmp/tarnveil-build.lock cmake --build build/default -j2 --target tarnveil
mkdir -p "$out"

work=$(mktemp -d)
app_pid=
xvfb_pid=
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
  number=$((number + 1))
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

# Nothing of the user's own settings is read or written.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime" XDG_DESKTOP_DIR="$work/home/Desktop"
mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME/Tarnveil" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export OMP_THREAD_LIMIT=1

window=
language=system
start_app() { # theme [file...] — in the interface language $language
  local theme=$1
  shift
  printf '[General]\ntv.theme=%s\ntarnveil.appLanguage=%s\n' "$theme" "$language" \
    >"$XDG_CONFIG_HOME/Tarnveil/Tarnveil.conf"
  "$app" "$@" >>"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarnveil$' | head -n 1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1.5
}

stop_app() {
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

shot() { # name
  import -window root "$out/$1.png"
  echo "screenshot: $out/$1.png"
}

# The window's top-left corner on the screen.
origin() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y"
}

# Waits until the status bar has not changed for three seconds: the scan has ended (its
# spinner and text change while it runs). Gives up after the timeout.
wait_for_scan() {
  read -r x y < <(origin)
  local last= same=0
  for _ in $(seq "$scan_timeout"); do
    local now
    now=$(import -window root -crop "700x26+$((x + 270))+$((y + 832))" rgb:- | md5sum)
    if [ "$now" = "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 3 ] && return 0
    else
      same=0
    fi
    last=$now
    sleep 1
  done
  echo "screenshots: the scan did not end within ${scan_timeout} s" >&2
}

click() { # x y [modifier] — window coordinates
  read -r ox oy < <(origin)
  xdotool mousemove "$((ox + $1))" "$((oy + $2))"
  sleep 0.2
  if [ $# -ge 3 ]; then
    xdotool keydown "$3" click 1 keyup "$3"
  else
    xdotool click 1
  fi
  sleep 0.8
}

# The main menu sits above the toolbar.
menu_height=20

# Opens each main menu in turn (a click on the first title, then the arrow keys, which work in
# every language whatever its menu letters) and saves it; the Redact menu with its Chrome
# Scrub submenu open.
menu_shots() { # prefix
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  click 16 $((menu_height / 2))
  shot "$1-menu-file"
  for name in edit redact session help; do
    xdotool key Right
    sleep 0.6
    if [ "$name" = redact ]; then
      xdotool key Down Right
      sleep 0.6
    fi
    shot "$1-menu-$name"
  done
  xdotool key Escape Escape Escape
  sleep 0.4
}

# The about sheet from the Help menu (the last one: Left from the first), with its language
# picker open.
about_shots() { # prefix
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  click 16 $((menu_height / 2))
  xdotool key Left
  sleep 0.5
  xdotool key Return
  sleep 1
  shot "$1-about"
  xdotool key space
  sleep 0.6
  shot "$1-about-languages"
  xdotool key Escape
  sleep 0.3
  xdotool key Escape
  sleep 0.5
}

# The empty window in every theme.
for theme in midnight daylight hacker; do
  start_app "$theme"
  shot "empty-$theme"
  stop_app
done

# The sample after its scan, then the preview and the selections. Rows of the region list:
# the first two sections hold one secret each.
first_row_y=$((122 + menu_height))
second_row_y=$((192 + menu_height))
row_x=130

start_app midnight "$sample"
wait_for_scan
shot sample-scanned

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool keydown space
sleep 0.8
shot burned-preview
xdotool keyup space
sleep 0.5

click "$row_x" "$first_row_y"
shot secret-selected
click "$row_x" "$second_row_y" ctrl
shot several-selected

click "$row_x" "$first_row_y"
xdotool key 3
sleep 1
shot reversible-style-question
xdotool key Escape
sleep 0.5
stop_app

# A region drawn by hand over the image, then the export with the BURN button: the sweep is
# caught half way, and the exported file must appear on the (private) Desktop.
start_app midnight "$sample"
wait_for_scan
read -r ox oy < <(origin)
xdotool mousemove "$((ox + 700))" "$((oy + 470))" mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove "$((ox + 700 + 30 * step))" "$((oy + 470 + 8 * step))"
  sleep 0.05
done
xdotool mouseup 1
sleep 0.8
shot region-drawn
click 584 $((20 + menu_height))
sleep 0.25
shot burn-sweep
sleep 3
shot after-export
exported=$(ls "$HOME"/Desktop/Screenshot-redacted-*.png 2>/dev/null | head -n 1 || true)
if [ -n "$exported" ]; then
  cp "$exported" "$out/exported.png"
  echo "exported: $out/exported.png"
else
  echo "screenshots: the export wrote no file on the Desktop" >&2
fi
stop_app

# The scanned sample in the other two themes.
for theme in daylight hacker; do
  start_app "$theme" "$sample"
  wait_for_scan
  click "$row_x" "$first_row_y"
  shot "sample-$theme"
  stop_app
done

# The area selector: the window steps aside and the desktop (here a picture on the root window)
# shows frozen and dimmed, with the dragged rectangle clear, outlined and measured, its size
# label above it or, at the top edge, below it; the released area is loaded and scanned.
root_picture() { # file
  display -window root "$1" || true  # it sets the picture and reports 1
  sleep 0.3
}
convert -size 1600x1000 tile:"$sample" "$work/desktop.png"
root_picture "$work/desktop.png"
start_app midnight
xdotool key ctrl+shift+2
sleep 1
xdotool mousemove 260 3 mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((260 + 60 * step)) $((3 + 25 * step))
  sleep 0.05
done
sleep 0.3
shot capture-selecting-top
xdotool key Escape mouseup 1
sleep 1
shot capture-cancelled
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+shift+2
sleep 1
xdotool mousemove 120 300 mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((120 + 110 * step)) $((300 + 40 * step))
  sleep 0.05
done
sleep 0.3
shot capture-selecting
xdotool mouseup 1
sleep 1.5
wait_for_scan
shot capture-loaded
stop_app
convert -size 1600x1000 xc:black "$work/black.png"
root_picture "$work/black.png"

# The menus and the about sheet.
start_app midnight "$sample"
wait_for_scan
menu_shots en
about_shots en
stop_app

# The longest translations (German, French) and one in another script (Japanese): the empty
# window, the scanned sample with a secret selected, the menus and the about sheet.
for language in de-DE fr-FR ja; do
  start_app midnight
  shot "$language-empty"
  stop_app
  start_app midnight "$sample"
  wait_for_scan
  click "$row_x" "$first_row_y"
  shot "$language-sample"
  click "$row_x" "$second_row_y" ctrl
  shot "$language-several-selected"
  menu_shots "$language"
  about_shots "$language"
  stop_app
done
language=system

if grep -v -e '^QStandardPaths' -e 'propagateSizeHints' "$work/app.log" | grep -q .; then
  echo "application output:" >&2
  grep -v -e '^QStandardPaths' -e 'propagateSizeHints' "$work/app.log" >&2
fi
