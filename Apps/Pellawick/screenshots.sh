# Pellawick's screens for scripts/game-screenshots.sh: the title, help and staff list, the Little
# League's intro and play with wishes and flying food, a strike, an inning won, the wave, the bonus
# level's intro and play, both promotions, the Minor and Major Leagues' intros and play, the game won,
# and a game over (a fresh table keeps its scores: no name is asked).
panel_fill=66CCFF

win_innings() {  # Space starts each inning, P wins it at once
  for _ in $(seq "$1"); do key space; pause 0.6; key p; pause 0.8; done
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5

click 100 158; pause 1; shot 04-little-league-intro
key space; pause 6; shot 05-little-league-wishes
key Left; pause 0.2; shot 06-seller-throws
pause 0.4; shot 07-food-in-flight
pause 7; shot 08-after-the-throw
# A strike when the throw found nobody hungry, else the wish served.
[ "$(pixel 160 312)" = "$panel_fill" ] && { shot 09-strike; key space; pause 0.5; }
key space; pause 1.5; shot 10-wave
pause 3; shot 11-wave-passing
key p; pause 0.6; shot 12-inning-won
win_innings 8
pause 0.5; shot 13-bonus-intro
key space; pause 4; shot 14-bonus-level
key p; pause 0.6; shot 15-promoted
key space; pause 1; shot 16-minor-league-intro
key space; pause 6; shot 17-minor-league-play
key s; pause 0.3; key Right; pause 0.3; shot 18-cola-selected
key p; pause 0.6
win_innings 8
key space; pause 0.3; key p; pause 0.6; shot 18-promoted-from-minors
key space; pause 1; shot 19-major-league-intro
key space; pause 6; shot 20-major-league-play
key d; pause 0.5; shot 21-third-snack
key p; pause 0.6
win_innings 8
pause 3; shot 22-game-won
key space; pause 1; shot 23-title-again

# Three throws at nobody: strikes, the last one the game over with the name entry.
click 100 158; pause 1
for strike in 1 2 3; do
  key space; pause 0.3; key Left; pause 9
  [ "$strike" -eq 1 ] && shot 24-strike-panel
done
pause 4; shot 25-game-over
key q; pause 1; shot 26-title-again
