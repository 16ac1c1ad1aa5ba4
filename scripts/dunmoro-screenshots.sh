#!/usr/bin/env bash
# Runs the portal on a private X server with Dunmoro as its game (RIVAKEL_GAME), plays through
# the game's screens with the mouse and keyboard, and writes a PNG of each into the folder given
# (default: screenshots/dunmoro at the top of the tree): the title screen, the mode screen, the
# play screen, a result box, the help page and the staff roll.
# Needs xdotool, xwd and ImageMagick beside Xvfb; installs them when missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/screenshots/dunmoro}")"
mkdir -p "$out"

"$root/scripts/setup.sh"
for tool in xdotool:xdotool xwd:x11-apps /usr/bin/convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || {
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${tool##*:}"
  }
done
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
cd "$root"
cmake --preset debug >/dev/null
cmake --build --preset debug -j6 --target rivakel rivakel_dunmoro_gam >/dev/null
bin="$root/build/debug/Shell/Rivakel/rivakel"
game="$(ls "$root"/build/debug/Games/*/*.gam | head -n1)"

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
# The game area lies at (189, 129) of the window.
gx=$((wx + 189)) gy=$((wy + 129))

shot() { sleep 0.6; xwd -root -silent | /usr/bin/convert xwd:- -crop "800x572+${wx}+${wy}" +repage "$out/$1.png"; echo "$out/$1.png"; }
click() { xdotool mousemove $((gx + $1)) $((gy + $2)) click 1; sleep 0.4; }
move() { xdotool mousemove $((gx + $1)) $((gy + $2)); sleep 0.3; }
menu() { xdotool mousemove $((wx + 142)) $((wy + 157 + $1 * 67)) click 1; sleep 0.4; }

sleep 1
shot title
click 49 246; shot mode              # Change Mode
move 200 330; shot mode-board-under-mouse
click 67 90                          # Master Oru's challenge, back to the title
click 197 355; sleep 1; shot play    # Start the Game
click 110 350; shot result           # Resign: the Try Again box
menu 3; shot help                    # the shell's Instructions
menu 2                               # Resume
click 235 246                        # Quit Challenge, back to the title
for letter in p l u m t a g; do xdotool key "$letter"; sleep 0.1; done
sleep 6; shot staff
