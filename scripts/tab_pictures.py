#!/usr/bin/python3
"""Starts the editor on a file under an X server with AT-SPI, answers the load's message box, and
saves a picture of each tab. Usage: tab_pictures.py EDITOR FILE FOLDER. Prints the load's message
and the pictures' paths; exits non-zero when the window or a tab cannot be reached."""
import os
import subprocess
import sys
import time

import pyatspi

TABS = ("preferences", "ribbon", "plugins")


def wait_for(find, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    return None


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def descendants(node, role):
    found = []
    for child in node:
        if child is None:
            continue
        if child.getRole() == role:
            found.append(child)
        found.extend(descendants(child, role))
    return found


def message_box(app):
    """The first open message box: its text and its OK button."""
    for window in app:
        if window is None or window.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
            continue
        labels = [label.name for label in descendants(window, pyatspi.ROLE_LABEL) if label.name]
        buttons = descendants(window, pyatspi.ROLE_PUSH_BUTTON)
        if labels and len(buttons) == 1:
            return labels[-1], buttons[0]
    return None


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    editor, path, folder = sys.argv[1:4]
    os.makedirs(folder, exist_ok=True)
    process = subprocess.Popen([editor, path])
    try:
        app = wait_for(lambda: application(process.pid))
        if app is None:
            sys.exit("the editor's window did not appear")
        box = wait_for(lambda: message_box(app), seconds=5.0)
        if box is not None:
            print(f"the load said: {box[0]}")
            press(box[1])
        tablist = wait_for(lambda: next(iter(descendants(app, pyatspi.ROLE_PAGE_TAB_LIST)), None))
        if tablist is None:
            sys.exit("the editor's tabs were not found")
        tabs = descendants(tablist, pyatspi.ROLE_PAGE_TAB)
        if len(tabs) != len(TABS):
            sys.exit(f"the editor shows {len(tabs)} tabs instead of {len(TABS)}")
        for tab, name in zip(tabs, TABS):
            press(tab)
            time.sleep(0.5)
            picture = os.path.join(folder, f"{name}.png")
            subprocess.run(["import", "-window", "root", picture], check=True)
            print(picture)
    finally:
        process.kill()
        process.wait()


if __name__ == "__main__":
    main()
