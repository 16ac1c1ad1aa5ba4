# Torvimble's screens for scripts/game-screenshots.sh: the title, the help pages, the staff screen
# and the hidden page, then a hand at each table (blackjack, in-between, draw poker) and the
# question before leaving in the middle of one.
shot 01-title
menu 3; pause 0.8; shot 02-help
click 300 137; pause 0.5; shot 03-help-poker
menu 3; pause 0.5; click 290 182; pause 0.5; shot 04-help-21
menu 3; pause 0.5; click 340 227; pause 0.5; shot 05-help-split
menu 2; pause 0.5
type plumtag; pause 8; shot 06-staff
click 400 405; pause 0.5
type mossbrick; pause 1; shot 07-hidden-page
click 400 405; pause 0.5

click 350 342; pause 1; shot 08-blackjack
click 347 292; pause 2.6; shot 09-blackjack-dealt
click 157 378; pause 3; shot 10-blackjack-settled
click 453 372; pause 1

click 340 372; pause 1; shot 11-inbetween
click 156 370; click 347 363; pause 2; shot 12-inbetween-dealt
click 347 363; pause 1; shot 13-inbetween-revealed
click 453 372; pause 1

click 340 312; pause 1; shot 14-poker
click 347 363; pause 3; shot 15-poker-dealt
click 115 305; click 251 305; pause 0.3; shot 16-poker-holds
click 347 363; pause 2.5; shot 17-poker-drawn
click 347 363; pause 3
click 453 372; pause 0.8; shot 18-leave-question
