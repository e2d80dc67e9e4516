# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktops a check plays the real program on, each with real input and
pictures of what the pupil sees.

- X11: the X server the check runs under (scripts/with-xvfb), xdotool's
  input, xwd's pictures; the program on Qt's xcb plugin.
- labwc: Raspberry Pi OS's compositor, headless, with a virtual keyboard
  (wtype) and a virtual pointer of this module's own; grim's pictures.
- mutter: GNOME's compositor, nested in a window on the X server, which
  takes xdotool's input and shows its pictures; Qt draws the title bar.

On Wayland the program gets a Wayland session's environment, and
must choose Qt's Wayland plugin by itself. A desktop is a context manager:
it starts what it needs and stops it all. click(x, y) takes a point of the
window's client area, as a screen reader's DESKTOP coordinates give it on
X11 (the whole screen) and on Wayland (where a window knows no place on the
screen, the client area's own).
"""
import os
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts")
sys.path.insert(0, SCRIPTS)
sys.dont_write_bytecode = True
import xwd  # noqa: E402

FORM_BACK = (192, 192, 255)
CLIENT = (477, 350)


def command(program):
    """How a check starts the program: directly, or cross-built under the
    emulator that MARVENDO_EMULATOR names."""
    emulator = os.environ.get("MARVENDO_EMULATOR")
    return [emulator, program] if emulator else [program]


def wait_until(what, condition, seconds=120, pause=lambda: time.sleep(0.05)):
    """What condition() finds, once it finds something; a deadline only ends
    a wait that would never end."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        pause()
    raise SystemExit(f"FAIL: {what} did not appear within {seconds} s")


class Picture:
    """Rows of (r, g, b), as read off the screen."""

    def __init__(self, width, height, pixel):
        self.width, self.height, self.pixel = width, height, pixel

    @staticmethod
    def from_ppm(data):
        fields, at = [], 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(int(data[at:end]) if fields else data[at:end])
            at = end
        width, height, body = fields[1], fields[2], data[at + 1:]
        return Picture(width, height, lambda x, y: tuple(body[(y * width + x) * 3:(y * width + x) * 3 + 3]))

    @staticmethod
    def from_xwd(data):
        dump = xwd.Dump(data)
        return Picture(dump.width, dump.height, dump.pixel)

    def form(self):
        """The client area's top left corner on the screen, and its size: the
        form's colour stands at the client area's corners and along its
        edges, which no control covers. None where no form is shown."""
        for y in range(0, self.height):
            row = [x for x in range(self.width) if self.pixel(x, y) == FORM_BACK]
            if len(row) > 20:
                left, right = row[0], row[-1]
                bottom = y
                while bottom + 1 < self.height and self.pixel(left, bottom + 1) == FORM_BACK:
                    bottom += 1
                # A title bar's edge may blend into the form's first rows.
                if bottom - y > 100:
                    return (left, y), (right - left + 1, bottom - y + 1)
        return None

    def crop(self, left, top, width, height):
        return Picture(width, height, lambda x, y: self.pixel(left + x, top + y))

    def differences(self, other, ignore=()):
        """Points where two pictures of one size differ, outside the given
        rectangles."""
        found = []
        for y in range(self.height):
            for x in range(self.width):
                if any(l <= x < l + w and t <= y < t + h for l, t, w, h in ignore):
                    continue
                if self.pixel(x, y) != other.pixel(x, y):
                    found.append((x, y))
        return found

    def png(self, path):
        with open(path, "wb") as out:
            out.write(xwd.png(self.width, self.height, self.pixel))


class X11:
    name = "x11"
    wayland = False

    def __enter__(self):
        self.origin = (0, 0)
        return self

    def __exit__(self, *exc):
        return False

    def environment(self, env):
        return dict(env, QT_QPA_PLATFORM="xcb")

    def xdotool(self, *args, check=True):
        return subprocess.run(["xdotool", *args], check=check, capture_output=True, text=True).stdout.strip()

    def window_shown(self, process):
        # Named before it is mapped: only a visible window takes the focus.
        window = wait_until("the window", lambda: self.xdotool("search", "--onlyvisible", "--name", "ЗИФ",
                                                               check=False).split()[:1])[0]
        self.xdotool("windowfocus", "--sync", window)
        return window

    def click(self, x, y, repeat=1):
        self.xdotool("mousemove", str(self.origin[0] + x), str(self.origin[1] + y),
                     "click", "--repeat", str(repeat), "--delay", "80", "1")

    def key(self, *names):
        self.xdotool("key", "--delay", "80", *names)

    def keydown(self, name):
        self.xdotool("keydown", name)

    def keyup(self, name):
        self.xdotool("keyup", name)

    def picture(self):
        dump = subprocess.run(["xwd", "-root", "-silent"], check=True, capture_output=True).stdout
        return Picture.from_xwd(dump)


class Compositor(X11):
    """What the Wayland desktops share: the session's environment for the
    program, and the client area found in the pictures."""
    wayland = True
    scale = 1

    def environment(self, env):
        env = {k: v for k, v in env.items() if k not in ("QT_QPA_PLATFORM", "DISPLAY")}
        return dict(env, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket_name,
                    XDG_SESSION_TYPE="wayland", XDG_CURRENT_DESKTOP=self.current_desktop)

    def window_shown(self, process):
        """Where the client area shows once it does; a program that ends
        first, as one without a platform plugin for the session does, fails
        at once."""
        form = wait_until(f"the window in {self.name}", lambda: process.poll() is not None or self.picture().form())
        if process.poll() is not None:
            said = open(process.stderr_path).read() if hasattr(process, "stderr_path") else ""
            raise SystemExit(f"FAIL: the program ended with exit status {process.returncode} before its window"
                             f" showed in {self.name}: {said!r}")
        self.origin = tuple(int(c / self.scale) for c in form[0])
        return form


class Labwc(Compositor):
    """Raspberry Pi OS's compositor, headless: keys from wtype, the pointer
    from a virtual pointer kept for the whole session."""
    name = "labwc"
    current_desktop = "labwc:wlroots"
    output = (1280, 720)
    # The rows of its title bar, inside its border.
    title_bar = 26

    def __init__(self, scale=1, runtime_in=None):
        """runtime_in: the folder to make the session's runtime folder in,
        where the socket is (the /tmp of a root the program runs in)."""
        self.scale, self.runtime_in = scale, runtime_in

    def __enter__(self):
        self.runtime = tempfile.mkdtemp(dir=self.runtime_in)
        config = os.path.join(self.runtime, "labwc")
        os.makedirs(config)
        with open(os.path.join(config, "rc.xml"), "w") as rc:
            # The compositor's own ways to grow a window, as its users have
            # them: Super+Up maximizes, Super+F goes full screen.
            rc.write('<?xml version="1.0"?><labwc_config><keyboard>'
                     '<keybind key="W-Up"><action name="ToggleMaximize"/></keybind>'
                     '<keybind key="W-f"><action name="ToggleFullscreen"/></keybind>'
                     '</keyboard></labwc_config>\n')
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WLR_BACKENDS="headless",
                        WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1",
                        WLR_HEADLESS_OUTPUTS="1")
        self.env.pop("DISPLAY", None)
        self.log = open(os.path.join(self.runtime, "labwc.log"), "w")
        self.labwc = subprocess.Popen(["labwc", "-C", config], env=self.env, stdout=self.log,
                                      stderr=subprocess.STDOUT)
        self.socket_name = wait_until("labwc's socket", lambda: self.labwc.poll() is not None or next(
            (n for n in os.listdir(self.runtime) if n.startswith("wayland-") and not n.endswith(".lock")), None))
        if self.labwc.poll() is not None:
            raise SystemExit(f"FAIL: labwc ended: {open(self.log.name).read()[-2000:]}")
        self.env["WAYLAND_DISPLAY"] = self.socket_name
        if self.scale != 1:
            subprocess.run(["wlr-randr", "--output", "HEADLESS-1", "--scale", str(self.scale)],
                           env=self.env, check=True)
        # A keyboard that stays: each wtype adds one and takes it away, and
        # keys may get lost while the seat has none.
        self.keyboard = subprocess.Popen(["wtype", "-s", "86400000"], env=self.env)
        self.pointer = VirtualPointer(os.path.join(self.runtime, self.socket_name), self.output)
        self.origin = (0, 0)
        return self

    def __exit__(self, *exc):
        for process in (self.keyboard, self.labwc):
            process.terminate()
            process.wait(20)
        shutil.rmtree(self.runtime, ignore_errors=True)
        return False

    def click(self, x, y, repeat=1):
        self.pointer.move(self.origin[0] + x, self.origin[1] + y)
        for _ in range(repeat):
            self.pointer.button(True)
            self.pointer.button(False)

    WTYPE_KEYS = {"ctrl": "ctrl", "shift": "shift", "super": "logo"}

    def wtype(self, *args):
        subprocess.run(["wtype", *args], env=self.env, check=True)

    def key(self, *names):
        for name in names:
            *modifiers, key = name.split("+")
            args = []
            for modifier in modifiers:
                args += ["-M", self.WTYPE_KEYS[modifier]]
            args += ["-k", key]
            for modifier in reversed(modifiers):
                args += ["-m", self.WTYPE_KEYS[modifier]]
            self.wtype(*args)

    def maximize(self):
        """As labwc's users have it: Super+Up."""
        self.key("super+Up")

    def hold(self, name, milliseconds):
        self.wtype("-P", name, "-s", str(milliseconds), "-p", name)

    def picture(self):
        shot = subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, check=True, capture_output=True).stdout
        return Picture.from_ppm(shot)


class Mutter(Compositor):
    """GNOME's compositor in a window of the X server, without Xwayland, so
    that nothing but Qt's Wayland plugin can show the program. Its input is
    the X server's, with a Bulgarian phonetic keymap on both, so that
    xdotool finds Cyrillic letters on keys that mutter reads alike."""
    name = "mutter"
    current_desktop = "GNOME"
    # The rows of the title bar Qt draws on GNOME.
    title_bar = 38
    socket_name = "wayland-marvendo"
    # Where mutter's own pointer stays out of the pictures: the bottom right
    # corner of its 800x600 output.
    corner = (799, 599)

    def __enter__(self):
        self.runtime = tempfile.mkdtemp()
        subprocess.run(["setxkbmap", "bg", "phonetic"], check=True)
        self.log = open(os.path.join(self.runtime, "mutter.log"), "w")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        self.mutter = subprocess.Popen(["mutter", "--wayland", "--nested", "--no-x11",
                                        "--wayland-display", self.socket_name],
                                       env=env, stdout=self.log, stderr=subprocess.STDOUT)
        wait_until("mutter's socket", lambda: self.mutter.poll() is not None
                   or os.path.exists(os.path.join(self.runtime, self.socket_name)))
        if self.mutter.poll() is not None:
            raise SystemExit(f"FAIL: mutter ended: {open(self.log.name).read()[-2000:]}")
        window = wait_until("mutter's window", lambda: self.xdotool("search", "--onlyvisible", "--pid",
                                                                     str(self.mutter.pid), check=False).split()[:1])[0]
        self.xdotool("windowfocus", "--sync", window)
        self.origin = (0, 0)
        return self

    def __exit__(self, *exc):
        self.mutter.terminate()
        self.mutter.wait(20)
        shutil.rmtree(self.runtime, ignore_errors=True)
        return False

    def maximize(self):
        """A double click on the title bar Qt draws."""
        self.click(CLIENT[0] // 2, -self.title_bar // 2, repeat=2)

    def picture(self):
        self.xdotool("mousemove", *map(str, self.corner))
        return super().picture()


class VirtualPointer:
    """A pointer of wlroots' virtual-pointer protocol, spoken over the
    Wayland socket itself: registry, manager, pointer, and a round trip
    after each step, so that the compositor has taken it when it returns."""
    BTN_LEFT = 0x110

    def __init__(self, path, extent):
        self.extent = extent
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.buffer = b""
        self.next_id = 2
        registry = self.new_id()
        self.send(1, 1, struct.pack("<I", registry))  # wl_display.get_registry
        globals_ = {}
        self.roundtrip(lambda obj, op, body: obj == registry and op == 0 and globals_.update(
            {self.string_at(body, 4)[0]: struct.unpack_from("<I", body)[0]}))
        if "zwlr_virtual_pointer_manager_v1" not in globals_:
            raise SystemExit("FAIL: the compositor offers no virtual pointer")
        manager = self.bind(registry, globals_["zwlr_virtual_pointer_manager_v1"],
                            "zwlr_virtual_pointer_manager_v1", 1)
        self.pointer = self.new_id()
        self.send(manager, 0, struct.pack("<II", 0, self.pointer))  # create_virtual_pointer(no seat)
        self.roundtrip()

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    @staticmethod
    def string_at(body, at):
        length = struct.unpack_from("<I", body, at)[0]
        return body[at + 4:at + 4 + length - 1].decode(), at + 4 + length + (-length % 4)

    def bind(self, registry, name, interface, version):
        new = self.new_id()
        self.send(registry, 0, struct.pack("<I", name) + self.string(interface) + struct.pack("<II", version, new))
        return new

    def send(self, obj, opcode, body=b""):
        self.socket.sendall(struct.pack("<II", obj, ((8 + len(body)) << 16) | opcode) + body)

    def roundtrip(self, on_event=lambda obj, op, body: None):
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        while True:
            while len(self.buffer) < 8 or len(self.buffer) < struct.unpack_from("<I", self.buffer, 4)[0] >> 16:
                chunk = self.socket.recv(65536)
                if not chunk:
                    raise SystemExit("FAIL: the compositor closed the virtual pointer's connection")
                self.buffer += chunk
            obj, word = struct.unpack_from("<II", self.buffer)
            size, opcode = word >> 16, word & 0xffff
            body, self.buffer = self.buffer[8:size], self.buffer[size:]
            if obj == 1 and opcode == 0:  # wl_display.error
                raise SystemExit(f"FAIL: Wayland error {self.string_at(body, 8)[0]}")
            if obj == callback:
                return
            on_event(obj, opcode, body)

    def now(self):
        return int(time.monotonic() * 1000) & 0xffffffff

    def move(self, x, y):
        width, height = self.extent
        self.send(self.pointer, 1, struct.pack("<IIIII", self.now(), x, y, width, height))  # motion_absolute
        self.send(self.pointer, 4)  # frame
        self.roundtrip()

    def button(self, pressed):
        self.send(self.pointer, 2, struct.pack("<III", self.now(), self.BTN_LEFT, 1 if pressed else 0))
        self.send(self.pointer, 4)
        self.roundtrip()


def desktop(name, **options):
    return {"x11": X11, "labwc": Labwc, "mutter": Mutter}[name](**options)
