# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program a package installed into another root (an arm64 Debian, as a
Raspberry Pi runs it) shows the window of the program built here, pixel for
pixel, and says nothing.

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


def main(program, root):
    reference = look.on_x11(program, 1)
    runtime = tempfile.mkdtemp(dir=os.path.join(root, "tmp"))
    inside = "/tmp/" + os.path.basename(runtime)
    with desktops.X11() as x11, open(os.path.join(runtime, "stderr"), "w+") as stderr:
        env = x11.environment({"PATH": "/usr/bin:/bin", "DISPLAY": os.environ["DISPLAY"],
                               "XDG_RUNTIME_DIR": inside, "LANG": "C.UTF-8"})
        process = subprocess.Popen(["/usr/sbin/chroot", root, "/usr/bin/marvendo"], env=env, stderr=stderr)
        try:
            x11.window_shown(process)
            picture, _ = look.designed_picture(x11, 1)
        finally:
            process.terminate()
            process.wait(10)
        look.same_picture("installed", picture, reference, 1)
        stderr.seek(0)
        said = stderr.read()
        real.check(not said, f"the installed program wrote {said!r}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("FAILED" if real.failures else "the installed program shows the window built here")
    sys.exit(1 if real.failures else 0)
