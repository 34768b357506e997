#!/usr/bin/env python3
"""What the program costs while nothing happens, next to a bare Qt window of the same size.

Started by tools/idle_profile.sh, which builds both. On its own Xvfb display it starts the
program and build/bench/bare_window side by side, each in its own network namespace and with
its own temporary HOME and XDG folders, and prints for each, as medians over the runs:

  - wake-ups per second: voluntary context switches of all its threads over the period;
  - the same during a game while the human participant is to move (participant 1, a human,
    always begins; participant 2 is a computer player that therefore never moves);
  - CPU as % of one core over the same periods (utime + stime);
  - memory after the idle period and again after the deal and the game period: peak RSS
    (VmHWM), PSS and private dirty memory (/proc/PID/smaps_rollup; PSS shares each page among
    the processes that map it, the bare window among them);
  - milliseconds from the start of the process to its main window being mapped, and to the
    first drawing into it, as the X server reports them (no polling), and the CPU time all its
    threads used until the window was mapped (less disturbed by other load), over the starts of the
    runs and --starts further starts (a first start of each, from a cold cache, is not counted).

Every run starts both programs one after the other (the order alternates from run to run), so
that neither start competes with the other, and then measures both over the same seconds. The
program is copied alone into an empty folder, as a user may copy it, and runs from there.
Needs root (network namespaces), Xvfb, xdotool, unshare, nsenter and ip.
"""

import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PROGRAM_TITLE = "Sorbello"
BARE_TITLE = "Bare window"
NEW_GAME_TITLE = "Neues Spiel..."
# "Spiel beginnen!" in the new-game dialog, from the dialog's top left corner.
START_BUTTON = (98, 361)
SETTINGS = """[Daten]
sp1=Spieler 1
geg1=0
sp2=Spieler 2
geg2=2
gesamtlevel=1
"""

# Xlib event numbers and masks.
MAP_NOTIFY = 19
UNMAP_NOTIFY = 18
CREATE_NOTIFY = 16
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
DAMAGE_REPORT_NON_EMPTY = 3


class XWatch:
    """Records when top-level windows are created, mapped, unmapped and first drawn into.

    Blocks on the X connection and a stop pipe, so it adds no wake-ups to the programs measured.
    """

    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        # A window gone before its name is asked for must not end this program.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self._ignore_errors = handler_type(lambda display, event: 0)
        self.x.XSetErrorHandler(self._ignore_errors)
        self.display = self.x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError("cannot open display " + display)
        self.damage = self._load_damage()
        self.root = self.x.XDefaultRootWindow(self.display)
        self.x.XSelectInput(self.display, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.display)
        self.names = {}
        self.events = []  # (seconds, kind, window, name)
        self.changed = threading.Condition()
        self.stop_read, self.stop_write = os.pipe()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _load_damage(self):
        path = ctypes.util.find_library("Xdamage")
        if not path:
            return None
        damage = ctypes.CDLL(path)
        damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_int)]
        damage.XDamageCreate.restype = ctypes.c_ulong
        damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        damage.XDamageDestroy.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(self.display, ctypes.byref(event_base), ctypes.byref(error_base)):
            return None
        self.damage_event = event_base.value
        self.damaged = {}  # window -> damage object, until its first report
        return damage

    def _run(self):
        event = (ctypes.c_char * 192)()
        fd = self.x.XConnectionNumber(self.display)
        while True:
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, event)
                self._note(event)
            readable, _, _ = select.select([fd, self.stop_read], [], [])
            if self.stop_read in readable:
                return

    def _note(self, event):
        now = time.monotonic()
        kind = int.from_bytes(bytes(event[0:4]), sys.byteorder)
        if kind == CREATE_NOTIFY and self.damage:
            # XCreateWindowEvent: type, serial, send_event, display, parent, window, ...
            window = ctypes.c_ulong.from_buffer(event, 40).value
            self.damaged[window] = self.damage.XDamageCreate(self.display, window, DAMAGE_REPORT_NON_EMPTY)
            return
        if self.damage and kind == self.damage_event:
            # XDamageNotifyEvent: type, serial, send_event, display, drawable, ...
            window = ctypes.c_ulong.from_buffer(event, 32).value
            handle = self.damaged.pop(window, None)
            if handle is None:
                return
            self.damage.XDamageDestroy(self.display, handle)
            self._record(now, "drawn", window)
            return
        if kind not in (MAP_NOTIFY, UNMAP_NOTIFY):
            return
        # XMapEvent and XUnmapEvent: type, serial, send_event, display, event, window, ...
        window = ctypes.c_ulong.from_buffer(event, 40).value
        self._record(now, "mapped" if kind == MAP_NOTIFY else "unmapped", window)

    def _record(self, now, kind, window):
        # Window numbers come again with later clients, so a name is only kept while mapped.
        if kind == "unmapped":
            name = self.names.pop(window, "")
        else:
            name = ""
            text = ctypes.c_char_p()
            if self.x.XFetchName(self.display, window, ctypes.byref(text)) and text.value is not None:
                name = text.value.decode("latin-1")
                self.x.XFree(text)
            self.names[window] = name
        with self.changed:
            self.events.append((now, kind, window, name))
            self.changed.notify_all()

    def wait_for(self, kind, name, since, timeout=30.0, window=None):
        """The first event of that kind for a window of that name (or that window) after `since`."""
        deadline = time.monotonic() + timeout
        with self.changed:
            while True:
                for when, what, which, title in self.events:
                    if when >= since and what == kind and (which == window if window else title == name):
                        return when, which
                left = deadline - time.monotonic()
                if left <= 0:
                    raise TimeoutError(f"no window '{name}' {kind} within {timeout} s")
                self.changed.wait(left)

    def close(self):
        os.write(self.stop_write, b"x")
        self.thread.join()
        self.x.XCloseDisplay(self.display)


class Instance:
    """One program started in its own network namespace and temporary home."""

    def __init__(self, label, executable, title, root, display, arguments=()):
        self.label = label
        self.title = title
        self.arguments = list(arguments)
        self.window = None
        self.home = tempfile.mkdtemp(prefix=label + "-", dir=root)
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("XDG_", "DBUS_", "QT_", "PULSE_"))}
        for key, folder in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                            ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "runtime")):
            env[key] = os.path.join(self.home, folder)
            os.makedirs(env[key], mode=0o700)
        env["DISPLAY"] = display
        env["QT_QPA_PLATFORM"] = "xcb"
        env["LANGUAGE"] = "de"  # the titles waited for are the German ones
        settings = os.path.join(env["XDG_CONFIG_HOME"], "Vuko-Software")
        os.makedirs(settings)
        with open(os.path.join(settings, "Sorbello.conf"), "w") as file:
            file.write(SETTINGS)
        self.env = env
        # A link of its own, so that files kept beside the program land in the temporary home.
        self.executable = os.path.join(self.home, os.path.basename(executable))
        os.link(executable, self.executable)
        # The namespace is made before the clock starts: only the program's own start is timed.
        self.namespace = subprocess.Popen(
            ["unshare", "-n", "sh", "-c", "ip link set lo up && exec sleep infinity"],
            stdin=subprocess.DEVNULL)
        self.process = None

    def start(self):
        self._wait_for_loopback()
        log = open(os.path.join(self.home, "log"), "w")
        started = time.monotonic()
        self.process = subprocess.Popen(
            ["nsenter", "-t", str(self.namespace.pid), "-n", self.executable, *self.arguments],
            env=self.env, cwd=self.home, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        return started

    def _wait_for_loopback(self):
        for _ in range(200):
            # The holder execs sleep only once the loopback is up.
            with open(f"/proc/{self.namespace.pid}/comm") as file:
                if file.read().strip() == "sleep":
                    return
            time.sleep(0.01)
        raise RuntimeError("network namespace not ready")

    @property
    def pid(self):
        return self.process.pid

    def sample(self):
        """Voluntary context switches per thread (name, tid) and CPU ticks of the process."""
        switches = {}
        task_dir = f"/proc/{self.pid}/task"
        for tid in os.listdir(task_dir):
            try:
                with open(f"{task_dir}/{tid}/comm") as file:
                    name = file.read().strip()
                with open(f"{task_dir}/{tid}/status") as file:
                    for line in file:
                        if line.startswith("voluntary_ctxt_switches"):
                            switches[(name, tid)] = int(line.split()[1])
            except FileNotFoundError:
                pass  # a thread that ended meanwhile
        with open(f"/proc/{self.pid}/stat") as file:
            fields = file.read().rsplit(")", 1)[1].split()
        ticks = int(fields[11]) + int(fields[12])  # utime, stime
        return switches, ticks

    def run_ms(self):
        """CPU time of all threads so far, to the nanosecond (schedstat), in milliseconds."""
        total = 0
        task_dir = f"/proc/{self.pid}/task"
        for tid in os.listdir(task_dir):
            try:
                with open(f"{task_dir}/{tid}/schedstat") as file:
                    total += int(file.read().split()[0])
            except FileNotFoundError:
                pass
        return total / 1e6

    def peak_rss_mb(self):
        with open(f"/proc/{self.pid}/status") as file:
            for line in file:
                if line.startswith("VmHWM"):
                    return int(line.split()[1]) / 1024
        return float("nan")

    def memory(self):
        """Peak RSS, PSS and private dirty memory, in MB."""
        figures = {"rss_mb": self.peak_rss_mb()}
        with open(f"/proc/{self.pid}/smaps_rollup") as file:
            for line in file:
                name, _, rest = line.partition(":")
                if name in ("Pss", "Private_Dirty"):
                    figures[name.lower() + "_mb"] = int(rest.split()[0]) / 1024
        return figures

    def stop(self):
        for process in (self.process, self.namespace):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def rates(before, after, seconds):
    """Wake-ups per second in all, per thread name, and CPU % of one core."""
    (switches0, ticks0), (switches1, ticks1) = before, after
    per_thread = {}
    for key, count in switches1.items():
        name = key[0]
        per_thread[name] = per_thread.get(name, 0) + (count - switches0.get(key, 0)) / seconds
    total = sum(per_thread.values())
    cpu = 100.0 * (ticks1 - ticks0) / CLOCK_TICKS / seconds
    return total, per_thread, cpu


def measure_together(instances, seconds):
    before = [instance.sample() for instance in instances]
    time.sleep(seconds)
    after = [instance.sample() for instance in instances]
    return [rates(b, a, seconds) for b, a in zip(before, after)]


def start_game(watch, program):
    """F2, then a click on "Spiel beginnen!"; returns once the dealt game has settled."""
    since = time.monotonic()
    xdotool("windowfocus", "--sync", str(program.window))
    xdotool("key", "F2")
    _, dialog = watch.wait_for("mapped", NEW_GAME_TITLE, since)
    time.sleep(0.5)
    xdotool("mousemove", "--window", str(dialog), str(START_BUTTON[0]), str(START_BUTTON[1]), "click", "1")
    watch.wait_for("unmapped", NEW_GAME_TITLE, since, timeout=10, window=dialog)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL)


def make_pair(args, root, display):
    return [Instance("sorbello", args.program, PROGRAM_TITLE, root, display),
            Instance("bare", args.bare, BARE_TITLE, root, display, [BARE_TITLE])]


def start_timed(watch, instance, result):
    """Starts the instance and notes when its window is mapped and first drawn into."""
    started = instance.start()
    mapped, instance.window = watch.wait_for("mapped", instance.title, started)
    # Read at once: less disturbed by other load on the machine than the wall-clock time.
    result[instance.label, "map_cpu_ms"] = instance.run_ms()
    result[instance.label, "map_ms"] = 1000 * (mapped - started)
    if watch.damage:
        drawn, _ = watch.wait_for("drawn", instance.title, started, window=instance.window)
        result[instance.label, "draw_ms"] = 1000 * (drawn - started)


def starts_only(index, args, watch, root, display):
    """Both programs started one after the other and ended again once their windows show."""
    pair = make_pair(args, root, display)
    result = {}
    try:
        for instance in pair if index % 2 == 0 else reversed(pair):
            start_timed(watch, instance, result)
            time.sleep(0.3)
    finally:
        for instance in pair:
            instance.stop()
    return result


def one_run(index, args, watch, root, display):
    pair = make_pair(args, root, display)
    program = pair[0]
    result = {}
    try:
        for instance in pair if index % 2 == 0 else reversed(pair):
            start_timed(watch, instance, result)
            time.sleep(args.settle)
        for instance, (total, threads, cpu) in zip(pair, measure_together(pair, args.seconds)):
            result[instance.label, "idle_wakeups"] = total
            result[instance.label, "idle_threads"] = threads
            result[instance.label, "idle_cpu"] = cpu
            for key, value in instance.memory().items():
                result[instance.label, "idle_" + key] = value
        start_game(watch, program)
        time.sleep(args.settle)
        for instance, (total, threads, cpu) in zip(pair, measure_together(pair, args.seconds)):
            result[instance.label, "game_wakeups"] = total
            result[instance.label, "game_threads"] = threads
            result[instance.label, "game_cpu"] = cpu
            for key, value in instance.memory().items():
                result[instance.label, "game_" + key] = value
        for instance in pair:
            if instance.process.poll() is not None:
                raise RuntimeError(f"{instance.label} ended early")
    finally:
        for instance in pair:
            instance.stop()
    return result


FIGURES = [
    ("idle_wakeups", "wake-ups/s, idle", "{:.1f}"),
    ("game_wakeups", "wake-ups/s, game, human to move", "{:.1f}"),
    ("idle_cpu", "CPU % of one core, idle", "{:.2f}"),
    ("game_cpu", "CPU % of one core, game", "{:.2f}"),
    ("idle_rss_mb", "peak RSS MB (VmHWM), idle", "{:.1f}"),
    ("idle_pss_mb", "PSS MB, idle", "{:.1f}"),
    ("idle_private_dirty_mb", "private dirty MB, idle", "{:.1f}"),
    ("game_rss_mb", "peak RSS MB, after a deal", "{:.1f}"),
    ("game_pss_mb", "PSS MB, after a deal", "{:.1f}"),
    ("game_private_dirty_mb", "private dirty MB, after a deal", "{:.1f}"),
    ("map_ms", "start to window mapped, ms", "{:.0f}"),
    ("draw_ms", "start to first drawing, ms", "{:.0f}"),
    ("map_cpu_ms", "CPU ms until window mapped", "{:.0f}"),
]


def print_table(results, starts, seconds):
    print(f"medians of {len(results)} runs of {seconds:g} s per period and of {len(starts)} starts "
          "(min..max in brackets)")
    print(f"{'figure':34} {'bare window':>20} {'Sorbello':>20} {'ratio':>7}")
    for key, title, form in FIGURES:
        samples = starts if key.startswith(("map", "draw")) else results
        if not samples or ("sorbello", key) not in samples[0]:
            continue
        medians, texts = [], []
        for label in ("bare", "sorbello"):
            values = [sample[label, key] for sample in samples]
            medians.append(statistics.median(values))
            texts.append(f"{form.format(medians[-1])} ({form.format(min(values))}..{form.format(max(values))})")
        # A bare window that does not wake at all gives no ratio.
        ratio = f"{medians[1] / medians[0]:.2f}x" if medians[0] > 0.05 else "-"
        print(f"{title:34} {texts[0]:>20} {texts[1]:>20} {ratio:>7}")
    for label, name in (("bare", "bare window"), ("sorbello", "Sorbello")) if results else ():
        for phase in ("idle", "game"):
            print(f"{name} wake-ups/s per thread, {phase}: " + per_thread(results, label, phase))


def per_thread(results, label, phase):
    key = label, phase + "_threads"
    names = sorted({name for run in results for name in run[key]})
    return ", ".join(f"{name} {statistics.median(run[key].get(name, 0) for run in results):.1f}"
                     for name in names)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
                             "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=10.0)
    parser.add_argument("--starts", type=int, default=10, help="further starts timed, beside those of the runs")
    parser.add_argument("--settle", type=float, default=3.0,
                        help="seconds after a start or a deal before measuring")
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("idle_profile needs root: each program gets its own network namespace")
    root = tempfile.mkdtemp(prefix="idle-profile-")
    xvfb, display = start_xvfb()
    os.environ["DISPLAY"] = display  # for xdotool
    watch = None
    try:
        watch = XWatch(display)
        # One copy each, linked into every run's home.
        program = shutil.copy(args.program, os.path.join(root, "sorbello"))
        bare = shutil.copy(args.bare, os.path.join(root, "bare_window"))
        args.program, args.bare = program, bare
        # Pages of a file just written count as dirty until written back, in every process
        # that maps them: written now, the copies' pages count as what they are, clean.
        os.sync()
        # The first start of each reads everything from disk; it is not counted.
        starts_only(0, args, watch, root, display)
        starts = [starts_only(index, args, watch, root, display) for index in range(args.starts)]
        results = []
        for index in range(args.runs):
            results.append(one_run(index, args, watch, root, display))
            run = results[-1]
            print(f"run {index + 1}: wake-ups/s idle {run['bare', 'idle_wakeups']:.1f} / "
                  f"{run['sorbello', 'idle_wakeups']:.1f}, game {run['bare', 'game_wakeups']:.1f} / "
                  f"{run['sorbello', 'game_wakeups']:.1f}, peak RSS idle {run['bare', 'idle_rss_mb']:.1f} / "
                  f"{run['sorbello', 'idle_rss_mb']:.1f} MB, after a deal {run['bare', 'game_rss_mb']:.1f} / "
                  f"{run['sorbello', 'game_rss_mb']:.1f} MB, mapped {run['bare', 'map_ms']:.0f} / "
                  f"{run['sorbello', 'map_ms']:.0f} ms (bare / Sorbello)", flush=True)
        print_table(results, starts + results, args.seconds)
    finally:
        if watch:
            watch.close()
        xvfb.send_signal(signal.SIGTERM)
        xvfb.wait()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
