# Brisquet's screens for scripts/game-screenshots.sh: the level select with its demo, the title
# with the staff roll (both demo bubbles clicked in their pause), the help, the first screen with
# a pop under way, its hint, a dead end, and the screen cleared with its celebration.
shot 01-level-select
pause 1.2; shot 02-demo
menu 3; pause 0.8; shot 03-help
menu 2; pause 0.5
pause 2.5; click 71 296; click 429 296; pause 1; shot 04-title
click 250 150; pause 0.5
click 240 318; pause 1; shot 05-play
click 46 258; pause 0.1; shot 06-popping
pause 1; click 397 346; pause 0.3; shot 07-hint
click 78 354; pause 1; click 142 354; pause 1; shot 08-dead-end
