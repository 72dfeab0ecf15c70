"""The Ribbon Set page as a person meets it: the product's ribbon tabs in the interface language,
and a click on a check box that carries the check to the items below and above it."""

import os
import subprocess
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

from cadmira_ui import CHINESE, ENGLISH, Program, check, find, find_all, key, run, states, wait_for

READER = 1
ORVANTA = 0
DEFINITIONS = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "xml")


def top_level_titles(verid, langid):
    """What the tree's top level must show: TabElements, then every titled tab of the definition."""
    resource = {(READER, CHINESE): 241, (READER, ENGLISH): 233, (ORVANTA, CHINESE): 240, (ORVANTA, ENGLISH): 232}
    root = ElementTree.parse(os.path.join(DEFINITIONS, "%d.xml" % resource[(verid, langid)])).getroot()
    titles = ["标签元素" if langid == CHINESE else "TabElements"]
    titles += [category.get("Title") for category in root.findall("Category") if category.get("Title")]
    return titles


def ribbon_tree(program):
    key("Right")
    return find(program.window, "tree", showing=True)


def rows(tree):
    """The tree's items as AT-SPI shows them, in order."""
    return find_all(tree, "tree item") or find_all(tree, "table cell")


def is_checked(item):
    return pyatspi.STATE_CHECKED in states(item)


def click_check_box(item):
    """A real mouse click on the item's check box, which sits at the left of its cell."""
    x, y, width, height = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + height // 2 + 2), str(y + height // 2), "click", "1"],
                   check=True)
    time.sleep(0.3)


def test_the_tree_lists_the_products_tabs_in_both_languages():
    for verid in (ORVANTA, READER):
        for langid in (ENGLISH, CHINESE):
            with Program(langid=langid, verid=verid) as program:
                tree = ribbon_tree(program)
                expected = top_level_titles(verid, langid)
                shown = wait_for(lambda: [item.name for item in rows(tree)] or None, "the ribbon items")
                check(shown == expected, "product %d, language %d: the tree shows %s" % (verid, langid, shown))
                check(not any(is_checked(item) for item in rows(tree)), "every item starts unchecked")


def test_a_click_on_a_check_box_carries_the_check_down_and_up():
    with Program(langid=ENGLISH, verid=READER) as program:
        tree = ribbon_tree(program)
        view = wait_for(lambda: next((item for item in rows(tree) if item.name == "View"), None), "the View tab")
        click_check_box(view)
        check(wait_for(lambda: is_checked(view), "View to be checked", timeout=5), "the click checks View")
        key("Right")  # opens the branch of the clicked item
        panels = wait_for(lambda: [item for item in rows(tree) if item.name == "Page Display"], "View's panels")
        check(is_checked(panels[0]), "the panels below View are checked too")
        key("Right", "Right")  # onto the first panel, and open it
        controls = wait_for(lambda: [item for item in rows(tree) if item.name in ("Hand", "Select")], "the controls")
        check(all(is_checked(item) for item in controls), "the controls below View are checked too")
        click_check_box(controls[0])
        check(wait_for(lambda: not is_checked(controls[0]), "the control to be unchecked", timeout=5),
              "the click unchecks the control")
        check(not is_checked(view), "unchecking a control unchecks its tab")
        check(is_checked(controls[1]), "the control's sibling stays checked")


if __name__ == "__main__":
    run(test_the_tree_lists_the_products_tabs_in_both_languages,
        test_a_click_on_a_check_box_carries_the_check_down_and_up)
