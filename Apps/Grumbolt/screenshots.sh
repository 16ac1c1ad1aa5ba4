# Grumbolt's screens for scripts/game-screenshots.sh: the title, help and staff list, a random
# swamp with a frog selected and mid-jump, the challenge's side panel and its boxes.
shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.8
click 75 362; pause 1.5; shot 04-easy-swamp
