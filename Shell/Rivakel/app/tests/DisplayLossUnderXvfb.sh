#!/usr/bin/env bash
# The X server killed under the running portal, installed with a fresh store:
#   home  on the Home page
#   box   under a box of the shell's own
#   game  with Torvimble running, a player named through Change Player and a row taken at the
#         blackjack table
# Each time the portal ends with 3, Core.rdt holds what the session changed (the guest user the
# fresh store lacked; in the game, the player's name and the row the game gave them) and the
# Outbox the session's stop messages.
# Arguments: the program, Torvimble's module. Exit 77 when something is missing.
set -u
binary="${1:-}"
module="${2:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
[ -f "$module" ] || { echo "no Torvimble module at '$module'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo

start_portal_session
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data"
export HOME="$work/home"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
system="$work/data/Rivakel/System"

# start <name> <log line to wait for> [VARIABLE=value...]
start() {
  name="$1"
  local ready="$2"
  shift 2
  rm -rf "$work/data" "$work/run" "$HOME" && mkdir -p "$system" "$work/run" "$HOME" && chmod 700 "$work/run"
  echo '<RDT ver="00.01.00.00"></RDT>' >"$system/Core.rdt"
  [ -n "$xvfb_pid" ] || start_xvfb || fail "$name: Xvfb did not start"
  : >"$work/portal.log"
  env "$@" "${tied[@]}" "$binary" 2>>"$work/portal.log" &
  portal_pid=$!
  portal_says "$ready"
}

# Kills the X server and checks what the portal left: the exit code, the store and the outbox.
lose_display() {
  kill -KILL "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
  portal_ends "$name: after its display went"
  [ "$code" -eq 3 ] || fail "$name: exit code $code"
  grep -q '<Email>guest</Email>' "$system/Core.rdt" || fail "$name: the session's store was not saved: $(cat "$system/Core.rdt")"
  for message in SessionStarted SessionStopped; do
    grep -q "$message" "$system/Outbox.rdt" 2>/dev/null || fail "$name: the outbox lacks $message"
  done
}

start home "main window 800x572 shown"
sleep 1
lose_display

start box "dialog IDD_CONFIRM_SAVE shown" RIVAKEL_DIALOG=IDD_CONFIRM_SAVE
lose_display

start game "Rivakel: game Torvimble started" RIVAKEL_GAME="$(realpath "$module")"
read -r wx wy < <(window_origin)
[ -n "$wx" ] || fail "game: the window is not on the screen"
sleep 1.5
torvimble_player_takes_a_row Zed
lose_display
# The name typed in Change Player, and the game played under it: its row of "Top Rocks".
for kept in 'name="CurPlayer" value="Zed"' 'name="Score5Name" value="Zed"' 'name="Score5Score" value="100"'; do
  grep -q "$kept" "$system/Core.rdt" || fail "game: the store lacks $kept: $(cat "$system/Core.rdt")"
done
grep -q "GameStopped2" "$system/Outbox.rdt" || fail "game: the outbox lacks the game's stop"
echo "ok"
