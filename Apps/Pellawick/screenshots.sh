# Pellawick's screens for scripts/game-screenshots.sh: the title, help and staff list, the three
# league intros, play in the small and the big stadium with wishes, flying food and the wave, a
# strike, an inning won, promotion, the bonus level, the name entry of a best, the game-over and
# the game-won panels.

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5

click 90 160; pause 1; shot 04-little-league-intro
key space; pause 4; shot 05-little-league-play
key Up; pause 0.3; key Left; pause 0.15; shot 06-throw
pause 3; shot 07-wishes
key space; pause 1.5; shot 08-wave
pause 6
key p; pause 3.5; shot 09-inning-won
