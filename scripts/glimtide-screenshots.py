#!/usr/bin/env python3
"""Screenshots of every Glimtide screen, played in the portal's own window under Xvfb.

    scripts/glimtide-screenshots.py [--build build/debug] [--out glimtide-screens]

Builds the portal and the game in the build folder (configure it first: cmake --preset debug),
starts a private Xvfb and the portal with RIVAKEL_GAME naming the game and a fresh data folder,
plays through the game's screens with real mouse clicks and key presses, and writes one PNG per
screen, each the portal window's 800x572 pixels. Needs xvfb, x11-apps (xwd), x11-utils
(xwininfo) and xdotool.
"""
import argparse
import glob
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

WINDOW = (800, 572)
GAME_AREA = (189, 129)  # where the portal puts the game area in its window
MENU_X, MENU_TOP, MENU_PITCH = 142, 157, 67  # the game menu left of the game area
PANEL_BLUE = (0x99, 0xCC, 0xFF)


class Dump:
    """A window dump of `xwd -root`, read only where asked."""

    def __init__(self, data):
        fields = struct.unpack(">25I", data[:100])
        header_size, version, pixmap_format = fields[0], fields[1], fields[2]
        self.width, self.height = fields[4], fields[5]
        self.order = "little" if fields[7] == 0 else "big"
        bits_per_pixel, self.bytes_per_line = fields[11], fields[12]
        if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
            raise SystemExit("unsupported window dump")
        self.step = bits_per_pixel // 8
        self.shifts = [(m & -m).bit_length() - 1 for m in fields[14:17]]
        self.offset = header_size + fields[19] * 12
        self.data = data

    def pixel(self, x, y):
        at = self.offset + y * self.bytes_per_line + x * self.step
        value = int.from_bytes(self.data[at: at + self.step], self.order)
        return tuple((value >> s) & 0xFF for s in self.shifts)

    def png(self, path, left, top):
        rows = []
        for y in range(top, top + WINDOW[1]):
            row = bytearray(b"\x00")
            for x in range(left, left + WINDOW[0]):
                row.extend(self.pixel(x, y))
            rows.append(bytes(row))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", WINDOW[0], WINDOW[1], 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 9)))
            out.write(chunk(b"IEND", b""))


class Portal:
    """The portal with the game, on a display of its own, driven as a person would."""

    def __init__(self, binary, game, display, work):
        self.display = display
        self.env = dict(os.environ, DISPLAY=display)
        data, run = os.path.join(work, "data"), os.path.join(work, "run")
        os.makedirs(data)
        os.makedirs(run, mode=0o700)
        env = dict(self.env, RIVAKEL_PLATFORM="sdl", SDL_AUDIODRIVER="dummy", RIVAKEL_GAME=game,
                   XDG_DATA_HOME=data, XDG_RUNTIME_DIR=run, ASAN_OPTIONS="detect_leaks=0")
        self.log_path = os.path.join(work, "portal.log")
        with open(self.log_path, "w") as log:
            self.process = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
        self.left, self.top = self.find_window()
        self.shots = []  # (name, dump) written at the end: a dump is quick, its PNG is not

    def find_window(self):
        for _ in range(200):
            with open(self.log_path) as log:
                shown = "main window %dx%d shown" % WINDOW in log.read()
            if shown:
                tree = self.run(["xwininfo", "-root", "-tree"])
                size = r"%dx%d\+(-?\d+)\+(-?\d+)" % WINDOW
                for line in tree.splitlines():
                    found = re.search(r'"Rivakel[^"]*".*?\s' + size, line)
                    if found:
                        time.sleep(1.0)
                        return int(found.group(1)), int(found.group(2))
            if self.process.poll() is not None:
                break
            time.sleep(0.05)
        raise SystemExit("the portal's window did not appear (see %s)" % self.log_path)

    def run(self, command):
        return subprocess.run(command, env=self.env, check=True, stdout=subprocess.PIPE, text=True).stdout

    def dump(self):
        return Dump(subprocess.run(["xwd", "-root", "-silent", "-display", self.display], check=True,
                                   stdout=subprocess.PIPE).stdout)

    def window_click(self, x, y):
        self.run(["xdotool", "mousemove", str(self.left + x), str(self.top + y), "click", "1"])

    def click(self, x, y):
        """A click at (x, y) of the game area."""
        self.window_click(GAME_AREA[0] + x, GAME_AREA[1] + y)

    def move(self, x, y):
        self.run(["xdotool", "mousemove", str(self.left + GAME_AREA[0] + x), str(self.top + GAME_AREA[1] + y)])

    def menu(self, row):
        """The game menu: 0 e-mail, 1 new game, 2 pause or back to the game, 3 instructions."""
        self.window_click(MENU_X, MENU_TOP + row * MENU_PITCH)

    def keys(self, *names):
        for name in names:
            self.run(["xdotool", "key", name])
            time.sleep(0.05)

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "60", text])

    def game_pixel(self, x, y):
        return self.dump().pixel(self.left + GAME_AREA[0] + x, self.top + GAME_AREA[1] + y)

    def shoot(self, name):
        self.shots = [shot for shot in self.shots if shot[0] != name] + [(name, self.dump())]

    def write(self, folder):
        for name, dump in self.shots:
            path = os.path.join(folder, name + ".png")
            dump.png(path, self.left, self.top)
            print("wrote", path)

    def close(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait(timeout=20)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        part = os.read(read_end, 16)
        if not part:
            raise SystemExit("Xvfb did not start")
        number += part
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(root, "build", "debug"))
    parser.add_argument("--out", default=os.path.join(root, "glimtide-screens"))
    args = parser.parse_args()
    for tool, package in (("Xvfb", "xvfb"), ("xwd", "x11-apps"), ("xwininfo", "x11-utils"), ("xdotool", "xdotool")):
        if shutil.which(tool) is None:
            raise SystemExit("%s is needed (package %s)" % (tool, package))
    subprocess.run(["cmake", "--build", args.build, "--target", "rivakel", "rivakel_glimtide_gam"], check=True,
                   stdout=subprocess.DEVNULL)
    binary = os.path.join(args.build, "Shell", "Rivakel", "rivakel")
    games = glob.glob(os.path.join(args.build, "Games", "{AF8BC481-*}", "*.gam"))
    if not games:
        raise SystemExit("the game module is not built")
    os.makedirs(args.out, exist_ok=True)

    xvfb, display = start_xvfb()
    work = tempfile.mkdtemp(prefix="glimtide-screens-")
    try:
        portal = Portal(binary, os.path.abspath(games[0]), display, work)
        try:
            play(portal)
        finally:
            portal.close()
        portal.write(args.out)
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


def new_game(p):
    """Back to the title screen through the portal's New Game, confirming when the game asks."""
    p.menu(1)
    time.sleep(0.8)
    p.keys("alt+y")
    time.sleep(1.5)


def play(p):
    p.shoot("01-title")
    p.menu(3)
    time.sleep(0.8)
    p.shoot("02-help")
    p.menu(2)
    time.sleep(0.5)
    p.type("plumtag")
    time.sleep(1.0)
    p.shoot("03-staff-list")
    p.click(355, 405)
    time.sleep(0.5)
    # Letters arrive as their keys, so the upper-case code is typed without Shift (a Shift key
    # of its own would break the sequence).
    p.type("mossbrick")
    time.sleep(1.0)
    p.shoot("04-hidden-page")
    p.click(355, 405)
    time.sleep(0.5)

    for x, name in ((220, "06-medium-welcome"), (350, "07-hard-welcome")):
        p.click(x, 270)
        time.sleep(1.5)
        p.shoot(name)
        new_game(p)
    p.click(120, 270)
    time.sleep(1.5)
    p.shoot("05-easy-welcome")
    p.keys("space")
    time.sleep(0.5)
    p.shoot("08-watch-the-show")
    time.sleep(2.4)
    p.shoot("09-show-burst")
    time.sleep(0.6)
    p.move(75, 365)
    time.sleep(0.3)
    p.shoot("10-your-turn")

    # Icon 0 until three mistakes end the game. The third asks for a name first: with no
    # player signed in to the portal every count is a best.
    mistakes = 0
    while mistakes < 3:
        p.click(25, 365)
        time.sleep(0.8)
        if p.game_pixel(170, 100) == PANEL_BLUE:
            mistakes += 1
            if mistakes == 1:
                p.shoot("11-try-again")
            p.keys("space")
            time.sleep(4.0)
        elif mistakes == 2:
            p.shoot("12-high-score-entry")
            p.type("Ada")
            p.keys("Return")
            time.sleep(0.8)
            if p.game_pixel(170, 100) == PANEL_BLUE:
                mistakes += 1
        else:
            time.sleep(9.0)
    p.shoot("13-game-over")
    p.keys("n")
    time.sleep(1.0)
    p.click(190, 310)
    time.sleep(6.0)
    p.shoot("14-show")
    time.sleep(4.0)
    p.shoot("15-show-later")


if __name__ == "__main__":
    sys.exit(main())
