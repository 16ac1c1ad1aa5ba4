#!/usr/bin/env bash
# The real window on a private X server ended by SIGTERM: idle with the close question pending
# (not installed), while a game runs, and while a box is up. Each time the program asks nothing,
# stops in order and exits 0. Exit 77 when the program, the test game or the X server is missing.
set -u
binary="${1:-}"
game="${2:-}"
[ -x "$binary" ] && [ -f "$game" ] || { echo "no program at '$binary' or no game at '$game'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb

start_portal_session
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy

# run <name> <installed: yes|no> <log line to wait for> [VARIABLE=value...]
run() {
  local name="$1" installed="$2" ready="$3"
  shift 3
  rm -rf "$work/data" "$work/run" && mkdir -p "$work/data/Rivakel/System" "$work/run" && chmod 700 "$work/run"
  [ "$installed" = yes ] && echo '<RDT ver="00.01.00.00"></RDT>' >"$work/data/Rivakel/System/Core.rdt"
  # Emptied here, not by the started program: the wait below must not read the last start's log.
  : >"$work/portal.log"
  env XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" "$@" "${tied[@]}" "$binary" 2>>"$work/portal.log" &
  portal_pid=$!
  portal_says "$ready"
  local sent code
  sent=$(date +%s%N)
  kill -TERM "$portal_pid"
  portal_ends "$name: after SIGTERM"
  echo "$name: ended $(( ($(date +%s%N) - sent) / 1000000 )) ms after SIGTERM"
  [ "$code" -eq 0 ] || fail "$name: exit code $code"
  grep -q "main loop ended" "$work/portal.log" || fail "$name: the loop did not end in order"
  [ "$installed" = no ] && [ -e "$work/data/Rivakel/System/Core.rdt" ] && fail "$name: installed on a signal"
  return 0
}

run idle no "main window 800x572 shown"
grep -q "dialog" "$work/portal.log" && fail "idle: a question was asked"
run game yes "Rivakel: game " RIVAKEL_GAME="$game"
grep -q "Rivakel: game .* stopped" "$work/portal.log" || fail "game: not stopped in order"
grep -q "GameStopped2" "$work/data/Rivakel/System/Outbox.rdt" || fail "game: its stop was not tracked and saved"
run box no "dialog IDD_QUIT_NOTSAVED shown" RIVAKEL_DIALOG=IDD_QUIT_NOTSAVED
echo "ok"
