"""The main window as a screen-reader and keyboard user meets it, in English and in Chinese."""

import pyatspi

from cadmira_ui import (CHINESE, ENGLISH, Program, box_contents, check, find, find_all, focused, is_showing, key,
                        message_box, press, role, run, states, wait_for)

TABS = ["Preferences", "Ribbon Set", "Plugins"]
BUTTONS = ["Import", "Export", "Save", "Interface", "Cancel", "Help"]
# Roles of the controls a person works with; Qt's own inner parts (scroll bars, fillers, headers)
# are not controls of the window.
CONTROL_ROLES = {"push button", "check box", "radio button", "text", "list", "combo box", "tree", "tree table",
                 "page tab", "page tab list", "label", "panel", "spin button"}
QT_INNER_PARTS = {"Scroll Left", "Scroll Right"}


def pages(window):
    tab_list = find(window, "page tab list")
    return [page for page in find_all(window, "filler") if page.parent == tab_list.parent and page.name]


def test_every_control_is_named_and_pages_are_named_after_their_tabs():
    with Program(langid=ENGLISH) as program:
        check([page.name for page in pages(program.window)] == TABS,
              "pages are named %s" % [page.name for page in pages(program.window)])
        unnamed = ["%s under %r" % (role(control), control.parent.name) for control in find_all(program.window)
                   if role(control) in CONTROL_ROLES and not control.name]
        check(not unnamed, "controls without a name: %s" % unnamed)
        check([tab.name for tab in find_all(program.window, "page tab")] == TABS, "the tabs")
        buttons = [button.name for button in find_all(program.window, "push button")
                   if button.parent == program.window]
        check(buttons == BUTTONS, "the command buttons are %s" % buttons)
        ribbon_tree = find(program.window, "tree", "Ribbon Options:")
        plugins_tree = find(program.window, "tree", "Plugin List:")
        check(ribbon_tree and plugins_tree, "both trees are named after their labels")


def test_the_main_window_is_an_application_window():
    with Program() as program:
        kind = program.x_property("_NET_WM_WINDOW_TYPE")
        check(kind.endswith("_NET_WM_WINDOW_TYPE_NORMAL"), "the window announces itself as %r" % kind)
        check("not found" in program.x_property("WM_TRANSIENT_FOR"), "the window is nobody's transient")
        hints = program.x_property("WM_NORMAL_HINTS")
        check("minimum size" in hints and "maximum size" in hints, "the size is fixed: %r" % hints)


def test_chinese_message_boxes_use_chinese_buttons():
    with Program(langid=CHINESE) as program:
        check([tab.name for tab in find_all(program.window, "page tab")] == ["首选项", "功能区设置", "插件"],
              "the tabs are in Chinese")
        press(find(program.window, "push button", "帮助"))
        box = message_box(program.app)
        texts, buttons = box_contents(box)
        check(buttons == ["确定"], "the Help box's buttons are %s" % buttons)
        check(box.name == "提示", "the Help box is captioned %r" % box.name)
        check(any("GPO" in text for text in texts), "the Help box shows its notice: %s" % texts)
        press(find(box, "push button", "确定"))
        wait_for(lambda: not any(child is not None and child.name == "提示" and is_showing(child)
                                 for child in program.app), "the box to close")



def focus_name(program):
    control = wait_for(lambda: focused(program.window), "a focused control")
    return "%s %s" % (role(control), control.name)


def test_tab_runs_through_the_shown_page_and_space_toggles_the_ribbon_tree():
    with Program(langid=ENGLISH) as program:
        check(focus_name(program) == "page tab list Preferences", "the tab strip has the focus at start")
        order = []
        for _ in range(20):
            key("Tab")
            order.append(focus_name(program))
            if order[-1].startswith("page tab list"):
                break
        commands = ["push button %s" % name for name in BUTTONS if name != "Save"]
        check(order[-len(commands) - 1:] == commands + ["page tab list Preferences"],
              "Tab order ends with the buttons, then the tab strip: %s" % order)
        page_part = order[:-len(commands) - 1]
        check(page_part and page_part[0] == "text Version of Zandor OrvantaPDF:",
              "Tab enters the Preferences page at its version box: %s" % order)

        key("Right")
        check(focus_name(program) == "tree Ribbon Options:", "the Ribbon Set tab gives its tree the focus")
        tree = find(program.window, "tree", "Ribbon Options:")
        items = find_all(tree, "tree item") or find_all(tree, "table cell")
        if items:
            check(pyatspi.STATE_CHECKABLE in states(items[0]), "ribbon items are checkable")
            key("Down")
            current = wait_for(lambda: next((item for item in find_all(tree) if pyatspi.STATE_FOCUSED in states(item)),
                                            None), "a current ribbon item")
            was_checked = pyatspi.STATE_CHECKED in states(current)
            key("space")
            wait_for(lambda: (pyatspi.STATE_CHECKED in states(current)) != was_checked,
                     "Space to toggle the current ribbon item")
        else:
            print("SKIP Space in the ribbon tree: the ribbon definition gave the tree no items")

        key("shift+Tab")
        key("Right")
        check(focus_name(program) == "page tab list Plugins", "other tabs leave the focus on the tab strip")


if __name__ == "__main__":
    run(test_every_control_is_named_and_pages_are_named_after_their_tabs,
        test_the_main_window_is_an_application_window,
        test_chinese_message_boxes_use_chinese_buttons,
        test_tab_runs_through_the_shown_page_and_space_toggles_the_ribbon_tree)
