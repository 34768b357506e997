#!/usr/bin/env python3
"""Synthesises the five game sounds of Sorbello and writes them to resources/sounds.

ppp1   1485 samples  a card is turned: a short wooden click
ppp2   8488 samples  no match: a soft low buzz
ppp3   9787 samples  a match: a rising four-note chime
ppp4  33691 samples  a single winner: a short brass fanfare
ppp5  33618 samples  a draw: a falling two-tone, three times, each lower and softer

Every file is a canonical 44-byte RIFF WAVE header followed by unsigned 8-bit mono PCM at
11025 Hz (silence is 128). The program reads the header at fixed offsets, so nothing but
that layout is written; odd data lengths get the RIFF pad byte after the data. Only the
standard library is used, and the output is the same on every run.
"""
import math
import os
import random
import struct
import wave

RATE = 11025
NYQUIST_GUARD = 5000.0  # partials above this would alias at 11025 Hz


def note(name):
    """Frequency of a note like 'C5' or 'A#4' (equal temperament, A4 = 440 Hz)."""
    steps = {"C": -9, "C#": -8, "D": -7, "D#": -6, "E": -5, "F": -4, "F#": -3,
             "G": -2, "G#": -1, "A": 0, "A#": 1, "B": 2}
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((steps[pitch] + 12 * (octave - 4)) / 12)


def silence(length):
    return [0.0] * length


def add_partials(buf, start, length, freq, partials, envelope, gain=1.0):
    """Adds a tone of harmonic/inharmonic partials [(ratio, amplitude)] shaped by envelope(t)."""
    first = int(start * RATE)
    for i in range(max(0, length)):
        k = first + i
        if k >= len(buf):
            break
        t = i / RATE
        value = 0.0
        for ratio, amplitude in partials:
            if freq * ratio < NYQUIST_GUARD:
                value += amplitude * math.sin(2 * math.pi * freq * ratio * t)
        buf[k] += gain * envelope(t) * value


def bell_envelope(decay):
    return lambda t: min(1.0, t / 0.002) * math.exp(-t / decay)


def click(length):
    buf = silence(length)
    rng = random.Random(7)
    for i in range(length):
        t = i / RATE
        body = 0.55 * math.sin(2 * math.pi * 1250 * t) * math.exp(-t / 0.016)
        knock = 0.30 * math.sin(2 * math.pi * 620 * t) * math.exp(-t / 0.030)
        ring = 0.12 * math.sin(2 * math.pi * 2630 * t) * math.exp(-t / 0.008)
        tick = 0.35 * (rng.random() * 2 - 1) * math.exp(-t / 0.0015)
        buf[i] = body + knock + ring + tick
    return buf


def buzz(length):
    buf = silence(length)
    phases = [0.0, 0.0]
    duration = length / RATE
    for i in range(length):
        t = i / RATE
        base = 104 - 14 * (t / duration)  # sags a little, like a disappointed buzzer
        value = 0.0
        for voice, detune in enumerate((1.0, 1.008)):
            phases[voice] += 2 * math.pi * base * detune / RATE
            for n in range(1, 14):
                if base * n < NYQUIST_GUARD:
                    value += math.sin(n * phases[voice]) / n ** 1.4
        tremolo = 0.85 + 0.15 * math.sin(2 * math.pi * 9 * t)
        attack = min(1.0, t / 0.015)
        release = min(1.0, (duration - t) / 0.12)
        buf[i] = value * tremolo * attack * release
    return buf


def chime(length):
    buf = silence(length)
    partials = [(1.0, 1.0), (2.756, 0.28), (5.404, 0.08)]
    for index, name in enumerate(("C5", "E5", "G5", "C6")):
        start = index * 0.09
        add_partials(buf, start, length, note(name), partials, bell_envelope(0.28), 0.8 + 0.1 * index)
    return buf


def brass_envelope(duration):
    def envelope(t):
        if t > duration:
            return 0.0
        attack = min(1.0, t / 0.025)
        swell = 0.82 + 0.18 * math.exp(-t / 0.06)
        release = min(1.0, (duration - t) / 0.05)
        return attack * swell * release
    return envelope


def fanfare(length):
    buf = silence(length)
    brass = [(1, 1.0), (2, 0.75), (3, 0.55), (4, 0.40), (5, 0.26), (6, 0.16), (7, 0.09), (8, 0.05)]
    phrase = [(0.00, 0.14, ["G4"]), (0.17, 0.14, ["G4"]), (0.34, 0.14, ["G4"]),
              (0.51, 0.48, ["C5"]), (1.03, 0.15, ["E5"]), (1.21, 0.15, ["D5"])]
    for start, duration, names in phrase:
        for name in names:
            add_partials(buf, start, int((duration + 0.01) * RATE), note(name), brass,
                         brass_envelope(duration))
    final_start = 1.40
    final_duration = length / RATE - final_start
    for name, gain in (("C5", 0.75), ("E5", 0.6), ("G5", 0.5)):
        def envelope(t, d=final_duration):
            vibrato = 1 + 0.04 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.6)
            fade = min(1.0, (d - t) / 0.9)
            return brass_envelope(d)(t) * vibrato * max(0.0, fade)
        add_partials(buf, final_start, length, note(name), brass, envelope, gain)
    return buf


def two_tone(length):
    buf = silence(length)
    vibraphone = [(1.0, 1.0), (4.0, 0.18), (10.0, 0.03)]
    pairs = [("E5", "C5", 1.0), ("D5", "A#4", 0.8), ("C5", "G#4", 0.62)]
    for index, (high, low, gain) in enumerate(pairs):
        start = index * 0.95
        for offset, name in ((0.0, high), (0.45, low)):
            def envelope(t):
                tremolo = 0.9 + 0.1 * math.sin(2 * math.pi * 4.5 * t)
                return min(1.0, t / 0.004) * math.exp(-t / 0.35) * tremolo
            add_partials(buf, start + offset, length, note(name), vibraphone, envelope, gain)
    return buf


def finish(buf, peak=0.74):
    """Scales to the peak level, fades both ends and quantises to unsigned 8-bit."""
    loudest = max(abs(v) for v in buf) or 1.0
    length = len(buf)
    fade_in, fade_out = int(0.003 * RATE), int(0.015 * RATE)
    out = bytearray(length)
    for i, v in enumerate(buf):
        gain = peak / loudest
        if i < fade_in:
            gain *= 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
        if i >= length - fade_out:
            gain *= 0.5 - 0.5 * math.cos(math.pi * (length - 1 - i) / fade_out)
        out[i] = max(0, min(255, round(128 + 127 * v * gain)))
    return bytes(out)


def wave_file(samples):
    pad = b"\x00" if len(samples) % 2 else b""
    header = b"RIFF" + struct.pack("<I", 36 + len(samples) + len(pad)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    header += b"data" + struct.pack("<I", len(samples))
    assert len(header) == 44
    return header + samples + pad


SOUNDS = [("ppp1", 1485, click), ("ppp2", 8488, buzz), ("ppp3", 9787, chime),
          ("ppp4", 33691, fanfare), ("ppp5", 33618, two_tone)]


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, length, make in SOUNDS:
        path = os.path.join(folder, name + ".wav")
        with open(path, "wb") as f:
            f.write(wave_file(finish(make(length))))
        with wave.open(path, "rb") as check:
            assert (check.getnchannels(), check.getsampwidth(), check.getframerate(),
                    check.getnframes()) == (1, 1, RATE, length)
        print(f"{path}: {length} samples, {length / RATE:.2f} s")


if __name__ == "__main__":
    main()
