# Tallimo's screens for scripts/game-screenshots.sh: the title, help and staff roll; at level 19
# a truck's intro, the belt arriving, a steered ball, the check counting the money up and the failed
# truck's note; three failed trucks later the game over, the name entry on the truck and the title
# with the new row; then day 1's first truck sorted by colour until one passes: its check and the
# passed truck driving off.

# Drops each ball as it comes until the check reaches the first cell (column 0, floor), shows it
# part-way when asked, then waits for the last (column 11, top shelf): a key after that would send
# the truck away.
framed() { case "$(pixel "$1" "$2")" in 00CC00|CC0000) return 0 ;; esac; return 1; }
fill_and_check() {
  for _ in $(seq 1 200); do
    framed 2 338 && break
    key space; pause 0.5
  done
  [ -n "${1:-}" ] && { pause 1; shot "$1"; }
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
fill_and_check 08-checking
pause 0.5; shot 09-checked
for truck in 2 3; do
  key space; pause 2.3
  pause 2.8; key space; pause 2.4
  fill_and_check
  pause 0.5
done
shot 10-game-over
key space; pause 4.5; shot 11-name-entry
type bot; pause 0.3; shot 12-name-typed
click 342 254; pause 1; shot 13-title-with-the-new-row

# Day 1 has two kinds: the darker grey wants the orange ball, the lighter the yellow one. Each
# ball is taken off the belt, read by its colour and dropped on a column whose next cell wants it;
# a truck that cannot pass is sent away and the next one sorted, until one passes.
click 306 263; pause 0.3
click 340 300
python3 - "$gx" "$gy" "$wx" "$wy" "$out" <<'SORT'
import subprocess, sys, time
gx, gy, wx, wy, out = *map(int, sys.argv[1:5]), sys.argv[5]
W, H, LEFT, COLUMNS, NEEDED, YARD, RING = 500, 420, 98, 6, 18, (0x99, 0xCC, 0xCC), (0xFF, 0xC2, 0x1A)

def grab(name=None):
    xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    if name:
        subprocess.run(["/usr/bin/convert", "xwd:-", "-crop", f"800x572+{wx}+{wy}", "+repage", f"{out}/{name}.png"],
                       input=xwd, check=True)
        print(f"{out}/{name}.png")
    raw = subprocess.run(["/usr/bin/convert", "xwd:-", "-crop", f"{W}x{H}+{gx}+{gy}", "+repage", "rgb:-"],
                         input=xwd, capture_output=True, check=True).stdout
    return lambda x, y: tuple(raw[(y * W + x) * 3:(y * W + x) * 3 + 3])

def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.05)

def cell(column, shelf): return LEFT + 32 * column + 2 * (column // 3) + 2, 234 + 34 * (3 - shelf) + 2
def centre(px, x, y, f): return sum(f(px(x + dx, y + dy)) for dx in range(10, 22) for dy in range(10, 22)) / 144
def framed(px, column, shelf): return px(*cell(column, shelf)) in ((0, 0xCC, 0), (0xCC, 0, 0))

def sort_truck():
    time.sleep(2.8)
    px = grab()
    greys = [centre(px, *cell(c // 4, c % 4), lambda p: p[0]) for c in range(4 * COLUMNS)]
    middle = (min(greys) + max(greys)) / 2
    wants = [0 if g < middle else 1 for g in greys]
    fill, matches = [0] * COLUMNS, 0
    key("space")
    time.sleep(2.4)
    while sum(fill) < 4 * COLUMNS:
        px = grab()
        ring = [(x, y) for y in range(0, 234, 2) for x in range(0, 400, 2) if px(x, y) == RING]
        if not ring:
            if px(0, 19) == YARD and px(1, 19) == YARD and any(px(x, 19) != YARD for x in range(2, 198)):
                key("space")
            time.sleep(0.1)
            continue
        x = (min(p[0] for p in ring) + max(p[0] for p in ring)) // 2 - 15
        y = (min(p[1] for p in ring) + max(p[1] for p in ring)) // 2 - 15
        if x < 0 or y < 0:
            continue
        kind = 0 if centre(px, x, y, lambda p: p[0] - p[1]) > 45 else 1
        room = [c for c in range(COLUMNS) if fill[c] < 4]
        good = [c for c in room if wants[4 * c + fill[c]] == kind]
        # A ball no top cell wants goes where the cells above still want its kind most.
        column = good[0] if good else max(room, key=lambda c: sum(wants[4 * c + s] == kind for s in range(fill[c] + 1, 4)))
        matches += 1 if good else 0
        now = min(max((x - LEFT - 2) // 32, 0), COLUMNS - 1)
        key(*(["Right"] * (column - now) + ["Left"] * (now - column) + ["space"]))
        fill[column] += 1
    return matches

for truck in range(3):
    if sort_truck() >= NEEDED:
        while not framed(grab(), 0, 0):
            time.sleep(0.1)
        time.sleep(0.8)
        grab("14-level-1-checking")
        while not framed(grab(), COLUMNS - 1, 3):
            time.sleep(0.05)
        grab("15-level-1-passed")
        break
    time.sleep(2.5)
    key("space")
    time.sleep(2.6)
SORT
