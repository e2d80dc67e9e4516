# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil who reads braille plays a short deal by keyboard with Orca.

usage: check_braille.py MARVENDO WORK_DIR [--orca-later]
Run as check_screen_reader.py is, whose start-up of speech, Orca and the
program it shares, with Orca started first or after the window. The braille display is brltty's virtual driver, 40
cells, served to Orca through BrlAPI; a client on the driver's socket reads
back the lines it shows ("Visual"), pans and presses a routing key as a
pupil does. Flashed messages stay until a routing key ends them, so no step
waits for one to time out.
"""
import importlib.util
import os
import re
import shutil
import socket
import subprocess
import sys
import threading

sys.dont_write_bytecode = True  # the source tree stays as it was checked out
import check_screen_reader as screen  # noqa: E402
from orca import orca_platform  # noqa: E402

# What the display shows after each key of the screen-reader test's deal:
# the framed entry, after the list's heading when entering a list (Orca 48
# shows in braille only what has the focus, never the list around it); for
# a verdict or a new deal, the message flashed, then the framed entry, and
# never again an entry the verdict removed; None: nothing to read.
HEADINGS = int(orca_platform.version.split(".")[0]) < 48


def enter(heading, entry):
    return {"shows": f"{heading} {entry}" if HEADINGS else entry}


def judge(flash, framed, *removed):
    return {"flash": flash, "shows": framed, "removed": set(removed)}


SHOWN = [
    enter("Име на щата", "Айдахо-Idaho"),
    None,
    enter("Столица на щата", "Анаполис-Annapolis"),
    judge("Грешка: Айдахо-Idaho Атланта-Atlanta Невярно: 1", "Анаполис-Annapolis", "Айдахо-Idaho", "Атланта-Atlanta"),
    enter("Име на щата", "Айова-Iowa"),
    None,
    enter("Столица на щата", "Анаполис-Annapolis"),
    judge("Грешка: Айова-Iowa Шейен-Cheyenne Невярно: 2", "Чарлстън-Charleston", "Айова-Iowa", "Шейен-Cheyenne"),
    enter("Име на щата", "Алабама-Alabama"),
    {"shows": "Аляска-Alaska"},
    enter("Столица на щата", "Чарлстън-Charleston"),
    # The word frames Джуно, which the screen reader has heard of when the
    # word chooses it; the frame then goes to the entry above.
    judge("Вярно: Щатът Аляска-Alaska има за столица град Джуно-Juneau Най-големият град в щата е: "
          "Анкоридж-Anchorage Вярно: 1", "Джеферсън Сити-Jefferson City", "Аляска-Alaska", "Джуно-Juneau"),
    enter("Име на щата", "Алабама-Alabama"),
    None,
    enter("Столица на щата", "Джеферсън Сити-Jefferson City"),
    judge("Грешка: Алабама-Alabama Джеферсън Сити-Jefferson City Невярно: 3", "Джаксън-Jackson",
          "Алабама-Alabama", "Джеферсън Сити-Jefferson City"),
    {"shows": "Чисти"},
    judge("Нова игра: 50 щата и 50 столици, резултатът е нулиран.", "Чисти"),
]


class Display:
    """brltty's virtual display and the lines it has shown."""

    def __init__(self, work, started):
        if not (shutil.which("brltty") and importlib.util.find_spec("brlapi")):
            raise SystemExit("FAIL: brltty or python3-brlapi is not installed (scripts/setup installs them)")
        self.lines, self.changed = [], threading.Condition()
        self.host = next(f":{n}" for n in range(40 + os.getpid() % 50, 100)
                         if not os.path.exists(f"/var/lib/BrlAPI/{n}"))
        path = os.path.join(work, "vr.socket")
        started.append(subprocess.Popen(
            ["brltty", "--no-daemon", "--standard-error", "--stay-privileged", "--braille-driver=vr",
             f"--braille-device=server:{path}", "--screen-driver=no", f"--writable-directory={work}",
             f"--updatable-directory={work}", f"--pid-file={work}/brltty.pid",
             f"--api-parameters=auth=none,host={self.host}"],
            stderr=open(os.path.join(work, "brltty.log"), "w")))
        if not screen.wait_until(lambda: os.path.exists(path), 20):
            raise SystemExit(f"FAIL: brltty did not start (see {work}/brltty.log)")
        self.socket = socket.socket(socket.AF_UNIX)
        self.socket.connect(path)
        threading.Thread(target=self.read, daemon=True).start()
        self.send("cells 40")
        if self.wait(lambda line: line.startswith("BRLTTY"), 0) is None:
            raise SystemExit("FAIL: brltty shows nothing")

    def read(self):
        for raw in self.socket.makefile("rb"):
            if match := re.fullmatch(rb'Visual "(.*)"\r?\n', raw):
                text = re.sub(rb"\\X([0-9A-Fa-f]{2})|\\(.)",
                              lambda m: bytes.fromhex(m[1].decode()) if m[1] else m[2], match[1])
                with self.changed:
                    self.lines.append(text.decode("utf-8", "replace").rstrip())
                    self.changed.notify_all()

    def send(self, command):
        self.socket.sendall(command.encode() + b"\n")

    def wait(self, wanted, since):
        """Where the first line from since on that is wanted is; None if
        none comes in a minute (Orca takes less than a second)."""
        with self.changed:
            while True:
                found = [at for at in range(since, len(self.lines)) if wanted(self.lines[at])]
                if found or not self.changed.wait(60):
                    return found[0] if found else None

    def read_flash(self, text, since):
        """Reads a flashed text window by window, then ends the flash;
        returns where its last window is."""
        at = self.wait(lambda line: line and text.startswith(line), since)
        start = 0
        while at is not None and start + len(self.lines[at]) < len(text):
            end = start + len(self.lines[at])
            self.send("FWINRT")  # the next window: it starts after the last one began, with no text skipped
            at = self.wait(lambda line: line and start < text.find(line, start + 1)
                           and not text[end:text.find(line, start + 1)].strip(), at + 1)
            start = -1 if at is None else text.find(self.lines[at], start + 1)
        if at is not None:
            self.send("ROUTE 1")
        return at


def reader(display):
    """Checks the display after each step, as watch() for the deal."""
    shown, removed = iter(SHOWN), []  # where a verdict's flash ended, and what it removed

    def check(name, expect, since, first):
        flash, after = expect.get("flash"), since
        if flash:
            after = display.read_flash(flash, since)
            if after is None:
                return fail(f"after {name} the display showed {display.lines[since:]}, not {flash!r}")
            after += 1  # the line shown when the flash ends
            removed.append((after, expect["removed"]))
        shows = expect["shows"][:40].rstrip()  # as much as 40 cells show
        at = display.wait(lambda line: flash or line.startswith(shows), after)
        print(f"  cells: {display.lines[since:None if at is None else at + 1]}")
        if at is None or not display.lines[at].startswith(shows):
            return fail(f"after {name} the display showed {display.lines[since:]}, not {expect['shows']!r}")
        # An entry shows by its Bulgarian name, also when the edge cuts it.
        seen = [line for start, entries in removed for line in display.lines[start:]
                if any(entry.split("-")[0] + "-" in line for entry in entries)]
        if seen:
            return fail(f"after {name} the display showed a removed entry: {seen}")
        # The message area, once the first key has left it: the display may
        # still be showing it, where the window opened, as that key goes.
        seen = [line for line in display.lines[since:] if line.startswith("Съобщение")]
        return not seen or first or fail(f"after {name} the display showed the message area: {seen}")

    def watch(name):
        first = not keys
        keys.append(name)
        expect, since = next(shown), len(display.lines)
        return expect and (lambda: check(name, expect, since, first))
    keys = []
    return watch


def fail(failure):
    screen.failures.append(failure)
    return False


if __name__ == "__main__":
    first = not screen.option("--orca-later")
    program, work = sys.argv[1], sys.argv[2]
    started = []
    try:
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        display = Display(work, started)
        screen.play(screen.open_session(program, os.path.join(work, "screen"), started,
                                        {"BRLAPI_HOST": display.host}, {"flashIsPersistent": True}, first),
                    reader(display))
    finally:
        screen.close_session(started)
    for failure in screen.failures:
        print("FAIL:", failure)
    print("FAILED" if screen.failures else "The braille display shows every verdict, and where the pupil is")
    sys.exit(1 if screen.failures else 0)
