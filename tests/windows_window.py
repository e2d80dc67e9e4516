# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows program's window under wine, as a pupil and a screen reader
meet it, on an X display (xdotool, xwd).

usage: windows_window.py look WINDOW REFERENCE
           the form's fixed colours where the design puts them, every text
           legible on its background (contrast 4.5:1 at least), and the
           same picture as REFERENCE (an xwd file), which a first look
           writes
       windows_window.py play WINDOW LOG CLIENT...
           asks for the window's UI Automation root with CLIENT, as a screen
           reader does, then judges right and wrong pairs with the mouse and
           with keys and deals again; each verdict and the new deal must
           raise one notification with the whole text, which the stand-in
           UI Automation library writes to LOG, and nothing else one
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
import xwd  # noqa: E402

# In pixels of the client area at 96 dots per inch.
FIXED = {(3, 3): (192, 192, 255), (100, 10): (255, 192, 128), (10, 190): (0, 255, 0),
         (360, 190): (255, 0, 0), (470, 200): (192, 192, 255)}
TEXTS = {"title": (88, 0, 305, 25), "state heading": (8, 32, 225, 25), "capital heading": (240, 32, 225, 25),
         "states": (8, 56, 225, 118), "capitals": (240, 56, 225, 118), "right tally": (8, 184, 113, 25),
         "button": (176, 184, 129, 25), "wrong tally": (352, 184, 113, 25), "message area": (8, 216, 457, 129)}
STATES, CAPITALS = 8, 240  # the lists' left edges; both start at 56
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def until(what, condition, seconds=120):
    """Waits for a condition of the window or the log; the deadline only
    ends a wait that would never end."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            if not result:
                raise SystemExit(f"FAIL: {what}")
            return result
        time.sleep(0.05)


def dump(window):
    with tempfile.NamedTemporaryFile(suffix=".xwd") as f:
        if subprocess.run(["xwd", "-silent", "-id", window, "-out", f.name]).returncode != 0:
            return None
        return xwd.Dump(open(f.name, "rb").read())


def differences(picture, reference):
    """The pixels where two pictures of the window differ, but for the
    caret blinking at the start of the message area."""
    caret = range(8, 20), range(216, 240)
    return [(x, y) for y in range(reference.height) for x in range(reference.width)
            if not (x in caret[0] and y in caret[1]) and picture.pixel(x, y) != reference.pixel(x, y)]


def luminance(colour):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = map(linear, colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def look(window, reference):
    """The fixed colours, in each text's rectangle the text against the
    colour most of the rectangle has, and the whole against the reference."""
    picture = until("the window's first frame",
                    lambda: (d := dump(window)) and all(d.pixel(*p) == c for p, c in FIXED.items()) and d, 60)
    if not os.path.exists(reference):
        with open(reference, "wb") as f:
            f.write(picture.data)
    else:
        with open(reference, "rb") as f:
            changed = differences(picture, xwd.Dump(f.read()))
        if changed:
            fail(f"{len(changed)} pixels differ from the first look, such as {changed[:5]}")
    for name, (x, y, w, h) in TEXTS.items():
        pixels = [picture.pixel(px, py) for px in range(x + 3, x + w - 3) for py in range(y + 3, y + h - 3)]
        back = max(set(pixels), key=pixels.count)
        text = max(pixels, key=lambda p: contrast(p, back))
        ratio = contrast(text, back)
        print(f"  {name}: {text} on {back}, {ratio:.1f}:1")
        if ratio < 4.5:
            fail(f"{name}: text {text} on {back} has a contrast of {ratio:.1f}:1")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Notifications:
    def __init__(self, log):
        self.log = log

    def texts(self):
        try:
            with open(self.log, encoding="utf-8") as f:
                return [line.rstrip("\n").split(" ", 3) for line in f if line.startswith("notification ")]
        except FileNotFoundError:
            return []

    def expect(self, what, text):
        """Waits for the next notification, which must be the whole text."""
        count = len(self.said) + 1
        told = until(f"{what}: no notification", lambda: len(self.texts()) >= count and self.texts())
        kind, processing, said = told[count - 1][1:]
        self.said.append(said)
        print(f"{what}: {said} (kind {kind}, processing {processing})")
        if said != text.replace("\n", "\\n"):
            fail(f"{what}: notified {said!r}, not {text!r}")
        if len(told) != count:
            fail(f"{what}: {len(told) - count + 1} notifications, not one: {told[count - 1:]}")

    said = []


def play(window, log, client):
    told = Notifications(log)
    # The window says nothing before a screen reader asks for it.
    if told.texts():
        fail(f"notifications before a screen reader asked: {told.texts()}")
    if subprocess.run(client).returncode != 0:
        raise SystemExit("FAIL: the window did not give its UI Automation root")
    xdotool("windowfocus", "--sync", window)

    def click(x, y):
        xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")

    # A state on the first row chosen; its highlight tells how high a row is.
    click(STATES + 150, 64)
    top, bottom = until("the first state chosen", lambda: band(dump(window)))
    row = bottom - top + 1

    def centre(r):
        return top + r * row + row // 2

    click(CAPITALS + 150, centre(4))  # Бойзи-Boise
    told.expect("a right pair by the mouse", "Вярно: Щатът Айдахо-Idaho има за столица град Бойзи-Boise\n"
                "Най-големият град в щата е: Бойзи-Boise\nВярно: 1")
    click(STATES + 150, centre(0))
    click(CAPITALS + 150, centre(0))
    told.expect("a wrong pair by the mouse", "Грешка: Айова-Iowa Анаполис-Annapolis\nНевярно: 1")
    xdotool("key", "--delay", "100", "shift+Tab", "Home", "Tab", "End")
    told.expect("a wrong pair by keys", "Грешка: Алабама-Alabama Шейен-Cheyenne\nНевярно: 2")
    xdotool("key", "--delay", "100", "shift+Tab", "Home", "Tab", "ctrl+Home", *["ctrl+Down"] * 8, "space")
    told.expect("a right pair by keys", "Вярно: Щатът Аляска-Alaska има за столица град Джуно-Juneau\n"
                "Най-големият град в щата е: Анкоридж-Anchorage\nВярно: 2")
    xdotool("key", "--delay", "100", "Tab", "space")
    told.expect("a new deal", "Нова игра: 50 щата и 50 столици, резултатът е нулиран.")
    # The last verdict also shows that nothing was told after the new deal.
    xdotool("key", "--delay", "100", "shift+Tab", "shift+Tab", "Home", "Tab", "Home")
    told.expect("a wrong pair in the new deal", "Грешка: Айдахо-Idaho Анаполис-Annapolis\nНевярно: 1")


def band(picture):
    """The highlight of the chosen first row of the state list, from its
    top to its bottom, or None while there is none."""
    x, y = STATES + 150, 64
    colour = picture and picture.pixel(x, y)
    if not colour or colour == (255, 255, 255):
        return None
    top, bottom = y, y
    while picture.pixel(x, top - 1) == colour:
        top -= 1
    while picture.pixel(x, bottom + 1) == colour:
        bottom += 1
    return top, bottom


if __name__ == "__main__":
    if len(sys.argv) >= 4 and sys.argv[1] == "look":
        look(sys.argv[2], sys.argv[3])
    elif len(sys.argv) >= 5 and sys.argv[1] == "play":
        play(sys.argv[2], sys.argv[3], sys.argv[4:])
    else:
        sys.exit(__doc__)
    sys.exit(1 if failures else 0)
