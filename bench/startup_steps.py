#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up, step by step: runs the program's probe and the baseline's probe
once each under callgrind (the display is the caller's) and prints, as a
Markdown table, the instructions each spends on each step up to its first
frame. Instruction counts do not depend on the machine's load.

usage: startup_steps.py PROGRAM_PROBE BASELINE_PROBE
"""
import os
import re
import subprocess
import sys
import tempfile

# Each step is the inclusive cost of the functions named, and whether it is
# one of the steps of main() (not a part of another); the baseline's widgets
# (None) are what the rest of its main() spends.
PROGRAM_STEPS = [
    ("Loading and linking the libraries, before main()", ["_dl_start"], False),
    ("QApplication: platform plugin, connection to the display", ["QApplication::QApplication(int&, char**, int)"], True),
    ("Name, icon; held keys on X11", ["describeApplication()", "adaptToWindowSystem()"], True),
    ("The form, with its first deal", ["Marvendo::Marvendo(", "Marvendo::Load()"], True),
    ("The widgets", ["MarvendoWindow::MarvendoWindow("], True),
    ("of which the message area and its text", ["MarvendoWindow::addMessageArea("], False),
    ("show()", ["QWidget::show()"], True),
    ("Event loop: layout, first paint and flush", ["QApplication::exec()"], True),
]
BASELINE_STEPS = [
    ("Loading and linking the libraries, before main()", ["_dl_start"], False),
    ("QApplication: platform plugin, connection to the display", ["QApplication::QApplication(int&, char**, int)"], True),
    ("Name, icon; held keys on X11", [], True),
    ("The form, with its first deal", ["column("], True),
    ("The widgets", None, True),
    ("of which the message area and its text", ["QPlainTextEdit::QPlainTextEdit("], False),
    ("show()", ["QWidget::show()"], True),
    ("Event loop: layout, first paint and flush", ["QApplication::exec()"], True),
]
# What main() spends after the frame, left out of the rest.
AFTER_FRAME = ["QApplication::~QApplication()", "QWidget::~QWidget()"]

LINE = re.compile(r"^\s*([\d,]+) \([ \d.]+%\)\s+(?:\S*?:)?(.+?)(?: \[[^\]]*\])?$")


def profile(probe, directory):
    out = os.path.join(directory, os.path.basename(probe) + ".%p")
    with open(os.path.join(directory, "log"), "w") as log:
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, probe],
                       stdout=subprocess.DEVNULL, stderr=log, check=True)
    # A library may fork a helper; the probe's own file has the lowest pid.
    name = os.path.basename(probe) + "."
    own = min((f for f in os.listdir(directory) if f.startswith(name)), key=lambda f: int(f[len(name):]))
    text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", os.path.join(directory, own)],
                          capture_output=True, text=True, check=True).stdout
    costs = {}
    total = 0
    for line in text.splitlines():
        match = LINE.match(line)
        if not match:
            continue
        cost, function = int(match.group(1).replace(",", "")), match.group(2)
        if function == "PROGRAM TOTALS":
            total = cost
        # A function inlined in part is listed once per source file: the
        # largest entry is the whole function.
        costs[function] = max(cost, costs.get(function, 0))
    return total, costs


def cost_of(costs, prefixes):
    return sum(max((c for f, c in costs.items() if f.startswith(p)), default=0) for p in prefixes)


def steps(total, costs, table):
    named = [(title, None if prefixes is None else cost_of(costs, prefixes), in_main)
             for title, prefixes, in_main in table]
    rest = costs.get("main", 0) - cost_of(costs, AFTER_FRAME) - sum(c for _, c, in_main in named if in_main and c)
    return total, [(title, rest if c is None else c) for title, c, _ in named]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as directory:
        program = steps(*profile(sys.argv[1], directory), PROGRAM_STEPS)
    with tempfile.TemporaryDirectory() as directory:
        baseline = steps(*profile(sys.argv[2], directory), BASELINE_STEPS)
    print("| Step | Program | Baseline | Difference |")
    print("|---|---|---|---|")
    for (title, p), (_, b) in zip(program[1], baseline[1]):
        print(f"| {title} | {p / 1e6:.2f} M | {b / 1e6:.2f} M | {(p - b) / 1e6:+.2f} M |")
    p, b = program[0], baseline[0]
    print(f"| Whole run, to the end of the process | {p / 1e6:.2f} M | {b / 1e6:.2f} M | {(p - b) / 1e6:+.2f} M |")
    print(f"| Ratio of the whole runs | {p / b:.3f} | | |")


if __name__ == "__main__":
    main()
