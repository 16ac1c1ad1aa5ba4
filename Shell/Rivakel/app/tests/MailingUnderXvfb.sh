#!/usr/bin/env bash
# The real program in a fresh home on a private X server, installed by an e-mailed game, with data
# mailings opened as the desktop opens them (xdg-open through the registered ".rml" type):
#  1. a mailing for the installed game starts it, and the game hears the mailed message;
#  2. one for a game that is not installed shows the hand-over box; "Get it Now" keeps the mailing
#     as System/etc/AppMsg.rml, sends the browser to the game's page on the portal server (a
#     stand-in opener records it) and ends the program;
#  3. while that mailing is kept, an e-mailed start of another game starts that game and leaves
#     the mailing kept; the e-mailed start of the mailing's game installs it and opens the
#     mailing; that game stops without taking the message, and the next game started hears
#     nothing of it;
#  4. a malformed one shows "Cannot Open", then the Home page;
#  5. a mailing opened while the portal runs raises the running portal and opens nothing.
# Arguments: the program, the folder of the test games, the portal server. Exit 77 when something
# is missing. SHOTS=<folder> keeps a screenshot of each step there; KEEP_WORK=1 keeps the home.
set -u
binary="${1:-}"
games="${2:-}"
server="${3:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
[ -x "$server" ] || { echo "no portal server at '$server'"; exit 77; }
[ -f "$games/ShellTestGame.gam" ] || { echo "no test games in '$games'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo xwd convert xdg-open xdg-mime curl
opener="$(command -v xdg-open)"

portal_pid="" server_pid="" first_pid=""
start_fresh_home portal_pid first_pid server_pid
export SDL_AUDIODRIVER=dummy
shot() {  # name
  [ -n "${SHOTS:-}" ] || return 0
  mkdir -p "$SHOTS" && xwd -root -silent | convert xwd:- -crop 800x572+"$(window_origin | tr ' ' '+')" "$SHOTS/$1.png"
}
wait_for() {  # text, log
  for _ in $(seq 600); do grep -q "$1" "$2" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
ends_with() {  # pid, expected exit code
  for _ in $(seq 600); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
  wait "$1"
  [ $? -eq "$2" ]
}

install_emailed_game "$games/ShellTestGame.gam" "$work/install.log"
installed="$XDG_DATA_HOME/Rivakel"
kept="$installed/System/etc/AppMsg.rml"
[ "$(xdg-mime query default application/x-rivakel-rml)" = "Rivakel.RML.1.desktop" ] ||
  fail "the .rml type is not the portal's"

# The portal server stands in for the portal's site; a stand-in opener records the addresses the
# portal hands the browser.
"${tied[@]}" "$server" --port 0 --port-file "$work/port" --record "$work/record.txt" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 200); do [ -s "$work/port" ] && break; sleep 0.05; done
[ -s "$work/port" ] || fail "the portal server did not start"
port="$(cat "$work/port")"
echo "127.0.0.1:$port" >"$installed/LocalTestServer.txt"
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/browser.txt"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

mailing() {  # guid, version, message
  printf '<RML ShellVer="01.02.01.0005"><DATAMAILING><DATAMAIL><CREATOR GUID="%s" FILENAME="Game" VER="%s"><ITEM>[mail]%s[/mailed]</ITEM></DATAMAIL></DATAMAILING></RML>' "$1" "$2" "$3"
}
open_mailing() {  # file, log: as a file manager opens it
  "${tied[@]}" "$opener" "$1" 2>"$2" &
  portal_pid=$!
}
# The program the opener started (its child, or a child of that).
program_of() {  # opener pid
  local pid="$1" child
  for _ in 1 2 3 4; do
    child="$(ps -o pid= --ppid "$pid" | head -n1 | tr -d ' ')"
    [ -n "$child" ] || break
    pid="$child"
    [ "$(ps -o comm= -p "$pid")" = rivakel ] && break
  done
  echo "$pid"
}
# Ends the portal a mailing started, and the opener that waits for it.
close_opened() {
  kill -TERM "$(program_of "$portal_pid")"
  ends_with "$portal_pid" 0 || fail "the portal did not end well"
  portal_pid=""
}

# 1. The installed game, with its message.
mkdir -p "$work/mail"
mailing '{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}' 01.00.00.0001 'Beat my 1200 points' >"$work/mail/For You.rml"
open_mailing "$work/mail/For You.rml" "$work/installed.log"
wait_for "Rivakel: game Shell Test Game started" "$work/installed.log" || fail "the mailing started no game"
window_shown "$work/installed.log" || fail "no window"
for _ in $(seq 60); do [ "$(pixel 489 229)" = "#99CCCC" ] && break; sleep 0.1; done
[ "$(pixel 489 229)" = "#99CCCC" ] || fail "the game's board is not shown"
shot 1-installed-game
close_opened
grep -q 'Beat my 1200 points' "$installed/System/Core.rdt" || fail "the game did not hear the message"
[ -e "$kept" ] && fail "a mailing was kept"

# 2. A game that is not installed: the hand-over, and Get it Now.
testgame='{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}'
mailing "$testgame" 01.02.03.0004 'Come and play' >"$work/mail/missing.rml"
open_mailing "$work/mail/missing.rml" "$work/missing.log"
wait_for "dialog IDD_NEEDNEWGAME shown" "$work/missing.log" || fail "no hand-over box"
sleep 0.5
shot 2-hand-over
at="$(window_origin)"
[ -n "$at" ] || fail "the box has no window"
xdotool mousemove $(( ${at% *} + 20 )) $(( ${at#* } + 560 )) click 1
xdotool key alt+g
ends_with "$portal_pid" 0 || fail "Get it Now did not end the program well"; portal_pid=""
cmp -s "$work/mail/missing.rml" "$kept" || fail "the mailing was not kept whole"
page="http://127.0.0.1:$port/games/%7B0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0%7D"
[ "$(cat "$work/browser.txt" 2>/dev/null)" = "$page" ] || fail "the browser was sent to '$(cat "$work/browser.txt" 2>/dev/null)'"
curl -sf "$page" | grep -q "Get the game" || fail "the portal server has no page at $page"

# 3. E-mailed starts while the mailing is kept: as an e-mailed game's launcher starts the portal.
# The portal finds the game to start by the name of its file, which the portal's games share
# with the game.
start_emailed_game "$games/ShellTestGame.gam" "$work/other.log" "Shell Test Game"
wait_for "Rivakel: game Shell Test Game started" "$work/other.log" || fail "another e-mailed game did not start"
sleep 0.5
shot 3-other-emailed-game
grep -q "dialog IDD_NEEDNEWGAME shown" "$work/other.log" && fail "the kept mailing was opened for another game"
kill -TERM "$portal_pid"
ends_with "$portal_pid" 0 || fail "the other game's start did not end well"; portal_pid=""
cmp -s "$work/mail/missing.rml" "$kept" || fail "the kept mailing is gone"

start_emailed_game "$games/TestGame.gam" "$work/its-game.log"
wait_for "Rivakel: game Test Game started" "$work/its-game.log" || fail "the mailing's game did not start"
window_shown "$work/its-game.log" || fail "no window"
[ -e "$kept" ] && fail "the opened mailing is still kept"
grep -q "Rivakel: dialog .* shown" "$work/its-game.log" && fail "a box came up"
# Games, then the second tile of "Games you have" (the games in the order of their identifiers):
# leaving the running game is confirmed with Yes.
sleep 0.5
at="$(window_origin)"
xdotool mousemove $(( ${at% *} + 300 )) $(( ${at#* } + 24 )) click 1
sleep 0.5
xdotool mousemove $(( ${at% *} + 189 + 12 + 92 + 40 )) $(( ${at#* } + 129 + 82 + 30 )) click 1
wait_for "dialog IDD_QUIT_SAVED shown" "$work/its-game.log" || fail "no question before leaving the game"
sleep 0.3
xdotool key alt+y
wait_for "Rivakel: game Shell Test Game started" "$work/its-game.log" || fail "the next game did not start"
sleep 0.5
shot 3-next-game
kill -TERM "$portal_pid"
ends_with "$portal_pid" 0 || fail "the mailing's start did not end well"; portal_pid=""
grep -q 'Come and play' "$installed/System/Core.rdt" && fail "the next game heard the other game's message"

# 4. Not a mailing: "Cannot Open", then the Home page.
printf '<RML>Hello, this is no mailing</RML>' >"$work/mail/broken.rml"
open_mailing "$work/mail/broken.rml" "$work/broken.log"
wait_for "dialog MESSAGEBOX shown" "$work/broken.log" || fail "no box for a malformed mailing"
grep -q "OpenDataMailing: the document is no data mailing" "$work/broken.log" || fail "the box is not Cannot Open"
sleep 0.5
shot 4-cannot-open
at="$(window_origin)"
xdotool mousemove $(( ${at% *} + 20 )) $(( ${at#* } + 560 )) click 1
xdotool key Return
window_shown "$work/broken.log" || fail "no Home page after the box"
sleep 0.5
shot 4-home-after-cannot-open
grep -q "Rivakel: game" "$work/broken.log" && fail "a game started"
close_opened
[ -e "$kept" ] && fail "a malformed mailing was kept"

# 5. A mailing opened while the portal runs: the second start raises the first and ends.
"${tied[@]}" "$installed/rivakel" 2>"$work/first.log" &
first_pid=$!
window_shown "$work/first.log" || fail "the plain start showed no window"
open_mailing "$work/mail/For You.rml" "$work/second.log"
ends_with "$portal_pid" 0 || fail "the second start did not end well"; portal_pid=""
grep -q "splash" "$work/second.log" && fail "the second start went on to a session"
sleep 1
kill -0 "$first_pid" 2>/dev/null || fail "the running portal ended"
grep -q "Rivakel: game" "$work/first.log" && fail "the running portal started a game"
[ -e "$kept" ] && fail "the second start kept the mailing"
shot 5-second-start
kill -TERM "$first_pid"
ends_with "$first_pid" 0 || fail "the first portal did not end well"; first_pid=""
echo "ok"
