# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind pupil plays a short deal by keyboard with Orca, the screen reader.

usage: check_screen_reader.py MARVENDO WORK_DIR [--orca-later] [--mutter]
Run under an X server and a D-Bus session (scripts/with-xvfb dbus-run-session
-- /usr/bin/python3 ...). Starts speech-dispatcher with silent audio, then
Orca with a home and settings of its own in WORK_DIR, then the program; plays
by keys alone and compares what Orca spoke after each key, read from the
"SPEECH OUTPUT" lines of Orca's debug log, with the table below. Orca runs in
a Bulgarian desktop session, as a Bulgarian pupil's does. check_braille.py
plays the same deal, with a braille display.
"""
import codecs
import contextlib
import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
import desktops  # noqa: E402

# Each key and what Orca must say after it, in order: the list's heading,
# the list, the framed item and its place; "избрано" (chosen) when Space
# chooses; for a judgment the verdict and the tally that changed, and
# nothing of the item that slid into the frame; for a new deal, that it is
# one. A phrase in parentheses may be said or not; "*" is any one word.
# Phrases are compared word by word, without full stops: Orca 43 speaks the
# heading and the list as two sentences, Orca 48 as one. Orca 48 also says
# "неизбран" (not chosen) after an item that is not chosen.
NOTE = "(известяване)"
NOT_CHOSEN = "(неизбран)"
PLAY = [
    ("Tab", ["Име на щата", "Списък с 50 елемента", "Айдахо-Idaho", NOT_CHOSEN, "1 от 50"]),
    ("space", ["избрано"]),
    ("Tab", ["Столица на щата", "Списък с 50 елемента", "Анаполис-Annapolis", NOT_CHOSEN, "1 от 50"]),
    ("Down", [NOTE, "Грешка: Айдахо-Idaho Атланта-Atlanta Невярно: 1"]),
    ("shift+Tab", ["Име на щата", "Списък с 49 елемента", "Айова-Iowa", NOT_CHOSEN, "1 от 49"]),
    ("space", ["избрано"]),
    ("Tab", ["Столица на щата", "Списък с 49 елемента", "Анаполис-Annapolis", NOT_CHOSEN, "1 от 49"]),
    ("End", [NOTE, "Грешка: Айова-Iowa Шейен-Cheyenne Невярно: 2"]),
    ("shift+Tab", ["Име на щата", "Списък с 48 елемента", "Алабама-Alabama", NOT_CHOSEN, "1 от 48"]),
    ("Down", ["Аляска-Alaska", "2 от 48"]),
    ("Tab", ["Столица на щата", "Списък с 48 елемента", "Чарлстън-Charleston", NOT_CHOSEN, "48 от 48"]),
    # A word typed: the frame follows the letters and the word chooses at
    # the pause. Orca may speak of a frame after it has moved on, with the
    # place it then has ("*": any word), or, on a busy machine, not at all;
    # the verdict names the pair.
    # A frame the word has chosen may leave the list while Orca 48, slow on
    # a busy machine, still speaks of it: it then says what it says of any
    # object gone, "невалиден посивено" (invalid, greyed), as it did before
    # the braille display's news too.
    ("Cyrillic_de Cyrillic_zhe Cyrillic_u", [
        "(Де Мойн-Des Moines)", NOT_CHOSEN, "(* от *)", "(Джаксън-Jackson)", NOT_CHOSEN, "(* от *)",
        "(Джуно-Juneau)", NOT_CHOSEN, "(* от *)", "(невалиден)", "(посивено)",
        NOTE, "Вярно: Щатът Аляска-Alaska има за столица град Джуно-Juneau "
        "Най-големият град в щата е: Анкоридж-Anchorage Вярно: 1"]),
    # Space chooses the framed capital, which the pupil has just heard of.
    ("shift+Tab", ["Име на щата", "Списък с 47 елемента", "Алабама-Alabama", NOT_CHOSEN, "1 от 47"]),
    ("space", ["избрано"]),
    ("Tab", ["Столица на щата", "Списък с 47 елемента", "Джеферсън Сити-Jefferson City", NOT_CHOSEN, "* от 47"]),
    ("space", [NOTE, "Грешка: Алабама-Alabama Джеферсън Сити-Jefferson City Невярно: 3"]),
    ("Tab", ["Чисти бутон"]),
    ("space", [NOTE, "Нова игра: 50 щата и 50 столици, резултатът е нулиран"]),
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
    """What Orca has spoken, read from its debug log as it grows."""

    def __init__(self, log):
        self.log = log
        self.read = 0
        self.decoder = codecs.getincrementaldecoder("utf-8")(errors="replace")
        self.unparsed = ""
        self.texts = []
        self.line = ""  # the log's last line, while it is still being written
        self.handling = 0  # events Orca has begun to handle and not finished

    def text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def has(self, *patterns):
        text = self.text()
        return any(pattern in text for pattern in patterns)

    def spoken(self):
        """Every text spoken, in order. A spoken text may hold line breaks;
        Orca may add its voice after it, in braces that may nest."""
        try:
            with open(self.log, "rb") as f:
                f.seek(self.read)
                fresh = f.read()
        except FileNotFoundError:
            return self.texts
        self.read += len(fresh)
        fresh = self.decoder.decode(fresh)
        *lines, self.line = (self.line + fresh).split("\n")
        self.handling += sum(line.startswith("vvvvv") for line in lines) - sum(line.startswith("^^^^^") for line in lines)
        self.unparsed += fresh
        end = 0
        for match in re.finditer(r"SPEECH OUTPUT: '(.*?)'(?: ?\{[^\n]*\})?$", self.unparsed, re.S | re.M):
            self.texts.append(" ".join(match.group(1).split()))
            end = match.end()
        self.unparsed = self.unparsed[end:]
        return list(self.texts)

    def idle(self):
        """Whether Orca has finished handling each event it began to: it
        may still look at what it has just spoken, such as whether an item
        is chosen, which a key pressed meanwhile could change."""
        self.spoken()
        return self.handling == 0


def words(texts):
    """The words of spoken texts or expected phrases, without full stops."""
    return [word.rstrip(".") for text in texts for word in text.strip("()").split() if word.rstrip(".")]


def first_saying(spoken, start, phrase):
    """Where the first text from start on that begins with the phrase is."""
    for at in range(start, len(spoken)):
        if words(spoken[at:at + 1])[:len(words([phrase]))] == words([phrase]):
            return at
    return None


def wait_until(condition, seconds=120):
    """Waits for a condition of what Orca has done; Orca is slow on a busy
    machine, and a deadline only ends a wait that would never end."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.05)


def same(said, wanted):
    """Whether words said are the words wanted, "*" wanting any one word."""
    return len(said) == len(wanted) and all(w in ("*", s) for s, w in zip(said, wanted))


def follow(spoken, expected):
    """Whether the spoken texts say the expected phrases in order: "done"
    when every required phrase was said and nothing else, "waiting" while
    what was said is a beginning of them, "wrong" from the first word that
    is not. Phrases in parentheses may be missing."""
    said = words(spoken)
    i = 0
    for n, phrase in enumerate(expected):
        want = words([phrase])
        if same(said[i:i + len(want)], want):
            i += len(want)
        elif i == len(said):
            return "done" if all(p.startswith("(") for p in expected[n:]) else "waiting"
        elif same(said[i:], want[:len(said) - i]):
            return "waiting"  # the rest of the phrase is still to come
        elif not phrase.startswith("("):
            return "wrong"
    return "done" if i == len(said) else "wrong"


def environment(work, orca_settings):
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
        f.write("".join(f"s.{name} = {value!r}\n" for name, value in orca_settings.items()))
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


def open_session(program, work, started, orca_env=None, orca_settings=None, orca_first=True, desktop=None):
    """Starts speech-dispatcher with silent audio, Orca with a home and
    settings of its own in WORK_DIR and the program, which gets the
    keyboard: Orca first, or, as a pupil does who turns the screen reader on
    later, the program first, on a desktop whose accessibility bus is
    running. The program runs on the desktop given (desktops.py), by
    default the X server; a Wayland one passes the X server's keys on.
    Returns what Orca speaks, once it has said which window is there. Each
    process started is added to STARTED."""
    for tool in ("/usr/bin/orca", "/usr/bin/speech-dispatcher", "/usr/bin/xdotool"):
        if not os.path.exists(tool):
            raise SystemExit(f"FAIL: {tool} is not installed (scripts/setup installs it)")
    env, config = environment(work, orca_settings or {})
    speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", config, "-S", "default",
                                "-L", os.path.join(work, "speech")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    started.append(speechd)
    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    if not wait_until(lambda: os.path.exists(socket) or speechd.poll() is not None) or speechd.poll() is not None:
        raise SystemExit("FAIL: speech-dispatcher did not start")

    log = os.path.join(work, "orca-debug.log")
    speech = Speech(log)

    def start_orca():
        started.append(subprocess.Popen(
            [sys.executable, os.path.abspath(__file__), "--orca", "-u", os.path.join(work, "orca"),
             "--debug-file", log], env=dict(env, **(orca_env or {})),
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w")))
        # Orca 43 starts the registry itself, Orca 48 only its event loop.
        if not wait_until(lambda: speech.has("Starting ATSPI registry", "Starting Atspi main event loop")):
            raise SystemExit("FAIL: Orca did not start")

    if orca_first:
        start_orca()
    else:
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.a11y.Bus.GetAddress"], env=env, check=True, stdout=subprocess.DEVNULL)
    desktop = desktop or desktops.X11()
    app_env = desktop.environment(dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    started.append(subprocess.Popen(desktops.command(program), env=app_env))
    desktop.window_shown(started[-1])
    if not orca_first:
        start_orca()
    # The pupil starts once Orca has said which window is there, and is done.
    if not wait_until(lambda: any("ЗИФ - американски щати" in text for text in speech.spoken())):
        if speech.has("SPEECH: Not available"):
            raise SystemExit("FAIL: Orca spoke nothing: is speech-dispatcher working?")
        raise SystemExit(f"FAIL: Orca did not say which window is there: {speech.spoken()}")
    return speech


def close_session(started):
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()


def play(speech, watch=lambda name: None):
    """Plays the deal above by keys. Before each key, watch(name) may give
    a check to make once Orca has said what the step must say; a check
    that finds a fault ends the deal."""
    # Each step's keys go once Orca has said all that the steps before
    # must say. The opening window's speech ends where the first step's
    # begins.
    opening = len(speech.spoken())
    start = None
    expected = []
    for name, lines in PLAY:
        wait_until(speech.idle)
        check = watch(name)
        key(name)
        if start is None:
            wait_until(lambda: first_saying(speech.spoken(), opening, lines[0]) is not None)
            spoken = speech.spoken()
            start = first_saying(spoken, opening, lines[0])
            start = len(spoken) if start is None else start
            print("window:", spoken[:start])
            heard = start
        expected += lines
        wait_until(lambda: follow(speech.spoken()[start:], expected) != "waiting")
        spoken = speech.spoken()
        state = follow(spoken[start:], expected)
        print(f"{name}: {spoken[heard:]}")
        heard = len(spoken)
        if state != "done":
            failures.append(f"after {name} Orca said {spoken[start:]}, not {expected}")
            return
        if check and not check():
            return


def option(name):
    """Whether the option is among the arguments after the first two."""
    if name in sys.argv[3:]:
        sys.argv.remove(name)
        return True
    return False


if __name__ == "__main__":
    if sys.argv[1] == "--orca":
        del sys.argv[1]
        run_orca()
    started = []
    first = not option("--orca-later")
    with desktops.Mutter() if option("--mutter") else contextlib.nullcontext() as desktop:
        try:
            play(open_session(sys.argv[1], sys.argv[2], started, orca_first=first, desktop=desktop))
        finally:
            close_session(started)
    for failure in failures:
        print("FAIL:", failure)
    print("FAILED" if failures else "Orca tells the pupil what happens, and nothing misleading")
    sys.exit(1 if failures else 0)
