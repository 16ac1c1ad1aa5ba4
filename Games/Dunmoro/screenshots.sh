# Dunmoro's screens for scripts/game-screenshots.sh: the title screen, the player changed, the mode
# screen, the play screen, a result box, the help page and the staff roll.
shot title
click 350 304; pause 0.5                 # Change Player: the box holds "Guest"
key BackSpace BackSpace BackSpace BackSpace BackSpace; type Mo; key Return; pause 0.5; shot player-changed
click 49 246; shot mode              # Change Mode
move 200 330; shot mode-board-under-mouse
click 67 90                          # Master Oru's challenge, back to the title
click 197 355; pause 1; shot play    # Start the Game
click 110 350; shot result           # Resign: the Try Again box
menu 3; shot help                    # the shell's Instructions
menu 2                               # Resume
click 235 246                        # Quit Challenge, back to the title
key p l u m t a g
pause 6; shot staff
