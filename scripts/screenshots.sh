#!/usr/bin/env bash
# Builds the portal, runs it on a private X server and writes PNG screenshots to the folder given
# (default: screenshots/ at the top of the tree): both skins, every page of the menu, the banner
# spot lit, sliding and rotated, the catalogue page, the cardback selector and offer, the shell's
# test game launched, paused by Escape and by deactivation, resumed, left for another game with
# the question answered both ways, and every dialog. Also prints the portal's resident memory
# with the frame shown. Needs xdotool, xwd and ImageMagick beside Xvfb; installs them when missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/screenshots}")"
mkdir -p "$out"

"$root/scripts/setup.sh"
for tool in xdotool:xdotool xwd:x11-apps /usr/bin/convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || {
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${tool##*:}"
  }
done
# A compiler cache speeds rebuilds where one is installed; setup.sh does not install it.
if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
cd "$root"
cmake --preset debug >/dev/null
cmake --build --preset debug -j4 --target rivakel ShellTestGame rivakel_frame_shell_tests rivakel_portalserver \
  rivakel_frame_cardbacks_tests CardbackTestGame rivakel_frame_pages_settings_tests >/dev/null
bin="$root/build/debug/Shell/Rivakel/rivakel"
game="$root/build/debug/Shell/Rivakel/testgames/ShellTestGame.gam"

work="$(mktemp -d)"
xvfb_pid="" portal_pid="" other_pid="" server_pid=""
cleanup() {
  for pid in $other_pid $portal_pid $server_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# A private X server of that screen size, replacing the one before.
start_x() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
}
export RIVAKEL_PLATFORM=sdl ASAN_OPTIONS="detect_leaks=0"
start_x 1024x768
"$root/build/debug/Tools/portalserver/rivakel_portalserver" --port 0 --port-file "$work/server-port" >/dev/null 2>&1 &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/server-port" ] && break; sleep 0.1; done

wx=0 wy=0 ww=0 wh=0
# Starts the portal afresh (new data folder) and finds its window.
start() {  # start <width>x<height> [game] [what to lay into the data folder first]
  stop_portal
  rm -rf "$work/data" "$work/run" && mkdir -p "$work/data/Rivakel" "$work/run" && chmod 700 "$work/run"
  # The forms talk to the local portal server.
  echo "127.0.0.1:$(cat "$work/server-port")" >"$work/data/Rivakel/LocalTestServer.txt"
  [ -z "${3:-}" ] || "$3"
  XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" RIVAKEL_GAME="${2:-}" RIVAKEL_DIALOG="${RIVAKEL_DIALOG:-}" "$bin" >"$work/portal.log" 2>&1 &
  portal_pid=$!
  for _ in $(seq 200); do grep -q "main window $1 shown" "$work/portal.log" && break; sleep 0.05; done
  local line
  line="$(xwininfo -root -tree | grep '"Rivakel' | grep " $1+" | head -n1)"
  read -r wx wy < <(sed -E 's/.* [0-9]+x[0-9]+\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2/' <<<"$line")
  ww="${1%x*}" wh="${1#*x}"
  sleep 0.5
}
stop_portal() {
  [ -n "$portal_pid" ] || return 0
  kill -KILL "$portal_pid" 2>/dev/null || true
  wait "$portal_pid" 2>/dev/null || true
  portal_pid=""
}
shot() { sleep 0.4; xwd -root -silent | /usr/bin/convert xwd:- -crop "${ww}x${wh}+${wx}+${wy}" +repage "$out/$1.png"; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; sleep 0.3; }
key() { xdotool key "$1"; sleep 0.3; }

# The big skin, every page of the menu, the terms.
start 800x572
echo "resident memory with the frame shown: $(grep VmRSS /proc/$portal_pid/status | awk '{print $2}') kB"
shot big-skin-home
for page in games:300 support:395 about:490 join:640; do click "${page#*:}" 24; shot "page-${page%%:*}"; done
click 60 116; shot dialog-IDD_TERMSOFSERVICE; key Return
# Support: a section from the overview, one of its questions and the next; About's seals view.
click 395 24; click 205 290; shot page-support-section
click 260 276; shot page-support-question
click 500 456; shot page-support-question-next
click 490 24; click 628 464; shot page-about-seals
click 788 12; shot page-exit
# The close question (a termination signal ends the session unasked).
RIVAKEL_DIALOG=IDD_QUIT_NOTSAVED start 800x572; shot dialog-IDD_QUIT_NOTSAVED

# The forms, in a new portal: a bad address refused, a good one sent and answered (which installs
# the shell), a game to get, all games to get.
start 800x572
click 640 24
page() { click $((189 + $1)) $((129 + $2)); }
type_text() { xdotool type --delay 20 "$1"; sleep 0.3; }
type_text "nobody"; key Return; shot form-join-refused
key ctrl+a; key BackSpace; type_text "player@example.com"; key Return; sleep 2.5; shot form-join-subscribed
click 205 24; shot page-home-after
page 351 127; page 351 127; shot page-home-featured-scrolled
page 70 209; shot page-get-game
type_text "player@example.com"; key Return; sleep 2.5; shot form-get-game-sent
page 407 354; shot page-all-games

# The Games page of an installed shell with the test game: its tile above the recommendations.
installed_with_game() {
  local id='{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}'
  mkdir -p "$work/data/Rivakel/System" "$work/data/Rivakel/Games/$id"
  echo '<Core></Core>' >"$work/data/Rivakel/System/Core.rdt"
  cp "$game" "$work/data/Rivakel/Games/$id/$id.gam"
}
start 800x572 "" installed_with_game
click 300 24; shot page-games-installed

# The advertising spots: the banner lit under the pointer, the next one sliding in at its 30
# seconds and in place, then the catalogue page with one area of its map lit.
start 800x572; started="$(date +%s.%N)"
xdotool mousemove $((wx + 400)) $((wy + 89)); shot banner-lit
xdotool mousemove $((wx + 400)) $((wy + 300))
# The screen is taken at once and cut later, half way through the slide.
sleep "$(awk -v t="$started" -v now="$(date +%s.%N)" 'BEGIN { d = t + 29.2 - now; print (d > 0 ? d : 0) }')"
xwd -root -silent >"$work/sliding.xwd"
/usr/bin/convert "xwd:$work/sliding.xwd" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$out/banner-sliding.png"
sleep 1.5; shot banner-mail-a-friend
click 716 84; shot page-catalog
xdotool mousemove $((wx + 189 + 90)) $((wy + 129 + 150)); shot page-catalog-area-lit
stop_portal

# The small skin (a narrow screen).
stop_portal
start_x 780x600
start 640x452; shot small-skin-home
stop_portal
start_x 1024x768

# The test game: launched, paused by Escape, resumed, paused by deactivation, resumed.
menu() { click 142 $((157 + $1 * 67)); }
start 800x572 "$game"; shot game-launched
key Escape; xdotool search --name '^Rivakel' windowmap 2>/dev/null || true; sleep 0.3; shot game-paused-by-escape
menu 2; shot game-resumed
xmessage -geometry 300x100+0+0 "another window" 2>/dev/null & other_pid=$!
sleep 0.5; xdotool search --name xmessage windowfocus 2>/dev/null || true; sleep 0.3
kill "$other_pid" 2>/dev/null || true; other_pid=""
shot game-paused-by-deactivation
menu 2; shot game-resumed-again
menu 3; shot game-instructions
# Its boxes.
menu 2; key m; shot dialog-MESSAGEBOX; key Return
key i; shot dialog-IDD_INPUT_BOX; key Escape
key j; shot dialog-IDD_INPUT_BOX2; key Return
key e; shot mail-confirm-asking
click $((238 + 205)) $((230 + 93)); sleep 2.5; shot mail-confirm-sent
click $((238 + 286)) $((230 + 93))
# E-Mail This from the menu: the game's form.
menu 0; shot page-email-this
type_text "a@example.com, b@example.com"; key Return; shot form-email-this-refused
menu 0
# Another page, then the game is left for a new one: No keeps it, Yes starts it afresh.
click 300 24; shot game-under-games-page
menu 0; shot game-back-to-game
menu 1; shot dialog-IDD_QUIT_SAVED; key Return; shot game-kept-after-no
menu 1; key alt+y; shot game-new-after-yes
stop_portal

# The templates nothing in the portal opens yet, opened by name in the real window.
for dialog in IDD_AUTOINSTALL IDD_CONFIRM_SAVE IDD_NEEDNEWGAME; do
  RIVAKEL_DIALOG="$dialog" start 800x572; shot "dialog-$dialog"
done
stop_portal
# The cardback selector (its page is not in the menu yet), the offer of a game's own cardback and
# the chosen cardback drawn by a card game, by the headless end-to-end test with the machine's fonts.
RIVAKEL_SCREENSHOTS="$work" RIVAKEL_PLATFORM=headless "$root/build/debug/Shell/Rivakel/rivakel_frame_cardbacks_tests" \
  --gtest_filter='*ForTheScreenshots' >/dev/null
# The Settings page (reached from the Home page), drawn the same way.
RIVAKEL_SCREENSHOTS="$work" RIVAKEL_PLATFORM=headless "$root/build/debug/Shell/Rivakel/rivakel_frame_pages_settings_tests" \
  --gtest_filter='*ForTheScreenshots' >/dev/null
for ppm in "$work"/*.ppm; do /usr/bin/convert "$ppm" "$out/$(basename "${ppm%.ppm}").png"; done
echo "screenshots in $out:"; ls "$out"
