"""Finding on every page, the marks of what a file changes, and the question before a change is
lost, as a keyboard and screen-reader user meets them in the real window."""

import os
import shutil
import tempfile
import time

import pyatspi

from cadmira_ui import (ENGLISH, Program, box_contents, check, find, find_all, is_showing, key, message_box, press,
                        role, run, states, type_text, wait_for)
from file_commands import SAMPLE, choose_file, click, notice, tick


def shown_rows(container, role_name):
    return [item.name for item in find_all(container, role_name, showing=True)]


def find_field(program):
    """The find field of the page shown, where Ctrl+F puts the focus."""
    key("ctrl+f")
    return wait_for(lambda: next((field for field in find_all(program.window, "text", "Find:", showing=True)
                                  if pyatspi.STATE_FOCUSED in states(field)), None), "the focus in the find field")


def toggle(box):
    """Ticks or unticks a check box as a screen reader does."""
    action = box.queryAction()
    names = [action.getName(index).lower() for index in range(action.nActions)]
    for wanted in ("toggle", "press", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise AssertionError("the check box offers %s" % names)


def type_in_find(program, text):
    find_field(program)
    key("ctrl+a")
    type_text(text)


def test_typing_in_each_find_field_leaves_the_matching_rows():
    with Program(langid=ENGLISH, verid=0) as program:
        rows = find(program.window, "list", showing=True)
        type_in_find(program, "status")
        check(wait_for(lambda: shown_rows(rows, "list item") == ["Status Bar"], "only the status bar row"), "rows")
        key("Escape")
        field = find(program.window, "text", "Find:", showing=True)
        check(wait_for(lambda: field.queryText().characterCount == 0, "Escape to clear the field"), "cleared")
        # The list shows as many rows as fit again.
        check(wait_for(lambda: len(shown_rows(rows, "list item")) > 5, "the rows back"), "rows back")

        click(find(program.window, "page tab", "Ribbon Set"))
        ribbon = find(program.window, "tree", "Ribbon Options:", showing=True)
        type_in_find(program, "View_Setting_StatusBar")
        check(wait_for(lambda: shown_rows(ribbon, None) and "Status Bar" in shown_rows(ribbon, None),
                       "the status bar control with its branch"), "ribbon rows")
        shown = [name for name in shown_rows(ribbon, None) if name]
        check(len(shown) <= 6, "the tree shows only the match and its ancestors: %s" % shown)

        click(find(program.window, "page tab", "Plugins"))
        plugins = find(program.window, "tree", "Plugin List:", showing=True)
        type_in_find(program, "comment")
        shown = wait_for(lambda: [name for name in shown_rows(plugins, None) if name], "plug-in rows")
        check(all("comment" in name.lower() for name in shown), "only matching plug-ins: %s" % shown)


def test_a_tick_marks_the_row_and_counts_and_unticking_takes_it_back():
    with Program(langid=ENGLISH, verid=0) as program:
        rows = find(program.window, "list", showing=True)
        type_in_find(program, "start page")
        box = find(program.window, "check box", "Hide Start Page", showing=True)
        toggle(box)
        row = wait_for(lambda: next(iter(find_all(rows, "list item", "Start Page", showing=True)), None), "the row")
        check(wait_for(lambda: row.description == "changed", "the row to say it is changed"), "marked")
        check(wait_for(lambda: program.window.name.endswith("*"), "the title to show the change"), "title")
        toggle(box)
        check(wait_for(lambda: row.description == "", "the mark to go"), "unmarked")
        check(wait_for(lambda: not program.window.name.endswith("*"), "the title without the change"), "title back")

        click(find(program.window, "page tab", "Ribbon Set"))
        count = find(program.window, "label", "0 controls hidden", showing=True)
        type_in_find(program, "View_Setting_StatusBar")
        tick("Ribbon Options:", "Status Bar", program)
        check(wait_for(lambda: count.name == "1 controls hidden", "the count of hidden controls"), "count")
        key("space")
        check(wait_for(lambda: count.name == "0 controls hidden", "the count back at 0"), "count back")


def question(program):
    box = message_box(program.app)
    texts, buttons = box_contents(box)
    check("Save the changes to the new file?" in texts, "the question says %s" % texts)
    check(sorted(buttons) == ["Cancel", "Discard", "Save"], "the question offers %s" % buttons)
    return box


def test_cancel_after_an_edit_asks_cancel_keeps_the_window_and_discard_ends_it():
    with Program(langid=ENGLISH, verid=0) as program:
        version = find(program.window, "text", "Version of Zandor OrvantaPDF:", showing=True)
        click(version)
        key("End")
        type_text(".1")
        press(find(program.window, "push button", "Cancel"))
        press(find(question(program), "push button", "Cancel"))
        time.sleep(0.5)
        check(program.process.poll() is None, "Cancel in the question keeps the program running")
        check(version.name.startswith("Version") and "9.0.0.1" in version.queryText().getText(0, -1),
              "the edit is still there")
        press(find(program.window, "push button", "Cancel"))
        press(find(question(program), "push button", "Discard"))
        check(wait_for(lambda: program.process.poll() is not None, "the program to end"), "ended")


def test_ctrl_s_saves_an_imported_file_and_the_title_loses_its_mark():
    folder = tempfile.mkdtemp(prefix="cadmira-find-")
    try:
        path = os.path.join(folder, "profstore.xml")
        shutil.copyfile(SAMPLE, path)
        with Program(langid=ENGLISH, verid=0) as program:
            key("ctrl+o")
            choose_file(program, path)
            notice(program, "Import Succeed")
            check(wait_for(lambda: program.window.name == path, "the title to name the file, not %r"
                           % program.window.name), "title")
            Program.main_title = program.title = path
            program.focus_window()
            click(find(program.window, "page tab", "Plugins"))
            tick("Plugin List:", "Comments", program)
            check(wait_for(lambda: program.window.name == path + "*", "the title to show the change"), "marked")
            before = os.path.getmtime(path)
            key("ctrl+s")
            notice(program, "Save Succeed")
            check(wait_for(lambda: program.window.name == path, "the mark to go"), "saved")
            check(os.path.getmtime(path) >= before, "the file was written")
            press(find(program.window, "push button", "Cancel"))
            check(wait_for(lambda: program.process.poll() is not None, "the program to end without a question"),
                  "ended")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    run(test_typing_in_each_find_field_leaves_the_matching_rows,
        test_a_tick_marks_the_row_and_counts_and_unticking_takes_it_back,
        test_cancel_after_an_edit_asks_cancel_keeps_the_window_and_discard_ends_it,
        test_ctrl_s_saves_an_imported_file_and_the_title_loses_its_mark)
