#!/usr/bin/env bash
# The real program in a fresh home on a private X server: an e-mailed game's first start installs
# the shell and the game; the shortcut's desktop entry passes the desktop's checker and starts the
# installed shell; a second e-mailed game given to the installed shell installs and shows as a
# tile, and a click on the first game's tile starts it.
# Arguments: the program and the folder of the test games. Exit 77 when something is missing.
# KEEP_WORK=1 keeps the home folder, and a screenshot of a failure, for a look afterwards.
set -u
binary="${1:-}"
games="${2:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwd convert desktop-file-validate
[ -f "$games/ShellTestGame.gam" ] && [ -f "$games/TestGame.gam" ] || { echo "no test games in '$games'"; exit 77; }

portal_pid=""
start_fresh_home portal_pid

# 1. The e-mailed game unpacks into a "~rv" folder and starts the program there.
install_emailed_game "$games/ShellTestGame.gam" "$work/first.log"

installed="$XDG_DATA_HOME/Rivakel"
id='{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}'
[ -x "$installed/rivakel" ] || fail "no installed program"
[ -f "$installed/System/Core.rdt" ] || fail "no Core file"
cmp -s "$games/ShellTestGame.gam" "$installed/Games/$id/$id.gam" || fail "the game was not installed whole"
[ -f "$HOME/Documents/My Rivakel/_ShellTestGame.run" ] || fail "the launcher was not kept"
for entry in "$XDG_DATA_HOME/applications/rivakel.desktop" "$HOME/Desktop/rivakel.desktop" \
             "$XDG_DATA_HOME/applications/Rivakel.RML.1.desktop"; do
  desktop-file-validate "$entry" >"$work/validate.log" 2>&1 || fail "desktop-file-validate refused $entry"
done

# 2. The shortcut starts the installed shell in its folder.
shortcut="$XDG_DATA_HOME/applications/rivakel.desktop"
program="$(sed -n 's/^Exec=//p' "$shortcut" | tr -d '"')"
folder="$(sed -n 's/^Path=//p' "$shortcut")"
[ "$program" = "$installed/rivakel" ] || fail "the shortcut runs '$program'"
"${tied[@]}" env -C "$folder" "$program" 2>"$work/shortcut.log" &
portal_pid=$!
window_shown "$work/shortcut.log" || fail "the shortcut's start showed no window"
kill -TERM "$portal_pid"
for _ in $(seq 600); do kill -0 "$portal_pid" 2>/dev/null || break; sleep 0.05; done
wait "$portal_pid"; code=$?; portal_pid=""
[ "$code" -eq 0 ] || fail "the installed shell exited $code"

# 3. Another e-mailed game for the installed shell: installed at start, shown among the tiles.
other="$work/~rv2"
mkdir -p "$other"
cp "$games/TestGame.gam" "$other/TestGame.gam"
printf '#!/bin/sh\n' >"$other/_Test Game.run"
"${tied[@]}" "$installed/rivakel" "$other" "$other/_Test Game.run" "TestGame.gam" 2>"$work/second.log" &
portal_pid=$!
window_shown "$work/second.log" || fail "the second e-mailed start showed no window"
second="$installed/Games/{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}/{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}.gam"
# A loaded machine may take a while; the wait only bounds a broken run.
for _ in $(seq 300); do [ -f "$second" ] && break; sleep 0.1; done
[ -f "$second" ] || fail "the second game was not installed"
# The games page lists both; the second tile (the first game's) starts it: its board fills the area.
at="$(window_origin)"
xdotool mousemove $(( ${at% *} + 189 + 104 + 40 )) $(( ${at#* } + 129 + 82 + 30 ))
for _ in $(seq 60); do
  xdotool click 1
  sleep 0.5
  [ "$(pixel 489 229)" = "#99CCCC" ] && break
done
[ "$(pixel 489 229)" = "#99CCCC" ] || fail "the tile did not start the game (pixel $(pixel 489 229) in the window at $(window_origin))"
echo "ok"
