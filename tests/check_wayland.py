# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a Wayland compositor, as a pupil on such a desktop
meets it.

usage: check_wayland.py MARVENDO labwc|mutter
Run under an X server and a D-Bus session (scripts/with-xvfb dbus-run-session
-- /usr/bin/python3 ...): the X server shows the pictures to compare with.
Starts the program in the compositor's session (desktops.py) and checks
that it chose Qt's Wayland plugin by itself, that it looks as it does on
X11, pixel for pixel, that a maximize (the compositor's own, or a double
click on the title bar Qt draws) leaves the designed window, and then
plays check_real_window.py's deal; then, at a scale of 1.5, that the
window keeps its proportions and its text is as crisp as Qt draws it at
that scale on X11.
"""
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
import check_real_window as real  # noqa: E402
import desktops  # noqa: E402

# The caret blinks at the start of the message area.
CARET = (8, 216, 8, 24)


def designed_picture(desktop, scale):
    """The client area at its designed size once two looks in a row agree,
    and where it is."""
    previous = None
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        shot = desktop.picture()
        form = shot.form()
        # Scaled, the last row or column may be a blend of colours.
        if form and all(abs(c * scale - f) <= (scale != 1) for c, f in zip(desktops.CLIENT, form[1])):
            (left, top), (width, height) = form
            picture = shot.crop(left, top, width, height)
            caret = tuple(round(c * scale) for c in CARET)
            if previous and not picture.differences(previous, [caret]):
                return picture, form
            previous = picture
        time.sleep(0.1)
    shot.png(f"{desktop.name}-no-window.png")
    raise SystemExit(f"FAIL: no window of the designed size on {desktop.name} (the last look found {form},"
                     f" written to {desktop.name}-no-window.png)")


def on_x11(program, scale):
    """The window as Qt's xcb plugin draws it on the X server, the picture
    the Wayland one must match."""
    with desktops.X11() as x11:
        env = dict(os.environ, QT_SCALE_FACTOR=str(scale)) if scale != 1 else os.environ
        process = subprocess.Popen(desktops.command(program), env=x11.environment(env))
        try:
            x11.window_shown(process)
            return designed_picture(x11, scale)[0]
        finally:
            process.terminate()
            process.wait(10)


def same_picture(what, picture, reference, scale, of="x11"):
    caret = tuple(round(c * scale) for c in CARET)
    differ = picture.differences(reference, [caret])
    if differ:
        picture.png(f"{what}.png")
        reference.png(f"{what}-{of}.png")
    real.check(not differ, f"{what}: {len(differ)} pixels differ from the picture {of}, from {differ[:3]}"
               f" (written to {what}.png and {what}-{of}.png)")


def title_bar(desktop, form):
    """The title bar above the client area, the caption in it, without its
    rounded corners, where the desktop behind shows through."""
    (left, top), (width, _) = form
    return desktop.picture().crop(left + 12, top - desktop.title_bar, width - 24, desktop.title_bar)


def as_crisp(what, picture, reference):
    """Drawn at the scale, not scaled up after: a picture blurred by scaling
    keeps about a quarter of the darkest pixels of X11's text, Qt's own
    drawing at the scale about four fifths. (Qt puts the glyphs half a pixel
    apart on the two, so pixels do not match.)"""
    def darkest(p):
        return sum(1 for y in range(p.height) for x in range(p.width) if sum(p.pixel(x, y)[:3]) < 60)
    real.check(abs(picture.width - reference.width) <= 1 and abs(picture.height - reference.height) <= 1,
               f"{what}: {picture.width}x{picture.height}, X11's {reference.width}x{reference.height}")
    ours, theirs = darkest(picture), darkest(reference)
    if ours < 0.6 * theirs:
        picture.png(f"{what}.png")
        reference.png(f"{what}-x11.png")
    real.check(ours >= 0.6 * theirs, f"{what}: {ours} of the darkest pixels, X11's picture {theirs}"
               f" (written to {what}.png and {what}-x11.png)")


def on_wayland_plugin(process):
    with open(f"/proc/{process.pid}/maps") as maps:
        plugins = {line.rsplit("/", 1)[-1].strip() for line in maps if "/platforms/" in line}
    real.check(any("wayland" in p for p in plugins) and not any("xcb" in p for p in plugins),
               f"the program runs on the platform plugins {sorted(plugins)}, not Wayland's alone")


def log_says(process, *words):
    with open(process.stderr_path) as log:
        return any(all(word in line for word in words) for line in log)


def stays_designed(desktop, process, reference, form):
    """A maximize, the compositor's own (Super+Up on labwc) or a double
    click on the title bar that Qt draws (mutter): the compositor maximizes
    the window (Qt's log says so), and the window comes back as designed,
    with the title bar and its whole caption as before."""
    caption = title_bar(desktop, form)
    desktop.maximize()
    real.wait_for("the compositor's maximized window", lambda: log_says(process, "configure", "WindowMaximized"))
    picture, form = designed_picture(desktop, 1)
    desktop.origin = form[0]
    same_picture(f"{desktop.name}-after-maximize", picture, reference, 1)
    same_picture(f"{desktop.name}-title-bar-after-maximize", title_bar(desktop, form), caption, 1, "before")


def main(program, compositor):
    reference = on_x11(program, 1)
    with desktops.desktop(compositor) as desktop:

        def before_play(process, window, app):
            on_wayland_plugin(process)
            picture, form = designed_picture(desktop, 1)
            same_picture(compositor, picture, reference, 1)
            stays_designed(desktop, process, reference, form)

        os.environ["QT_LOGGING_RULES"] = "qt.qpa.wayland.debug=true"
        real.play(program, desktop, before_play)
    if compositor == "labwc":
        # Fractional scale: Qt draws at 1.5 itself, as crisp as on X11.
        reference = on_x11(program, 1.5)
        with desktops.Labwc(scale=1.5) as desktop:
            process = subprocess.Popen(desktops.command(program), env=desktop.environment(dict(os.environ)))
            try:
                picture, _ = designed_picture(desktop, 1.5)
                as_crisp("labwc-scale-1.5", picture, reference)
            finally:
                process.terminate()
                process.wait(10)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("FAILED" if real.failures else f"the window behaves on {sys.argv[2]}")
    sys.exit(1 if real.failures else 0)
