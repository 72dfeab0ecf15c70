#!/usr/bin/python3
"""Starts the editor on a file, answers the load's message box, and saves a picture of each tab.
Usage: tab_pictures.py FILE FOLDER [VERID]; run it under an X server and a D-Bus session (as
scripts/run does). Prints the load's message and the pictures' paths."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "ui_tests"))

from cadmira_ui import Program, box_contents, find, find_all, message_box, press  # noqa: E402

TABS = ("preferences", "ribbon", "plugins")


def main():
    path, folder = sys.argv[1:3]
    verid = int(sys.argv[3]) if len(sys.argv) > 3 else None
    os.makedirs(folder, exist_ok=True)
    # An accepted file's path becomes the window's title.
    # The load's message comes before the window is shown.
    with Program(verid=verid, arguments=[path], title=path, focus=False) as program:
        box = message_box(program.app)
        texts, buttons = box_contents(box)
        print("the load said: %s" % " ".join(texts))
        press(find(box, "push button", buttons[0]))
        tabs = find_all(program.window, "page tab")
        for tab, name in zip(tabs, TABS):
            press(tab)
            program.focus_window()
            picture = os.path.join(folder, name + ".png")
            subprocess.run(["import", "-window", "root", picture], check=True)
            print(picture)


if __name__ == "__main__":
    main()
