#!/usr/bin/env python3
"""The program on a real desktop: Xvfb with openbox, driven with xdotool.

    desktop_test.py <program> <installation folder> <seed_base.sh>

Starts the program on a base folder seeded from the default installation and
checks, as a user would see it, that
  - the tip at start-up, the tip over the interactive recipe chooser and the
    chooser's delete question are the topmost window when they open
    (xprop -root _NET_CLIENT_LIST_STACKING) and have the keys,
  - every window of the program lies wholly on the 1600x1000 screen,
  - a right click on an item in the kitchen selects it (the saved file says).
Every wait polls with a time limit; the whole run ends after RUN_SECONDS.
Xvfb, openbox and the program run in process groups of their own, are killed
with their groups at the end, and die with this script even when it is
killed (PR_SET_PDEATHSIG). Exit 77 (skipped) when a tool is missing.
"""
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1600, 1000
RUN_SECONDS = 110
WAIT = 20  # seconds for one window or state to appear
TOOLS = ["Xvfb", "openbox", "xdotool", "xprop", "xwininfo"]


class Failure(Exception):
    pass


def die_with_parent():
    os.setsid()
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Desktop:
    def __init__(self, work):
        self.work = work
        self.procs = []
        self.env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=os.path.join(work, "config"),
                        XDG_RUNTIME_DIR=os.path.join(work, "runtime"), QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        for d in ("home", "config", "runtime"):
            os.makedirs(os.path.join(work, d), mode=0o700, exist_ok=True)

    def spawn(self, argv, log, **kw):
        out = open(os.path.join(self.work, log), "wb")
        p = subprocess.Popen(argv, env=self.env, stdout=out, stderr=subprocess.STDOUT, preexec_fn=die_with_parent,
                             **kw)
        self.procs.append(p)
        return p

    def start(self):
        r, w = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp",
                    "-noreset"], "xvfb.log", pass_fds=(w,))
        os.close(w)
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failure("Xvfb gave no display number")
            chunk = os.read(r, 16)
            if not chunk:
                raise Failure("Xvfb ended at start")
            number += chunk
        os.close(r)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.spawn(["openbox"], "openbox.log")
        poll(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
             "openbox to manage the screen")

    def stop(self):
        for p in reversed(self.procs):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(p.pid, sig)
                except ProcessLookupError:
                    break
                try:
                    p.wait(timeout=5)
                    break
                except subprocess.TimeoutExpired:
                    continue

    def x(self, *argv):
        r = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=10)
        return r.stdout

    # --- windows -----------------------------------------------------------------
    def stacking(self):
        """Managed windows, bottom first."""
        return [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", self.x("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))]

    def window(self, w):
        props = self.x("xprop", "-id", str(w), "_NET_WM_NAME", "_NET_WM_WINDOW_TYPE", "_NET_FRAME_EXTENTS",
                       "WM_TRANSIENT_FOR", "_NET_WM_STATE")
        name = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', props)
        extents = re.search(r"_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+)", props)
        geo = self.x("xwininfo", "-id", str(w))
        if "Absolute upper-left X" not in geo:
            return None  # closed meanwhile
        num = lambda label: int(re.search(label + r":\s+(-?\d+)", geo).group(1))
        left, right, top, bottom = map(int, extents.groups()) if extents else (0, 0, 0, 0)
        x, y = num("Absolute upper-left X"), num("Absolute upper-left Y")
        return {"id": w, "name": name.group(1) if name else "", "dialog": "WINDOW_TYPE_DIALOG" in props,
                "above": "_NET_WM_STATE_ABOVE" in props, "viewable": "IsViewable" in geo,
                "frame": (x - left, y - top, num("Width") + left + right, num("Height") + top + bottom)}

    def windows(self):
        return [i for i in map(self.window, self.stacking()) if i]

    def active(self):
        out = self.x("xdotool", "getactivewindow").strip()
        return int(out) if out.isdigit() else None

    def key(self, *keys):
        self.x("xdotool", "key", "--clearmodifiers", *keys)

    def click(self, w, x, y, button=1, repeat=1):
        self.x("xdotool", "mousemove", "--window", str(w), str(x), str(y))
        self.x("xdotool", "click", "--repeat", str(repeat), "--delay", "80", str(button))


def poll(condition, what, seconds=WAIT):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


def check_on_screen(d):
    for w in d.windows():
        x, y, wd, ht = w["frame"]
        if w["viewable"] and (x < 0 or y < 0 or x + wd > WIDTH or y + ht > HEIGHT):
            raise Failure(f'window "{w["name"]}" at {w["frame"]} reaches past the {WIDTH}x{HEIGHT} screen')


def in_front(d, matches, what):
    """Waits for a window that matches to open; it must become the topmost
    window of the screen and the active one, and lie on the screen."""
    found = poll(lambda: next((w for w in d.windows() if w["viewable"] and matches(w)), None), what + " to open")

    def ahead():
        stack = d.stacking()
        return stack and stack[-1] == found["id"] and d.active() == found["id"]

    try:
        poll(ahead, what + " in front", seconds=5)
    except Failure:
        order = " < ".join(f'"{w["name"]}"' for w in d.windows())
        raise Failure(f"{what} opened behind another window (stacking, bottom first: {order})")
    check_on_screen(d)
    print(f"in front with the keys: {what}")
    return found


def named(prefix):
    return lambda w: w["name"].startswith(prefix)


def message(w):
    return w["dialog"] and w["name"] == "Tablecraft Works"


def gone(d, w):
    try:
        poll(lambda: not (d.window(w["id"]) or {}).get("viewable"), f'"{w["name"]}" to close')
    except Failure as e:
        raise Failure(f"{e}; open: " + ", ".join(f'"{i["name"]}"' for i in d.windows() if i["viewable"]))


def seed_recipe(base):
    """The only stored kitchen run, named Desktop: the tutorial's items, the
    first two in the pot (Ort 1), the pot shown, nothing selected."""
    folder = os.path.join(base, "Recipes", "IAKochen")
    with open(os.path.join(folder, "Tutorial.IAK"), "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    lines[1] = "Desktop"
    items = int(lines[3])
    for i in range(min(items, 2)):
        lines[4 + 17 * i + 8] = "1"    # Ort: in the kitchen
        lines[4 + 17 * i + 16] = "0"   # Auswahl: not selected
    texts = int(lines[4 + 17 * items])
    state = 5 + 17 * items + 6 * texts
    lines[state:state + 3] = ["0", "1", "0"]  # Panel, Geraet (pot), Auswahlmodus
    with open(os.path.join(folder, "Desktop.IAK"), "wb") as f:
        f.write("\r\n".join(lines).encode("cp1252"))
    os.remove(os.path.join(folder, "Tutorial.IAK"))  # the chooser lists Desktop alone
    return os.path.join(folder, "Desktop.IAK")


def selections(path):
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    items = int(lines[3])
    texts = int(lines[4 + 17 * items])
    state = 5 + 17 * items + 6 * texts
    return [int(lines[4 + 17 * i + 16]) for i in range(items)], int(lines[state + 2])


def run(program, installation, seed, work):
    base = os.path.join(work, "base")
    subprocess.run([seed, installation, base], check=True)
    recipe = seed_recipe(base)
    d = Desktop(work)
    try:
        d.start()
        d.spawn([program], "program.log", cwd=base)

        # Start-up: the main window, its tool windows and the tip of the day.
        main = poll(lambda: next((w for w in d.windows() if w["name"] == "Tablecraft Works" and not w["dialog"]), None),
                    "the main window")
        tip = in_front(d, named("Tip 1"), "the tip at start-up")
        d.key("Return")
        gone(d, tip)

        # The kitchen from the overview's first row: the chooser, tip 5 over it.
        poll(lambda: d.active() == main["id"], "the main window to take the keys again")
        d.click(main["id"], 450, 400)
        d.key("Home", "Return")
        tip = in_front(d, named("Tip 5"), "tip 5 over the recipe chooser")
        d.key("Return")
        gone(d, tip)
        chooser = in_front(d, lambda w: w["name"].startswith("Interaktives Kochen:"), "the recipe chooser")

        # The chooser's delete question over the chooser that stays on top.
        d.click(chooser["id"], 284 + 90, 46, button=3)
        time.sleep(0.3)  # the popup menu opens on the press
        d.key("Down", "Return")
        question = in_front(d, message, "the question to delete a recipe")
        d.key("Tab", "Return")  # No
        gone(d, question)

        # Load the stored run.
        poll(lambda: d.active() == chooser["id"], "the chooser to take the keys again")
        d.click(chooser["id"], 284 + 90, 46)
        d.key("Tab", "space")  # from the list to "Rezept laden"
        gone(d, chooser)
        kitchen = poll(lambda: next((w for w in d.windows() if w["name"].startswith("Interaktives Kochen")
                                     and not w["name"].startswith("Interaktives Kochen:") and w["viewable"]), None),
                       "the kitchen")
        check_on_screen(d)

        # A right click on the item in the pot's first slot selects it; the
        # popup menu that opens on the press is closed again, the run saved.
        d.click(kitchen["id"], 140 + 152 + 37, 380 + 4 + 35, button=3)
        time.sleep(0.3)
        d.key("Escape")
        poll(lambda: d.active() == kitchen["id"], "the kitchen to take the keys")
        before = os.stat(recipe).st_mtime_ns
        d.key("ctrl+s")
        poll(lambda: os.stat(recipe).st_mtime_ns != before, "the kitchen run to be saved")
        chosen, mode = selections(recipe)
        if chosen[0] != 2 or mode != 2:
            raise Failure(f"a right click did not select the kitchen item: selections {chosen}, mode {mode}")
        print("a right click selects a kitchen item")
        check_on_screen(d)
    finally:
        d.stop()
        with open(os.path.join(work, "program.log"), errors="replace") as f:
            log = f.read()
        if log.strip():
            print("--- the program's output\n" + log)


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    missing = [t for t in TOOLS if not shutil.which(t)]
    if missing:
        print("skipped: missing " + ", ".join(missing))
        return 77
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(Failure(f"the run took over {RUN_SECONDS} s")))
    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(Failure("terminated")))
    signal.alarm(RUN_SECONDS)
    work = tempfile.mkdtemp(prefix="tw-desktop-")
    try:
        run(*sys.argv[1:], work)
        print("the desktop run passed")
        return 0
    except Failure as e:
        print("FAIL: " + str(e), file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
