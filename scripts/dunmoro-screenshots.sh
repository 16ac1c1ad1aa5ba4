#!/usr/bin/env bash
# Shows Dunmoro in a real window on a private X server, hosted by the shell's game host in the
# harness window (rivakel_applet_window), walks through its screens and writes a screenshot of
# each: title, mode, play, result box, help page and staff roll.
#
#   scripts/dunmoro-screenshots.sh [output folder] [build folder]
#
# Defaults: screenshots/ and build/debug (built first). Needs Xvfb, xwd, xwininfo and convert
# (Debian: xvfb x11-apps x11-utils imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-screenshots}")"
build="$(realpath -m "${2:-build/debug}")"
for tool in Xvfb xwd xwininfo convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: xvfb x11-apps x11-utils imagemagick)"; exit 1; }
done
if [ ! -d "$build" ]; then cmake --preset debug >/dev/null; fi
cmake --build "$build" --target rivakel_applet_window rivakel_dunmoro_gam >/dev/null
window_tool="$build/Apps/Common/rivakel_applet_window"
game="$(ls "$build"/Games/*/*.gam | head -n1)"
mkdir -p "$out"

work="$(mktemp -d)"
xvfb_pid=""
tool_pid=""
cleanup() {
  for pid in "$tool_pid" "$xvfb_pid"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

coproc TOOL { "$window_tool" --data "$work/data" 2>"$work/tool.log"; }
tool_pid=$TOOL_PID
# Sends one command and waits for its answer.
send() {
  echo "$*" >&"${TOOL[1]}"
  local answer
  read -r -t 60 answer <&"${TOOL[0]}" || { echo "no answer to: $*"; cat "$work/tool.log"; exit 1; }
  [ "$answer" = "ok" ] || { echo "$*: $answer"; exit 1; }
}
shot() {
  send wait 400
  local id
  id="$(xwininfo -root -tree | awk '/800x572/ { print $1; exit }')"
  [ -n "$id" ] || { echo "no 800x572 window"; exit 1; }
  xwd -silent -id "$id" -out "$work/shot.xwd"
  convert "$work/shot.xwd" "$out/$1.png"
  echo "$out/$1.png"
}

send start "$game"
send wait 1200
shot title
send click 49 246
shot mode
send move 200 330
shot mode-hover
send click 67 90
send click 197 355
send wait 1200
shot play
send click 110 350
shot result
send help
shot help
send back
send click 235 246
send wait 300
for key in 80 76 85 77 84 65 71; do send key "$key"; done
send wait 6000
shot staff
echo quit >&"${TOOL[1]}"
wait "$tool_pid" 2>/dev/null || true
tool_pid=""
