# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a real desktop, as a pupil and a screen reader meet it.

usage: check_real_window.py MARVENDO
Run under an X server and a D-Bus session (scripts/with-xvfb dbus-run-session
-- /usr/bin/python3 ...). Starts the program as main() starts it on X11,
reads the caption the window system shows, plays one pair with real input
and listens to what AT-SPI tells a screen reader, then holds a key down that
judges and types a word that judges. Also starts it without a display.
check_wayland.py plays the same on Wayland compositors (desktops.py).
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.dont_write_bytecode = True
import desktops  # noqa: E402

CAPTION = "marvendo.bg   ЗИФ - американски щати"
VERDICT = "Грешка: Айдахо-Idaho Анаполис-Annapolis Невярно: 1"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(what, find, seconds=120):
    return desktops.wait_until(what, find, seconds, pause=lambda: pump(0.1))


def without_display(program):
    """A plain line first, then Qt's own reason, without its advice to
    reinstall or to install a library the package already brings."""
    for display, reason in ((None, "could not connect to display"), (":4242", "could not connect to display :4242")):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        if display:
            env["DISPLAY"] = display
        run = subprocess.run(desktops.command(program), env=env, capture_output=True, text=True, timeout=120)
        lines = run.stderr.splitlines()
        check(run.returncode == 1, f"DISPLAY={display}: exit status {run.returncode}, not 1")
        check(lines[:1] == ["marvendo: нужен е графичен работен плот / marvendo needs a graphical desktop"]
              and any(reason in line for line in lines[1:]) and "Reinstalling" not in run.stderr
              and "xcb-cursor0" not in run.stderr,
              f"DISPLAY={display}: stderr is not the plain line and Qt's reason: {run.stderr!r}")


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == "marvendo":
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and o.name == name)


def click(desktop, accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    desktop.click(box.x + box.width // 2, box.y + box.height // 2)


def is_focus(event):
    return event.type.startswith("focus") or (event.type.endswith("focused") and event.detail1)


def name_of(accessible):
    """The name, or None once the object is gone, as a removed item is."""
    try:
        return accessible.name
    except Exception:
        return None


def focus_on(events, name):
    return [i for i, e in enumerate(events) if is_focus(e) and name_of(e.source) == name]


def news_of(notification):
    """What a notification tells: the text of its labels, as screen readers
    speak it and flash it on a braille display. Its own name must stay
    empty, or some would say it twice and flash nothing."""
    if name_of(notification):
        return f"named {name_of(notification)!r}"
    return " ".join(name_of(notification.getChildAtIndex(i)) or "" for i in range(notification.childCount))


def notifications(events):
    return [news_of(e.source) for e in events
            if e.type.endswith("showing") and e.detail1 and e.source.getRoleName() == "notification"]


def start(program, desktop, env=None):
    """The program as a session starts it on that desktop, its window
    shown, and on the accessibility bus."""
    runtime = tempfile.mkdtemp()
    env = desktop.environment(dict(env or os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                   XDG_RUNTIME_DIR=runtime))
    process = subprocess.Popen(desktops.command(program), env=env, stderr=open(os.path.join(runtime, "stderr"), "w"))
    process.stderr_path = os.path.join(runtime, "stderr")
    window = desktop.window_shown(process)
    app = wait_for("the program on the accessibility bus", find_app)
    return process, window, app


def play(program, desktop, before=None):
    """Plays on the desktop given, after before(process, window, app) if
    given; returns what the program wrote to stderr."""
    process, window, app = start(program, desktop)
    try:
        if before:
            before(process, window, app)
        if not desktop.wayland:
            name = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], capture_output=True, text=True).stdout
            check(name.strip() == f'_NET_WM_NAME(UTF8_STRING) = "{CAPTION}"', f"the window system shows {name!r}")
        frame = app.getChildAtIndex(0)
        check(frame.name == CAPTION, f"the window is called {frame.name!r}")

        states = wait_for("the state list", lambda: find(app, "list", "Име на щата"))
        capitals = find(app, "list", "Столица на щата")
        check(states.childCount == 50 and capitals.childCount == 50,
              f"the program starts with {states.childCount} states and {capitals.childCount} capitals")

        events = []
        listener = events.append
        kinds = ("focus:", "object:state-changed:focused", "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(listener, *kinds)
        click(desktop, states[0])  # Айдахо-Idaho
        wait_for("the choice of Айдахо-Idaho", lambda: states[0].getState().contains(pyatspi.STATE_SELECTED))
        desktop.key("Tab")  # into the capital list, whose news ends with the framed item
        wait_for("the framed capital", lambda: focus_on(events, "Анаполис-Annapolis"))
        del events[:]
        desktop.key("Home")  # chooses Анаполис-Annapolis, and so judges
        wait_for("the verdict", lambda: notifications(events))
        # Then Ctrl+Down moves the frame: its news marks the end of what the
        # judgment told.
        desktop.key("ctrl+Down")
        barrier = wait_for("the frame's move", lambda: focus_on(events, "Батън Руж-Baton Rouge"))[0]
        pyatspi.Registry.deregisterEventListener(listener, *kinds)
        told = events[:barrier]

        # The frame's new place after the judgment is not told ahead of the
        # verdict, and the other list tells nothing.
        focus = [e for e in told if is_focus(e)]
        check(not focus, "focus events after judging from the capital list: "
              + ", ".join(f"{e.type} {name_of(e.source)}" for e in focus))
        check(notifications(told) == [VERDICT], f"notifications shown: {notifications(told)}")
        check(capitals.getState().contains(pyatspi.STATE_FOCUSED), "the capital list lost the focus")
        hold_down(desktop, states, capitals)
        type_word(desktop, states, capitals)
    finally:
        process.terminate()
        process.wait(10)
    with open(process.stderr_path) as stderr:
        return stderr.read()


def hold_down(desktop, states, capitals):
    """Down held in the capitals, with a state chosen, to the end of the
    list: its first press judges, and the rest of it, however the window
    system tells the autorepeat and however busy the machine is, chooses
    nothing."""
    events = []
    listener = events.append
    kinds = ("focus:", "object:state-changed:focused", "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(listener, *kinds)
    desktop.key("shift+Tab", "space")  # the framed state, Айова-Iowa
    wait_for("the choice of Айова-Iowa", lambda: states[0].getState().contains(pyatspi.STATE_SELECTED))
    desktop.key("Tab")
    last = capitals[capitals.childCount - 1].name
    if hasattr(desktop, "hold"):
        desktop.hold("Down", 1500)
    else:
        desktop.keydown("Down")
        try:
            wait_for("the verdict of the held key", lambda: notifications(events))
            wait_for("the frame at the last capital", lambda: focus_on(events, last))
        finally:
            desktop.keyup("Down")
    # Once the frame's move from the top is told, every key before it is read.
    desktop.key("ctrl+Home")
    wait_for("the frame at the first capital", lambda: focus_on(events, capitals[0].name))
    pyatspi.Registry.deregisterEventListener(listener, *kinds)
    chosen = [capitals[i].name for i in range(capitals.childCount)
              if capitals[i].getState().contains(pyatspi.STATE_SELECTED)]
    check(not chosen and len(notifications(events)) == 1 and states.childCount == 48,
          f"a held Down chose {chosen} and told {notifications(events)}")


def type_word(desktop, states, capitals):
    """A word typed in the capitals, with a state chosen, frames the entries
    it starts and chooses, at the pause, the last one: one verdict."""
    events = []
    listener = events.append
    kinds = ("focus:", "object:state-changed:focused", "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(listener, *kinds)
    desktop.key("shift+Tab", "space")  # the framed state, Алабама-Alabama
    wait_for("the choice of Алабама-Alabama", lambda: states[0].getState().contains(pyatspi.STATE_SELECTED))
    desktop.key("Tab")
    desktop.key("Cyrillic_be", "Cyrillic_o")  # Батън Руж, then Бойзи
    wait_for("the verdict of the word", lambda: notifications(events))
    desktop.key("ctrl+Home")
    wait_for("the frame at the first capital", lambda: focus_on(events, capitals[0].name))
    pyatspi.Registry.deregisterEventListener(listener, *kinds)
    check(notifications(events) == ["Грешка: Алабама-Alabama Бойзи-Boise Невярно: 3"] and states.childCount == 47,
          f"a typed word told {notifications(events)}")


if __name__ == "__main__":
    without_display(sys.argv[1])
    with desktops.X11() as x11:
        play(sys.argv[1], x11)
    print("FAILED" if failures else "the real window behaves")
    sys.exit(1 if failures else 0)
