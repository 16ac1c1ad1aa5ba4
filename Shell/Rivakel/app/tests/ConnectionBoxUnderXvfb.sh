#!/usr/bin/env bash
# The real program on a private X server, its portal server down: the E-Mail This form, sent with
# a Return held for a moment, brings up "Internet Connection Required" in the window itself, once.
# Under it the window repaints what another window uncovers; OK once the server is back delivers
# one request; Cancel leaves the form as it was typed; SIGTERM ends the program with 0 within a
# second.
# Arguments: the program, the test game and the portal server. Exit 77 when something is missing.
set -u
binary="${1:-}"
game="${2:-}"
server="${3:-}"
[ -x "$binary" ] && [ -f "$game" ] && [ -x "$server" ] || { echo "no program, game or server"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo xwd convert compare xmessage python3

start_portal_session
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy RIVAKEL_GAME="$game"
server_pid=""
cover_pid=""
cleanup() {
  for pid in "$portal_pid" "$server_pid" "$cover_pid" "$xvfb_pid"; do [ -n "$pid" ] && stop "$pid"; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

wx=0 wy=0
# A portal of its own, pointed at a port where nothing answers yet, on its E-Mail This page.
start() {
  rm -rf "$work/data" "$work/run" "$work/record" && mkdir -p "$work/data/Rivakel" "$work/run" && chmod 700 "$work/run"
  port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
  echo "127.0.0.1:$port" >"$work/data/Rivakel/LocalTestServer.txt"
  # Emptied here, not by the started program: the waits below must not read the last start's log.
  : >"$work/portal.log"
  XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" "${tied[@]}" "$binary" 2>>"$work/portal.log" &
  portal_pid=$!
  portal_says "main window 800x572 shown"
  read -r wx wy < <(window_origin)
  # The first connection is refused by then; the menu's first button is E-Mail This.
  sleep 1
  xdotool mousemove $((wx + 142)) $((wy + 157)) click 1
  sleep 0.5
  xdotool type --delay 10 "friend@example.com"; xdotool key Tab; xdotool type --delay 10 "hello"
  xdotool key Tab; xdotool type --delay 10 "me@example.com"
  sleep 0.3
  shot "$work/typed.png"
  xdotool keydown Return; sleep 0.6; xdotool keyup Return
  portal_says "dialog MESSAGEBOX shown"
  sleep 0.5
}
shot() { xwd -root -silent | convert xwd:- -crop "800x572+$wx+$wy" +repage "$1"; }
# Pixels that differ between two pictures in the window's rectangle (x, y, width, height).
differ() {
  compare -metric AE -extract "$5x$6+$3+$4" "$1" "$2" null: 2>&1 | cut -d' ' -f1
}
boxes() { grep -c "dialog MESSAGEBOX shown" "$work/portal.log"; }

# OK once the server is back: one request. Meanwhile another window over the box and taken away
# leaves the window as it was: it repaints under the box.
start
shot "$work/box.png"
xmessage -geometry "300x120+$((wx + 250))+$((wy + 220))" "covering the box" &
cover_pid=$!
for _ in $(seq 100); do xwininfo -name xmessage >/dev/null 2>&1 && break; sleep 0.05; done
sleep 0.3
stop "$cover_pid"; cover_pid=""
sleep 0.5
shot "$work/uncovered.png"
[ "$(differ "$work/box.png" "$work/uncovered.png" 250 220 300 120)" = 0 ] ||
  fail "the window did not repaint under the box"
"${tied[@]}" "$server" --port "$port" --record "$work/record" >/dev/null 2>&1 &
server_pid=$!
sleep 0.5
xdotool key Return
for _ in $(seq 200); do grep -q "^RivRivlet" "$work/record" 2>/dev/null && break; sleep 0.05; done
sleep 2
[ "$(grep -c "^RivRivlet" "$work/record" 2>/dev/null)" = 1 ] ||
  fail "not one request: $(cut -c1-100 "$work/record" 2>/dev/null)"
[ "$(boxes)" = 1 ] || fail "the box came $(boxes) times"
stop "$portal_pid"; portal_pid=""
stop "$server_pid"; server_pid=""

# Cancel: the form keeps what was typed (its answer is the no-connection text) and asks nothing more.
start
xdotool key Escape
sleep 1.5
shot "$work/cancelled.png"
[ "$(boxes)" = 1 ] || fail "the box came $(boxes) times"
# Only the text cursor may have moved (16 pixels high); an emptied field differs by hundreds.
[ "$(differ "$work/typed.png" "$work/cancelled.png" 214 220 460 180)" -le 40 ] || fail "the form was not kept"
stop "$portal_pid"; portal_pid=""

# SIGTERM under the box.
start
sent=$(date +%s%N)
kill -TERM "$portal_pid"
portal_ends "after SIGTERM"
took=$(( ($(date +%s%N) - sent) / 1000000 ))
echo "SIGTERM under the box: ended after $took ms"
[ "$code" -eq 0 ] || fail "exit code $code after SIGTERM"
[ "$took" -le 1000 ] || fail "SIGTERM took $took ms"
grep -q "main loop ended" "$work/portal.log" || fail "the loop did not end in order"
echo "ok"
