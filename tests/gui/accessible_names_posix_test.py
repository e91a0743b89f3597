"""Reads the running program's boxes as a screen reader does, through AT-SPI, and checks
each box's name and role, that a box with one label beside it is labelled by it, that
tabbing through the form announces every box by its name, once per move, and that the
About box pressed open through AT-SPI is closed the same way.
Run on a display and a session bus (the test runs it under xvfb-run and dbus-run-session).
Usage: /usr/bin/python3 accessible_names_posix_test.py PROGRAM
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

ROWS = range(1, 7)
COLUMNS = (("商品", "combo box"), ("数量", "text"), ("单价", "text"))
# name, role, the text of the label tied to the box (None: no single label fits)
EXPECTED = [
    ("收银员", "text", "收银员："),
    ("编号", "text", "编号："),
    ("日期", "text", "日期："),
    ("时间", "text", "时间："),
    *[(f"{column} {row}", role, None) for row in ROWS for column, role in COLUMNS],
    ("合计", "text", None),
    ("实收", "text", "实收："),
    ("场期次 1", "text", None),
    ("场期次 2", "text", None),
    ("口令", "password text", "口令："),
]
BOX_ROLES = {"text", "password text", "combo box"}


def application_of(pid, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit("FAIL: the program never appeared on the accessibility bus")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def labels_of(box):
    return sorted(target.name for relation in box.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))
                  if target.getRoleName() == "label")


def check_tree(app):
    boxes = [node for node in descendants(app) if node.getRoleName() in BOX_ROLES]
    found = sorted((box.name, box.getRoleName(), labels_of(box)) for box in boxes)
    wanted = sorted((name, role, [label] if label else []) for name, role, label in EXPECTED)
    for missing in (entry for entry in wanted if entry not in found):
        print(f"FAIL: no box {missing}")
    for extra in (entry for entry in found if entry not in wanted):
        print(f"FAIL: unexpected box {extra}")
    return found == wanted


def node_where(root, wanted, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for node in descendants(root):
            if wanted(node):
                return node
        time.sleep(0.2)
    return None


def focused_node(app):
    return node_where(app, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED)) or \
        sys.exit("FAIL: nothing in the window ever had the focus")


def names_announced_by_tabbing(app, pid, seconds=60):
    """Gives the window the keyboard, then presses Tab each time the focus has moved on,
    until it is back on the box it began on; returns the name each focus notice gave on the
    way, repeats included (a goods picker announces the button inside it)."""
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             "^Norvessa$"], capture_output=True, text=True, check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", window.stdout.split()[0]], check=True)
    # Once a box reads as focused, its own announcement is gone: each one after it
    # answers a Tab.
    focused = [focused_node(app)]
    names = []  # as each focus notice names its object, repeats included

    def on_focus(event):
        if not event.detail1 or event.source.get_process_id() != pid:
            return
        if len(focused) == 1 and event.source == focused[0]:
            return  # the window's activation, announced as it settles: not a move
        names.append(event.source.name)
        if event.source == focused[-1]:
            return  # the same focus announced again
        if event.source == focused[0]:
            pyatspi.Registry.stop()
            return
        focused.append(event.source)
        subprocess.run(["xdotool", "key", "Tab"], check=True)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.idle_add(lambda: subprocess.run(["xdotool", "key", "Tab"], check=True) and False)
    GLib.timeout_add_seconds(seconds, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return names


def check_focus(app, pid):
    announced = names_announced_by_tabbing(app, pid)
    unheard = [name for name, _, _ in EXPECTED if name not in announced]
    for name in unheard:
        print(f"FAIL: {name} is not announced when it takes the focus (heard {announced})")
    # A second notice for the same move lets a screen reader take the first for a repeat.
    repeated = [name for name, _, _ in EXPECTED if announced.count(name) > 1]
    for name in repeated:
        print(f"FAIL: {name} is announced {announced.count(name)} times for one move")
    return not unheard and not repeated


def window_of(node):
    while node is not None and node.getRoleName() != "frame":
        node = node.parent
    return node


def check_about(app):
    """A screen reader's click on 关于 must come back at once: the bus answers nothing while
    a press is being handled, so a modal box opened inside it could not be closed. The box
    is named by its title, not by a label of the form."""
    node_where(app, lambda node: node.name == "关于").queryAction().doAction(0)
    close = node_where(app, lambda node: node.name == "确定")
    if close is None:
        print("FAIL: the About box pressed open through AT-SPI cannot be reached")
        return False
    labels = labels_of(window_of(close))
    if labels:
        print(f"FAIL: the About box is labelled by {labels}")
    return close.queryAction().doAction(0) and not labels


def main(program):
    process = subprocess.Popen([program])
    try:
        app = application_of(process.pid)
        if not (check_tree(app) & check_focus(app, process.pid) & check_about(app)):
            return 1
        print(f"PASS: all {len(EXPECTED)} boxes have their names, roles and labels")
        return 0
    finally:
        process.terminate()
        process.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
