#!/usr/bin/env bash
# Photographs a game's screens in the portal's real window under a private X server:
#
#   scripts/game-screenshots.sh <Name> [folder]
#
# Builds the portal and the game's module, starts Xvfb and the portal with RIVAKEL_GAME naming the
# game and a fresh data folder, then plays the steps kept beside the game (Apps/<Name>/screenshots.sh
# or Games/<Name>/screenshots.sh) with real mouse clicks and key presses. Each `shot <name>` writes
# the portal window's 800x572 pixels as <folder>/<name>.png (default folder: screenshots/<name> at
# the top of the tree, the name in lower case). Needs xdotool, xwd, xwininfo and ImageMagick beside
# Xvfb; installs them when missing.
#
# What the steps may use, in game-area coordinates where they take a position:
#   shot <name>      click <x> <y>      move <x> <y>      menu <row>   (the portal's game menu)
#   key <keysym...>  type <text>        pause <seconds>   pixel <x> <y> (prints RRGGBB)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:?usage: game-screenshots.sh <Name> [folder]}"
lower="$(tr '[:upper:]' '[:lower:]' <<<"$name")"
out="$(realpath -m "${2:-$root/screenshots/$lower}")"
game_dir=""
for candidate in "$root/Apps/$name" "$root/Games/$name"; do
  [ -f "$candidate/screenshots.sh" ] && game_dir="$candidate"
done
[ -n "$game_dir" ] || { echo "no screenshot steps for $name (Apps/$name/screenshots.sh)"; exit 2; }
identifier="$(sed -n 's/^string 5 \+//p' "$game_dir/$name.manifest" | tr -d '\r')"
mkdir -p "$out"

"$root/scripts/setup.sh"
for tool in xdotool:xdotool xwd:x11-apps xwininfo:x11-utils /usr/bin/convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || {
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${tool##*:}"
  }
done
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
cd "$root"
cmake --preset debug >/dev/null
cmake --build --preset debug -j3 --target rivakel "rivakel_${lower}_gam" >/dev/null
bin="$root/build/debug/Shell/Rivakel/rivakel"
game="$root/build/debug/Games/$identifier/$identifier.gam"

work="$(mktemp -d)"
xvfb_pid="" portal_pid=""
cleanup() {
  for pid in $portal_pid $xvfb_pid; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" RIVAKEL_PLATFORM=sdl ASAN_OPTIONS="detect_leaks=0"

mkdir -p "$work/data" "$work/run" && chmod 700 "$work/run"
XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" RIVAKEL_GAME="$game" "$bin" >"$work/portal.log" 2>&1 &
portal_pid=$!
for _ in $(seq 200); do grep -q "main window 800x572 shown" "$work/portal.log" && break; sleep 0.05; done
line="$(xwininfo -root -tree | grep '"Rivakel' | grep " 800x572+" | head -n1)"
[ -n "$line" ] || { echo "no portal window"; cat "$work/portal.log"; exit 1; }
read -r wx wy < <(sed -E 's/.* [0-9]+x[0-9]+\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2/' <<<"$line")
# The game area lies at (189, 129) of the window, the game menu to its left.
gx=$((wx + 189)) gy=$((wy + 129))

shot() { sleep 0.6; xwd -root -silent | /usr/bin/convert xwd:- -crop "800x572+${wx}+${wy}" +repage "$out/$1.png"; echo "$out/$1.png"; }
click() { xdotool mousemove $((gx + $1)) $((gy + $2)) click 1; sleep 0.4; }
move() { xdotool mousemove $((gx + $1)) $((gy + $2)); sleep 0.3; }
menu() { xdotool mousemove $((wx + 142)) $((wy + 157 + $1 * 67)) click 1; sleep 0.4; }
key() { for k in "$@"; do xdotool key "$k"; sleep 0.05; done; }
type() { xdotool type --delay 60 "$1"; }
pause() { sleep "$1"; }
pixel() {
  xwd -root -silent | /usr/bin/convert xwd:- -crop "1x1+$((gx + $1))+$((gy + $2))" -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr '[:lower:]' '[:upper:]'
}

sleep 1
# shellcheck source=/dev/null
. "$game_dir/screenshots.sh"
