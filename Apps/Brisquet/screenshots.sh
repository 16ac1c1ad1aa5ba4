# Brisquet's screens for scripts/game-screenshots.sh: the level select with its demo, the title
# with the staff roll (both demo bubbles clicked in their first pause), the help, the first
# screen with its hint, a dead end, the screen cleared with its celebration, the promotion after
# screen 10, an Advanced screen with its black bubble, the celebration after screen 29 and the
# final screen trembling and bursting. The clicks are the solver's orders for the shipped
# screens.
play() {  # clicks each "x,y" in turn, letting the pop and the fall run their course
  for at in "$@"; do click "${at%,*}" "${at#*,}"; pause 0.9; done
}
new_game() {  # back to the level select through the portal's New Game, confirming when asked
  menu 1; pause 0.8
  key alt+y; pause 1.5
}

shot 01-level-select
# New Game starts the demo again: both bubbles clicked in their one-second pause open the title,
# so the clicks follow each other at once as soon as the bubbles show.
menu 1
until [ "$(pixel 71 296)" != 000000 ]; do :; done
for x in 71 429; do xdotool mousemove $((gx + x)) $((gy + 296)) click 1; done
pause 1; shot 02-title
click 250 150; pause 0.3
pause 1.3; shot 03-demo
menu 3; pause 0.8; shot 04-help
menu 2; pause 0.5

click 240 318; pause 1.2; shot 05-play
click 397 346; pause 0.5; shot 06-hint
play 46,162 46,290 46,322 110,258 206,290 238,290 174,194 174,258 110,322 110,354 238,322
pause 0.5; shot 07-dead-end
click 397 320; pause 1.2
play 46,162 46,290 46,322 110,258 110,322 110,354 174,194 174,258 206,322 238,258 238,290 238,354
pause 0.5; shot 08-keep-going
click 397 320; pause 1.2
play 46,194 46,290 46,354 142,354 174,322 238,354 270,322 206,322
click 397 320; pause 1.2
play 46,194 46,258 78,322 110,322 110,354 174,354 238,354
click 397 320; pause 1.2
play 46,98 46,226 78,130 78,194 142,354 174,290 238,354 238,354
click 397 320; pause 1.2
play 46,130 46,258 46,290 46,322 174,322 206,354 238,354
click 397 320; pause 1.2
play 46,162 78,226 78,322 78,322 110,258 110,322 142,290 142,354 174,354 238,354
click 397 320; pause 1.2
play 46,162 46,194 46,290 46,354 206,290 206,354 238,354
click 397 320; pause 1.2
play 46,66 46,130 46,162 46,290 206,66 206,354 142,162 238,226 78,354 110,290 110,322 174,290 174,322
click 397 320; pause 1.2
play 46,98 46,290 78,290 174,162 174,226 174,290 206,258 206,322 238,354
click 397 320; pause 1.2
play 46,66 46,162 46,290 110,258 110,322 142,162 142,290 174,354 206,290 206,354
pause 1; shot 09-promotion
new_game
click 240 358; pause 1.2
play 46,66 46,194 46,322 110,226 110,290 110,322 174,130 174,322 174,322 206,290
shot 10-black-bubble
click 174 354; pause 0.9
play 238,194 238,194 238,322
click 397 320; pause 1.2
play 46,66 46,98 78,258 142,354 174,354 174,322 174,322 270,226 270,322
click 397 320; pause 1.2
play 46,66 46,130 46,130 78,290 142,290 110,290 142,322 142,354 206,354 270,194 270,258 270,322
click 397 320; pause 1.2
play 46,226 46,194 46,290 46,322 110,194 78,354 110,322 142,322 206,354 238,290 270,162 270,322 238,354
click 397 320; pause 1.2
play 46,66 46,162 46,290 46,354 142,322 174,194 174,354 142,354 174,322 174,354 238,322 206,354
click 397 320; pause 1.2
play 46,66 46,130 46,194 46,290 78,290 78,354 110,258 110,258 110,322 142,258 142,354 110,354 270,66 270,162 206,194 174,322 206,354
click 397 320; pause 1.2
play 46,98 46,130 46,194 46,258 78,322 110,226 110,258 110,322 142,322 174,290 206,290 238,226 238,322 206,354 270,290
click 397 320; pause 1.2
play 46,66 46,162 78,194 78,322 110,258 46,258 110,354 206,354 270,322
click 397 320; pause 1.2
play 46,66 46,226 46,258 46,322 46,354 78,226 110,290 110,354 142,354 206,162 174,290 206,290 174,290 142,322 142,354 270,226
pause 0.5; shot 11-after-screen-29
click 397 320; pause 1.2
play 46,66 46,354 238,290 78,354 206,354 270,322
shot 12-final
pause 1.2; shot 13-final-trembling
pause 3; shot 14-final-burst
