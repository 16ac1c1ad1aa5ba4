# Glimtide's screens for scripts/game-screenshots.sh: the title, help, staff list and hidden page,
# the three welcomes, the show and the player's turn, the try-again note, the name entry of a best,
# the end of the game and the endless show.
panel_blue=99CCFF

new_game() {  # back to the title through the portal's New Game, confirming when the game asks
  menu 1; pause 0.8
  key alt+y; pause 1.5
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5
# Letters arrive as their keys, so the upper-case code is typed without Shift.
type mossbrick; pause 1; shot 04-hidden-page
click 355 405; pause 0.5

click 220 270; pause 1.5; shot 06-medium-welcome; new_game
click 350 270; pause 1.5; shot 07-hard-welcome; new_game
click 120 270; pause 1.5; shot 05-easy-welcome
key space; pause 0.5; shot 08-watch-the-show
pause 2.4; shot 09-show-burst
pause 0.6; move 75 365; pause 0.3; shot 10-your-turn

# Icon 0 until three mistakes end the game; when the count is a best (a portal that keeps no
# bests), the third asks for a name first and that box is photographed too.
mistakes=0
while [ "$mistakes" -lt 3 ]; do
  click 25 365; pause 0.8
  if [ "$(pixel 170 100)" = "$panel_blue" ]; then
    mistakes=$((mistakes + 1))
    [ "$mistakes" -eq 1 ] && shot 11-try-again
    key space; pause 4
  elif [ "$mistakes" -eq 2 ]; then
    shot 12-high-score-entry
    type Ada; key Return; pause 0.8
    [ "$(pixel 170 100)" = "$panel_blue" ] && mistakes=$((mistakes + 1))
  else
    pause 9
  fi
done
shot 13-game-over
key n; pause 1
click 190 310; pause 6; shot 14-show
pause 4; shot 15-show-later
