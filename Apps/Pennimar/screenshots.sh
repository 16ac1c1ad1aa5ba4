# Pennimar's screens for scripts/game-screenshots.sh: the title, help and staff list, the day's
# farm, fence being laid and closed, the farm done, the next day, a lost life and the end.
panel_tan=CC9966
bar_green=4FA22E

hold() {  # hold <seconds> <keysym...>: the keys go down together and stay down
  local seconds=$1; shift
  xdotool keydown "$@"; sleep "$seconds"; xdotool keyup "$@"; sleep 0.1
}
panel_up() { [ "$(pixel 160 165)" = "$panel_tan" ]; }

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 355 405; pause 0.5

click 70 222; pause 1; shot 04-intro
key space; pause 0.5
# Strips from the right edge, from bottom to top and back, until the farm is done; the first
# pictures show the first strip being laid and closed.
width=50 dir=Up
for strip in 1 2 3 4 5 6 7 8; do
  for _ in 1 2 3; do
    if [ "$strip" -eq 1 ]; then
      xdotool keydown shift; hold 2 Up; shot 05-laying-fence; hold 3 Up; xdotool keyup shift
    else
      hold 5 shift "$dir"
    fi
    [ "$(pixel $((170 + 169 * (width * 100 / 492 - 1) / 100)) 45)" = "$bar_green" ] && break
    panel_up && key space && pause 0.3
  done
  [ "$strip" -eq 1 ] && shot 06-fenced
  panel_up && break
  hold 0.45 Left
  width=$((width + 40))
  [ "$dir" = Up ] && dir=Down || dir=Up
done
pause 0.5
# The animals may win before the farm is done: then the end is photographed at once.
if [ "$(pixel 261 45)" = "$bar_green" ]; then
  shot 07-farm-fenced
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
fi
pause 0.5; shot 10-game-over
key n; pause 1; shot 11-title-again
