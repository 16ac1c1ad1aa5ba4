#!/usr/bin/env python3
"""Screenshots of every Glimtide screen in the real window under Xvfb.

    scripts/glimtide-screenshots.py [--build build/debug] [--out glimtide-screens]

Builds what it needs in the build folder (configure it first: cmake --preset debug), starts a
private Xvfb, hosts the game in the shell's window (rivakel_applet_window on the sdl backend)
with a fresh store, plays it through its screens and writes one PNG per screen, each the shell
window's 800x572 pixels. Needs xvfb and x11-apps (xwd).
"""
import argparse
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

WINDOW = (800, 572)
GAME_AREA = (189, 129)  # where the shell puts the game area in its window
PANEL_BLUE = (0x99, 0xCC, 0xFF)


def read_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks = fields[14:17]
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise SystemExit("unsupported window dump")
    offset = header_size + fields[19] * 12
    step = bits_per_pixel // 8
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    order = "little" if byte_order == 0 else "big"
    rows = []
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * step]
        row = []
        for x in range(width):
            value = int.from_bytes(line[x * step: x * step + step], order)
            row.append(tuple((value >> s) & 0xFF for s in shifts))
        rows.append(row)
    return rows


def write_png(path, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


class Window:
    """The game in the shell's window, driven one command at a time."""

    def __init__(self, tool, data, display):
        env = dict(os.environ, DISPLAY=display, RIVAKEL_PLATFORM="sdl", SDL_AUDIODRIVER="dummy")
        self.display = display
        self.process = subprocess.Popen([tool, "--data", data], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        env=env, text=True)

    def do(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline().strip()
        if answer != "ok":
            raise SystemExit("%s: %s" % (command, answer or "the window is gone"))

    def keys(self, text):
        for ch in text:
            self.do("key %d" % ord(ch.upper()))

    def screen(self):
        dump = subprocess.run(["xwd", "-root", "-silent", "-display", self.display], check=True,
                              stdout=subprocess.PIPE).stdout
        return [row[:WINDOW[0]] for row in read_xwd(dump)[:WINDOW[1]]]

    def game_pixel(self, x, y):
        return self.screen()[GAME_AREA[1] + y][GAME_AREA[0] + x]

    def shoot(self, folder, name):
        path = os.path.join(folder, name + ".png")
        write_png(path, self.screen())
        print("wrote", path)

    def close(self):
        self.process.stdin.write("quit\n")
        self.process.stdin.flush()
        self.process.wait(timeout=20)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % WINDOW,
                             "-nolisten", "tcp"], pass_fds=(write_end,))
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
    for tool in ("Xvfb", "xwd"):
        if shutil.which(tool) is None:
            raise SystemExit("%s is needed (packages xvfb and x11-apps)" % tool)
    subprocess.run(["cmake", "--build", args.build, "--target", "rivakel_applet_window", "rivakel_glimtide_gam"],
                   check=True, stdout=subprocess.DEVNULL)
    tool = os.path.join(args.build, "Apps", "Common", "rivakel_applet_window")
    games = glob.glob(os.path.join(args.build, "Games", "{AF8BC481-*}", "*.gam"))
    if not games:
        raise SystemExit("the game module is not built")
    os.makedirs(args.out, exist_ok=True)

    xvfb, display = start_xvfb()
    data = tempfile.mkdtemp(prefix="glimtide-screens-")
    try:
        window = Window(tool, data, display)
        play(window, games[0], args.out)
        window.close()
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(data, ignore_errors=True)


def play(w, game, out):
    w.do("start " + game)
    w.do("wait 500")
    w.shoot(out, "01-title")
    w.do("help")
    w.do("wait 200")
    w.shoot(out, "02-help")
    w.do("back")
    w.keys("plumtag")
    w.do("wait 300")
    w.shoot(out, "03-staff-list")
    w.do("click 355 405")
    w.keys("MOSSBRICK")
    w.do("wait 300")
    w.shoot(out, "04-hidden-page")
    w.do("click 355 405")

    for level, x, name in (("medium", 220, "06-medium-welcome"), ("hard", 350, "07-hard-welcome")):
        w.do("click %d 270" % x)
        w.do("wait 1500")
        w.shoot(out, name)
        w.do("stop")
        w.do("start " + game)
    w.do("click 120 270")
    w.do("wait 1500")
    w.shoot(out, "05-easy-welcome")
    w.do("key 32")
    w.do("wait 2950")
    w.shoot(out, "08-show-burst")
    w.do("wait 1700")
    w.do("move 75 365")
    w.do("wait 100")
    w.shoot(out, "09-your-turn")

    # Icon 0 until three mistakes end the game: the first is the try-again panel.
    mistakes = 0
    while mistakes < 3:
        w.do("click 25 365")
        w.do("wait 300")
        if w.game_pixel(170, 100) == PANEL_BLUE:
            mistakes += 1
            if mistakes == 1:
                w.shoot(out, "10-try-again")
            if mistakes < 3:
                w.do("key 32")
                w.do("wait 6000")
        else:
            w.do("wait 9000")
    w.do("wait 500")
    w.shoot(out, "11-game-over")
    w.do("key %d" % ord("N"))
    w.do("click 190 310")
    w.do("wait 6000")
    w.shoot(out, "12-show")
    w.do("wait 4000")
    w.shoot(out, "13-show-later")
    w.do("stop")


if __name__ == "__main__":
    sys.exit(main())
