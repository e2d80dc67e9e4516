"""A blind pupil plays a short deal by keyboard with Orca, the screen reader.

usage: check_screen_reader.py MARVENDO WORK_DIR
Run under an X server and a D-Bus session (scripts/with-xvfb dbus-run-session
-- /usr/bin/python3 ...). Starts speech-dispatcher with silent audio, then
Orca with a home and settings of its own in WORK_DIR, then the program; plays
by keys alone and compares what Orca spoke after each key, read from the
"SPEECH OUTPUT" lines of Orca's debug log, with the table below. Orca runs in
a Bulgarian desktop session, as a Bulgarian pupil's does.
"""
import os
import re
import shutil
import subprocess
import sys
import time

# Each key and what Orca must say after it, in order: the list's heading,
# the list, the framed item and its place; "избрано" (chosen) when Space
# chooses; for a judgment the verdict and the tally that changed, and
# nothing of the item that slid into the frame; for a new deal, that it is
# one. A line in parentheses may be said or not.
NOTE = "известяване "
PLAY = [
    ("Tab", ["Име на щата.", "Списък с 50 елемента.", "Айдахо-Idaho.", "1 от 50."]),
    ("space", ["избрано"]),
    ("Tab", ["Столица на щата.", "Списък с 50 елемента.", "Анаполис-Annapolis.", "1 от 50."]),
    ("Down", [NOTE + "Грешка: Айдахо-Idaho Атланта-Atlanta Невярно: 1."]),
    ("shift+Tab", ["Име на щата.", "Списък с 49 елемента.", "Айова-Iowa.", "1 от 49."]),
    ("space", ["избрано"]),
    ("Tab", ["Столица на щата.", "Списък с 49 елемента.", "Анаполис-Annapolis.", "1 от 49."]),
    ("End", [NOTE + "Грешка: Айова-Iowa Шейен-Cheyenne Невярно: 2."]),
    ("shift+Tab", ["Име на щата.", "Списък с 48 елемента.", "Алабама-Alabama.", "1 от 48."]),
    ("Down", ["Аляска-Alaska.", "2 от 48."]),
    ("Tab", ["Столица на щата.", "Списък с 48 елемента.", "Чарлстън-Charleston.", "48 от 48."]),
    # A word typed: the frame follows the letters, the word chooses at the pause.
    ("Cyrillic_de Cyrillic_zhe Cyrillic_u", [
        "(Де Мойн-Des Moines.)", "(6 от 48.)", "(Джаксън-Jackson.)", "(8 от 48.)", "Джуно-Juneau.", "10 от 48.",
        NOTE + "Вярно: Щатът Аляска-Alaska има за столица град Джуно-Juneau "
        "Най-големият град в щата е: Анкоридж-Anchorage Вярно: 1."]),
    ("Tab", ["Чисти бутон."]),
    ("space", [NOTE + "Нова игра: 50 щата и 50 столици, резултатът е нулиран."]),
]
failures = []


def run_orca():
    """Orca as installed, with its debug file line-buffered so that it can be
    read while Orca runs."""
    import builtins
    import importlib.machinery
    import importlib.util
    plain_open = builtins.open

    def line_buffered(file, mode="r", *args, **kwargs):
        if "w" in mode and not args and "buffering" not in kwargs and str(file).endswith(".log"):
            kwargs["buffering"] = 1
        return plain_open(file, mode, *args, **kwargs)

    loader = importlib.machinery.SourceFileLoader("orca_cli", "/usr/bin/orca")
    cli = importlib.util.module_from_spec(importlib.util.spec_from_loader("orca_cli", loader))
    loader.exec_module(cli)
    cli.open = line_buffered
    cli.otherOrcas = lambda: []  # only this session's Orca counts
    sys.argv[0] = "orca"
    sys.exit(cli.main())


class Speech:
    """What Orca has spoken, from its debug log."""

    def __init__(self, log):
        self.log = log
        self.read = 0

    def text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def lines(self):
        return self.text().splitlines()

    def wait_for(self, pattern, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(pattern in line for line in self.lines()):
                return True
            time.sleep(0.1)
        return False

    def spoken_since(self, start):
        fresh = "\n".join(self.lines()[start:])
        # A spoken text may hold line breaks; Orca adds its voice after it.
        found = re.finditer(r"SPEECH OUTPUT: '(.*?)'(?:\{[^{}]*\})?$", fresh, re.S | re.M)
        return [" ".join(match.group(1).split()) for match in found]

    def new_speech(self, expected=None, settle=1.5, seconds=15):
        """The lines spoken since the last call: once the expected lines are
        there, or Orca has been quiet for a while, and then quiet again."""
        start = self.read
        deadline = time.monotonic() + seconds
        quiet_since, count = time.monotonic(), start
        while time.monotonic() < deadline:
            lines = len(self.lines())
            if lines != count:
                count, quiet_since = lines, time.monotonic()
            elif time.monotonic() - quiet_since >= settle:
                if expected is None or matches(self.spoken_since(start), expected):
                    break
            time.sleep(0.1)
        self.read = len(self.lines())
        return self.spoken_since(start)


def matches(spoken, expected):
    """Spoken must be the expected lines, in order; lines in parentheses may
    be missing."""
    i = 0
    for line in expected:
        optional = line.startswith("(")
        text = line.strip("()")
        if i < len(spoken) and spoken[i] == text:
            i += 1
        elif not optional:
            return False
    return i == len(spoken)


def environment(work):
    home = os.path.join(work, "home")
    runtime = os.path.join(work, "runtime")
    shutil.rmtree(work, ignore_errors=True)
    for folder in (home, runtime, os.path.join(work, "speech"), os.path.join(work, "orca")):
        os.makedirs(folder, mode=0o700)
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
               GSETTINGS_BACKEND="memory", LANG="bg_BG.UTF-8", LC_ALL="bg_BG.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    # Without a sound card speech-dispatcher waits long for one: silence.
    with open(os.path.join(home, ".asoundrc"), "w") as f:
        f.write("pcm.!default { type null }\n")
    # Orca as a pupil may set it: places in lists spoken, keys not echoed.
    with open(os.path.join(work, "orca", "orca-customizations.py"), "w") as f:
        f.write("import orca.settings as s\ns.enablePositionSpeaking = True\ns.enableKeyEcho = False\n")
    config = os.path.join(work, "speech", "config")
    os.makedirs(os.path.join(config, "modules"))
    shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as f:
        f.write('AudioOutputMethod "alsa"\nAudioALSADevice "default"\n'
                'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                'DefaultModule espeak-ng\nDefaultLanguage "bg"\n')
    return env, config


def key(names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names.split()], check=True)


def play(program, work):
    for tool in ("/usr/bin/orca", "/usr/bin/speech-dispatcher", "/usr/bin/xdotool"):
        if not os.path.exists(tool):
            raise SystemExit(f"FAIL: {tool} is not installed (scripts/setup installs it)")
    env, config = environment(work)
    started = []
    try:
        speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", config, "-S", "default",
                                    "-L", os.path.join(work, "speech")], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        started.append(speechd)
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        deadline = time.monotonic() + 20
        while not os.path.exists(socket):
            if time.monotonic() > deadline or speechd.poll() is not None:
                raise SystemExit("FAIL: speech-dispatcher did not start")
            time.sleep(0.1)

        log = os.path.join(work, "orca-debug.log")
        orca = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--orca", "-u",
                                 os.path.join(work, "orca"), "--debug-file", log], env=env,
                                stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w"))
        started.append(orca)
        speech = Speech(log)
        if not speech.wait_for("Starting ATSPI registry", 60):
            raise SystemExit("FAIL: Orca did not start")

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        started.append(subprocess.Popen([program], env=app_env))
        window = ""
        deadline = time.monotonic() + 30
        while not window and time.monotonic() < deadline:
            window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "ЗИФ"],
                                    capture_output=True, text=True).stdout.split()[:1]
            time.sleep(0.2)
        if not window:
            raise SystemExit("FAIL: the window did not appear")
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
        opening = speech.new_speech(settle=2, seconds=20)
        if not opening or any("SPEECH: Not available" in line for line in speech.lines()):
            raise SystemExit("FAIL: Orca spoke nothing: is speech-dispatcher working? " + repr(opening))
        print("window:", opening)

        for name, expected in PLAY:
            key(name)
            spoken = speech.new_speech(expected)
            print(f"{name}: {spoken}")
            if not matches(spoken, expected):
                failures.append(f"after {name} Orca said {spoken}, not {expected}")
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()


if __name__ == "__main__":
    if sys.argv[1] == "--orca":
        del sys.argv[1]
        run_orca()
    play(sys.argv[1], sys.argv[2])
    for failure in failures:
        print("FAIL:", failure)
    print("FAILED" if failures else "Orca tells the pupil what happens, and nothing misleading")
    sys.exit(1 if failures else 0)
