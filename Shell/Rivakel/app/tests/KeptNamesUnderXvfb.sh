#!/usr/bin/env bash
# The real program on a private X server, started one of the ways a user starts a portal:
#   run-folder  the build's own data folder as scripts/run.sh uses it (a copy of <build>/portal)
#   installed   the portal an e-mailed game installed
#   empty       scripts/start-portal.sh on a build whose data folder is empty
#   cut         an installed portal whose Core file was cut inside its users
# Torvimble's "Top Rocks" first shows the game's own rows; a player named through Change Player
# takes the last row at the blackjack table; after a SIGTERM and a restart the player and the row
# are still there, in the store on the disk and on the screen.
# Arguments: the program, Torvimble's module, the way. Exit 77 when something is missing.
# SHOTS=<folder> keeps the screenshots.
set -u
binary="${1:-}"
module="${2:-}"
way="${3:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
[ -f "$module" ] || { echo "no Torvimble module at '$module'"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo xwd convert cmake
binary="$(realpath "$binary")"
module="$(realpath "$module")"
build="$(cd "$(dirname "$binary")/../.." && pwd)"
source_dir="$(cd "$(dirname "$0")/../../../.." && pwd)"
id='{6934F453-91A5-4910-A527-41732408C021}'

start_portal_session
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
mkdir -p "$work/run" "$HOME" && chmod 700 "$work/run"

# A build folder of our own holding the program: start-portal.sh takes <build>/portal as its data.
own_build() {
  mkdir -p "$work/build/Shell/Rivakel"
  ln -s "$binary" "$work/build/Shell/Rivakel/rivakel"
}

case "$way" in
  run-folder)
    [ -f "$build/portal/Rivakel/System/Core.rdt" ] || { echo "no seeded portal in $build (target rivakel_portal)"; exit 77; }
    own_build
    cp -r "$build/portal" "$work/build/portal"
    start=("$source_dir/scripts/start-portal.sh" "$work/build")
    store="$work/build/portal/Rivakel/System/Core.rdt"
    game="$work/build/portal/Rivakel/Games/$id/$id.gam"
    [ -f "$game" ] || game="$module"
    ;;
  installed)
    XDG_DATA_HOME="$work/data" install_emailed_game "$module" "$work/install.log"
    start=(env XDG_DATA_HOME="$work/data" "$work/data/Rivakel/rivakel")
    store="$work/data/Rivakel/System/Core.rdt"
    game="$work/data/Rivakel/Games/$id/$id.gam"
    ;;
  empty)
    own_build
    mkdir -p "$work/build/portal"
    start=("$source_dir/scripts/start-portal.sh" "$work/build")
    store="$work/build/portal/Rivakel/System/Core.rdt"
    game="$module"
    ;;
  cut)
    # Another game's best player, then the file ends inside the record after it.
    store="$work/data/Rivakel/System/Core.rdt"
    mkdir -p "$(dirname "$store")"
    printf '%s\r\n' '<RDT ver="00.01.00.00" shellver="01.00.00.0001">' '   <Users>' '      <User localid="0">' \
      '         <Email>guest</Email>' '         <RLS ownerid="{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}">' \
      '            <RLSProp name="Score1Name" value="Ann"/>' >"$store"
    printf '            <RLSProp name="Score1Sc' >>"$store"
    start=(env XDG_DATA_HOME="$work/data" "$binary")
    game="$module"
    ;;
  *) echo "no way '$way'"; exit 2 ;;
esac
[ -f "$game" ] || fail "no game module at $game"

# Game-area coordinates: the area lies at (189, 129) of the window.
click() { xdotool mousemove $((wx + 189 + $1)) $((wy + 129 + $2)) click 1; sleep 0.6; }
shoot() {
  xwd -root -silent | convert xwd:- -crop "800x572+${wx}+${wy}" +repage "$work/$1.png"
  [ -n "${SHOTS:-}" ] && mkdir -p "$SHOTS" && cp "$work/$1.png" "$SHOTS/$way-$1.png"
  return 0
}
# The pixels of a part of a screenshot, as one digest: x y width height in the game area.
digest() { convert "$work/$1.png" -crop "$4x$5+$((189 + $2))+$((129 + $3))" +repage rgb:- | md5sum | cut -c1-32; }
# The share of dark pixels (text) in a part of a screenshot, in percent.
ink() { convert "$work/$1.png" -crop "$4x$5+$((189 + $2))+$((129 + $3))" +repage -colorspace gray -threshold 30% \
          -format '%[fx:int(100*(1-mean))]' info:; }
# Where Top Rocks writes its names (a nameless row shows its dotted line there), the whole table,
# and the player's name on the title.
names() { ink "$1" 350 22 40 85; }
table() { digest "$1" 350 22 150 85; }
player() { digest "$1" 307 192 193 30; }

# The portal with the game; its output in "$work/portal.log" (the start before's in earlier.log).
start_game() {
  [ -f "$work/portal.log" ] && mv "$work/portal.log" "$work/earlier.log"
  RIVAKEL_GAME="$game" "${tied[@]}" "${start[@]}" 2>"$work/portal.log" &
  portal_pid=$!
  window_shown "$work/portal.log" || fail "no main window"
  for _ in $(seq 200); do grep -q "Rivakel: game Torvimble started" "$work/portal.log" && break; sleep 0.05; done
  grep -q "Rivakel: game Torvimble started" "$work/portal.log" || fail "Torvimble did not start"
  read -r wx wy < <(window_origin)
  [ -n "$wx" ] || fail "the window is not on the screen"
  sleep 1.5
}
end_with_sigterm() {
  kill -TERM "$portal_pid"
  local code=0
  wait "$portal_pid" || code=$?
  portal_pid=""
  [ "$code" -eq 0 ] || fail "SIGTERM ended the portal with $code"
}

start_game
shoot title
[ "$(names title)" -ge 10 ] || fail "Top Rocks shows no names: $(names title)% ink"

torvimble_player_takes_a_row Zed
click 453 372  # back to the title
sleep 1
shoot named
[ "$(table named)" != "$(table title)" ] || fail "the table did not take the player"
[ "$(player named)" != "$(player title)" ] || fail "the title does not show the new player"
end_with_sigterm

grep -q 'value="Zed"' "$store" || fail "the store on the disk does not hold the player: $(cat "$store")"
if [ "$way" = cut ]; then
  grep -q 'value="Ann"' "$store" || fail "the cut file's record was lost: $(cat "$store")"
fi

start_game
shoot restarted
[ "$(table restarted)" = "$(table named)" ] || fail "after the restart the table is not as it was left"
[ "$(player restarted)" = "$(player named)" ] || fail "after the restart the player is not Zed"
end_with_sigterm
echo "ok"
