"""Walks Dorvane's accessibility tree as a screen reader sees it.

Started inside the test's own D-Bus session; starts the program, checks that
every control of the main window is named (slots by their buttons' names or
"Empty slot N"), then opens each dialog of the menus in turn and checks its
controls too. Exit 0 when every control is named, 1 with a list otherwise.
Usage: atspi_names.py PROGRAM WORKDIR
"""
import os
import subprocess
import sys
import time

import pyatspi

CHECKED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_TOGGLE_BUTTON: "toggle button",
    pyatspi.ROLE_MENU_ITEM: "menu item",
    pyatspi.ROLE_CHECK_MENU_ITEM: "menu item",
    pyatspi.ROLE_RADIO_MENU_ITEM: "menu item",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_TEXT: "editable field",
    pyatspi.ROLE_ENTRY: "editable field",
    pyatspi.ROLE_SPIN_BUTTON: "spin box",
    pyatspi.ROLE_COMBO_BOX: "combo box",
}

# Dialogs of the desktop rather than of the program: Qt's file and folder
# choosers and its message boxes are the toolkit's own.
SKIPPED_DIALOG_PREFIXES = ("Open", "Save", "Select", "Choose", "Find", "Specify")


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, path, problems, showing_only=True):
    """Appends a line for each control without a name below `node`."""
    for child in children(node):
        if child is None:
            continue
        try:
            role = child.getRole()
            states = child.getState()
            name = child.name or ""
        except Exception:
            continue
        # Closed menus are checked too: their items are what the keyboard reaches.
        in_menus = role in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
                            pyatspi.ROLE_RADIO_MENU_ITEM)
        if showing_only and not states.contains(pyatspi.STATE_SHOWING) and not in_menus:
            continue
        label = f"{path}/{child.getRoleName()}[{name}]"
        if role in CHECKED_ROLES and not name.strip():
            if not (role == pyatspi.ROLE_TEXT and not states.contains(pyatspi.STATE_EDITABLE)):
                problems.append(f"{path}: a {CHECKED_ROLES[role]} without a name")
        walk(child, label if len(label) < 200 else path, problems, showing_only)


def find_app(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name and "dorvane" in app.name.lower():
                return app
        time.sleep(0.2)
    return None


def windows(app):
    return [w for w in children(app) if w is not None]


def main_frame(app, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for w in windows(app):
            if w.name.startswith(" DORVANE"):
                return w
        time.sleep(0.2)
    return None


def find_all(node, predicate, out):
    for child in children(node):
        if child is None:
            continue
        try:
            if predicate(child):
                out.append(child)
        except Exception:
            pass
        find_all(child, predicate, out)
    return out


def press_escape():
    subprocess.run(["xdotool", "key", "Escape"], check=False)


def main():
    program, work = sys.argv[1], sys.argv[2]
    env = dict(os.environ)
    env.update(
        XDG_DATA_HOME=os.path.join(work, "data"),
        XDG_CONFIG_HOME=os.path.join(work, "config"),
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
        QT_ACCESSIBILITY="1",
    )
    log = open(os.path.join(work, "program.log"), "w")
    proc = subprocess.Popen([program], cwd=os.path.join(work, "data", "dorvane"), env=env,
                            stdout=log, stderr=subprocess.STDOUT)
    problems = []
    try:
        app = find_app()
        if app is None:
            print("FAIL: Dorvane did not appear in the accessibility tree")
            return 1
        frame = main_frame(app)
        if frame is None:
            print("FAIL: no main window in the accessibility tree")
            return 1
        time.sleep(1)

        walk(frame, "main window", problems)

        # The slots: the sample's first button by its name, an empty one by number.
        buttons = find_all(frame, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON, [])
        names = {b.name for b in buttons}
        for expected in ("Shell", "Environment", "Empty slot 10"):
            if expected not in names:
                problems.append(f"main window: no button named '{expected}'")
        shell = next((b for b in buttons if b.name == "Shell"), None)
        if shell is not None and shell.description != "/bin/sh":
            problems.append(f"slot 'Shell' is described as '{shell.description}', not by its target")
        for picture in ("Next Category", "Previous Category", "Show Alarms"):
            items = find_all(frame, lambda n, p=picture: n.name == p, [])
            if not items:
                problems.append(f"menu bar: no picture button named '{picture}'")

        # Every dialog the menus open: items whose text ends in "..." and are enabled.
        items = find_all(frame, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
                         and n.name.split("\t")[0].rstrip().endswith("...")
                         and n.getState().contains(pyatspi.STATE_ENABLED), [])
        seen = set()
        opened = 0
        for item in items:
            title = item.name
            if title in seen:
                continue
            seen.add(title)
            before = {w.name for w in windows(app)}
            try:
                action = item.queryAction()
                # A modal dialog answers only when it closes: don't wait.
                pyatspi.setTimeout(300, 300)
                action.doAction(0)
            except Exception:
                pass
            finally:
                pyatspi.setTimeout(25000, 120000)
            dialog = None
            end = time.time() + 5
            while time.time() < end and dialog is None:
                for w in windows(app):
                    # The main window's caption changes with the clock: not a dialog.
                    if w.getRole() == pyatspi.ROLE_FRAME and w.name.startswith(" DORVANE"):
                        continue
                    if w.name not in before and w.getState().contains(pyatspi.STATE_SHOWING):
                        dialog = w
                time.sleep(0.2)
            if dialog is None:
                press_escape()
                continue
            opened += 1
            print(f"dialog '{dialog.name.strip()}' from '{title}'")
            if not dialog.name.strip().startswith(SKIPPED_DIALOG_PREFIXES):
                walk(dialog, f"dialog '{dialog.name.strip()}' (from '{title}')", problems)
            for _ in range(3):
                press_escape()
                time.sleep(0.4)
                if all(w.name != dialog.name or not w.getState().contains(pyatspi.STATE_SHOWING)
                       for w in windows(app)):
                    break
        print(f"checked the main window and {opened} dialogs")
    finally:
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
    if problems:
        print("FAIL: controls without a name:")
        for p in sorted(set(problems)):
            print("  " + p)
        return 1
    print("PASS: every control is named")
    return 0


if __name__ == "__main__":
    sys.exit(main())
