# Tallimo's screens for scripts/game-screenshots.sh: the title, help and staff roll; at level 19
# a truck's intro, the belt arriving, a steered ball, the check and the failed truck's note; three
# failed trucks later the game over, the name entry on the truck and the title with the new row.

# Drops each ball as it comes until the check reaches the first cell (column 0, floor), then
# waits for the last (column 11, top shelf): a key after that would send the truck away.
framed() { case "$(pixel "$1" "$2")" in 00CC00|CC0000) return 0 ;; esac; return 1; }
fill_and_check() {
  for _ in $(seq 1 200); do
    framed 2 338 && break
    key space; pause 0.5
  done
  for _ in $(seq 1 20); do
    framed 360 236 && return
    pause 0.5
  done
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 9; shot 03-staff-roll
key space; pause 0.8

click 474 263; pause 0.3; shot 04-level-19-chosen
click 340 300; pause 2.8; shot 05-intro
key space; pause 2.4; shot 06-belt-arrives
pause 4.5; key Left; pause 0.1; shot 07-steering
fill_and_check
pause 0.5; shot 08-checked
for truck in 2 3; do
  key space; pause 2.3
  pause 2.8; key space; pause 2.4
  fill_and_check
  pause 0.5
done
shot 09-game-over
key space; pause 4.5; shot 10-name-entry
type bot; pause 0.3; shot 11-name-typed
click 342 254; pause 1; shot 12-title-with-the-new-row
