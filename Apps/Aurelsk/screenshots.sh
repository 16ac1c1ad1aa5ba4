# Aurelsk's screens for scripts/game-screenshots.sh: the title, help, staff list and hidden page,
# the dive (treasure, enemies, the hold lights), the low-oxygen warning, the game-over picture
# risen with "Try Again?" and "Quit?", and a fresh game after it.
hold() {  # holds a key for some seconds, as the game polls held keys
  xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 360 405; pause 0.5
# Letters arrive as their keys, so the upper-case code is typed without Shift.
type kelpwhirl; pause 1; shot 04-hidden-page
click 360 405; pause 0.5

click 235 400; pause 0.5; shot 05-play-start
hold Down 2.5; hold Right 0.8; key space; pause 0.1; shot 06-diving
pause 5; shot 07-deep
pause 12; shot 08-low-oxygen
# The oxygen runs out for each of the four submarines.
pause 60; shot 09-game-over-rising
pause 20; shot 10-game-over
click 180 330; pause 1; shot 11-try-again
