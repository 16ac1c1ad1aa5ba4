# Slorrow's screens for scripts/game-screenshots.sh: the title, help, the selection, the duel's
# first turn, the power frame while charging, a ball in the air and the computer's answer.
shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
click 104 320; pause 0.5; shot 03-selection
click 247 132; pause 0.5; shot 04-sides-switched
click 257 376; pause 7.5; shot 05-first-turn
move 200 150
xdotool mousedown 1; pause 2.2; shot 06-charging; xdotool mouseup 1; pause 0.3; shot 07-flight
pause 5; shot 08-computer-turn
menu 1; pause 0.8; key alt+y; pause 1.5
type plumtag; pause 1; shot 09-staff
