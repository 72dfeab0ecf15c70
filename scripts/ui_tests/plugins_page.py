"""The Plugins page in the real window: deleting a stored plug-in, adding one through Browse, and
the settings the program leaves behind at a normal end."""

import os
import shutil
import subprocess
import tempfile
import time

import pyatspi

from cadmira_ui import (CHINESE, ENGLISH, Program, box_contents, check, find, find_all, is_main_window, is_showing,
                        key, message_box, press, run, states, wait_for)

# Two plug-ins added on this workstation earlier, as the settings keep them.
STORED = "[AddOrvantaPlugins]\n_order=Tool, Kept\nTool=tool.zpi\nKept=kept.zpi\n"
ORVANTA_DEFAULTS = 45


def click(accessible):
    """A real left click in the middle of `accessible`, as a person makes it."""
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(extents.x + extents.width // 2),
                    str(extents.y + extents.height // 2), "click", "1"], check=True)
    time.sleep(0.3)


def plugins_page(window, tab="Plugins"):
    """The page itself: other pages have buttons of the same names."""
    return find(window, "filler", tab)


def plugin_items(window, label="Plugin List:"):
    tree = find(window, "tree", label, showing=True)
    return [item for item in find_all(tree) if item.name is not None and item.getRoleName() in ("tree item", "table cell")]


def open_plugins_tab(program, tab="Plugins", label="Plugin List:"):
    click(find(program.window, "page tab", tab))
    return wait_for(lambda: plugin_items(program.window, label), "the plug-in items")


def answer(program, button, expected_text, expected_caption=None):
    """Answers the open message box with `button`; a box without a caption is named by its text."""
    box = message_box(program.app)
    texts, buttons = box_contents(box)
    check(expected_text in texts, "the box says %s" % texts)
    check(box.name == (expected_caption or expected_text), "the box is named %r" % box.name)
    press(find(box, "push button", button))
    wait_for(lambda: not is_showing(box), "the box to close")
    return buttons


def choose_file(program, path):
    """Types a path into the open-file dialog and accepts it."""
    dialog = wait_for(lambda: next((child for child in program.app if child is not None and child.getRoleName() ==
                                    "dialog" and not is_main_window(child) and is_showing(child)), None),
                      "the open-file dialog")
    name_box = wait_for(lambda: next((text for text in find_all(dialog, "text")
                                      if pyatspi.STATE_FOCUSED in states(text)), None), "the file name box")
    subprocess.run(["xdotool", "type", "--delay", "20", path], check=True)
    wait_for(lambda: name_box.queryText().getText(0, -1) == path, "the file name to be typed")
    subprocess.run(["xdotool", "key", "Return"], check=True)
    wait_for(lambda: not is_showing(dialog), "the file dialog to close")


def test_a_deleted_plugin_is_gone_and_an_added_one_kept_after_a_normal_end():
    folder = tempfile.mkdtemp(prefix="cadmira-plugins-")
    try:
        chosen = os.path.join(folder, "My.Tool.zpi")
        open(chosen, "w").close()
        delete_and_add(chosen)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def delete_and_add(chosen):
    with Program(langid=ENGLISH, settings=STORED) as program:
        items = open_plugins_tab(program)
        page = plugins_page(program.window)
        names = [item.name for item in items]
        check(len(items) == ORVANTA_DEFAULTS + 2 and names[-2:] == ["Tool", "Kept"],
              "the defaults, then the stored plug-ins: %s" % names[-3:])
        # Space ticks the current item, and a screen reader hears it checked.
        click(items[1])
        key("space")
        wait_for(lambda: pyatspi.STATE_CHECKED in states(plugin_items(program.window)[1]), "Space to check")
        check(pyatspi.STATE_CHECKED not in states(plugin_items(program.window)[0]), "only the current item is checked")

        key("End")  # scrolls the stored plug-ins into view
        tool = wait_for(lambda: next((item for item in plugin_items(program.window)
                                      if item.name == "Tool" and is_showing(item)), None), "Tool on screen")
        click(tool)
        press(find(page, "push button", "Delete"))
        buttons = answer(program, "Yes", "Are you sure to delete the highlighted plugin from the list--Tool?",
                         "Plugin Delete")
        check(buttons == ["Yes", "No"], "the question offers %s" % buttons)
        wait_for(lambda: "Tool" not in [item.name for item in plugin_items(program.window)], "Tool to go")

        add = find(page, "push button", "Add")
        check(pyatspi.STATE_SENSITIVE not in states(add), "Add waits for a file")
        press(find(page, "push button", "Browse"))
        choose_file(program, chosen)
        wait_for(lambda: pyatspi.STATE_SENSITIVE in states(add), "Add to be enabled")
        path = find(page, "text", "Plugin Path:")
        check(path.queryText().getText(0, -1) == chosen, "the path box shows the chosen file")
        press(add)
        answer(program, "OK", "The plugin is inserted in the list successfully.")
        names = [item.name for item in plugin_items(program.window)]
        check(names[-2:] == ["Kept", "My.Tool"], "the added plug-in is listed last: %s" % names[-3:])

        press(next(button for button in find_all(program.window, "push button", "Cancel")
                   if button.parent == program.window))
        # The ticked plug-in is a change: let it go.
        answer(program, "Discard", "Save the changes to the new file?", "Cadmira")
        program.process.wait(timeout=10)
        with open(program.settings_file, encoding="utf-8") as settings:
            stored = settings.read()
        section = stored[stored.index("[AddOrvantaPlugins]"):]
        check("Kept=kept.zpi" in section and "My_002eTool=My.Tool.zpi" in section, "kept: %s" % section)
        check("tool.zpi" not in section, "the deleted plug-in left the settings: %s" % section)


def test_the_reader_in_chinese_lists_its_chinese_defaults():
    with Program(langid=CHINESE, verid=1) as program:
        names = [item.name for item in open_plugins_tab(program, "插件", "插件列表：")]
        check(len(names) == 30 and names[0] == "评论", "the Chinese reader list: %s" % names[:3])


if __name__ == "__main__":
    run(test_a_deleted_plugin_is_gone_and_an_added_one_kept_after_a_normal_end,
        test_the_reader_in_chinese_lists_its_chinese_defaults)
