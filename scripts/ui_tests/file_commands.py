"""Import, edit and Save in the real window, as a person does them; then the command-line tool
reads back from the file on disk what the person did."""

import json
import os
import shutil
import subprocess
import tempfile
import time

import pyatspi

from cadmira_ui import (ENGLISH, Program, box_contents, check, find, find_all, focused, is_showing, key, press, role,
                        run, states, type_text, wait_for)

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLE = os.path.join(HERE, "..", "..", "examples", "orvanta-profstore.sealed.xml")
CLI = os.environ.get("CADMIRA_CLI", "build/cli/cadmira-cli")
STATUS_BAR_PATH = ["Ribbon_Category_View", "View_Panel_ViewSetting", "View_Setting_StatusBar"]


def click(accessible, x_offset=None):
    """A real left click on `accessible`: in its middle, or `x_offset` pixels from its left edge
    (a negative offset counts from its right edge)."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if x_offset is None:
        x += width // 2
    else:
        x += x_offset if x_offset >= 0 else width + x_offset
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y + height // 2), "click", "1"], check=True)
    time.sleep(0.3)


def notice(program, text):
    """Answers the file commands' box, captioned "Notice", after checking what it says."""
    box = wait_for(lambda: next((child for child in program.app if child is not None and child.name == "Notice"
                                 and role(child) in ("alert", "dialog") and is_showing(child)), None),
                   "the box saying %r" % text)
    texts, buttons = box_contents(box)
    check(text in texts, "the box says %s" % texts)
    check(buttons == ["OK"], "the box offers %s" % buttons)
    press(find(box, "push button", "OK"))
    wait_for(lambda: not is_showing(box), "the box to close")


def choose_file(program, path):
    """Names the file in the open dialog's file-name field and presses Open."""
    dialog = wait_for(lambda: next((child for child in program.app if child is not None and child.name == "Open"
                                    and is_showing(child)), None), "the open-file dialog")
    field = find(dialog, "text", "File name:")
    field.queryEditableText().setTextContents(path)
    press(wait_for(lambda: next((button for button in find_all(dialog, "push button", "Open")
                                 if pyatspi.STATE_ENABLED in states(button)), None), "Open to be enabled"))
    wait_for(lambda: not is_showing(dialog), "the file dialog to close")


def selected_row(rows):
    return next((row.name for row in find_all(rows, "list item") if pyatspi.STATE_SELECTED in states(row)), None)


def hide_status_bar(program):
    rows = find(program.window, "list", "Settings")
    # The row is below the list's visible part: click the first row, then walk down to it.
    click(find_all(rows, "list item")[0])
    for _ in range(rows.childCount):
        if selected_row(rows) == "Status Bar":
            break
        key("Down")
    check(selected_row(rows) == "Status Bar", "the Status Bar row is picked")
    combo = wait_for(lambda: next((combo for combo in find_all(program.window, "combo box", showing=True)
                                   if combo.parent.parent == rows.parent), None), "the status bar's choices")
    click(combo, x_offset=-8)  # the drop-down arrow
    click(find(combo, "list item", "Hide status bar", showing=True))
    check(combo.name == "Hide status bar", "the status bar's choice is %r" % combo.name)


def tick(tree_label, item_name, program):
    """Highlights the item with a click on its text and ticks it with Space, as a keyboard user does."""
    tree = find(program.window, "tree", tree_label, showing=True)
    item = find(tree, None, item_name, showing=True)
    click(item)
    key("space")
    check(wait_for(lambda: pyatspi.STATE_CHECKED in states(item), "%r to be ticked" % item_name), "ticked")


def test_import_edit_every_page_save_and_the_tool_finds_it_all():
    folder = tempfile.mkdtemp(prefix="cadmira-file-commands-")
    try:
        path = os.path.join(folder, "profstore.xml")
        shutil.copyfile(SAMPLE, path)
        with Program(langid=ENGLISH, verid=0) as program:
            press(find(program.window, "push button", "Import"))
            choose_file(program, path)
            notice(program, "Import Succeed")
            check(wait_for(lambda: program.window.name == path, "the title to name the file"), "title")
            Program.main_title = program.title = path
            program.focus_window()

            hide_status_bar(program)
            click(find(program.window, "page tab", "Ribbon Set"))
            tick("Ribbon Options:", "Home", program)
            click(find(program.window, "page tab", "Plugins"))
            tick("Plugin List:", "Comments", program)

            press(find(program.window, "push button", "Save"))
            notice(program, "Save Succeed")

        shown = json.loads(subprocess.run([CLI, "show", "--json", path], capture_output=True, text=True,
                                          check=True).stdout)
        check(shown["form"] == "sealed", "the file is %s" % shown["form"])
        status = dict(next(row for row in shown["preferences"] if row["Text"] == "StatusBar")["attributes"])
        check(status["Mode"] == "0" and status["Write"] == "0", "the status bar is written as %s" % status)
        check(["Ribbon_Category_Home"] in shown["hiddenRibbon"], "the ribbon hides %s" % shown["hiddenRibbon"])
        check(STATUS_BAR_PATH in shown["hiddenRibbon"], "the status bar control is hidden with the choice")
        check("Comments.zpi" in shown["hiddenPlugins"], "the hidden plug-ins are %s" % shown["hiddenPlugins"])
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def test_the_desktop_entrys_open_loads_a_sealed_file_and_refuses_a_fifo_at_once():
    folder = tempfile.mkdtemp(prefix="cadmira-open-")
    try:
        path = os.path.join(folder, "profstore.xml")
        shutil.copyfile(SAMPLE, path)
        with Program(langid=ENGLISH, verid=0, arguments=["--open", path], title=path, focus=False) as program:
            notice(program, "Import Succeed")
            check(wait_for(lambda: program.window.name == path, "the title to name the file"), "title")
        fifo = os.path.join(folder, "fifo.xml")
        os.mkfifo(fifo)
        # Nothing ever writes to it: the window must not wait for a writer.
        with Program(langid=ENGLISH, verid=0, arguments=["--open", fifo], focus=False) as program:
            notice(program, "The format of xml is error.")
            check(program.window.name.startswith("Cadmira"), "the title is %r" % program.window.name)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


class Keyboard:
    """Keys pressed in the program, counted; typing a file name is not counted."""

    def __init__(self, program):
        self.program = program
        self.presses = 0

    def press(self, *names):
        self.presses += len(names)
        key(*names)

    def focus(self):
        control = wait_for(lambda: focused(self.program.window), "a focused control")
        return role(control), control.name

    def move_to(self, wanted, backwards=False, limit=15):
        """Tab (or Shift+Tab) until the focus is on `wanted`, a (role, name)."""
        for _ in range(limit):
            if self.focus() == wanted:
                return
            self.press("shift+Tab" if backwards else "Tab")
        check(self.focus() == wanted, "Tab reaches %s %r" % wanted)


def test_the_typical_use_by_keyboard_alone():
    folder = tempfile.mkdtemp(prefix="cadmira-keyboard-")
    try:
        path = os.path.join(folder, "profstore.xml")
        shutil.copyfile(SAMPLE, path)
        with Program(langid=ENGLISH, verid=0) as program:
            keys = Keyboard(program)
            check(keys.focus() == ("page tab list", "Preferences"), "the window opens on its tab strip")
            keys.move_to(("push button", "Import"), backwards=True)
            keys.press("space")
            wait_for(lambda: next((child for child in program.app if child is not None and child.name == "Open"
                                   and is_showing(child)), None), "the open-file dialog")
            type_text(path)
            keys.press("Return")
            wait_for(lambda: next((child for child in program.app if child is not None and child.name == "Notice"
                                   and is_showing(child)), None), "the Import notice")
            keys.press("Return")
            check(wait_for(lambda: program.window.name == path, "the title to name the file"), "title")
            Program.main_title = program.title = path
            program.focus_window()

            keys.move_to(("list", "Settings"), backwards=True)
            keys.press("End", "Up", "Up")
            rows = find(program.window, "list", "Settings")
            check(selected_row(rows) == "Status Bar", "the Status Bar row is picked")
            keys.press("Tab", "Down", "Down", "Down")
            keys.move_to(("page tab list", "Preferences"), backwards=True)
            keys.press("Right", "Down", "space")
            keys.press("shift+Tab", "Right", "Tab", "Down", "space")
            keys.move_to(("push button", "Save"), backwards=True)
            keys.press("space")
            wait_for(lambda: next((child for child in program.app if child is not None and child.name == "Notice"
                                   and is_showing(child)), None), "the Save notice")
            keys.press("Return")
            print("     the typical use took %d key presses" % keys.presses)
            check(keys.presses < 122, "the typical use takes %d key presses" % keys.presses)

        shown = json.loads(subprocess.run([CLI, "show", "--json", path], capture_output=True, text=True,
                                          check=True).stdout)
        status = dict(next(row for row in shown["preferences"] if row["Text"] == "StatusBar")["attributes"])
        check(status["Mode"] == "0" and status["Write"] == "0", "the status bar is written as %s" % status)
        check(len(shown["hiddenRibbon"]) >= 2, "a ribbon item is hidden besides the status bar: %s" % shown["hiddenRibbon"])
        check(shown["hiddenPlugins"], "a plug-in is hidden")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    run(test_import_edit_every_page_save_and_the_tool_finds_it_all,
        test_the_desktop_entrys_open_loads_a_sealed_file_and_refuses_a_fifo_at_once,
        test_the_typical_use_by_keyboard_alone)
