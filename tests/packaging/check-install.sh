#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR under the prefix /usr, the way the Debian
# package does, and checks what a desktop needs to find the application: both programs, the
# desktop entry, the AppStream metadata and every icon, each in its place and the same as its
# source, and the names by which these files refer to each other.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

build=$1
source=$2
id=io.github.tarnveil.Tarnveil
sizes=(16 24 32 48 64 128 256 512)

dest=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$dest" "$log"' EXIT

if ! DESTDIR="$dest" cmake --install "$build" --prefix /usr >"$log" 2>&1; then
  cat "$log"
  echo "FAILED: cmake --install"
  exit 1
fi

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

root=$dest/usr
share=$root/share

# Every file lands below the prefix.
for entry in "$dest"/*; do
  [ "$entry" = "$dest/usr" ] || fail "installed outside the prefix: ${entry#"$dest"}"
done

for program in tarnveil tarnveil-cli; do
  [ -f "$root/bin/$program" ] && [ -x "$root/bin/$program" ] || fail "missing program /usr/bin/$program"
done

# Installed data files are the packaging sources themselves.
data=(
  "share/applications/$id.desktop:packaging/$id.desktop"
  "share/metainfo/$id.metainfo.xml:packaging/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg:packaging/icons/$id.svg"
)
for size in "${sizes[@]}"; do
  data+=("share/icons/hicolor/${size}x${size}/apps/$id.png:packaging/icons/hicolor/${size}x${size}/apps/$id.png")
done
for pair in "${data[@]}"; do
  installed=$root/${pair%%:*}
  original=$source/${pair#*:}
  if [ ! -f "$installed" ]; then
    fail "missing /usr/${pair%%:*}"
  elif ! cmp -s "$installed" "$original"; then
    fail "/usr/${pair%%:*} differs from ${pair#*:}"
  fi
done

# Each PNG is as large as the folder it sits in (width and height from its IHDR chunk).
for size in "${sizes[@]}"; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ printf "%d %d\n", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "${size}x${size} icon is ${width}x${height}"
done

# The desktop entry starts an installed program and names an installed icon.
desktop=$share/applications/$id.desktop
if [ -f "$desktop" ]; then
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -n "$exec_program" ] && [ -x "$root/bin/$exec_program" ] || fail "Exec= names '$exec_program', not an installed program"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -n "$icon" ] && [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon= names '$icon', not the installed icon"
fi

# The metainfo launches the installed desktop entry and provides the installed programs.
metainfo=$share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
  component=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo" | head -n 1)
  [ "$component" = "$id" ] || fail "metainfo id is '$component'"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -n "$launchable" ] && [ -f "$share/applications/$launchable" ] || fail "launchable '$launchable' is not an installed desktop entry"
  binaries=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
  [ -n "$binaries" ] || fail "metainfo provides no binary"
  for binary in $binaries; do
    [ -x "$root/bin/$binary" ] || fail "metainfo provides '$binary', which is not installed"
  done
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; installed files:"
  (cd "$dest" && find . -type f | sort)
  exit 1
fi
echo "installed layout complete"
