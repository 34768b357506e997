#!/usr/bin/env python3
"""Checks that the real program makes its sounds: turns a card and listens for "ppp1".

Starts a private PulseAudio server whose only output is a null sink, a virtual screen (Xvfb)
and build/src/sorbello, copied alone into an empty folder as a user may copy it; deals a game
with F2, clicks a card with xdotool and records the null sink's monitor with parec. Reports what arrived: the number of audible samples, the peak level,
how well the recording matches ppp1 and how long after the click the sound was heard.

Needs pulseaudio, pulseaudio-utils, xvfb and xdotool (Debian packages of those names). Nothing
of the user's own settings or sound server is touched: every path points into a temporary
directory. Exit status 0 when ppp1 was heard, 1 when not, 2 when the tools are missing.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
PROGRAM = os.path.join(ROOT, "build", "src", "sorbello")
SOUND = os.path.join(ROOT, "resources", "sounds", "ppp1.wav")
RATE = 11025
CHUNK = 110  # 10 ms of recording per read
QUIET = 2    # |sample - 128| up to this counts as silence
AUDIBLE = 5  # the level up to which the length of a sound is measured
DISPLAY_NUMBER = 73

# Slot 23 (second row, eighth column) of the board, relative to the window: the board's
# position in the window plus the slot's centre.
CARD_X, CARD_Y = 17 + 311 + 20, 75 + 53 + 20


class Recorder:
    """Reads the monitor in 10 ms pieces and notes when each piece arrived."""

    def __init__(self, env, source):
        self.process = subprocess.Popen(
            ["parec", "-d", source, "--format=u8", "--rate=%d" % RATE, "--channels=1", "--raw",
             "--latency-msec=10"], stdout=subprocess.PIPE, env=env)
        self.pieces = []
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        while True:
            data = os.read(self.process.stdout.fileno(), CHUNK)
            if not data:
                return
            self.pieces.append((time.monotonic(), data))

    def stop(self):
        self.process.terminate()
        self.process.wait()
        self.thread.join(2)


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.05)
    return False


def correlation(a, b):
    n = min(len(a), len(b))
    a, b = a[:n], b[:n]
    ma, mb = sum(a) / n, sum(b) / n
    num = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    den = math.sqrt(sum((x - ma) ** 2 for x in a) * sum((y - mb) ** 2 for y in b))
    return num / den if den else 0.0


def best_match(recording, reference, around):
    """Highest correlation of reference with the recording near index `around`."""
    best = (0.0, 0)
    for lag in range(max(0, around - 200), min(len(recording) - len(reference), around + 200) + 1):
        c = correlation(recording[lag:lag + len(reference)], reference)
        best = max(best, (c, lag))
    return best


def audible_length(samples):
    loud = [i for i, b in enumerate(samples) if abs(b - 128) > AUDIBLE]
    return loud[-1] - loud[0] + 1 if loud else 0


def analyse(pieces, click_time, reference):
    recording = b"".join(data for _, data in pieces)
    loud = [i for i, b in enumerate(recording) if abs(b - 128) > QUIET]
    print("recorded %d samples (%.2f s) at %d Hz, u8 mono" % (len(recording), len(recording) / RATE, RATE))
    if not loud:
        print("no sound arrived at the sink")
        return False
    first_piece = next(t for t, data in pieces if any(abs(b - 128) > QUIET for b in data))
    peak = max(abs(recording[i] - 128) for i in loud)
    print("audible samples: %d, from sample %d to %d (%.3f s)" %
          (len(loud), loud[0], loud[-1], (loud[-1] - loud[0] + 1) / RATE))
    print("peak level: %d of 127 (ppp1 itself peaks at %d)" %
          (peak, max(abs(b - 128) for b in reference)))
    print("first sound arrived %.0f ms after the click (including the recorder's own latency)" %
          ((first_piece - click_time) * 1000))
    score, lag = best_match(recording, reference, loud[0])
    print("correlation with ppp1: %.3f at sample %d" % (score, lag))
    heard = audible_length(recording[lag:lag + len(reference) + RATE // 10])
    wanted = audible_length(reference)
    print("heard above level %d for %d samples; ppp1 is above it for %d" % (AUDIBLE, heard, wanted))
    # A sound stopped too early loses its tail; resampling on the way may soften it a little.
    return score > 0.8 and heard >= 0.7 * wanted


def main():
    for tool in ("pulseaudio", "parec", "pactl", "Xvfb", "xdotool"):
        if not shutil.which(tool):
            print("missing tool:", tool)
            return 2
    if not os.path.exists(PROGRAM):
        print("build the program first:", PROGRAM)
        return 2
    with open(SOUND, "rb") as f:
        raw = f.read()
    reference = raw[44:44 + int.from_bytes(raw[40:44], "little")]

    scratch = tempfile.mkdtemp(prefix="sorbello-sound-")
    socket = os.path.join(scratch, "pulse-native")
    env = dict(os.environ, HOME=scratch, XDG_CONFIG_HOME=scratch, XDG_DATA_HOME=scratch,
               XDG_CACHE_HOME=scratch, XDG_RUNTIME_DIR=scratch, PULSE_SERVER="unix:" + socket,
               DISPLAY=":%d" % DISPLAY_NUMBER, LANGUAGE="de")  # the titles looked for are German
    env.pop("QT_QPA_PLATFORM", None)
    started = []
    try:
        started.append(subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "-L", "module-null-sink sink_name=sorbello_check",
             "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % socket],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_for(lambda: subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0, 10):
            print("the sound server did not start")
            return 1
        started.append(subprocess.Popen(["Xvfb", ":%d" % DISPLAY_NUMBER, "-screen", "0", "1024x768x24"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(1)
        # The program alone is all a user needs for sound.
        alone = os.path.join(scratch, "alone")
        os.mkdir(alone)
        program = shutil.copy(PROGRAM, alone)
        started.append(subprocess.Popen([program], env=env, cwd=alone, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Sorbello$"], env=env,
                               capture_output=True, text=True, timeout=20)
        window = found.stdout.split()[0]
        time.sleep(1)
        recorder = Recorder(env, "sorbello_check.monitor")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env)
        # F2 opens the new-game dialog; Enter on the first kind list starts the game it
        # offers. Without a window manager the dialog gets the keyboard only when told.
        subprocess.run(["xdotool", "key", "F2"], env=env)
        dialog = subprocess.run(["xdotool", "search", "--sync", "--name", "^Neues Spiel"], env=env,
                                capture_output=True, text=True, timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", dialog], env=env)
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "Return"], env=env)
        time.sleep(2)
        subprocess.run(["xdotool", "mousemove", "--window", window, str(CARD_X), str(CARD_Y)], env=env)
        click_time = time.monotonic()
        subprocess.run(["xdotool", "click", "1"], env=env)
        time.sleep(3)
        recorder.stop()
        if len(sys.argv) > 1:
            subprocess.run(["import", "-window", "root", "-depth", "8", sys.argv[1]], env=env)
        return 0 if analyse(recorder.pieces, click_time, reference) else 1
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
