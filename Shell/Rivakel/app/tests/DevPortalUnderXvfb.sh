#!/usr/bin/env bash
# The portal as scripts/run.sh starts it (scripts/start-portal.sh on the build's own data folder),
# on a private X server: its Games page has a tile for every game built (Dunmoro and Glimtide
# among them), and a click on each starts that game. Against the local portal server, the store
# seeded for a first run asks once for the installation's identifier, which every later message
# carries. Works on a copy of the build's portal folder. Exit 77 when something is missing.
set -u
binary="${1:-}"
[ -x "$binary" ] || { echo "no program at '$binary'"; exit 77; }
build="$(cd "$(dirname "$binary")/../.." && pwd)"
[ -d "$build/portal/Rivakel/Games" ] || { echo "no portal folder in $build (target rivakel_portal)"; exit 77; }
source "$(dirname "$0")/XvfbSession.sh"
need_tools Xvfb xdotool xwininfo
source_dir="$(cd "$(dirname "$0")/../../../.." && pwd)"
server="$build/Tools/portalserver/rivakel_portalserver"
[ -x "$server" ] || { echo "no portal server at '$server'"; exit 77; }

start_portal_session
server_pid=""
trap 'for pid in "$portal_pid" "$server_pid" "$xvfb_pid"; do [ -n "$pid" ] && stop "$pid"; done; wait 2>/dev/null; rm -rf "$work"' EXIT
export RIVAKEL_PLATFORM=sdl SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/run"
mkdir -p "$work/run" && chmod 700 "$work/run"
# A build folder of our own: the program itself and a copy of its portal folder.
mkdir -p "$work/build/Shell/Rivakel"
ln -s "$binary" "$work/build/Shell/Rivakel/rivakel"
cp -r "$build/portal" "$work/build/portal"
# The store as a first run finds it: the one the build seeds (start-portal.sh seeds it again).
rm -rf "$work/build/portal/Rivakel/System"
"${tied[@]}" "$server" --port 0 --port-file "$work/port" --record "$work/record.txt" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 200); do [ -s "$work/port" ] && break; sleep 0.05; done
[ -s "$work/port" ] || fail "the portal server did not start"
echo "127.0.0.1:$(cat "$work/port")" >"$work/build/portal/Rivakel/LocalTestServer.txt"

# Starts the portal, shows the Games page, clicks tile <n> and prints the game that started.
play_tile() {
  # Emptied here, not by the started program: the wait below must not read the last start's log.
  : >"$work/portal.log"
  "${tied[@]}" "$source_dir/scripts/start-portal.sh" "$work/build" 2>>"$work/portal.log" &
  portal_pid=$!
  for _ in $(seq 2400); do grep -q "main window 800x572 shown" "$work/portal.log" && break; sleep 0.05; done
  grep -q "main window 800x572 shown" "$work/portal.log" || fail "no main window"
  local line wx wy
  line="$(xwininfo -root -tree | grep '"Rivakel"' | grep ' 800x572+' | head -n1)"
  read -r wx wy < <(sed -E 's/.* [0-9]+x[0-9]+\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2/' <<<"$line")
  [ -n "$wx" ] || fail "the window is not on the screen"
  sleep 0.5
  xdotool mousemove $((wx + 300)) $((wy + 24)) click 1
  sleep 0.5
  # The page is at (189, 129); "Games you have" tiles start at (12, 82), five to a row.
  xdotool mousemove $((wx + 189 + 12 + 92 * ($1 % 5) + 40)) $((wy + 129 + 82 + 73 * ($1 / 5) + 30)) click 1
  for _ in $(seq 600); do grep -q "Rivakel: game .* started" "$work/portal.log" && break; sleep 0.05; done
  local name
  name="$(sed -nE 's/.*Rivakel: game (.*) started.*/\1/p' "$work/portal.log" | head -n1)"
  [ -n "$name" ] || fail "tile $1 started no game"
  xwininfo -root -tree | grep -q "\"Rivakel - $name\"" || fail "the window's title does not name $name"
  kill -TERM "$portal_pid"
  wait "$portal_pid"
  portal_pid=""
  echo "$name"
}

built=$(find "$build/portal/Rivakel/Games" -mindepth 1 -maxdepth 1 -type d | wc -l)
names=()
for ((tile = 0; tile < built; ++tile)); do
  name="$(play_tile "$tile")" || { echo "$name"; exit 1; }
  names+=("$name")
done
echo "tiles: ${names[*]}"
distinct=$(printf '%s\n' "${names[@]}" | sort -u | wc -l)
[ "$distinct" -eq "$built" ] || fail "$built games built, the tiles started: ${names[*]}"
for game in Dunmoro Glimtide; do
  printf '%s\n' "${names[@]}" | grep -qx "$game" || fail "no tile starts $game: ${names[*]}"
done
# The installed portal's folders were not touched: the data folder is the build's own.
[ -e "$work/build/portal/Rivakel/System/Core.rdt" ] || fail "the build's data folder was not used"
# One request for the identifier over all the starts (sent again under its own ids at most), and
# the last message carries the identifier the server gave.
asked=$(awk -F'\t' '$1 == "GetShellGUID" { print $3, $4 }' "$work/record.txt" | sort -u | wc -l)
[ "$asked" -eq 1 ] || fail "$asked requests for the identifier: $(cut -f1,2 "$work/record.txt" | sort | uniq -c)"
guid="$(sed -nE 's/.*<ShellGUID>([^<]*)<.*/\1/p' "$work/build/portal/Rivakel/System/Core.rdt")"
[ -n "$guid" ] || fail "no identifier was stored"
[ "$(tail -n1 "$work/record.txt" | cut -f2)" = "$guid" ] || fail "the last message came as $(tail -n1 "$work/record.txt" | cut -f2)"
echo "ok"
