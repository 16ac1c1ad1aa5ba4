# Grumbolt's screens for scripts/game-screenshots.sh: the title, help and staff list; a random
# swamp; the first swamp of the challenge (always the same) with a frog selected, mid-leap, solved
# and the next one; the Reset and Skip questions; a swamp picked by number; and being stuck.
new_game() {  # back to the title through the portal's New Game, confirming when the game asks
  menu 1; pause 0.8
  key alt+y; pause 1.5
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.8
click 75 362; pause 1.5; shot 04-easy-swamp
new_game

# Challenge swamp 1: 3,5 over 4,5; 5,6 over 5,5; 5,4 over 6,4; 7,4 over 7,5; 6,6 over 7,6.
click 360 380; pause 1.5; shot 05-challenge-swamp
click 122 206; pause 0.4; shot 06-frog-selected
click 182 208; pause 0.1; shot 07-mid-leap
pause 0.8
click 182 236; pause 0.3; click 182 178; pause 1
click 182 176; pause 0.3; click 242 178; pause 1
click 242 176; pause 0.3; click 242 238; pause 1
click 212 236; pause 0.3; click 272 238; pause 1.2; shot 08-solved
key Return; pause 1; shot 09-next-swamp
click 420 222; pause 0.8; shot 10-reset-question
key Escape; pause 0.5
click 420 261; pause 0.8; shot 11-skip-question
key Escape; pause 0.5
new_game

click 140 400; pause 0.8; type 12345; pause 0.3; shot 12-swamp-number
key Return; pause 1.5; shot 13-numbered-swamp
new_game

# Back to swamp 1 to get stuck: 3,5 over 4,5; 5,6 over 5,5; 6,4 over 5,4.
click 300 398; pause 0.8; key Return; pause 0.8; shot 14-title-after-reset
click 360 380; pause 1.5
click 122 206; pause 0.3; click 182 208; pause 1
click 182 236; pause 0.3; click 182 178; pause 1
click 212 176; pause 0.3; click 152 178; pause 1.2; shot 15-stuck
key Return; pause 1; shot 16-same-swamp-again
