# Vintrel's screens for scripts/game-screenshots.sh: the title, help and staff screen, the start
# animation, the pond with blobs coming out, a lost life with the rising angel and its panel, and
# the end of a game with the name box and "Play Again?".
shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1.5; shot 03-staff
click 440 395; pause 0.5
click 270 200; pause 1; shot 04-starting
pause 2.5; shot 05-pond
pause 3; shot 06-blobs-out
# The game polls the arrows: held down, the blob speeds up until it meets the pond's edge.
xdotool keydown Right; pause 1.5; xdotool keyup Right; shot 07-moving
