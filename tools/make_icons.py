#!/usr/bin/env python3
"""Draws the tool-button pictures and the link cursor of Sorbello into resources/icons.

Tool buttons lay their pictures over the texture behind them with pure white as the
see-through colour, so the pictures are RGB on a pure white ground and anything meant to be
white inside them uses an off-white. Shapes are sampled at pixel centres without smoothing:
a smoothed edge would blend into the white ground and show as a pale fringe on the texture.
Every part gets a dark outline so it reads on the light sandstone panels.

newgame, cardeditor, help, quit   20 x 20   main window ("Neues Spiel" ... "Spiel beenden")
open, save, back (help again)     20 x 20   card editor ("Laden", "Speichern", "Zurück")
pencil, pipette                   24 x 24   card editor drawing tools ("Malmodus", "Pipette")
hand                              32 x 32   pointing hand over links (with alpha)

Only the standard library is used.
"""
import math
import os
import struct
import zlib

GROUND = (255, 255, 255)
OUTLINE = (24, 24, 24)
PAPER = (250, 250, 246)

COLOURS = {
    "k": OUTLINE,
    "w": PAPER,
    "g": (128, 128, 128),
    "s": (196, 196, 200),
    "r": (214, 32, 40),
    "R": (150, 16, 24),
    "p": (246, 130, 140),
    "y": (255, 214, 40),
    "Y": (214, 160, 20),
    "o": (255, 150, 20),
    "b": (40, 96, 214),
    "B": (20, 50, 140),
    "c": (150, 200, 255),
    "G": (40, 170, 60),
    "l": (120, 220, 110),
    "e": (16, 100, 36),
    "n": (150, 90, 40),
    "N": (96, 56, 20),
    "t": (236, 196, 140),
}


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Layer:
    """A picture in progress: None where nothing is drawn yet."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[None] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height and colour is not None:
            self.pixels[y][x] = colour

    def shade(self, paint):
        """Colours every pixel for which paint(centre x, centre y) gives a colour."""
        for y in range(self.height):
            for x in range(self.width):
                self.set(x, y, paint(x + 0.5, y + 0.5))

    def rect(self, left, top, right, bottom, colour):
        """Fills left..right x top..bottom, both ends included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def sprite(self, rows, left, top):
        """Copies a picture written as letters of COLOURS; '.' leaves the pixel alone."""
        for dy, row in enumerate(rows):
            for dx, letter in enumerate(row):
                if letter != ".":
                    self.set(left + dx, top + dy, COLOURS[letter])

    def outlined(self, colour=OUTLINE):
        """Adds a one-pixel outline around everything drawn on this layer."""
        edge = []
        for y in range(self.height):
            for x in range(self.width):
                if self.pixels[y][x] is not None:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if 0 <= nx < self.width and 0 <= ny < self.height and self.pixels[ny][nx] is not None:
                        edge.append((x, y))
                        break
        for x, y in edge:
            self.pixels[y][x] = colour
        return self

    def over(self, other):
        """Lays `other` over this layer."""
        for y in range(self.height):
            for x in range(self.width):
                if other.pixels[y][x] is not None:
                    self.pixels[y][x] = other.pixels[y][x]
        return self


def inside_polygon(px, py, corners):
    inside = False
    for i in range(len(corners)):
        (ax, ay), (bx, by) = corners[i], corners[(i + 1) % len(corners)]
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside


def polygon(layer, corners, paint):
    """Fills the pixels whose centres lie inside; paint is a colour or a function of (x, y)."""
    colour_at = paint if callable(paint) else (lambda x, y: paint)
    layer.shade(lambda x, y: colour_at(x, y) if inside_polygon(x, y, corners) else None)


def disc(layer, cx, cy, radius, paint):
    colour_at = paint if callable(paint) else (lambda x, y: paint)
    layer.shade(lambda x, y: colour_at(x, y) if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius else None)


def lit(light, dark, left, top, size):
    """Shading from light at the upper left to dark at the lower right of a box."""
    return lambda x, y: mix(light, dark, ((x - left) + (y - top)) / (2.0 * size))


def framed_rect(size, left, top, right, bottom, fill):
    layer = Layer(*size)
    layer.rect(left, top, right, bottom, OUTLINE)
    layer.rect(left + 1, top + 1, right - 1, bottom - 1, fill)
    return layer


HEART = [
    ".rr.rr.",
    "rpprrrr",
    "rprrrrr",
    "rrrrrrr",
    ".rrrrr.",
    "..rrr..",
    "...r...",
]


def new_game():
    size = (20, 20)
    back = framed_rect(size, 1, 1, 11, 15, PAPER)
    back.shade(lambda x, y: (COLOURS["R"] if (int(x) + int(y)) % 3 == 0 else COLOURS["r"])
               if 3 <= x < 10 and 3 <= y < 14 else None)
    front = framed_rect(size, 7, 4, 17, 19, PAPER)
    front.sprite(HEART, 9, 8)
    star = Layer(*size)
    star.sprite(["..o..", "..y..", "oyyyo", "..y..", "..o.."], 15, 0)
    return Layer(*size).over(back).over(front).over(star)


def diagonal(x0, y0, x1, y1):
    """Coordinates along the line from (x0, y0) to (x1, y1): u from 0 to 1, v across in pixels."""
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length

    def frame(x, y):
        dx, dy = x - x0, y - y0
        return (dx * ux + dy * uy) / length, dx * -uy + dy * ux, length

    return frame


def pencil_layer(size, tip, end, half_width):
    """A pencil from its lead tip to its eraser end."""
    frame = diagonal(*tip, *end)
    layer = Layer(*size)

    def paint(x, y):
        u, v, length = frame(x, y)
        along = u * length
        cone = 0.32 * length
        if along < 0 or along > length:
            return None
        if along < cone:
            if abs(v) > half_width * along / cone + 0.3:
                return None
            return OUTLINE if along < cone * 0.35 else COLOURS["t"]
        if abs(v) > half_width:
            return None
        if along > length - 0.18 * length:
            return COLOURS["p"] if v < 0.7 else COLOURS["r"]
        if along > length - 0.28 * length:
            return COLOURS["s"] if v < 0 else COLOURS["g"]
        return COLOURS["y"] if v < -0.4 * half_width else COLOURS["o"] if v < 0.5 * half_width else COLOURS["Y"]

    layer.shade(paint)
    return layer.outlined()


def card_editor():
    size = (20, 20)
    face = framed_rect(size, 1, 1, 13, 18, PAPER)
    face.sprite(["..b..", ".bcb.", "bcccb", ".bbb.", "..b.."], 3, 4)
    return Layer(*size).over(face).over(pencil_layer(size, (6.5, 18.5), (19.0, 4.0), 2.2))


QUESTION = [
    "..wwww..",
    ".wwwwww.",
    "ww....ww",
    "......ww",
    ".....ww.",
    "....ww..",
    "...ww...",
    "...ww...",
    "........",
    "...ww...",
    "...ww...",
]


def help_picture():
    size = (20, 20)
    ball = Layer(*size)
    disc(ball, 10, 10, 8.6, lambda x, y: mix((130, 190, 255), (10, 50, 170), math.hypot(x - 6, y - 6) / 13))
    ball.outlined()
    ball.sprite(QUESTION, 6, 4)
    return ball


def quit_picture():
    size = (20, 20)
    doorway = framed_rect(size, 1, 1, 11, 19, (40, 36, 44))
    door = Layer(*size)
    polygon(door, [(2, 2), (7, 4), (7, 19), (2, 19)], lit(COLOURS["n"], COLOURS["N"], 2, 2, 14))
    door.outlined()
    door.set(5, 11, COLOURS["y"])
    arrow = Layer(*size)
    polygon(arrow, [(8, 9), (13, 9), (13, 5), (19, 11), (13, 17), (13, 13), (8, 13)],
            lambda x, y: COLOURS["l"] if y < 11 else COLOURS["G"])
    arrow.outlined()
    return Layer(*size).over(doorway).over(door).over(arrow)


def open_folder():
    size = (20, 20)
    back = Layer(*size)
    back.rect(2, 3, 7, 4, COLOURS["Y"])
    back.rect(2, 5, 16, 16, COLOURS["Y"])
    back.outlined()
    sheet = framed_rect(size, 5, 2, 15, 12, PAPER)
    sheet.rect(7, 5, 13, 5, COLOURS["s"])
    sheet.rect(7, 7, 13, 7, COLOURS["s"])
    front = Layer(*size)
    polygon(front, [(2, 17), (16, 17), (19.5, 9), (5.5, 9)], lit(COLOURS["y"], COLOURS["o"], 2, 9, 10))
    front.outlined()
    return Layer(*size).over(back).over(sheet).over(front)


def save_disk():
    size = (20, 20)
    body = Layer(*size)
    polygon(body, [(1, 1), (16, 1), (19, 4), (19, 19), (1, 19)], lit(COLOURS["b"], COLOURS["B"], 1, 1, 18))
    body.rect(5, 1, 14, 6, COLOURS["s"])
    body.rect(11, 2, 12, 5, COLOURS["g"])
    body.rect(4, 10, 15, 18, PAPER)
    body.rect(5, 12, 14, 12, COLOURS["c"])
    body.rect(5, 14, 14, 14, COLOURS["c"])
    body.rect(5, 16, 12, 16, COLOURS["c"])
    result = Layer(*size)
    result.rect(0, 0, 19, 19, OUTLINE)
    # The outline follows the cut corner: clear what lies beyond it.
    for y in range(0, 4):
        for x in range(17 + y, 20):
            result.pixels[y][x] = None
    for x, y in ((16, 0), (17, 1), (18, 2), (19, 3)):
        result.pixels[y][x] = OUTLINE
    return result.over(body)


def back_arrow():
    size = (20, 20)
    arrow = Layer(*size)
    polygon(arrow, [(1, 10), (9, 2), (9, 6.5), (18.5, 6.5), (18.5, 13.5), (9, 13.5), (9, 18)],
            lambda x, y: mix(COLOURS["l"], COLOURS["e"], (y - 2) / 16))
    return arrow.outlined()


def pencil_tool():
    return pencil_layer((24, 24), (2.0, 22.0), (21.5, 2.5), 3.0)


def pipette_tool():
    size = (24, 24)
    frame = diagonal(6.0, 18.0, 20.0, 4.0)
    glass = Layer(*size)

    def tube(x, y):
        u, v, length = frame(x, y)
        along = u * length
        if along < 0 or along > 0.78 * length:
            return None
        radius = 0.8 if along < 0.25 * length else 2.2
        if abs(v) > radius:
            return None
        liquid = along < 0.55 * length
        if v < -0.9:
            return COLOURS["w"] if not liquid else COLOURS["c"]
        return COLOURS["b"] if liquid else (200, 225, 245)

    glass.shade(tube)
    glass.outlined()
    bulb = Layer(*size)
    disc(bulb, 18.8, 5.2, 3.6, lambda x, y: mix(COLOURS["p"], COLOURS["R"], math.hypot(x - 17, y - 3) / 6))
    bulb.outlined()
    drop = Layer(*size)
    drop.sprite([".b.", "bcb", "bbb"], 1, 20)
    drop.outlined()
    return Layer(*size).over(drop).over(glass).over(bulb)


HAND = [
    "......kk..........",
    ".....kwwk.........",
    ".....kwwk.........",
    ".....kwwk.........",
    ".....kwwk.........",
    ".....kwwkkk.......",
    ".....kwwkwwkkk....",
    ".....kwwkwwkwwkk..",
    ".kk..kwwkwwkwwkwk.",
    "kwwk.kwwwwwwwwkwwk",
    "kwwwkkwwwwwwwwwwwk",
    ".kwwwkwwwwwwwwwwwk",
    "..kwwwwwwwwwwwwwwk",
    "..kwwwwwwwwwwwwwwk",
    "...kwwwwwwwwwwwwwk",
    "...kwwwwwwwwwwwwk.",
    "....kwwwwwwwwwwwk.",
    "....kwwwwwwwwwwk..",
    ".....kwwwwwwwwwk..",
    ".....kwwwwwwwwwk..",
    ".....kkkkkkkkkkk..",
]


def hand_cursor():
    layer = Layer(32, 32)
    layer.sprite(HAND, 0, 0)
    return layer


def write_png(path, layer, alpha=False):
    rows = []
    for y in range(layer.height):
        row = bytearray(b"\x00")
        for x in range(layer.width):
            colour = layer.pixels[y][x]
            if alpha:
                row += bytes(colour + (255,)) if colour else b"\x00\x00\x00\x00"
            else:
                row += bytes(colour or GROUND)
        rows.append(bytes(row))
    header = struct.pack(">IIBBBBB", layer.width, layer.height, 8, 6 if alpha else 2, 0, 0, 0)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")
    os.makedirs(target, exist_ok=True)
    pictures = {
        "newgame": new_game(),
        "cardeditor": card_editor(),
        "help": help_picture(),
        "quit": quit_picture(),
        "open": open_folder(),
        "save": save_disk(),
        "back": back_arrow(),
        "pencil": pencil_tool(),
        "pipette": pipette_tool(),
    }
    for name, layer in pictures.items():
        write_png(os.path.join(target, name + ".png"), layer)
    write_png(os.path.join(target, "hand.png"), hand_cursor(), alpha=True)


if __name__ == "__main__":
    main()
