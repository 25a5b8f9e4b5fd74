#!/usr/bin/python3
"""Works the program the way a screen reader does, through AT-SPI.

Starts the program given on the command line and finds it on the accessibility bus. Fails when
the main window or one of its dialogs holds a focusable object without a name, or when the
list's first row does not read as words. Every dialog is opened and closed through the actions
of its button or menu entry, as a screen reader's user presses them.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# (the button or menu entry that opens it, its title)
DIALOGS = [
    ("Download", "Download"),
    ("Upload", "Uplaod"),
    ("Time setting", "Time Setting"),
    ("Auto Set", "Auto Setup"),
    ("Serial Port...", "Serial Port"),
    ("Device History...", "Device History"),
    ("About Tavrin...", "About Tavrin"),
]

failures = []
program = None
T0 = time.monotonic()


def log(text):
    print("%5.1fs %s" % (time.monotonic() - T0, text))


def wait_for(what, find, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if program.poll() is not None:
            raise SystemExit("the program ended (%d) while waiting for %s" % (program.returncode, what))
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    raise SystemExit("timed out waiting for " + what)


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    # a table holds a child for every cell: enough of them to judge
    count = min(count, 200)
    return [c for c in (node.getChildAtIndex(i) for i in range(count)) if c is not None]


def walk(node, path=""):
    yield node, path
    for child in children(node):
        yield from walk(child, path + "/" + child.getRoleName())


def is_showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def check_names(window, title):
    nameless = []
    for node, path in walk(window):
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and is_showing(node) and not node.name.strip():
            nameless.append("%s (%d children, %r)" % (path, node.childCount, node.description))
    log("%s: %d nameless focusable objects" % (title, len(nameless)))
    for path in nameless:
        failures.append("%s: nameless %s" % (title, path))


def find(window, role, name, showing=True):
    for node, _ in walk(window):
        if node.getRole() == role and node.name == name and (not showing or is_showing(node)):
            return node
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next((names.index(n) for n in ("Press", "press", "click") if n in names), 0)
    # A button that opens a modal dialog answers only once the dialog has closed: the press
    # waits a moment for the answer, not the bus's whole time-out.
    Atspi.set_timeout(200, -1)
    try:
        action.doAction(index)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(15000, -1)


def program_windows(app):
    """The windows shown now, each as (role, name, window); one that closes meanwhile is left out."""
    shown = []
    for window in children(app):
        try:
            if is_showing(window):
                shown.append((window.getRole(), window.name, window))
        except GLib.GError:
            pass
    return shown


def dialog_titled(app, title):
    return next((w for role, name, w in program_windows(app) if role == pyatspi.ROLE_DIALOG and name == title), None)


def no_dialog(app):
    return None if any(role == pyatspi.ROLE_DIALOG for role, _, _ in program_windows(app)) else True


def check_dialog(app, frame, opener, title):
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, opener) or find(frame, pyatspi.ROLE_MENU_ITEM, opener, False)
    if button is None:
        failures.append("nothing opens %s" % title)
        return True
    press(button)
    dialog = wait_for("the %s dialog" % title, lambda: dialog_titled(app, title))
    check_names(dialog, title)
    if title == "Download" and find(dialog, pyatspi.ROLE_CHECK_BOX, "Monday") is None:
        failures.append("the Download dialog has no Monday box")
    close = next((b for b in (find(dialog, pyatspi.ROLE_PUSH_BUTTON, n) for n in ("Cancel", "Close", "OK")) if b), None)
    if close is None:
        failures.append("nothing closes %s" % title)
        return False
    press(close)
    wait_for("%s to close" % title, lambda: no_dialog(app))
    return True


def check_program(app):
    frame = wait_for("the main window", lambda: next(
        (w for role, _, w in program_windows(app) if role == pyatspi.ROLE_FRAME), None))
    table = wait_for("the list", lambda: next((n for n, _ in walk(frame) if n.getRole() == pyatspi.ROLE_TABLE), None))
    if table.name != "Schedule of Monday":
        failures.append("the list is named %r" % table.name)
    check_names(frame, "main window")

    cells = table.queryTable()
    if cells.nRows < 1:
        failures.append("the list shows no row")
    else:
        row = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
        log("row 1 reads: " + ", ".join(row))
        for words in ("ch2 off", "AC on", "Voice"):
            if words not in row:
                failures.append("row 1 does not say %r" % words)

    for opener, title in DIALOGS:
        if not check_dialog(app, frame, opener, title):
            break


def main():
    global program
    program = subprocess.Popen(sys.argv[1:])
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def our_app():
            for app in children(desktop):
                try:
                    if app.get_process_id() == program.pid:
                        return app
                except GLib.GError:
                    pass
            return None

        check_program(wait_for("the program on the accessibility bus", our_app))
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()

    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
