#!/usr/bin/env bash
# The real program in a fresh home on a private X server, started by an e-mailed game while a game
# runs: the installation's copy of a shipped banner fails (a folder is in the way), the "Unexpected
# Error" box is shown, and the program ends with -1 after stopping the game and the session in
# order: no fault, no error report, the store saved with the game's stop.
# Arguments: the program and the folder of the test games. Exit 77 when something is missing.
set -u
binary="${1:-}"
games="${2:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo
[ -f "$games/ShellTestGame.gam" ] || { echo "no test game in '$games'"; exit 77; }

portal_pid=""
start_fresh_home portal_pid
export XDG_STATE_HOME="$HOME/.local/state" SDL_AUDIODRIVER=dummy

# Return to the box up now; a click on the frame gives the window the keyboard first.
answer() {
  local at
  at="$(window_origin)"
  [ -n "$at" ] && xdotool mousemove $(( ${at% *} + 20 )) $(( ${at#* } + 560 )) click 1
  xdotool key Return
}

launch="$work/~rv1"
mkdir -p "$launch"
cp "$binary" "$launch/rivakel"
cp "$games/ShellTestGame.gam" "$launch/ShellTestGame.gam"
printf '#!/bin/sh\n' >"$launch/_Shell Test Game.run"
echo "a shipped banner" >"$launch/sbn-test.gif"
mkdir -p "$XDG_DATA_HOME/Rivakel/System/Banners/sbn-test.gif/in the way"

RIVAKEL_GAME="$launch/ShellTestGame.gam" "${tied[@]}" "$launch/rivakel" "$launch" "$launch/_Shell Test Game.run" \
  "ShellTestGame.gam" 2>"$work/portal.log" &
portal_pid=$!
portal_says "game Shell Test Game started"
portal_says "dialog IDD_AUTOINSTALL shown"
answer
portal_says "cannot copy sbn-test.gif"
portal_says "dialog MESSAGEBOX shown"
answer
portal_ends "after the box"

[ "$code" -eq 255 ] || fail "exit code $code, not 255 (-1)"
grep -q "game Shell Test Game stopped" "$work/portal.log" || fail "the game was not stopped"
grep -qi "fatal error\|error report\|pure virtual" "$work/portal.log" && fail "the exit faulted"
reports="$XDG_STATE_HOME/Rivakel/Reports"
[ -z "$(ls -A "$reports" 2>/dev/null)" ] || fail "a report was left: $(ls "$reports")"
outbox="$XDG_DATA_HOME/Rivakel/System/Outbox.rdt"
grep -q "GameStopped2" "$outbox" && grep -q "SessionStopped" "$outbox" || fail "the session's end was not saved"
echo "ok"
