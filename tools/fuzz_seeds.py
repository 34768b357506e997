#!/usr/bin/env python3
"""Writes well-formed network streams for the fuzzer to start from: an invitation, the board,
and cards and signals of a game in progress."""
import os
import struct
import sys


def frame(kind, payload, ident):
    return struct.pack("<iBII", ident, kind, len(payload), len(payload)) + payload


def invitation(names, network):
    out = bytes([len(names)])
    for i in range(4):
        name = names[i].encode("latin-1") if i < len(names) else b""
        out += bytes([len(name)]) + name.ljust(20, b"\0") + bytes([0, 1 if i < len(network) and network[i] else 0])
    return out


def board(groups, group_size):
    n = groups * group_size
    motifs = [(k % groups) + 1 for k in range(120)]
    return struct.pack("<HBBB", n, 1 if n == 120 else 0, 1 if group_size == 3 else 0, 1) + \
        b"".join(struct.pack("<i", m) for m in motifs)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    signal = struct.pack("<i", 1)
    for index, (groups, size) in enumerate([(30, 2), (60, 2), (20, 3), (40, 3)]):
        stream = frame(1, invitation(["Anna", "Bert"], [False, True]), 1)
        stream += frame(3, board(groups, size), 2)
        for slot in range(1, 7):
            stream += frame(4, struct.pack("<BH", 1, slot), 10 + slot) + frame(6, signal, 20 + slot)
        stream += frame(5, signal, 40) + frame(2, b"\1", 41)
        with open(os.path.join(out, "seed%d" % index), "wb") as f:
            f.write(stream)


if __name__ == "__main__":
    main()
