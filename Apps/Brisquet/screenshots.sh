# Brisquet's screens for scripts/game-screenshots.sh: the level select with its demo, the title
# with the staff roll (both demo bubbles clicked in their pause), the help, a screen of the
# Beginner level with a pop under way and its hint.
shot 01-level-select
pause 1.2; shot 02-demo
menu 3; pause 0.8; shot 03-help
menu 2; pause 0.5
