# Brisquet2's screens for scripts/game-screenshots.sh: the title, help and staff screen, the
# challenge with a pop under way and its solved panel, a random puzzle's strip, the number prompt,
# a chosen puzzle, its failed panel and the number box of its "Choose Another". The clicks clear challenge puzzle 1 and run chosen puzzle
# 777 into a dead end: the boards are the same on every machine.
new_game() {  # back to the title through the portal's New Game, confirming when the game asks
  menu 1; pause 0.8
  key alt+y; pause 1.5
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff
click 360 405; pause 0.8

click 80 296; pause 1.5; shot 04-challenge
click 26 30; pause 0.2; shot 05-popping
pause 1.2
click 26 62; pause 1.4; click 26 158; pause 1.4; click 26 254; pause 1.4
click 154 126; pause 1.4; click 154 254; pause 1.4; click 186 190; pause 1.4; click 282 190; pause 1.4
click 346 158; pause 1.4; click 346 222; pause 1.4; click 346 254; pause 1.4; click 442 158; pause 1.4
click 442 254; pause 1.4
pause 0.5; shot 06-solved
click 250 276; pause 1

click 170 375; pause 1.5; move 250 200; shot 07-random
new_game
click 200 407; pause 1; shot 08-number-prompt
type 777; key Return; pause 1.5; shot 09-chosen
click 26 30; pause 1.4; click 26 94; pause 1.4; click 346 254; pause 1.4; click 122 190; pause 1.4
click 346 126; pause 1.4; click 90 318; pause 1.4; click 346 286; pause 1.4; click 26 286; pause 1.4
click 474 286; pause 1.4
pause 0.5; shot 10-failed
# "Choose Another": the number is asked over the bare board; Escape leaves it as it was.
click 250 256; pause 1; shot 10-choose-another
key Escape; pause 0.8
new_game
move 200 407; pause 0.5; shot 11-title-hover
