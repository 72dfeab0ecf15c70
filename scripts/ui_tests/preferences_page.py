"""The Preferences page as a screen reader meets it: its rows in the order of each interface
language, and the named controls of the option page that each row shows."""

import pyatspi

from cadmira_ui import (CHINESE, ENGLISH, Program, check, find, find_all, focused, is_showing, key, role, run, states,
                        wait_for)

READER, ORVANTA = 1, 0

# Each row's option page, control by control, as a screen reader names them.
LABELLED_COMBO = lambda text: [("label", text), ("combo box", text)]
LABELLED_EDIT = lambda text: [("label", text), ("text", text)]
CONTROLS = {
    "About Zandor Reader": LABELLED_EDIT("Copyright:") + LABELLED_EDIT("Content:") + LABELLED_EDIT("Logo Path:")
    + [("push button", "Browse")],
    "Advertisement": [("check box", "Remove Advertisement"), ("check box", "Scroll")]
    + LABELLED_EDIT("Rolling Time: (1-60000s)"),
    "Application Language": [("check box", "Do not Show Community Languages")]
    + LABELLED_EDIT("Default Application Language:"),
    "Default PDF Viewer": [("check box", "Web Browser PDF Viewer"), ("check box", "System PDF Viewer")],
    "Default Tessadoc Server": LABELLED_EDIT("Server URL:"),
    "Features which require internet connection": LABELLED_COMBO("Features which require internet connection:"),
    "Filter Comments": LABELLED_COMBO("Filter Comments by the original author only:"),
    "Forbid Auto Update": [("check box", "Disable  Automatic Updates")],
    "Forbid Default Checking": [("check box", "Forbid Checking for Default PDF Viewer")],
    "Insert Printed PDF into Pre-Generated PDF": [("check box", "Insert Printed PDF into Previously Generated PDF")],
    "Lock Read Mode in web browsers": LABELLED_COMBO("Lock Read Mode in web browsers:"),
    "Main Program Name": LABELLED_EDIT("Program Name:"),
    "Notification Messages": LABELLED_COMBO("Expand Notifications:"),
    "RMS Setting": LABELLED_COMBO("Add 'protected' to the name of encrypted files") + LABELLED_COMBO("Encrypt metadata")
    + [("check box", "Forbid Web Viewing of Protected Content"), ("check box", "RMS Interoperability"),
       ("check box", "Use Microsoft IRM Version 1"), ("check box", "Save as")],
    "Safe Reading Mode": LABELLED_COMBO("Safe Reading Mode"),
    "Security Warning": [("check box", "Disable Security Warning")],
    "Set User Manual Link": LABELLED_EDIT("Set User Manual Link:") + [("push button", "Browse")],
    "Share the PDF file that caused this crash": LABELLED_COMBO("Share the PDF file that caused this crash:"),
    "Start Page": [("check box", "Hide Start Page")],
    "Status Bar": LABELLED_COMBO("Status Bar"),
    "Tessadoc": [("check box", "Disable Tessadoc features"), ("panel", "Setting"),
                 ("check box", "Allow usage data to be used in Tessadoc features"),
                 ("check box", "Automatically save PDF files in Tessadoc format (including those created from plugins)"
                  " only when signed in"),
                 ("check box", "Automatically convert Office files to Tessadoc when converting to PDF via Office add-in")],
    "User Experience Improvement": LABELLED_COMBO("User experience improvement:"),
}
CONTROLS["About Zandor OrvantaPDF"] = CONTROLS["About Zandor Reader"]

ENGLISH_ROWS = {
    READER: ["About Zandor Reader", "Advertisement", "Application Language", "Default PDF Viewer",
             "Default Tessadoc Server", "Features which require internet connection", "Filter Comments",
             "Forbid Auto Update", "Forbid Default Checking", "Lock Read Mode in web browsers", "Main Program Name",
             "Notification Messages", "RMS Setting", "Safe Reading Mode", "Security Warning", "Set User Manual Link",
             "Share the PDF file that caused this crash", "Start Page", "Status Bar", "Tessadoc",
             "User Experience Improvement"],
    ORVANTA: ["About Zandor OrvantaPDF", "Application Language", "Default PDF Viewer", "Default Tessadoc Server",
              "Features which require internet connection", "Filter Comments", "Forbid Auto Update",
              "Forbid Default Checking", "Insert Printed PDF into Pre-Generated PDF", "Lock Read Mode in web browsers",
              "Main Program Name", "Notification Messages", "RMS Setting", "Safe Reading Mode", "Security Warning",
              "Set User Manual Link", "Share the PDF file that caused this crash", "Start Page", "Status Bar",
              "Tessadoc", "User Experience Improvement"],
}
# By pinyin, Han before Latin letters; each with the English row it stands for.
CHINESE_ROWS = [
    ("安全警告", "Security Warning"), ("安全阅读模式", "Safe Reading Mode"),
    ("共享导致此次崩溃的 PDF 文件", "Share the PDF file that caused this crash"),
    ("关于 Zandor Reader", "About Zandor Reader"), ("广告", "Advertisement"),
    ("禁止检查默认查看器", "Forbid Default Checking"), ("禁止自动更新", "Forbid Auto Update"),
    ("默认 PDF 查看器", "Default PDF Viewer"), ("默认 Tessadoc 服务器", "Default Tessadoc Server"),
    ("起始页", "Start Page"), ("筛选注释", "Filter Comments"), ("设置用户手册链接", "Set User Manual Link"),
    ("锁定 Web 浏览器中的阅读模式", "Lock Read Mode in web browsers"), ("通知消息", "Notification Messages"),
    ("需要连接互联网的功能", "Features which require internet connection"),
    ("应用程序语言", "Application Language"), ("用户体验改进计划", "User Experience Improvement"),
    ("主程序名称", "Main Program Name"), ("状态栏", "Status Bar"), ("RMS 设置", "RMS Setting"),
    ("Tessadoc", "Tessadoc"),
]


def preferences_page(program):
    tab_list = find(program.window, "page tab list")
    return wait_for(lambda: next(page for page in find_all(program.window, "filler")
                                 if page.parent == tab_list.parent and page.name == find_all(tab_list, "page tab")[0].name),
                    "the Preferences page")


def setting_list(page):
    return next(child for child in page if child is not None and role(child) == "list")


def selected_row(rows):
    return next((row.name for row in find_all(rows, "list item") if pyatspi.STATE_SELECTED in states(row)), None)


def shown_option_page(page, row):
    """The one option page on screen among the Preferences page's children, named after its row."""
    shown = [child for child in page if child is not None and role(child) == "filler" and is_showing(child)]
    check(len(shown) == 1, "%d option pages are shown" % len(shown))
    check(shown[0].name == row, "the page of the %r row is named %r" % (row, shown[0].name))
    return shown[0]


def label_of(control):
    """What a screen reader announces a control as. Qt on Linux names a combo box by its value and
    gives its label through the labelled-by relation, which screen readers speak first."""
    if role(control) == "combo box":
        for relation in control.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
                return relation.getTarget(0).name
        return ""
    return control.name or ""


def controls(option_page):
    return [(role(control), label_of(control).rstrip()) for control in option_page
            if control is not None and is_showing(control)]


def walk_rows(program):
    """Picks every row from the top with the keyboard; yields the row and its page's controls."""
    rows = setting_list(preferences_page(program))
    # As a keyboard user gets there: Tab from the tab strip, through the version box.
    for _ in range(5):
        if pyatspi.STATE_FOCUSED in states(rows):
            break
        key("Tab")
    check(pyatspi.STATE_FOCUSED in states(rows), "Tab reaches the list of settings")
    key("Home")
    for index in range(rows.childCount):
        if index:
            key("Down")
        name = wait_for(lambda: selected_row(rows), "a picked row")
        yield name, controls(shown_option_page(preferences_page(program), name))


def test_english_rows_and_their_option_pages():
    for product in (READER, ORVANTA):
        with Program(langid=ENGLISH, verid=product) as program:
            rows = setting_list(preferences_page(program))
            names = [row.name for row in find_all(rows, "list item")]
            check(names == ENGLISH_ROWS[product], "the rows of product %d are %s" % (product, names))
            check(selected_row(rows) == names[0], "the page opens on the About row")
            seen = [name for name, shown in walk_rows(program)]
            check(seen == names, "Down walks the rows in order: %s" % seen)
            for name, shown in walk_rows(program):
                check(shown == CONTROLS[name], "the %r row shows %s" % (name, shown))


def test_on_every_row_tab_goes_from_the_list_to_the_rows_options():
    for product in (READER, ORVANTA):
        with Program(langid=ENGLISH, verid=product) as program:
            page = preferences_page(program)
            for name, _ in walk_rows(program):
                key("Tab")
                control = wait_for(lambda: focused(program.window), "a focused control")
                option_page = shown_option_page(page, name)
                # An editable combo box's field takes the focus inside its box.
                check(option_page in (control.parent, control.parent.parent),
                      "Tab from the list on the %r row reaches %s %r, not the row's options"
                      % (name, role(control), control.name))
                key("shift+Tab")
                check(pyatspi.STATE_FOCUSED in states(setting_list(page)), "shift+Tab goes back to the list")


def test_chinese_rows_by_pinyin_and_every_control_named():
    with Program(langid=CHINESE, verid=READER) as program:
        rows = setting_list(preferences_page(program))
        names = [row.name for row in find_all(rows, "list item")]
        check(names == [chinese for chinese, _ in CHINESE_ROWS], "the Chinese rows are %s" % names)
        check(selected_row(rows) == "关于 Zandor Reader", "the page opens on the About row")
        english = dict(CHINESE_ROWS)
        seen = []
        for name, shown in walk_rows(program):
            seen.append(name)
            unnamed = [kind for kind, text in shown if not text]
            check(not unnamed, "the %r row has controls without a name: %s" % (name, unnamed))
            expected_roles = [kind for kind, _ in CONTROLS[english[name]]]
            check([kind for kind, _ in shown] == expected_roles, "the %r row shows %s" % (name, shown))
        check(seen == names, "Down walks the rows in order: %s" % seen)


if __name__ == "__main__":
    run(test_english_rows_and_their_option_pages, test_on_every_row_tab_goes_from_the_list_to_the_rows_options,
        test_chinese_rows_by_pinyin_and_every_control_named)
