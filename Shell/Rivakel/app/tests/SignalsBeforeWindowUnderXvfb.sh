#!/usr/bin/env bash
# The real program on a private X server, signalled before its main window or without one:
#   box-term     SIGTERM under the window system's box "Incorrect attempt to run Rivakel"
#   box-kill     SIGKILL under the same box
#   wait-term    SIGTERM while a later start waits for a first instance that keeps shutting down
#   report-term  SIGTERM while the error report's dialog is up
# A termination signal ends the program with 0 within two seconds, and no box is left on the
# screen (a killed program takes its box along). Exit 77 when the program or a tool is missing.
set -u
binary="${1:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xwininfo flock

start_portal_session
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data"
export XDG_STATE_HOME="$work/state"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
holder_pid=""
trap 'for pid in "$portal_pid" "$holder_pid" "$xvfb_pid"; do [ -n "$pid" ] && stop "$pid"; done; wait 2>/dev/null; rm -rf "$work"' EXIT

window_up() {  # title
  for _ in $(seq 1200); do xwininfo -root -tree 2>/dev/null | grep -q "\"$1\"" && return 0; sleep 0.05; done
  return 1
}
window_gone() {  # title
  for _ in $(seq 40); do xwininfo -root -tree 2>/dev/null | grep -q "\"$1\"" || return 0; sleep 0.05; done
  return 1
}

# case <name> <signal> <title of what is up, or -> <expected exit code> <program arguments...>
case_run() {
  local name="$1" signal="$2" title="$3" expected="$4" sent
  shift 4
  : >"$work/portal.log"
  "${tied[@]}" "$binary" "$@" 2>>"$work/portal.log" &
  portal_pid=$!
  if [ "$title" = - ]; then
    # Past the first question (two seconds), into the polls.
    sleep 4
    kill -0 "$portal_pid" 2>/dev/null || fail "$name: ended before the signal"
  else
    window_up "$title" || fail "$name: '$title' never came up"
  fi
  sent=$(date +%s%N)
  kill "-$signal" "$portal_pid"
  portal_ends "$name: after SIG$signal"
  echo "$name: ended with $code $(( ($(date +%s%N) - sent) / 1000000 )) ms after SIG$signal"
  [ "$code" -eq "$expected" ] || fail "$name: exit code $code"
  [ $(( ($(date +%s%N) - sent) / 1000000 )) -lt 2000 ] || fail "$name: the signal took over two seconds"
  [ "$title" = - ] || window_gone "$title" || fail "$name: '$title' is still on the screen"
}

case_run box-term TERM "Incorrect attempt to run Rivakel" 0 not-a-folder
case_run box-kill KILL "Incorrect attempt to run Rivakel" 137 not-a-folder

# A first instance that holds the lock and never answers is one that keeps shutting down. The
# process that holds the lock is the one stopped afterwards.
(exec 9>"$XDG_RUNTIME_DIR/Rivakel.lock"; flock -x 9; exec "${tied[@]}" sleep 600) &
holder_pid=$!
case_run wait-term TERM - 0
stop "$holder_pid"; holder_pid=""

case_run report-term TERM "Rivakel" 0 --error-report
echo "ok"
