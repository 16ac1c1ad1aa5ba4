# Brisquet2's screens for scripts/game-screenshots.sh: the title, help and staff screen, the
# challenge and the random modes with their strips, a pop, the failed and solved panels and the
# number prompt.
shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff
click 360 405; pause 0.8
click 80 296; pause 1.5; shot 04-challenge
