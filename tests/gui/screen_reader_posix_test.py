"""What a screen reader says as a blind cashier uses the form on a desktop: a window manager
runs, Orca (with speech-dispatcher on a silent sound device) runs when the program starts and
must read the box the form opens on; the keyboard then goes round the form with Tab, typing
a row on the way, presses 打印 and answers each message the till shows (the three refusals,
the amount out of range, the print cancelled at "取消", the printer gone), with OK, Enter or
Escape, putting right what it asked for in between.
What Orca says (its debug log's "SPEECH OUTPUT" lines, less its echo of each key) must be,
in order, the phrases of the table's rows: after each message, the box the focus is back in,
once. The form prints to a named pipe the test holds, which takes nothing until the print
is cancelled and is then taken away.
Run on a display and a session bus (the test runs it under xvfb-run and dbus-run-session).
Usage: /usr/bin/python3 screen_reader_posix_test.py WINDOW_MANAGER FORM_ON_DEVICE
"""
import fcntl
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

WINDOW_MANAGERS = {"openbox": ["openbox"], "xfwm4": ["xfwm4", "--compositor=off"]}
UNPLUG = "the printer taken away"  # a step that is no key


class Typed(str):
    """Text typed into the box that has the keyboard."""


class Maybe(str):
    """A phrase Orca may leave out."""


# Esc closes a message as it goes down, and Orca, handling its release on the form, may take
# the form for the active window before it hears the form activated, and then leaves out the
# form's name.
FORM_AFTER_ESCAPE = Maybe("Norvessa frame.")


def message(text):
    """What Orca says as a message opens. The toolkit asks the window manager to activate
    the form just before it shows a message, and the window manager may do so once the
    message has the keyboard, then give it back to the message: Orca then reads the message
    twice (about one message in thirty under openbox)."""
    return ["alert.", text, Maybe("alert."), Maybe(text), "OK push button."]


ROWS = range(2, 7)
COLUMNS = (("商品", "combo box"), ("数量", "text"), ("单价", "text"))
# The window manager may activate the form before the toolkit's accessibility layer tells
# of it (seen on a loaded machine): Orca then does not say the form's name as it opens.
FORM_OPENED = Maybe("Norvessa frame.")
# what the test does, what Orca says after it, in order; the form opens on 收银员, its date
# and time boxes hold the moment it opened
EXPECTED = [
    (None, [FORM_OPENED, "收银员： text."]),
    ("Tab", ["编号： text."]),
    ("Tab", ["日期： text.", "{date} selected."]),
    ("Tab", ["时间： text.", "{time} selected."]),
    ("Tab", ["商品 1 combo box."]),
    ("Tab", ["数量 1 text."]),
    (Typed("1"), []),
    ("Tab", ["单价 1 text."]),
    (Typed("1e308"), []),  # the row counts once its goods are picked
    *[("Tab", [f"{column} {row} {role}."]) for row in ROWS for column, role in COLUMNS],
    ("Tab", ["合计 >> push button."]),
    ("Tab", ["合计 read only text."]),
    ("Tab", ["实收： text."]),
    ("Tab", ["场期次 1 text."]),
    ("Tab", ["场期次 2 text."]),
    ("Tab", ["口令： password text."]),
    ("Tab", ["打印 push button."]),
    ("space", message("请输入列表项目！")),
    ("Return", ["Norvessa frame.", "商品 1 combo box."]),
    # Orca 48 may say the picker again with the goods picked, as its value changes.
    ("Down", [Maybe("商品 1 combo box."), "绿豆."]),
    ("shift+Tab", ["时间： text.", "{time} selected."]),
    ("shift+Tab", ["日期： text.", "{date} selected."]),
    ("shift+Tab", ["编号： text."]),
    ("shift+Tab", ["收银员： text."]),
    ("shift+Tab", ["关于 push button."]),
    ("shift+Tab", ["打印 push button."]),
    ("space", message("请输入收银员信息！")),
    ("Escape", [FORM_AFTER_ESCAPE, "收银员： text."]),
    (Typed("Li"), []),
    ("shift+Tab", ["关于 push button."]),
    ("shift+Tab", ["打印 push button."]),
    ("space", message("请输入实收金额信息！")),
    ("space", ["Norvessa frame.", "实收： text."]),
    (Typed("-1e308"), []),  # the change, -2e308, is out of range
    ("Tab", ["场期次 1 text."]),
    ("Tab", ["场期次 2 text."]),
    ("Tab", ["口令： password text."]),
    ("Tab", ["打印 push button."]),
    ("space", message("金额超出范围，无法打印！")),
    ("Escape", [FORM_AFTER_ESCAPE, "实收： text.", "-1e308 selected."]),
    (Typed("20"), ["Selection deleted."]),
    ("Tab", ["场期次 1 text."]),
    ("Tab", ["场期次 2 text."]),
    ("Tab", ["口令： password text."]),
    ("Tab", ["打印 push button."]),
    ("space", ["正在打印… frame.", "取消 push button."]),
    ("space", message("打印已取消。")),
    ("Return", ["Norvessa frame.", "打印 push button."]),
    (UNPLUG, []),
    ("space", message("没有连接打印机或者打印机端口不是LPT1！\n{printer}: 找不到打印机设备。"
                      "（No such file or directory）")),
    ("space", ["Norvessa frame.", "打印 push button."]),
]
PLACES = {"{date}": r"\d{4}-\d{2}-\d{2}", "{time}": r"\d{2}:\d{2}:\d{2}"}
QUIET = 3.0  # Orca has said all it will once it has been quiet this long
STEP_SECONDS = 60  # what a step makes Orca say comes within this, however loaded the machine
# Orca's echo of each key and of each character typed, not checked
ECHOES = {"tab", "space", "return", "escape", "down", "left shift", "dash",
          *(character.lower() for action, _ in EXPECTED if isinstance(action, Typed)
            for character in action)}


def silent_speech(home):
    """A copy of speech-dispatcher's configuration that speaks to ALSA's null device."""
    config = os.path.join(home, ".config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", config)
    with open(os.path.join(config, "speechd.conf"), "a", encoding="utf-8") as conf:
        conf.write('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')


class OrcaLog:
    # A phrase may take several lines; the log indents all but the first.
    PHRASE = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S)
    INDENT = re.compile(r"\n {18}")

    # Orca queues each event it hears and handles them one at a time; in a flood it drops
    # some unhandled.
    QUEUED = re.compile(r"EVENT MANAGER: Queueing ")
    HANDLED = re.compile(r"EVENT MANAGER: Dequeued ")
    DROPPED = re.compile(r"EVENT MANAGER: (\d+) events pruned")

    def __init__(self, path):
        self.path = path
        self.read = 0
        self.scanned = 0
        self.unhandled = 0

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
        """The phrases written out since the last call (whole phrases only)."""
        fresh = self.fresh_text(self.read).decode("utf-8", errors="replace")
        found = list(self.PHRASE.finditer(fresh))
        if found:
            self.read += len(fresh[:found[-1].end()].encode("utf-8", errors="replace"))
        return [self.INDENT.sub("\n", phrase.group(1)) for phrase in found]

    def fresh_text(self, offset):
        try:
            with open(self.path, "rb") as log:
                log.seek(offset)
                return log.read()
        except FileNotFoundError:
            return b""

    def handled_all(self):
        """Whether Orca has handled every event it has heard so far (whole lines only)."""
        fresh = self.fresh_text(self.scanned)
        lines = fresh[:fresh.rfind(b"\n") + 1]
        self.scanned += len(lines)
        text = lines.decode("utf-8", errors="replace")
        self.unhandled += len(self.QUEUED.findall(text)) - len(self.HANDLED.findall(text))
        self.unhandled -= sum(int(dropped) for dropped in self.DROPPED.findall(text))
        return self.unhandled <= 0

    def wait_until_handled(self, seconds):
        """Until Orca has handled all it has heard, so the next key does not overtake it."""
        deadline = time.monotonic() + seconds
        while not self.handled_all() and time.monotonic() < deadline:
            time.sleep(0.05)

    def wait_for(self, wanted, seconds=60):
        """What Orca says until it says a phrase `wanted` matches, or for `seconds`."""
        heard = []
        deadline = time.monotonic() + seconds
        while not any(map(wanted.fullmatch, heard)) and time.monotonic() < deadline:
            time.sleep(0.1)
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


class Printer:
    """A named pipe whose reader never reads, its buffer shrunk to one page and already
    full: a printer that takes nothing, until it is taken away."""
    PAGE = 4096

    def __init__(self, path):
        self.path = path
        os.mkfifo(path, 0o600)
        self.reader = os.open(path, os.O_RDONLY | os.O_NONBLOCK)
        fcntl.fcntl(self.reader, fcntl.F_SETPIPE_SZ, self.PAGE)
        writer = os.open(path, os.O_WRONLY | os.O_NONBLOCK)
        try:
            while True:
                os.write(writer, b"f" * self.PAGE)
        except BlockingIOError:
            pass
        finally:
            os.close(writer)

    def take_away(self):
        os.close(self.reader)
        os.unlink(self.path)


def start_window_manager(name, env, seconds=30):
    """Starts the window manager and returns it once it manages the screen. A window
    manager built on GTK (xfwm4) stays off the accessibility bus, where Orca could find one
    of its windows active as it starts and announce it before the form."""
    manager = subprocess.Popen(WINDOW_MANAGERS[name], env=dict(env, NO_AT_BRIDGE="1"),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                              capture_output=True, text=True).stdout
        if "window id" in root:
            return manager
        time.sleep(0.2)
    manager.kill()
    sys.exit(f"FAIL: {name} never took the screen")


def other_orca_runs():
    """Whether a process of this user is named orca, as Orca itself asks."""
    for process in glob.glob("/proc/[0-9]*"):
        try:
            with open(os.path.join(process, "comm"), encoding="utf-8") as name:
                if name.read().strip() == "orca" and os.stat(process).st_uid == os.getuid():
                    return True
        except OSError:
            continue  # gone meanwhile
    return False


def start_orca(log, env, seconds=200):
    """Starts Orca and returns it once it is on. Orca ends at once while another of this
    user's runs (another test on the machine): it is started again once that one is gone."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        orca = subprocess.Popen(["orca", "--debug-file", log.terminal()], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while orca.poll() is None and time.monotonic() < deadline:
            if "Screen reader on." in log.new_phrases():
                return orca
            time.sleep(0.1)
        orca.kill()
        orca.wait()
        while other_orca_runs() and time.monotonic() < deadline:
            time.sleep(0.5)
    sys.exit("FAIL: Orca never started")


def words(phrase):
    """A phrase as the cashier hears it: its words, without the punctuation that ends it or
    the spacing between, which differ between Orca's versions ("Norvessa frame." in Orca 43,
    "Norvessa frame" in Orca 48)."""
    return re.sub(r"\s+", " ", phrase).strip().rstrip(".。 ")


# The role words each Orca says for a role of the table (Orca 48 takes AT-SPI's newer
# names: "button" for a push button).
ROLE_WORDS = {"push button": ("push button", "button")}


class Said:
    """What a phrase of the table matches: the phrase in its words, followed by nothing or,
    after a space, by more (a newer Orca says a goods picker's name again after its role:
    "商品 1 combo box 商品 1."). The name and the role come first whichever Orca speaks."""

    def __init__(self, phrase, printer):
        escaped = re.escape(words(phrase)).replace(re.escape("{printer}"), re.escape(printer))
        for place, value in PLACES.items():
            escaped = escaped.replace(re.escape(place), value)
        for role, spoken in ROLE_WORDS.items():
            escaped = escaped.replace(re.escape(role),
                                      "(?:" + "|".join(map(re.escape, spoken)) + ")")
        self.regex = re.compile(escaped + r"(?: .*)?", re.S)

    def fullmatch(self, said):
        return self.regex.fullmatch(words(said))


def pattern(phrase, printer):
    return Said(phrase, printer)


def take_step(action, printer):
    if action == UNPLUG:
        printer.take_away()
    elif isinstance(action, Typed):
        subprocess.run(["xdotool", "type", "--", action], check=True)
    elif action is not None:
        subprocess.run(["xdotool", "key", action], check=True)


def first_difference(expected, heard, printer):
    """Where `heard` parts from `expected`, if it does: the index in `heard` and the phrase
    expected there (None past the end of `expected`)."""
    wanted_at = said_at = 0
    while wanted_at < len(expected) or said_at < len(heard):
        wanted = expected[wanted_at] if wanted_at < len(expected) else None
        said = heard[said_at] if said_at < len(heard) else None
        if wanted is not None and said is not None and pattern(wanted, printer).fullmatch(said):
            wanted_at, said_at = wanted_at + 1, said_at + 1
        elif isinstance(wanted, Maybe):
            wanted_at += 1
        else:
            return said_at, wanted
    return None


def check(log, printer):
    """Takes the table's steps, each once Orca has said the last phrase of the one before
    and handled all it heard (none after the first step it did not say); then compares all
    Orca said with the table."""
    heard = []
    for action, phrases in EXPECTED:
        take_step(action, printer)
        if phrases:
            last = pattern(phrases[-1], printer.path)
            fresh = log.wait_for(last, STEP_SECONDS)
            heard += fresh
            if not any(map(last.fullmatch, fresh)):
                break
        log.wait_until_handled(STEP_SECONDS)
    heard += log.until_quiet()
    heard = [phrase for phrase in heard if words(phrase).lower() not in ECHOES]
    difference = first_difference([phrase for _, phrases in EXPECTED for phrase in phrases],
                                  heard, printer.path)
    if difference is not None:
        index, wanted = difference
        said = heard[index] if index < len(heard) else None
        print(f"FAIL: phrase {index + 1}: Orca said {said!r}, expected {wanted!r}")
        print(f"Orca said: {heard}")
    return difference is None


def main(window_manager, program):
    home = tempfile.mkdtemp(prefix="receipt-orca-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    silent_speech(home)
    log = OrcaLog(os.path.join(home, "orca.log"))
    printer = Printer(os.path.join(home, "printer"))
    processes = [start_window_manager(window_manager, env)]
    passed = False
    try:
        processes.append(start_orca(log, env))
        processes.append(subprocess.Popen([program, printer.path], env=env))
        passed = check(log, printer)
        if passed:
            print(f"PASS: under {window_manager}, Orca read all {len(EXPECTED)} steps as expected")
        return 0 if passed else 1
    finally:
        for process in reversed(processes):
            process.kill()
            process.wait()
        if not passed and os.path.exists(log.path):
            kept = os.path.abspath(f"screen_reader_{window_manager}_orca.log")
            shutil.copy(log.path, kept)
            print(f"Orca's log: {kept}")
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
