#!/usr/bin/env python3
"""What a blind user hears: the program driven by keys under the real Orca screen reader.

Each row of SPEECH is a step: keys pressed one after the other (xdotool names; "" is the
window opening), what Orca must say in answer (every text a part of what it says), and what
the program is still to say ("pending"): a pending text that is all heard makes the test fail
until it is moved to the texts that must be heard. The rows of one session follow each other,
each from where the one before left the keyboard.

Exit code 77 (skipped) when Orca is not installed. Run by root, the session runs as the
ordinary user "nobody" where that user can reach the program, as a blind user would run it.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402

SKIPPED = 77

# The program's own settings, but with the chart in a window of its own.
CHART_WINDOW_SETTINGS = ("65535\tAtomicRadius\r\n1.677696E+07\tCovalentRadius\r\n"
                         "1\tChartWindows\r\n1\tElementGroup\r\n")

SESSIONS = {"chart pane": None, "chart window": CHART_WINDOW_SETTINGS, "options": None,
            "colouring": None,
            "formula": None,
            "sheet": None}

# (session, keys, texts heard, texts pending). Orca speaks its own words in English here.
SPEECH = [
    # The grid: the window opens on hydrogen; arrows and typing move over the cells.
    ("chart pane", "", ["Ferrova元素周期表", "氢 H 1 push button"], []),
    ("chart pane", "Right", ["氦 He 2"], []),
    ("chart pane", "Down", ["氖 Ne 10"], []),
    ("chart pane", "F e", ["铁 Fe 26"], []),
    # The details panel speaks when it opens, its values one by one (arrows, Tab), and Esc
    # takes the keyboard back to the cell.
    ("chart pane", "Return",
     ["铁 Fe", "原子序数 26", "原子量 55.845", "熔点 1811.15 开尔文", "沸点 3134.15 开尔文",
      "密度 7.874 克每立方厘米", "电子结构 [Ar]3d6 4s2"], []),
    ("chart pane", "Down", ["原子序数 26"], []),
    ("chart pane", "Tab", ["原子量 55.845"], []),
    ("chart pane", "Escape", ["铁 Fe 26"], []),
    # The toolbar, by Tab from the grid; Enter charts the boiling points.
    ("chart pane", "Tab", ["原子量曲线 push button"], []),
    ("chart pane", "Right Right", ["沸点曲线 push button"], []),
    ("chart pane", "Return", [], []),
    # The chart pane, by Tab from the toolbar: bar after bar, where each value comes from,
    # and a bar without data.
    ("chart pane", "Tab", ["沸点 (K) chart", "H 氢: 20.271 K"], []),
    ("chart pane", "Right", ["He 氦: 4.222 K", "来源"], []),
    ("chart pane", "End", ["Mt 鿏: 无数据"], []),
    ("chart pane", "Home", ["H 氢: 20.271 K"], []),
    # Tab goes round: the chart, the grid, back by Shift+Tab to the chart and the toolbar.
    ("chart pane", "Tab", ["铁 Fe 26"], []),
    ("chart pane", "shift+Tab", ["沸点 (K) chart", "H 氢: 20.271 K"], []),
    ("chart pane", "shift+Tab", ["沸点曲线 push button"], []),
    # A nuclide typed in the find field opens the isotope window at its row; each row is
    # said whole.
    ("chart pane", "ctrl+f C minus 1 4 Return", ["同位素 — 碳", "table with 16 rows"], []),
    ("chart pane", "Down Up", ["碳-14，14.003242 u，半衰期 5700 年，β⁻ 衰变"], []),
    # The chart window: its button on the main toolbar, its own toolbar, its chart, Esc.
    ("chart window", "", ["Ferrova元素周期表"], []),
    ("chart window", "Tab Right Right Right Right Right", ["曲线图 push button"], []),
    ("chart window", "Return", ["曲线窗口", "原子量曲线 push button"], []),
    ("chart window", "Right Return", ["熔点曲线 push button"], []),
    ("chart window", "Tab", ["熔点 (K) chart", "H 氢: 13.99 K"], []),
    ("chart window", "Right", ["He 氦: 无数据"], []),
    ("chart window", "shift+Tab", ["熔点曲线 push button"], []),
    ("chart window", "Escape", ["Ferrova元素周期表"], []),
    # The options dialog: each control by its label, with its current value.
    ("options", "", ["Ferrova元素周期表"], []),
    ("options", "Tab Right Right Right Right Right Right", ["选项 push button"], []),
    ("options", "Return", ["曲线图窗口：弹出", "selected radio button"], []),
    ("options", "Tab", ["原子半径颜色 editable combo box"], []),
    ("options", "Tab", ["共价原子半径颜色 editable combo box"], []),
    ("options", "Tab", ["保存设置 push button"], []),
    # Colouring by a property: each cell, reached by the keyboard, says its value too.
    ("colouring", "", ["Ferrova元素周期表"], []),
    ("colouring", "F e", ["铁 Fe 26"], []),
    ("colouring", "ctrl+h", ["按性质着色"], []),
    ("colouring", "Down Down", ["熔点"], []),
    ("colouring", "alt+Tab", ["铁 Fe 26，熔点 1811.15 K"], []),
    ("colouring", "Right", ["钴 Co 27，熔点 1768.15 K"], []),
    # The formula mass window: its field at once, then the result with the field.
    ("formula", "", ["Ferrova元素周期表"], []),
    ("formula", "ctrl+m", ["化学式量", "化学式"], []),
    ("formula", "H 2 O Tab", ["组成", "摩尔质量：18.015 ± 0.002 g/mol", "氢 2 个，11.19%"], []),
    ("formula", "shift+Tab", ["化学式", "摩尔质量：18.015 ± 0.002 g/mol"], []),
    # The element sheet: Ctrl+I on iron, each row with its value, unit and source.
    ("sheet", "", ["Ferrova元素周期表"], []),
    ("sheet", "F e", ["铁 Fe 26"], []),
    ("sheet", "ctrl+i", ["元素资料", "铁 Fe · 26"], []),
    ("sheet", "Down", ["原子序数 26"], []),
    ("sheet", " ".join(["Down"] * 13), ["电负性（鲍林） 1.83，来源：", "CRC"], []),
    ("sheet", "Escape", ["Ferrova元素周期表"], []),
]


def judge(heard, expected, pending):
    """'ok', 'FAIL' (a text missing) or 'XPASS' (every pending text heard), and what is missing."""
    said = " / ".join(heard)
    missing = [text for text in expected if text not in said]
    if missing:
        return "FAIL", missing
    if pending and all(text in said for text in pending):
        return "XPASS", []
    return ("pending" if pending else "ok"), [t for t in pending if t not in said]


def run_session(name, program, work):
    failures = 0
    rows = [row for row in SPEECH if row[0] == name]
    with orca_session.OrcaSession(program, os.path.join(work, name.replace(" ", "-")),
                                  user_settings=SESSIONS[name]) as session:
        for _, keys, expected, pending in rows:
            heard = session.press(keys.split()) if keys else list(session.utterances)
            verdict, missing = judge(heard, expected, pending)
            print("[%s] %s: %s" % (verdict, keys or "(window opens)",
                                   " / ".join(heard) or "(nothing)"))
            if verdict == "FAIL":
                print("        not heard: %s" % ", ".join(missing))
            elif verdict == "XPASS":
                print("        now heard: move %s from pending to heard" % ", ".join(pending))
            elif missing:
                print("        pending: %s" % ", ".join(missing))
            failures += verdict in ("FAIL", "XPASS")
    return failures


def nobody_can_run(program, work):
    """Hands the scratch folder to "nobody"; whether that user can start the program."""
    if os.geteuid() != 0 or not shutil.which("setpriv"):
        return False
    os.makedirs(work, exist_ok=True)
    shutil.chown(work, "nobody", "nogroup")
    folders = [os.path.dirname(program), os.path.join(os.path.dirname(program), "Data")]
    probe = ["test", "-x", program, "-a", "-r", os.path.join(folders[1], "Elements.prn"),
             "-a", "-w", work]
    return subprocess.run(as_nobody(probe), capture_output=True).returncode == 0


def as_nobody(argv):
    return ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
            "--inh-caps=-all"] + argv


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True, help="scratch folder, emptied first")
    parser.add_argument("--as-is", action="store_true", help="run as the current user")
    parser.add_argument("--only", choices=list(SESSIONS), help="run one session")
    args = parser.parse_args()
    program, work = os.path.abspath(args.program), os.path.abspath(args.work)

    orca = shutil.which("orca")
    if not orca:
        print("SKIP: Orca is not installed (Debian package orca)")
        return SKIPPED
    missing = orca_session.missing_tools()
    if missing:
        print("FAIL: missing %s (bash tools/setup.sh test installs them)" % ", ".join(missing))
        return 1

    if not args.as_is:
        if os.path.exists(work):
            shutil.rmtree(work)
        if nobody_can_run(program, work):
            print("Running as the ordinary user nobody")
            python = orca_session.orca_interpreter(orca)
            only = ["--only", args.only] if args.only else []
            return subprocess.run(as_nobody([python, os.path.abspath(__file__), "--as-is",
                                             "--program", program, "--work", work] + only)
                                  ).returncode
        if os.geteuid() == 0:
            print("Note: running as root (the user nobody cannot reach %s)" % program)

    failures = 0
    for name in [args.only] if args.only else SESSIONS:
        try:
            failures += run_session(name, program, work)
        except orca_session.SessionError as error:
            print("FAIL: session %s: %s (logs in %s)" % (name, error, work))
            orca_session.print_logs(os.path.join(work, name.replace(" ", "-")))
            failures += 1
    print("%d failed" % failures if failures else "Orca heard what it should")
    return 1 if failures else 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # the sessions still end
    sys.exit(main())
