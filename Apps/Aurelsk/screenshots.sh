# Aurelsk's screens for scripts/game-screenshots.sh: the title, help, staff list and hidden page,
# the submarine behind the score's plate, the dive (treasure, enemies, the hold lights), the low-oxygen warning, the game-over picture
# rising and risen with "Try Again?" and "Quit?", and a fresh game after it.
game_over_border=003A9E

wait_for() {  # until the pixel shows the colour, at most about a minute
  for _ in $(seq 300); do [ "$(pixel "$1" "$2")" = "$3" ] && return 0; sleep 0.1; done
  return 1
}
rising() {  # photographs the first frame with the game-over picture's edge below its final place
  for _ in $(seq 600); do
    xwd -root -silent >"$work/rising.xwd"
    if /usr/bin/convert "$work/rising.xwd" -crop "1x120+$((gx + 153))+$((gy + 300))" -depth 8 txt:- |
      grep -qi "#$game_over_border"; then
      /usr/bin/convert "$work/rising.xwd" -crop "800x572+${wx}+${wy}" +repage "$out/$1.png"
      echo "$out/$1.png"
      return 0
    fi
  done
  return 1
}

shot 01-title
menu 3; pause 0.8; shot 02-help
menu 2; pause 0.5
type plumtag; pause 1; shot 03-staff-list
click 360 405; pause 0.5
# Letters arrive as their keys, so the upper-case code is typed without Shift.
type kelpwhirl; pause 1; shot 04-hidden-page
click 360 405; pause 0.5

click 235 400; pause 0.5; shot 05-play-start
# The game polls the arrows: a key held down steers until it is let go. At the surface the
# submarine sails behind the score's plate.
xdotool keydown Left; pause 1.4; xdotool keyup Left; shot 05-behind-the-score
xdotool keydown Down; pause 2.5; xdotool keyup Down
xdotool keydown Right; pause 2; xdotool keyup Right
key space; pause 0.1; shot 06-diving
pause 5; shot 07-deep
pause 12; shot 08-low-oxygen
# Down held: each new submarine dives at once, and the oxygen runs out for all four.
xdotool keydown Down
rising 09-game-over-rising
wait_for 153 245 "$game_over_border"; pause 0.5; shot 10-game-over
xdotool keyup Down
click 180 330; pause 1; shot 11-try-again
