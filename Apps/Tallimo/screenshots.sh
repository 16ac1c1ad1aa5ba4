# Tallimo's screens for scripts/game-screenshots.sh: the title, help and staff roll, a truck's
# intro, arrival and play, the check, the failed truck's note, and the name entry on the truck.
new_game() {  # back to the title through the portal's New Game, confirming when the game asks
  menu 1; pause 0.8
  key alt+y; pause 1.5
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 9; shot 03-staff-roll
key space; pause 0.5

# Level 19: a big truck, seven kinds.
click 474 262; pause 0.3
click 320 300; pause 2.6; shot 04-intro
key space; pause 2.8; shot 05-belt-arrives
pause 3; key Left; pause 0.2; shot 06-steering
# Balls dropped where they come: too few match, the truck fails.
for i in $(seq 1 60); do key space; pause 0.25; done
pause 4; shot 07-check
pause 3; shot 08-sorry
for life in 1 2; do
  key space; pause 5
  key space; pause 3
  for i in $(seq 1 60); do key space; pause 0.25; done
  pause 8
done
shot 09-game-over
key space; pause 3; shot 10-name-entry
type ADA; pause 0.3; shot 11-name-typed
key Return; pause 1; shot 12-title-with-score
