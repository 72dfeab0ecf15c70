"""Walks the three pages and the Interface dialog by keyboard while Orca runs, and judges what Orca
says from its debug log: every control it lands on has a name and a role, the options of a row
come before the window's buttons, every tick and untick is spoken, the Ribbon Set page is named
when its tree takes the focus, the product choice is a group of radio buttons.

Usage: screen_reader_check.py ORCA-DEBUG-LOG TRANSCRIPT (scripts/screen-reader-check sets it up).
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "ui_tests"))
from cadmira_ui import ENGLISH, Program, UiTestFailure  # noqa: E402

FOCUS = re.compile(r"Changing locusOfFocus from .* to \[(?P<role>[^|\]]*) \| (?P<name>[^\]]*)\]")
SPEECH = re.compile(r"SPEECH OUTPUT: '(?P<text>[^']*)'")
BUTTONS = ["Import", "Export", "Save", "Interface", "Cancel", "Help"]
# Items of a list or tree are named by their text, which the walk reads separately.
ITEM_ROLES = {"list item", "tree item", "table cell"}


class Log:
    """Orca's debug log, read as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0

    def size(self):
        try:
            return os.path.getsize(self.path)
        except OSError:
            return 0

    def new_lines(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(self.offset)
            text = log.read()
        self.offset += len(text.encode("utf-8", errors="replace"))
        return text.splitlines()


class Walk:
    def __init__(self, log_path, transcript_path):
        self.log = Log(log_path)
        self.transcript = open(transcript_path, "w", encoding="utf-8")
        self.presses = 0
        self.failures = []

    def read(self):
        """What Orca did since the last read: focus changes and utterances (its key echo left out)."""
        focus, speech = [], []
        for line in self.log.new_lines():
            if (match := FOCUS.search(line)):
                focus.append((match["role"].strip(), match["name"].strip()))
            elif (match := SPEECH.search(line)):
                # Orca echoes a key with a space after its name.
                if match["text"].strip() and not match["text"].endswith(" "):
                    speech.append(match["text"].strip())
        return focus, speech

    def settle(self, quiet=1.5, limit=10.0):
        """Waits until Orca has reacted (moved its focus or said something), has spoken since its last
        move, and has then written nothing for `quiet` seconds; at most `limit` seconds. What it did."""
        focus, speech = [], []
        start = time.monotonic()
        last_change = None
        spoke_last = False
        while time.monotonic() - start < limit:
            time.sleep(0.1)
            new_focus, new_speech = self.read()
            if new_focus or new_speech:
                focus += new_focus
                speech += new_speech
                last_change = time.monotonic()
                spoke_last = bool(new_speech) or (spoke_last and not new_focus)
            elif last_change is not None and spoke_last and time.monotonic() - last_change >= quiet:
                break
        return focus, speech

    def key(self, name, note="", typed=False):
        """Presses a key (an xdotool name), or types `name` when `typed`; where the focus went and
        what Orca said."""
        self.presses += len(name) if typed else 1
        subprocess.run(["xdotool", "type", name] if typed else ["xdotool", "key", name], check=True)
        focus, speech = self.settle()
        where = "%s %s" % focus[-1] if focus else "-"
        self.transcript.write("%-10s -> %-45s | %s%s\n" % (name, where, " / ".join(speech),
                                                            ("   # " + note) if note else ""))
        self.transcript.flush()
        for role, name in focus:
            if not name and role not in ITEM_ROLES:
                self.fail("a %s without a name got the focus after %s" % (role, name))
        return (focus[-1] if focus else None), " ".join(speech)

    def fail(self, message):
        self.failures.append(message)
        self.transcript.write("FAIL " + message + "\n")

    def expect(self, condition, message):
        if not condition:
            self.fail(message)
        return condition


def tab_until(walk, wanted, limit=15, key="Tab"):
    """Presses Tab until the focus is on `wanted` (role, name); the focus targets passed on the way."""
    passed = []
    for _ in range(limit):
        target, _ = walk.key(key)
        if target is None:
            continue
        passed.append(target)
        if target == wanted:
            return passed
    walk.fail("Tab never reached %s %r: %s" % (wanted[0], wanted[1], passed))
    return passed


def preferences(walk):
    target, speech = walk.key("Tab", "into the Preferences page")
    walk.expect(target is not None and target[0] == "text" and target[1].startswith("Version of"),
                "Tab from the tab strip enters the version box: %s" % (target,))
    target, speech = walk.key("Tab")
    walk.expect(target == ("list", "Settings"), "the list of settings is named Settings: %s" % (target,))
    walk.expect("Version of" not in speech, "the list is not announced by the version's label: %r" % speech)
    # The list finds a row by the first letters of its text.
    target, speech = walk.key("Status", "type the row's name", typed=True)
    walk.expect("Status Bar" in speech, "typing the row's name picks the Status Bar row: %r" % speech)
    target, speech = walk.key("Tab", "the row's options")
    walk.expect(target is not None and target[0] == "combo box",
                "Tab goes from the list to the row's options before the buttons: %s" % (target,))
    target, speech = walk.key("Down", "a changed value")
    walk.expect(bool(speech), "a changed value is spoken")
    passed = tab_until(walk, ("push button", "Import"))
    walk.expect(("text", "Description") in passed, "the description comes between the options and the buttons")
    tab_until(walk, ("page tab list", "Preferences"))


def ribbon(walk):
    target, speech = walk.key("Right", "to the Ribbon Set tab")
    walk.expect(target is not None and target[0] == "tree", "the Ribbon Set tab hands the focus to the tree")
    walk.expect("Ribbon Set" in speech, "Orca says Ribbon Set when the tree takes the focus: %r" % speech)
    target, speech = walk.key("Down", "an item")
    walk.expect("not checked" in speech, "a focused item says it is not checked: %r" % speech)
    target, speech = walk.key("space", "tick")
    walk.expect(re.search(r"(?<!not )checked", speech), "a tick is spoken: %r" % speech)
    target, speech = walk.key("space", "untick")
    walk.expect("not checked" in speech, "an untick is spoken: %r" % speech)
    target, speech = walk.key("Right", "open the branch")
    walk.expect("expanded" in speech, "an opened branch is spoken: %r" % speech)
    target, speech = walk.key("Down", "a child item")
    walk.expect("checked" in speech, "a child item says its tick: %r" % speech)
    walk.key("shift+Tab", "back to the tab strip")


def plugins(walk):
    target, speech = walk.key("Right", "to the Plugins tab")
    walk.expect(target == ("page tab list", "Plugins") or "Plugins" in speech, "the Plugins tab is spoken")
    target, speech = walk.key("Tab", "into the Plugins page")
    walk.expect(target is not None and target[0] == "tree", "Tab from the tab strip enters the plug-in list first")
    target, speech = walk.key("Down", "an item")
    walk.expect("checked" in speech, "a focused plug-in says its tick: %r" % speech)
    target, speech = walk.key("space", "tick")
    walk.expect(re.search(r"(?<!not )checked", speech), "a tick is spoken: %r" % speech)
    target, speech = walk.key("space", "untick")
    walk.expect("not checked" in speech, "an untick is spoken: %r" % speech)
    tab_until(walk, ("push button", "Interface"))


def interface_dialog(walk):
    target, speech = walk.key("space", "open the Interface dialog")
    walk.expect("Interface" in speech, "the dialog is announced: %r" % speech)
    for _ in range(4):
        target, speech = walk.key("Tab")
        if target is not None and target[0] == "radio button":
            break
    walk.expect(target is not None and target[0] == "radio button", "the product choice is spoken as radio buttons")
    first = target
    target, speech = walk.key("Down", "the other product")
    walk.expect(target is not None and target[0] == "radio button" and target != first,
                "the arrows move within the group: %s" % (target,))
    target, speech = walk.key("Tab", "leave the group")
    walk.expect(target is not None and target[0] != "radio button", "the group is one Tab stop: %s" % (target,))
    walk.key("Escape", "close it")


def message_box(walk):
    # Xvfb has no window manager to give the window back its focus when the dialog closes.
    walk.program.focus_window()
    walk.settle(limit=3)
    tab_until(walk, ("push button", "Help"))
    target, speech = walk.key("space", "the Help notice")
    walk.expect("GPO" in speech, "a message box is read: %r" % speech)
    walk.key("Return", "close it")


def main():
    log_path, transcript_path = sys.argv[1], sys.argv[2]
    walk = Walk(log_path, transcript_path)
    try:
        with Program(langid=ENGLISH) as program:
            walk.program = program
            program.focus_window()
            walk.settle(quiet=1.5, limit=20)
            walk.read()
            for part in (preferences, ribbon, plugins, interface_dialog, message_box):
                walk.transcript.write("== %s\n" % part.__name__)
                part(walk)
    except UiTestFailure as error:
        walk.fail(str(error))
    walk.transcript.write("key presses: %d\n" % walk.presses)
    walk.transcript.close()
    for failure in walk.failures:
        print("FAIL " + failure)
    print("screen-reader-check: %s (%d key presses)" % ("failed" if walk.failures else "passed", walk.presses))
    sys.exit(1 if walk.failures else 0)


if __name__ == "__main__":
    main()
