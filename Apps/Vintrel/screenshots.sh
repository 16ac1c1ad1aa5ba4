# Vintrel's screens for scripts/game-screenshots.sh: the title, help and staff screen, the start
# animation, the pond with blobs coming out, a lost life with the rising angel and its panel, and
# the end of a game with the name box, "Play Again?" and a fresh game after "Y".
face=99CCFF
arrows=(Left Right Up Down)

# Swims about at random until a panel is up (or about three minutes have passed).
swim_until_panel() {
  for _ in $(seq 240); do
    [ "$(pixel 200 200)" = "$face" ] && return 0
    local a=${arrows[RANDOM % 4]} b=${arrows[RANDOM % 4]}
    xdotool keydown "$a" keydown "$b"; sleep 0.4; xdotool keyup "$a" keyup "$b"; sleep 0.3
  done
  return 1
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1.5; shot 03-staff
click 445 395; pause 0.5
click 270 200; pause 1; shot 04-starting
pause 2.5; shot 05-pond
pause 3; shot 06-blobs-out
# The game polls the arrows: held down, the blob speeds up until it meets the pond's edge.
xdotool keydown Right; pause 0.8; xdotool keyup Right; shot 07-moving
swim_until_panel; shot 08-life-lost
key space; pause 0.5; shot 09-continued
# Until "Play Again?": its panel ends above the life-lost panel's last line. A score that reaches
# the table is asked a name first (the box is drawn in the window, so it is answered blind).
for _ in $(seq 8); do
  swim_until_panel || true
  [ "$(pixel 200 305)" != "$face" ] && break
  key space; pause 0.5
done
shot 10-play-again
key y; pause 1; shot 11-new-game
