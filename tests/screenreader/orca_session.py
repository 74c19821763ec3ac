#!/usr/bin/env python3
"""The program under the Orca screen reader, as a blind user meets it, and what Orca says.

A session starts a virtual X server (Xvfb), a window manager (openbox), a D-Bus session bus
with the accessibility bus (at-spi-bus-launcher, which starts at-spi2-registryd), Orca and
the program, each in a scratch home so nobody's own settings are read or written. Keys go in
with xdotool; what Orca would say is read from its debug file, one "SPEECH OUTPUT" line per
utterance. Orca runs with speech switched off: it writes the same lines without a synthesizer.

Everything the session starts shares one process group, which it ends on the way out.

By hand, to hear what a sequence of keys gives (one line of speech per key):

    python3 tests/screenreader/orca_session.py --program build/ferrova-periodic Right Down Tab
"""

import argparse
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time

# Bounded waits, in seconds.
STARTUP_TIMEOUT = 30  # X server, buses, Orca, the program's first words
FIRST_WORD_TIMEOUT = 6  # from a key to the first utterance it causes
QUIET_TIME = 1.0  # no new utterance for this long: the key has been answered
STEP_TIMEOUT = 12  # a key's whole answer
KEY_DELAY_MS = 120  # between the keys of one step

TOOLS = ["Xvfb", "xdotool", "dbus-daemon", "openbox"]
# How the session bus starts the accessibility bus (at-spi2-core).
A11Y_BUS_SERVICE = "/usr/share/dbus-1/services/org.a11y.Bus.service"

SPEECH_LINE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{.*\})?$", re.DOTALL)
# Orca indents the further lines of a debug entry (an utterance of several lines) by 18.
CONTINUATION = "\n" + " " * 18
ENTRY_START = re.compile(r"\n(?! {18})")

# Orca's own settings for the session: no key echo (it would answer keys before the program
# does), no braille or sound devices. The debug file is made line-buffered so each utterance
# can be read as soon as it is said.
ORCA_SETTINGS = {
    "general": {},
    "profiles": {
        "default": {
            "profile": ["Default", "default"],
            "enableSpeech": False,
            "enableKeyEcho": False,
            "enableBraille": False,
            "enableSound": False,
        }
    },
    "pronunciations": {},
    "keybindings": {},
}
# Orca will not start while any Orca of the same user runs, on whatever display or bus (a
# desktop user's own reader, another session), and its --replace would kill that one. The
# session's Orca has a display and buses of its own, so it is started past that check. Run
# by python3, its process is not one "orca" the others count either.
ORCA_LAUNCHER = """\
import runpy, sys
orca_cli = sys.argv[1]
sys.argv = ["orca"] + sys.argv[2:]
main = runpy.run_path(orca_cli, run_name="orca_cli")["main"]
main.__globals__["otherOrcas"] = list
sys.exit(main())
"""
ORCA_CUSTOMIZATIONS = """\
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
"""


class SessionError(RuntimeError):
    pass


def orca_interpreter(orca):
    """The Python that Orca's script names on its first line (the one with its modules)."""
    with open(orca, "rb") as script:
        first = script.readline().decode(errors="replace")
    return first[2:].split()[0] if first.startswith("#!") else "python3"


def missing_tools():
    """The tools a session needs that this machine lacks (Orca itself is checked apart)."""
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    return missing + ([] if os.path.exists(A11Y_BUS_SERVICE) else ["at-spi2-core"])


def print_logs(work, lines=15):
    """The end of each log of a session in `work`, for a failure's report."""
    for name in sorted(os.listdir(work)) if os.path.isdir(work) else []:
        if name.endswith(".log"):
            with open(os.path.join(work, name), errors="replace") as log:
                tail = log.readlines()[-lines:]
            print("---- %s\n%s" % (name, "".join(tail).rstrip()))


class OrcaSession:
    """with OrcaSession(program, work) as session: session.press(["Right"]) -> utterances"""

    def __init__(self, program, work, user_settings=None):
        self.program = os.path.abspath(program)
        self.work = os.path.abspath(work)
        self.user_settings = user_settings  # the program's settings.prn text, or None
        self.utterances = []
        self._procs = []
        self._group = 0
        self._log = None
        self._partial = ""
        self.env = {}

    # ---- start and stop ----

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _spawn(self, name, argv, env=None, **kwargs):
        log = open(os.path.join(self.work, name + ".log"), "wb")
        group = self._group
        proc = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                stdout=log, stderr=subprocess.STDOUT,
                                preexec_fn=lambda: os.setpgid(0, group), **kwargs)
        log.close()
        if not self._group:
            self._group = proc.pid
        self._procs.append((name, proc))
        return proc

    def _start(self):
        if os.path.exists(self.work):
            shutil.rmtree(self.work)
        home = os.path.join(self.work, "home")
        runtime = os.path.join(self.work, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "USER": os.environ.get("USER", "user"),
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": runtime,
            "GSETTINGS_BACKEND": "memory",  # Orca switches accessibility on in gsettings
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        }
        self._start_display()
        self._start_buses()
        self._spawn("openbox", ["openbox", "--sm-disable"])
        self._start_orca()
        self._start_program()

    def _start_display(self):
        read_end, write_end = os.pipe()
        self._spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                    pass_fds=(write_end,))
        os.close(write_end)
        number = self._read_line(read_end, "Xvfb did not report its display")
        self.env["DISPLAY"] = ":" + number

    def _start_buses(self):
        read_end, write_end = os.pipe()
        self._spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                             "--print-address=%d" % write_end], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(
            read_end, "the session bus did not report its address")
        # The bus starts at-spi-bus-launcher when Orca first asks for the accessibility bus,
        # and the launcher starts at-spi2-registryd: one of each, in this process group.

    def _read_line(self, fd, failure):
        """The first line a process writes into pipe `fd` (it writes it whole)."""
        with os.fdopen(fd, "rb") as pipe:
            ready = select.select([pipe], [], [], STARTUP_TIMEOUT)[0]
            line = pipe.readline().decode().strip() if ready else ""
        if not line:
            raise SessionError(failure)
        return line

    def _start_orca(self):
        prefs = os.path.join(self.work, "orca-prefs")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump(ORCA_SETTINGS, f)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(ORCA_CUSTOMIZATIONS)
        debug = os.path.join(self.work, "orca-debug.out")
        orca = shutil.which("orca")
        self._spawn("orca", [orca_interpreter(orca), "-c", ORCA_LAUNCHER, orca, "--user-prefs",
                             prefs, "--disable", "speech", "--debug-file", debug])
        deadline = time.monotonic() + STARTUP_TIMEOUT
        while not os.path.exists(debug):
            self._wait_a_little(deadline, "Orca wrote no debug file")
        self._log = open(debug, encoding="utf-8", errors="replace")
        seen = ""
        while "ORCA: Starting ATSPI registry" not in seen:
            seen = seen[-200:] + self._log.read()
            self._wait_a_little(deadline, "Orca did not become ready")

    def _start_program(self):
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "ferrova-periodic")
        os.makedirs(config)
        if self.user_settings is not None:
            with open(os.path.join(config, "settings.prn"), "w", newline="") as f:
                f.write(self.user_settings)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        env.update((k, v) for k, v in os.environ.items() if k.endswith("SAN_OPTIONS"))
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # the browser engine refuses root
        # A product site that refuses at once: the browser pane shows its built-in page.
        self._spawn("program", [self.program, "--product-url", "http://127.0.0.1:9/"], env=env)
        if not self._settle(STARTUP_TIMEOUT):
            raise SessionError("Orca said nothing when the program's window opened")

    def _wait_a_little(self, deadline, failure):
        for name, proc in self._procs:
            if proc.poll() is not None:
                raise SessionError("%s ended (exit code %s) while %s" %
                                   (name, proc.returncode, failure.lower()))
        if time.monotonic() > deadline:
            raise SessionError(failure)
        time.sleep(0.1)

    def close(self):
        """Ends the program first, Orca next, then everything else of the group."""
        for name, proc in reversed(self._procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        if self._group:
            # Whatever the buses started on their own (the registry, the accessibility bus).
            try:
                os.killpg(self._group, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self._group = 0
        self._procs = []
        if self._log:
            self._log.close()
            self._log = None

    # ---- speech ----

    def _read_speech(self):
        """Takes in the utterances written since the last call; returns how many came."""
        entries = ENTRY_START.split(self._partial + self._log.read())
        self._partial = entries.pop()  # it may go on in the next read
        said = [m.group(1).replace(CONTINUATION, " ") for m in map(SPEECH_LINE.search, entries) if m]
        self.utterances += said
        return len(said)

    def _settle(self, first_timeout):
        """Waits for speech to start and then to pause; whether anything was said."""
        start = time.monotonic()
        last = None
        while True:
            now = time.monotonic()
            if self._read_speech():
                last = now
            if last is None and now - start > first_timeout:
                return False
            if last is not None and now - last > QUIET_TIME:
                return True
            if last is not None and now - start > STEP_TIMEOUT:
                return True  # still talking: what it said so far is the answer
            self._wait_a_little(start + max(first_timeout, STEP_TIMEOUT) + 1,
                                "the program was in use")

    def press(self, keys):
        """Sends xdotool key names one after the other; the utterances that followed."""
        self._read_speech()
        mark = len(self.utterances)
        for key in keys:
            subprocess.run(["xdotool", "key", "--delay", str(KEY_DELAY_MS), key],
                           env=self.env, check=True, timeout=10)
        self._settle(FIRST_WORD_TIMEOUT)
        return self.utterances[mark:]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", default="orca-session")
    parser.add_argument("--settings", help="a settings.prn for the program")
    parser.add_argument("keys", nargs="*", help="xdotool key names, one step each")
    args = parser.parse_args()
    settings = open(args.settings, newline="").read() if args.settings else None
    with OrcaSession(args.program, args.work, user_settings=settings) as session:
        print("(start)", " / ".join(session.utterances))
        for key in args.keys:
            print(key, " / ".join(session.press([key])))
    return 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # so the session still ends
    sys.exit(main())
