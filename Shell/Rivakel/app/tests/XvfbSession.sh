# Sourced by the scripts that run the real program on a private X server (in "$work", which the
# script made): stopping a process, starting the server.

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
