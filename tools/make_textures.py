#!/usr/bin/env python3
"""Draws the three window textures of Sorbello and writes them to resources/textures.

boardtile   49 x 49   the board background (sage felt)
paneltile  127 x 128  the window panels (light sandstone with faint veins)
whitetile   32 x 32   a white paper texture

The panels tile their textures with a one-pixel overlap (a step of width - 1), so each
texture is periodic with that step: its last column repeats its first, and likewise the
rows. That way the tiling shows no seams. Only the standard library is used.
"""
import math
import os
import random
import struct
import zlib


def lattice(cells_x, cells_y, rng):
    return [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]


def smooth(t):
    return t * t * (3 - 2 * t)


def value_noise(x, y, period_x, period_y, grid):
    """Smooth noise at (x, y), periodic with (period_x, period_y)."""
    cells_y = len(grid)
    cells_x = len(grid[0])
    gx = (x % period_x) / period_x * cells_x
    gy = (y % period_y) / period_y * cells_y
    x0, y0 = int(gx) % cells_x, int(gy) % cells_y
    x1, y1 = (x0 + 1) % cells_x, (y0 + 1) % cells_y
    fx, fy = smooth(gx - int(gx)), smooth(gy - int(gy))
    top = grid[y0][x0] * (1 - fx) + grid[y0][x1] * fx
    bottom = grid[y1][x0] * (1 - fx) + grid[y1][x1] * fx
    return top * (1 - fy) + bottom * fy


def fractal(x, y, period_x, period_y, grids):
    total, weight, amplitude = 0.0, 0.0, 1.0
    for grid in grids:
        total += amplitude * value_noise(x, y, period_x, period_y, grid)
        weight += amplitude
        amplitude *= 0.55
    return total / weight


def make_grids(seed, base_cells, octaves):
    rng = random.Random(seed)
    return [lattice(base_cells * 2 ** o, base_cells * 2 ** o, rng) for o in range(octaves)]


def clamp(v):
    return max(0, min(255, int(round(v))))


def felt(width, height):
    period_x, period_y = width - 1, height - 1
    grids = make_grids(11, 3, 4)
    fine = random.Random(12)
    grain = [[fine.random() for _ in range(period_x)] for _ in range(period_y)]
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            n = fractal(x, y, period_x, period_y, grids) - 0.5
            g = grain[y % period_y][x % period_x] - 0.5
            shade = 28 * n + 10 * g
            row.append((clamp(148 + shade), clamp(178 + shade), clamp(138 + shade * 0.8)))
        rows.append(row)
    return rows


def sandstone(width, height):
    period_x, period_y = width - 1, height - 1
    grids = make_grids(21, 4, 4)
    vein_grids = make_grids(22, 2, 3)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            n = fractal(x, y, period_x, period_y, grids) - 0.5
            turbulence = fractal(x, y, period_x, period_y, vein_grids)
            # One whole wave per period in each direction keeps the veins periodic as well.
            phase = 2 * math.pi * (x / period_x + 2 * y / period_y) + 6 * turbulence
            vein = max(0.0, math.sin(phase)) ** 8
            shade = 30 * n - 15 * vein
            row.append((clamp(214 + shade), clamp(200 + shade), clamp(168 + shade * 0.9)))
        rows.append(row)
    return rows


def paper(width, height):
    period_x, period_y = width - 1, height - 1
    grids = make_grids(31, 2, 3)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            n = fractal(x, y, period_x, period_y, grids) - 0.5
            level = 248 + 14 * n
            row.append((clamp(level), clamp(level), clamp(level - 2)))
        rows.append(row)
    return rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                chunk(b"IEND", b""))


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "textures")
    os.makedirs(out, exist_ok=True)
    write_png(os.path.join(out, "boardtile.png"), felt(49, 49))
    write_png(os.path.join(out, "paneltile.png"), sandstone(127, 128))
    write_png(os.path.join(out, "whitetile.png"), paper(32, 32))


if __name__ == "__main__":
    main()
