# Sourced by the scripts that run the real program on a private X server (in "$work", which the
# script made): stopping a process, starting the server.

# Ends the script with 77 (the test is skipped) when one of the named programs is missing.
need_tools() {
  local tool
  for tool in "$@"; do command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }; done
}

# Put before a command: it dies with this script, even when the script itself is killed outright (a
# test run that times out): no program is left behind on a display that has gone.
tied=(setpriv --pdeathsig KILL --)

stop() {  # asks, then insists
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 40); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null
}

# Xvfb picks a free display itself and writes its number; sets xvfb_pid and DISPLAY.
start_xvfb() {
  "${tied[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
  # On a loaded machine the server may name its display before a client gets through: a program
  # started then finds no display and quietly takes a driver that shows nothing.
  command -v xwininfo >/dev/null || return 0
  for _ in $(seq 600); do xwininfo -root >/dev/null 2>&1 && return 0; kill -0 "$xvfb_pid" 2>/dev/null || return 1; sleep 0.05; done
  return 1
}

# In the sanitizer build the desktop libraries behind the window keep buffers for the process's
# life; our own leaks are caught by the headless tests, which run without them.
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

# For a script that runs one portal at a time ($portal_pid, its output in "$work/portal.log"):
# makes "$work", starts the server and cleans both up however the script ends. `fail` says why,
# with the portal's output.
start_portal_session() {
  work="$(mktemp -d)"
  xvfb_pid=""
  portal_pid=""
  trap 'for pid in "$portal_pid" "$xvfb_pid"; do [ -n "$pid" ] && stop "$pid"; done; wait 2>/dev/null; rm -rf "$work"' EXIT
  # A test runner that gives up on us sends a signal: leave through the clean-up as well.
  trap 'exit 130' INT TERM HUP
  start_xvfb || fail "Xvfb did not start"
}
fail() {
  echo "FAIL: $*"
  cat "$work/portal.log" 2>/dev/null
  exit 1
}
# Waits (a minute at most) for a line of the portal's output that matches $1.
portal_says() {
  for _ in $(seq 1200); do grep -q "$1" "$work/portal.log" && return 0; sleep 0.05; done
  fail "never saw '$1'"
}
# Waits (a minute at most) for the portal to end; its exit code in $code. $1 says after what.
portal_ends() {
  for _ in $(seq 6000); do kill -0 "$portal_pid" 2>/dev/null || break; sleep 0.01; done
  kill -0 "$portal_pid" 2>/dev/null && fail "still running $1"
  wait "$portal_pid"
  code=$?
  portal_pid=""
}

# For a script that runs the program in a fresh home: makes "$work" with the home in it, starts
# the server, and stops the processes whose ids the named variables hold (then the server)
# however the script ends. `fail` says why, with the end of every log. KEEP_WORK=1 keeps the
# folder, and a screenshot of a failure, for a look afterwards.
start_fresh_home() {  # names of the variables that hold the script's process ids
  work="$(mktemp -d)"
  xvfb_pid=""
  pid_names="$* xvfb_pid"
  trap end_fresh_home EXIT
  trap 'exit 130' INT TERM HUP
  fail() {
    echo "FAIL: $*"
    [ -n "${KEEP_WORK:-}" ] && xwd -root -silent | convert xwd:- "$work/fail.png"
    for log in "$work"/*.log; do echo "--- $log:"; tail -20 "$log"; done
    exit 1
  }
  start_xvfb || fail "Xvfb did not start"
  export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
  export XDG_RUNTIME_DIR="$work/run" RIVAKEL_PLATFORM=sdl
  unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}
end_fresh_home() {
  local name
  for name in $pid_names; do [ -n "${!name}" ] && stop "${!name}"; done
  wait 2>/dev/null
  [ -n "${KEEP_WORK:-}" ] && echo "kept $work" || rm -rf "$work"
}

# Waits for the main loop's first frame; or, for a start that asks before it, for the window.
window_shown() {  # log
  for _ in $(seq 600); do grep -q "main window 800x572 shown" "$1" && return 0; sleep 0.05; done
  return 1
}
window_made() {
  for _ in $(seq 600); do xwininfo -root -tree 2>/dev/null | grep -q '"Rivakel".* 800x572+' && return 0; sleep 0.05; done
  return 1
}
# The main window's place on the screen; its title grows by the game's name while one runs.
window_origin() {
  xwininfo -root -tree | grep '"Rivakel[^"]*"' | grep ' 800x572+' | head -n1 |
    sed -E 's/.* [0-9]+x[0-9]+\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2/'
}
# Until the program ends, answers its dialogs with Return (a click on the frame gives the window
# the keyboard first).
accept_until_gone() {  # pid
  local at
  for _ in $(seq 60); do
    kill -0 "$1" 2>/dev/null || return 0
    at="$(window_origin)"
    [ -n "$at" ] && xdotool mousemove $(( ${at% *} + 20 )) $(( ${at#* } + 560 )) click 1 2>/dev/null
    xdotool key Return 2>/dev/null
    sleep 0.5
  done
  return 1
}
pixel() {  # x y in the window
  local at
  at="$(window_origin)"
  xwd -root -silent | convert xwd:- -crop "1x1+$(( ${at% *} + $1 ))+$(( ${at#* } + $2 ))" -depth 8 txt:- |
    grep -o '#[0-9A-F]\{6\}' | head -n1
}

# For a script that installs the portal ($work, $binary, $portal_pid, `fail`): an e-mailed game
# unpacks into a "~rv" folder beside a copy of the program and starts it there (portal_pid).
start_emailed_game() {  # game file, log, [the game file's name in the mail, without ".gam"]
  local name="${3:-$(basename "$1" .gam)}"
  local launch="$work/~rv-$name"
  mkdir -p "$launch"
  cp "$binary" "$launch/rivakel"
  cp "$1" "$launch/$name.gam"
  printf '#!/bin/sh\n' >"$launch/_$name.run"
  "${tied[@]}" "$launch/rivakel" "$launch" "$launch/_$name.run" "$name.gam" 2>"$2" &
  portal_pid=$!
}
# The first e-mailed start: its dialogs are accepted until the installing start ends.
install_emailed_game() {  # game file, log
  start_emailed_game "$1" "$2"
  window_made || fail "the e-mailed start showed no window"
  accept_until_gone "$portal_pid" || fail "the installation did not end"
  wait "$portal_pid"; local code=$?; portal_pid=""
  [ "$code" -eq 0 ] || fail "the installing start exited $code"
}
