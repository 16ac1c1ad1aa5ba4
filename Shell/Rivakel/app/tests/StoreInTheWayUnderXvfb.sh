#!/usr/bin/env bash
# The real program on a private X server, installed with a game by an e-mailed start; then a
# folder takes the place of its user store (Core.rdt). The next start says so in its log and in a
# box, and stays installed: the game is on the Games page and starts from its tile, the folder is
# kept aside whole and the store is saved in a new file.
# Arguments: the program and the test game. Exit 77 when something is missing.
set -u
binary="${1:-}"
game="${2:-}"
[ -x "$binary" ] && [ -f "$game" ] || { echo "no program at '$binary' or no game at '$game'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo
binary="$(realpath "$binary")"

portal_pid=""
start_fresh_home portal_pid
export SDL_AUDIODRIVER=dummy
install_emailed_game "$game" "$work/install.log"
system="$XDG_DATA_HOME/Rivakel/System"
[ -f "$system/Core.rdt" ] || fail "the installation wrote no store"
rm "$system/Core.rdt"
mkdir -p "$system/Core.rdt/notes"
echo "mine" >"$system/Core.rdt/notes/kept.txt"

"${tied[@]}" "$XDG_DATA_HOME/Rivakel/rivakel" 2>"$work/portal.log" &
portal_pid=$!
portal_says "dialog MESSAGEBOX shown"
grep -q "a folder is where the user store belongs" "$work/portal.log" || fail "the log does not say so"
grep -q "kept aside as Core.rdt.unreadable" "$work/portal.log" || fail "the folder was not kept aside"
read -r wx wy < <(window_origin)
[ -n "${wx:-}" ] || fail "the window is not on the screen"
# Return to the box; a click on the frame gives the window the keyboard first.
xdotool mousemove $((wx + 20)) $((wy + 560)) click 1
xdotool key Return
window_shown "$work/portal.log" || fail "no main window after the box"
sleep 0.5
# The Games page at the top; its first tile at (12, 82) of the page, which lies at (189, 129).
xdotool mousemove $((wx + 300)) $((wy + 24)) click 1
sleep 0.5
xdotool mousemove $((wx + 189 + 12 + 40)) $((wy + 129 + 82 + 30)) click 1
portal_says "Rivakel: game .* started"
kill -TERM "$portal_pid"
portal_ends "after SIGTERM"
[ "$code" -eq 0 ] || fail "SIGTERM ended the portal with $code"

[ -f "$system/Core.rdt" ] || fail "no store was saved in the folder's place"
grep -q "GameStarted" "$system/Outbox.rdt" || fail "the session's game was not saved"
[ "$(cat "$system/Core.rdt.unreadable/notes/kept.txt" 2>/dev/null)" = mine ] || fail "the folder was not kept whole"
echo "ok"
