# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program a package installed into another root (an arm64 Debian, as a
Raspberry Pi runs it) shows the window of the program built here, pixel for
pixel, and says nothing; under labwc, Raspberry Pi OS's compositor, it runs
on Qt's Wayland plugin, which the package brought, and looks the same.

usage: check_installed_window.py PROGRAM ROOT
Run as root under an X server (scripts/with-xvfb) whose socket folder is
also the root's /tmp/.X11-unix.
"""
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
import check_real_window as real  # noqa: E402
import check_wayland as look  # noqa: E402
import desktops  # noqa: E402


def shows(root, desktop, reference, env, runtime):
    """Starts the installed program on the desktop, with the environment
    given and a runtime folder of the root, and compares its window."""
    inside = "/tmp/" + os.path.basename(runtime)
    with open(os.path.join(runtime, "stderr"), "w+") as stderr:
        env = dict(desktop.environment(dict(env, PATH="/usr/bin:/bin", LANG="C.UTF-8")), XDG_RUNTIME_DIR=inside)
        process = subprocess.Popen(["/usr/sbin/chroot", root, "/usr/bin/marvendo"], env=env, stderr=stderr)
        process.stderr_path = stderr.name
        try:
            desktop.window_shown(process)
            if desktop.wayland:
                look.on_wayland_plugin(process)
            picture, _ = look.designed_picture(desktop, 1)
        finally:
            process.terminate()
            process.wait(10)
        look.same_picture(f"installed-{desktop.name}", picture, reference, 1)
        stderr.seek(0)
        said = stderr.read()
        real.check(not said, f"the installed program wrote {said!r} on {desktop.name}")


def main(program, root):
    reference = look.on_x11(program, 1)
    with desktops.X11() as x11:
        shows(root, x11, reference, {"DISPLAY": os.environ["DISPLAY"]}, tempfile.mkdtemp(dir=os.path.join(root, "tmp")))
    with desktops.Labwc(runtime_in=os.path.join(root, "tmp")) as labwc:
        shows(root, labwc, reference, {}, labwc.runtime)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("FAILED" if real.failures else "the installed program shows the window built here")
    sys.exit(1 if real.failures else 0)
