# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X desktop for the game: Xvfb, openbox, and the game driven by xdotool.

Every wait here is for an event (a display number, a window shown or gone,
the end of a process); TIMEOUT only bounds a failed run.
"""
import configparser
import os
import select
import shutil
import subprocess
import time

TIMEOUT = 120.0  # seconds: bounds one wait; a healthy run needs a small part of it
POLL = 0.1
PROBE = 2.0  # seconds before a readiness probe that got no answer is sent again
TITLE = "Vexlor Slots"
COUNTERS = ["Credits", "Borrowed", "Spins", "TotalBets", "BonusWon", "BonusPts", "Nudges"]
OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
</openbox_config>
"""


class Skip(Exception):
    """No X desktop can be had here."""


class Failure(Exception):
    pass


class TimedOut(Failure):
    pass


def wait_for(what, probe, alive=lambda: None, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value is not None and value is not False:
            return value
        alive()
        if time.monotonic() > deadline:
            raise TimedOut(f"no {what} within {timeout:.0f} s")
        time.sleep(POLL)


def read_store(path):
    """The current game's counters; None while there is no file. A torn file fails."""
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except FileNotFoundError:
        return None
    parser = configparser.RawConfigParser(strict=True)
    try:
        parser.read_string(text)
        game = parser["CurrentGame"]
        if not game.get("GameName") or not game.get("GameDate"):
            raise KeyError("GameName or GameDate")
        return {key: int(game[key]) for key in COUNTERS}
    except (configparser.Error, KeyError, ValueError) as error:
        raise Failure(f"the store cannot be read ({error!r}):\n{text}")


def write_store(path, game):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("[CurrentGame]\n" + "".join(f"{k}={v}\n" for k, v in game.items()))


class Desktop:
    """A private Xvfb display with openbox managing its windows."""

    def __init__(self, folder):
        for tool in ("Xvfb", "openbox", "xdotool"):
            if shutil.which(tool) is None:
                raise Skip(f"{tool} is not installed (scripts/install-deps test installs it)")
        self.processes = []
        self.log_path = os.path.join(folder, "desktop.log")
        self.log = open(self.log_path, "wb")
        self.env = dict(os.environ, DISPLAY=self._start_xvfb())
        self.env.pop("WAYLAND_DISPLAY", None)
        try:
            self._start_openbox(folder)
        except Exception:
            self.close()
            raise

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            self.processes.append(subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-noreset", "-nolisten", "tcp"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=self.log,
                stderr=self.log))
        finally:
            os.close(write_end)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            if not select.select([read_end], [], [], deadline - time.monotonic())[0]:
                break
            chunk = os.read(read_end, 16)
            if not chunk:
                break  # Xvfb has ended
            number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            self.close()
            with open(self.log_path, errors="replace") as f:
                said = f.read().strip().splitlines()
            raise Skip("Xvfb could not start a display" + (f": {said[-1]}" if said else ""))
        return ":" + number.strip().decode()

    def _start_openbox(self, folder):
        config = os.path.join(folder, "openbox.xml")
        with open(config, "w") as f:
            f.write(OPENBOX_CONFIG)
        ready = os.path.join(folder, "openbox-started")
        wm = subprocess.Popen(
            ["openbox", "--sm-disable", "--config-file", config, "--startup", f"touch {ready}"],
            env=dict(self.env, HOME=folder, XDG_CONFIG_HOME=folder), stdin=subprocess.DEVNULL,
            stdout=self.log, stderr=self.log)
        self.processes.append(wm)

        def running():
            if wm.poll() is not None:
                raise Failure(f"openbox ended with {wm.returncode}")
        wait_for("window manager", lambda: os.path.exists(ready), running)

    def xdotool(self, *args, check=True):
        command = ["xdotool", *map(str, args)]
        try:
            done = subprocess.run(command, env=self.env, capture_output=True, text=True,
                                  timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(command)} did not return within {TIMEOUT:.0f} s")
        if check and done.returncode != 0:
            raise Failure(f"{' '.join(command)}: {done.stderr.strip()}")
        return done.stdout

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.log.close()


def store_path(home):
    return os.path.join(home, "data", "vexlorslots", "vexlorslots.ini")


def game_env(base, home, platform="xcb"):
    """The game's environment in a home of its own, its store under home/data."""
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    # Leaks are looked for as in every other test, but for the D-Bus
    # connection that Qt's platform integration keeps to the end of the process:
    # libdbus's own, and Qt's thread for it when the game ends while it starts.
    suppressions = os.path.join(home, "leaks.supp")
    with open(suppressions, "w") as f:
        f.write("leak:libdbus-1.so\nleak:libQt6DBus.so\n")
    env = dict(base, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_STATE_HOME=os.path.join(home, "state"), XDG_RUNTIME_DIR=runtime,
               SDL_AUDIODRIVER="dummy", QT_QPA_PLATFORM=platform,
               LSAN_OPTIONS=f"suppressions={suppressions}:print_suppressions=0")
    # Whole stacks for what a leak report names: Qt's own libraries have no
    # frame pointers, and the quick unwinder stops at their first frame.
    options = env.get("ASAN_OPTIONS", "")
    env["ASAN_OPTIONS"] = (options + ":" if options else "") + "fast_unwind_on_malloc=0"
    for name in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "VEXLOR_EXIT_AFTER_FIRST_FRAME"):
        env.pop(name, None)
    return env


class Game:
    """The game on the desktop, in a home of its own, until it ends."""

    def __init__(self, desktop, binary, home):
        self.desktop, self.home = desktop, home
        self.store = store_path(home)
        env = game_env(desktop.env, home)
        self.log_path = os.path.join(home, f"game-{time.monotonic_ns()}.log")
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=subprocess.STDOUT)
        desktop.processes.append(self.process)  # ended with the desktop if still running
        # --all: the window must match both the process and the name, not either.
        search = subprocess.Popen(
            ["xdotool", "search", "--all", "--sync", "--onlyvisible", "--pid",
             str(self.process.pid), "--name", f"^{TITLE}$"], env=desktop.env,
            stdout=subprocess.PIPE, text=True)
        try:
            wait_for("machine window", lambda: search.poll() is not None, self.alive)
        finally:
            if search.poll() is None:
                search.kill()
                search.wait()
        self.main = int(search.stdout.read().split()[0])

    def said(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the game ended with {self.process.returncode}:\n{self.said()}")

    def windows(self, pattern="."):
        out = self.desktop.xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid,
                                   "--name", pattern, check=False)
        return [int(w) for w in out.split() if int(w) != self.main]

    def await_window(self, pattern, timeout=TIMEOUT):
        """A window of the game other than the machine, once it shows."""
        return wait_for(f'window "{pattern}"', lambda: next(iter(self.windows(pattern)), None),
                        self.alive, timeout)

    def await_gone(self, window):
        try:
            wait_for(f"window {window} to close", lambda: window not in self.windows(), self.alive)
        except TimedOut as e:
            name = self.desktop.xdotool("getwindowname", window, check=False).strip()
            raise Failure(f"{e} (\"{name}\"); the game said:\n{self.said()}\n"
                          f"its threads:\n{self.stacks()}") from None

    def stacks(self):
        """Where each of the game's threads is, when gdb is at hand, to tell a hang from a slow run."""
        try:
            return subprocess.run(["gdb", "-p", str(self.process.pid), "-batch", "-ex",
                                   "thread apply all bt 16"], stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT, text=True, timeout=60).stdout
        except (OSError, subprocess.TimeoutExpired) as e:
            return f"(no stacks: {e})"

    def size(self, window):
        out = self.desktop.xdotool("getwindowgeometry", "--shell", window, check=False)
        fields = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(fields.get("WIDTH", 0)), int(fields.get("HEIGHT", 0))

    def keys(self, window, *keys):
        """Presses keys in a window, made active first. While a modal window is up
        the machine cannot be made active: only the modal window takes keys."""
        self.desktop.xdotool("windowactivate", "--sync", window)
        self.press(*keys)

    def press(self, *keys):
        """Presses keys in the active window."""
        if keys:
            self.desktop.xdotool("key", "--delay", 40, *keys)

    def await_input(self):
        """Waits until the machine takes input: Spin with nothing bet says so in a box.

        Until start-up has ended the machine ignores keys, so the probe is sent
        again until a box answers; a probe that lands on a box only closes it.
        """
        self.keys(self.main)
        deadline = time.monotonic() + TIMEOUT
        while True:
            self.press("Return")
            try:
                box = self.await_window(f"^{TITLE}$", PROBE)
                break
            except TimedOut:
                if time.monotonic() > deadline:
                    raise Failure(f"the machine never took input; the game said:\n{self.said()}")
        try:
            self.keys(box, "Escape")
            self.await_gone(box)
        except Failure:
            if box in self.windows():
                raise  # else a later probe closed it first

    def await_end(self):
        wait_for("end of the game", lambda: self.process.poll() is not None)
        return self.process.returncode

    def check_clean_log(self):
        said = self.said()
        for sign in ("AddressSanitizer", "runtime error:"):
            if sign in said:
                raise Failure(f"the game reported a fault:\n{said}")


