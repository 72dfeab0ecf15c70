"""The interface change as a person makes it: Chinese picked in the dialog, the restart accepted,
and the program comes back in Chinese."""

import os
import signal
import subprocess
import time

import pyatspi

from cadmira_ui import ENGLISH, Program, box_contents, check, find, find_all, is_showing, press, role, run, wait_for

CHINESE_TABS = ["首选项", "功能区设置", "插件"]


def click(accessible, x_offset=None):
    """A real left click in the middle of `accessible`, or `x_offset` pixels from its right edge."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x += width // 2 if x_offset is None else width + x_offset
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y + height // 2), "click", "1"], check=True)
    time.sleep(0.3)


def dialog_named(program, name):
    return wait_for(lambda: next((child for child in program.app if child is not None and child.name == name
                                  and role(child) in ("dialog", "alert") and is_showing(child)), None),
                    "the %r window" % name)


def new_instance(old_pid):
    """The program that the restart started: another process of the same name on the bus."""
    for application in pyatspi.Registry.getDesktop(0):
        if (application is not None and application.name == "cadmira" and application.get_process_id() != old_pid
                and application.childCount):
            return application
    return None


def test_chinese_picked_and_the_restart_accepted_brings_the_program_back_in_chinese():
    with Program(langid=ENGLISH, verid=0) as program:
        press(find(program.window, "push button", "Interface"))
        change = dialog_named(program, "Interface")
        languages = find(change, "combo box")
        check(languages.name == "English", "the field shows the current language: %r" % languages.name)
        click(languages, x_offset=-8)
        click(find(languages, "list item", "Chinese", showing=True))
        press(find(change, "push button", "Confirm"))

        question = dialog_named(program, "Interface Change")
        texts, buttons = box_contents(question)
        check(any(text.startswith("The program will restart") for text in texts), "the question: %s" % texts)
        check(buttons == ["Yes", "No"], "the question's buttons: %s" % buttons)
        press(find(question, "push button", "Yes"))

        wait_for(lambda: program.process.poll() is not None, "the first instance to end")
        check(program.process.returncode == 0, "the first instance ended with %s" % program.process.returncode)
        restarted = wait_for(lambda: new_instance(program.process.pid), "the restarted program")
        try:
            window = wait_for(lambda: next((child for child in restarted if child is not None
                                            and child.name.startswith("Cadmira")), None), "its window")
            tabs = wait_for(lambda: [tab.name for tab in find_all(window, "page tab")] or None, "its tabs")
            check(tabs == CHINESE_TABS, "the restarted program's tabs are %s" % tabs)
            buttons = [button.name for button in find_all(window, "push button") if button.parent == window]
            check("导入" in buttons, "the restarted program's buttons are %s" % buttons)
        finally:
            os.kill(restarted.get_process_id(), signal.SIGTERM)


if __name__ == "__main__":
    run(test_chinese_picked_and_the_restart_accepted_brings_the_program_back_in_chinese)
