#!/usr/bin/env bash
# Runs the real program on a private X server: the splash, then the 800x572 main window; a
# second start raises the first and exits 0 while the first stays; a close request ends the first.
# Exit 77 when the program or the X server is missing.
set -u
binary="${1:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb

work="$(mktemp -d)"
xvfb_pid=""
first_pid=""
second_pid=""
cleanup() {
  for pid in "$second_pid" "${cover_pid:-}" "$first_pid" "$xvfb_pid"; do [ -n "$pid" ] && stop "$pid"; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# A test runner that gives up on us sends a signal: leave through the cleanup as well.
trap 'exit 130' INT TERM HUP
fail() {
  echo "FAIL: $*"
  for log in first second; do echo "--- $log start:"; cat "$work/$log.log" 2>/dev/null; done
  exit 1
}

start_xvfb || fail "Xvfb did not start"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" RIVAKEL_PLATFORM=sdl
mkdir -p "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Installed, so that a close request is not answered with the question to save first.
mkdir -p "$XDG_DATA_HOME/Rivakel/System" && echo '<Core></Core>' >"$XDG_DATA_HOME/Rivakel/System/Core.rdt"

"${tied[@]}" "$binary" 2>"$work/first.log" &
first_pid=$!
for _ in $(seq 2400); do grep -q "main window 800x572 shown" "$work/first.log" && break; sleep 0.05; done
grep -q "splash 400x240 shown" "$work/first.log" || fail "no splash"
grep -q "main window 800x572 shown" "$work/first.log" || fail "no main window"
if command -v xwininfo >/dev/null; then
  xwininfo -root -tree | grep -q '"Rivakel".*800x572' || fail "xwininfo shows no 800x572 Rivakel window"
fi

# Another program's window over ours: the second start must bring ours back on top. The root's
# children are listed topmost first.
topmost() { xwininfo -root -children | awk '/^ +0x/ { sub(":$", "", $2); print $2; exit }'; }
cover_pid=""
if command -v xwininfo >/dev/null && command -v xmessage >/dev/null; then
  "${tied[@]}" xmessage -geometry 1200x1000+0+0 cover 2>/dev/null &
  cover_pid=$!
  for _ in $(seq 1200); do [ "$(topmost)" = '"xmessage"' ] && break; sleep 0.05; done
  [ "$(topmost)" = '"xmessage"' ] || fail "the covering window did not appear"
fi

# In the background, so a signal to this script is handled at once and the cleanup ends it too.
"${tied[@]}" "$binary" 2>"$work/second.log" &
second_pid=$!
for _ in $(seq 2400); do kill -0 "$second_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$second_pid" 2>/dev/null && fail "second start did not end"
wait "$second_pid"
second=$?
second_pid=""
[ "$second" -eq 0 ] || fail "second start exited $second"
grep -q "splash" "$work/second.log" && fail "second start showed a splash before handing over"
kill -0 "$first_pid" 2>/dev/null || fail "first instance ended after the second start"
if [ -n "$cover_pid" ]; then
  for _ in $(seq 1200); do [ "$(topmost)" = '"Rivakel"' ] && break; sleep 0.05; done
  [ "$(topmost)" = '"Rivakel"' ] || fail "the second start did not raise the first window"
  stop "$cover_pid"
  cover_pid=""
fi

# A termination signal ends the session in order.
kill -TERM "$first_pid"
for _ in $(seq 2400); do kill -0 "$first_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$first_pid" 2>/dev/null && fail "close did not end the first instance"
wait "$first_pid"
code=$?
first_pid=""
[ "$code" -eq 0 ] || fail "first instance exited $code"
grep -q "main loop ended" "$work/first.log" || fail "the loop did not end cleanly"
echo "ok"
