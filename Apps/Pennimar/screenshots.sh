# Pennimar's screens for scripts/game-screenshots.sh: the title, help and staff list, the day's
# farm, fence being laid and closed, a lost life and the end of the game.
panel_tan=CC9966

hold() {  # hold <seconds> <keysym...>: the keys go down together and stay down
  local seconds=$1; shift
  xdotool keydown "$@"; sleep "$seconds"; xdotool keyup "$@"; sleep 0.1
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5

click 70 222; pause 1; shot 04-intro
key space; pause 0.5
hold 0.8 Left
xdotool keydown shift
hold 1.2 Up
hold 0.6 Right
pause 0.2; shot 05-laying-fence
hold 1.3 Down
xdotool keyup shift
pause 0.8; shot 06-fenced

# Fence laid into the open field and left there until an animal walks into it, three times.
for life in 1 2 3; do
  xdotool keydown shift; hold 2 Up; xdotool keyup shift
  for _ in $(seq 60); do [ "$(pixel 160 170)" = "$panel_tan" ] && break; pause 0.5; done
  if [ "$life" -eq 1 ]; then shot 07-life-lost; fi
  [ "$life" -lt 3 ] && key space && pause 0.5
  hold 0.3 Left
done
pause 0.5; shot 08-game-over
key n; pause 1; shot 09-title-again
