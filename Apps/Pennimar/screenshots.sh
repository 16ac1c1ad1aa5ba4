# Pennimar's screens for scripts/game-screenshots.sh: the title, help and staff list, the day's
# farm, fence being laid and closed, the farm done, the next day, a lost life and the end.
panel_tan=CC9966
bar_green=4FA22E

hold() {  # hold <seconds> <keysym...>: the keys go down together and stay down
  local seconds=$1; shift
  xdotool keydown "$@"; sleep "$seconds"; xdotool keyup "$@"; sleep 0.1
}
panel_up() { [ "$(pixel 160 165)" = "$panel_tan" ]; }
# cut <keysym> <bar x>: fence laid with Shift and the arrow until the bar is green at x; a life
# lost on the way puts the farmer back, and the cut is laid again.
cut() {
  for _ in 1 2 3 4 5 6; do
    hold 5 shift "$1"
    [ "$(pixel "$2" 45)" = "$bar_green" ] && return
    panel_up && key space && pause 0.3
  done
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5

click 70 222; pause 1; shot 04-intro
key space; pause 0.5
# Half the farm at once: a fence from the bottom to the top a little right of the middle.
hold 2.5 Left
xdotool keydown shift
hold 2 Up
pause 0.2; shot 05-laying-fence
hold 3 Up
xdotool keyup shift
pause 0.3
[ "$(pixel 240 45)" = "$bar_green" ] || cut Up 240
shot 06-fenced
hold 0.6 Left
cut Down 262
pause 0.5; shot 07-farm-fenced
key space; pause 0.8; shot 08-next-day
key space; pause 0.5

# Fence laid into the open field and left there until an animal walks into it, life after life.
for life in 1 2 3 4 5 6; do
  xdotool keydown shift; hold 2 Up; xdotool keyup shift
  for _ in $(seq 60); do panel_up && break; pause 0.5; done
  [ "$life" -eq 1 ] && shot 09-life-lost
  # Space closes a lost life's panel, not the end's.
  key space; pause 0.5
  panel_up && break
  hold 0.3 Left
done
pause 0.5; shot 10-game-over
key n; pause 1; shot 11-title-again
