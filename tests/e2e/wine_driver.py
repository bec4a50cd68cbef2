"""Drives DemoDisc.exe and its windows under Wine with real pointer input
(xdotool) in the virtual desktop, and finds its windows with window_probe.exe.
configure() names the folder of the probe and a work folder first.
"""

import os
import subprocess
import time

TESTS_BIN = None
WORK = None

# The height of a catalogue button in pixels.
BUTTON_HEIGHT = 36


def configure(tests_bin, work):
    global TESTS_BIN, WORK
    TESTS_BIN, WORK = tests_bin, work


def log(*parts):
    print("e2e:", *parts, flush=True)


def wine(*args, **kw):
    """Runs a Windows program; its output goes through a file, because a pipe
    would stay open as long as any Wine process that inherited it lives."""
    out_path = os.path.join(WORK, "wine-output.txt")
    with open(out_path, "w+b") as out:
        code = subprocess.run(["wine", *args], stdout=out, stderr=subprocess.DEVNULL,
                              stdin=subprocess.DEVNULL, **kw).returncode
        out.seek(0)
        text = out.read().decode("utf-8", errors="replace")
    return subprocess.CompletedProcess(args, code, text, "")


def settle():
    """Ends the prefix's server, so that the registry is on disk. (The test
    command keeps one server up for the whole run: waiting for it to end by
    itself would never return.)"""
    subprocess.run(["wineserver", "-k"], check=False, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], check=False)


class Probe:
    def __init__(self, windows, tabs, answers):
        self.windows, self.tabs, self.answers = windows, tabs, answers


def probe(*top_classes):
    """The visible top-level windows of the classes and their descendants,
    in one list (a depth 0 entry starts each top-level window)."""
    result = wine(os.path.join(TESTS_BIN, "window_probe.exe"), *top_classes)
    windows, tabs = [], []
    for line in result.stdout.splitlines():
        parts = line.split(" ", 7)
        if parts[0] == "tab":
            tabs.append(tuple(int(v) for v in parts[2:6]))
        elif len(parts) >= 7:
            windows.append({"depth": int(parts[0]), "class": parts[1],
                            "rect": tuple(int(v) for v in parts[3:7]),
                            "text": parts[7] if len(parts) > 7 else ""})
    return Probe(windows, tabs, result.returncode == 0), result.returncode


def wait_for(top_class, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        p, code = probe(top_class)
        if code == 0 and p.windows:
            return p
        time.sleep(0.2)
    raise SystemExit(f"e2e: no answering {top_class} window within {timeout} s")


def start_program(exe_name, cwd, title):
    """Starts a program of the disc folder `cwd` and waits for its main
    window: (the process, the main window's probe, what was wrong once it
    came up: an error message shown at start, or a title other than
    `title`). When no main window answers, the process is ended and
    SystemExit raised."""
    proc = subprocess.Popen(["wine", exe_name], cwd=cwd,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = wait_for("TMainForm")
    except SystemExit:
        proc.kill()
        raise
    time.sleep(0.5)
    failures = []
    if probe("#32770")[1] == 0:
        failures.append("an error message came up at start")
    app, _ = probe("TApplication")
    if not app.windows or app.windows[0]["text"] != title:
        failures.append(f"title {[w['text'] for w in app.windows[:1]]}, expected {title!r}")
    return proc, main, failures


def wait_gone(top_class, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        _, code = probe(top_class)
        if code == 1:
            return
        time.sleep(0.2)
    raise SystemExit(f"e2e: {top_class} still up after {timeout} s")


def top_windows(p, cls):
    """The windows of each top-level window of the class in a probe, a list
    per top-level window (itself first)."""
    found = []
    for w in p.windows:
        if w["depth"] == 0:
            found.append([w] if w["class"] == cls else None)
        elif found and found[-1] is not None:
            found[-1].append(w)
    return [f for f in found if f is not None]


def shoot(rect, path):
    """Saves a rectangle of the screen as a PNG picture."""
    left, top, right, bottom = rect
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{right - left}x{bottom - top}+{left}+{top}", "+repage", path], check=True)


def pointer(x, y, click=False):
    # No --sync: it waits forever when the pointer already stands there.
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.15)
    if click:
        subprocess.run(["xdotool", "click", "1"], check=True)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def find(p, cls, text=None):
    for w in p.windows:
        if w["class"] == cls and (text is None or w["text"] == text):
            return w
    raise SystemExit(f"e2e: no visible {cls} {text or ''} in the main window")


# Programs that the items start (batch files run by cmd, which the sample's
# batch files make wait with ping; the player; the reader).
# Wine shows a process's Windows path, or the name it was started by, as its
# first argument.
STARTED_PROGRAMS = ("cmd", "ping", "la", "acrord32", "record_args")


def in_this_prefix(pid):
    """True for a process of this test's Wine prefix: other runs on the
    machine, in prefixes of their own, start the same programs."""
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            env = f.read().split(b"\0")
    except OSError:
        return False
    return ("WINEPREFIX=" + os.environ.get("WINEPREFIX", "")).encode() in env


def running_programs(names):
    """Those of the names (lower case, without ".exe") of programs running in
    this test's prefix; a process's environment is read only for a name
    asked for."""
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                first = f.read().split(b"\0")[0].decode("utf-8", "replace")
        except OSError:
            continue
        name = first.replace("\\", "/").rsplit("/", 1)[-1].lower().removesuffix(".exe")
        if name in names and in_this_prefix(pid):
            yield name


def started_program():
    """The name of a program that an item started while it runs, else None:
    the program answers meanwhile, so only the processes tell that it still
    waits."""
    return next(running_programs(STARTED_PROGRAMS), None)


def after_click():
    """Waits until what a click started has ended: a dialog or the notice
    window is dismissed with Enter (its class is returned), a started program
    is waited for ("ran", and the names of the programs seen running, as in
    "ran cmd+ping")."""
    time.sleep(0.5)
    end = time.time() + 60
    seen = set()
    while time.time() < end:
        for dialog in ("TMessageForm", "TFormBlenge"):
            _, code = probe(dialog)
            if code == 0:
                key("Return")
                wait_gone(dialog)
                return dialog
        running = started_program()
        if running:
            seen.add(running)
            time.sleep(0.3)
            continue
        p, code = probe("TMainForm")
        if code == 0 and not any(probe(d)[1] == 0 for d in ("TMessageForm", "TFormBlenge")):
            return " ".join(["ran"] + (["+".join(sorted(seen))] if seen else []))
        time.sleep(0.3)
    raise SystemExit("e2e: the main window does not come back")
