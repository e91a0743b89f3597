"""What a screen reader says as a blind cashier uses the form: Orca (with speech-dispatcher
on a silent sound device) runs when the program starts, as it does on the cashier's desktop,
and must read the box the form opens on; the keyboard then goes round the form with Tab,
presses 打印 on the empty form and OK on its message.
What Orca says (its debug log's "SPEECH OUTPUT" lines, less its echo of each key) must be,
in order, the phrases of the table's rows.
Run on a display and a session bus (the test runs it under xvfb-run and dbus-run-session).
Usage: /usr/bin/python3 screen_reader_posix_test.py PROGRAM
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

ROWS = range(1, 7)
COLUMNS = (("商品", "combo box"), ("数量", "text"), ("单价", "text"))
# key, what Orca says after it, in order; the form opens on 收银员, its date and time boxes
# hold the moment it opened
EXPECTED = [
    ("Tab", ["编号： text."]),
    ("Tab", ["日期： text.", "{date} selected."]),
    ("Tab", ["时间： text.", "{time} selected."]),
    *[("Tab", [f"{column} {row} {role}."]) for row in ROWS for column, role in COLUMNS],
    ("Tab", ["合计 >> push button."]),
    ("Tab", ["合计 read only text."]),
    ("Tab", ["实收： text."]),
    ("Tab", ["场期次 1 text."]),
    ("Tab", ["场期次 2 text."]),
    ("Tab", ["口令： password text."]),
    ("Tab", ["打印 push button."]),
    ("space", ["alert.", "请输入列表项目！", "OK push button."]),
    ("Return", ["Norvessa frame.", "商品 1 combo box."]),
]
PLACES = {re.escape("{date}"): r"\d{4}-\d{2}-\d{2}", re.escape("{time}"): r"\d{2}:\d{2}:\d{2}"}
KEY_GAP = 0.7  # between two keys, as a quick typist
QUIET = 3.0  # Orca has said all it will once it has been quiet this long
ECHOES = {"tab", "space", "return"}  # Orca's echo of each key, not checked


def silent_speech(home):
    """A copy of speech-dispatcher's configuration that speaks to ALSA's null device."""
    config = os.path.join(home, ".config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", config)
    with open(os.path.join(config, "speechd.conf"), "a", encoding="utf-8") as conf:
        conf.write('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')


class OrcaLog:
    LINE = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established'")

    def __init__(self, path):
        self.path = path
        self.read = 0

    def terminal(self):
        """A terminal for Orca's log, copied to the log file as it comes: to a file, Orca
        writes its log a block at a time, and a phrase could wait unwritten for as long as
        Orca has nothing more to say; to a terminal, a line at a time."""
        reader, writer = os.openpty()
        tty.setraw(writer)

        def copy():
            with open(self.path, "ab") as log:
                while chunk := os.read(reader, 65536):
                    log.write(chunk)
                    log.flush()

        threading.Thread(target=copy, daemon=True).start()
        return os.ttyname(writer)

    def new_phrases(self):
        """The phrases of the lines written out since the last call (whole lines only)."""
        try:
            with open(self.path, "rb") as log:
                log.seek(self.read)
                fresh = log.read()
        except FileNotFoundError:
            return []
        whole = fresh[:fresh.rfind(b"\n") + 1]
        self.read += len(whole)
        lines = whole.decode("utf-8", errors="replace").splitlines()
        return [m.group(1) for m in map(self.LINE.search, lines) if m]

    def wait_for(self, phrase, seconds=60):
        """What Orca says until it says `phrase`."""
        heard = self.said_within(phrase, seconds)
        if phrase not in heard:
            sys.exit(f"FAIL: Orca never said {phrase!r} (heard {heard})")
        return heard

    def said_within(self, phrase, seconds):
        """What Orca says until it says `phrase`, or for `seconds`."""
        heard = []
        deadline = time.monotonic() + seconds
        while phrase not in heard and time.monotonic() < deadline:
            time.sleep(0.2)
            heard += self.new_phrases()
        return heard

    def until_quiet(self, seconds=60):
        """What Orca says until it has been quiet for a while."""
        heard = []
        quiet_since = time.monotonic()
        deadline = quiet_since + seconds
        while time.monotonic() - quiet_since < QUIET and time.monotonic() < deadline:
            time.sleep(0.2)
            fresh = self.new_phrases()
            if fresh:
                heard += fresh
                quiet_since = time.monotonic()
        return heard


def activate(window):
    """Gives the keyboard to the root window, then to `window`: its window activates as the
    screen reader watches (with no window manager, the window has the keyboard from the
    start)."""
    root = re.search(r"Window id: (\S+)", subprocess.run(["xwininfo", "-root"], check=True,
                                                        capture_output=True,
                                                        text=True).stdout).group(1)
    subprocess.run(["xdotool", "windowfocus", "--sync", root], check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)


def pattern(phrase):
    escaped = re.escape(phrase)
    for place, value in PLACES.items():
        escaped = escaped.replace(place, value)
    return escaped


def message_window(pid, form, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               capture_output=True, text=True).stdout.split()
        others = [window for window in found if window != form]
        if others:
            return others[0]
        time.sleep(0.2)
    sys.exit("FAIL: 打印 showed no message")


def check(log, pid, form):
    """Presses the table's keys. With no window manager here, the test hands the keyboard
    to the message when it appears, and back to the form when it is gone if the form has
    not taken it back by then, as a window manager would."""
    heard = []
    for key, _ in EXPECTED:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(KEY_GAP)
        if key == "space":
            activate(message_window(pid, form))
            heard += log.wait_for("请输入列表项目！")
        elif key == "Return":
            heard += log.said_within("Norvessa frame.", 5)
            if "Norvessa frame." not in heard:
                activate(form)
    heard += log.until_quiet()
    heard = [phrase for phrase in heard if phrase.strip().lower() not in ECHOES]
    expected = [phrase for _, phrases in EXPECTED for phrase in phrases]
    for index, (wanted, phrase) in enumerate(zip(expected, heard + [None] * len(expected))):
        if phrase is None or not re.fullmatch(pattern(wanted), phrase):
            print(f"FAIL: phrase {index + 1}: Orca said {phrase!r}, expected {wanted!r}")
            print(f"Orca said: {heard}")
            return False
    return True


def main(program):
    home = tempfile.mkdtemp(prefix="receipt-orca-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    silent_speech(home)
    log = OrcaLog(os.path.join(home, "orca.log"))
    processes = [subprocess.Popen(["orca", "--debug-file", log.terminal()], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    passed = False
    try:
        log.wait_for("Screen reader on.")
        processes.append(subprocess.Popen([program], env=env))
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "^Norvessa$"], capture_output=True, text=True, check=True,
                                timeout=60).stdout.split()[0]
        log.wait_for("收银员： text.")
        log.until_quiet()
        passed = check(log, processes[1].pid, window)
        if passed:
            print(f"PASS: Orca read all {len(EXPECTED)} steps as expected")
        return 0 if passed else 1
    finally:
        for process in reversed(processes):
            process.kill()
            process.wait()
        if not passed and os.path.exists(log.path):
            kept = os.path.abspath("screen_reader_orca.log")
            shutil.copy(log.path, kept)
            print(f"Orca's log: {kept}")
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
