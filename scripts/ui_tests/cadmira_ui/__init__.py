"""Drives the real Cadmira process the way a screen reader and a keyboard user do.

Each test script in scripts/ui_tests/ runs under Xvfb and its own D-Bus session (scripts/ui-test
sets them up) and uses this module to start the program with settings of its own, find widgets by
accessible role and name, press them, type keys and read the message boxes that open.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = os.environ.get("CADMIRA_BINARY", "build/app/cadmira")
ENGLISH = 49001
CHINESE = 49007


class UiTestFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise UiTestFailure(message)


def wait_for(probe, what, timeout=15.0):
    """Polls `probe` until it returns something true; fails with `what` after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # the accessible tree changes under us while windows open and close
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise UiTestFailure("timed out waiting for " + what)
        time.sleep(0.1)


def role(accessible):
    return accessible.getRoleName()


def states(accessible):
    return set(accessible.getState().getStates())


def is_showing(accessible):
    return pyatspi.STATE_SHOWING in states(accessible)


def descendants(accessible):
    """Every accessible below `accessible`, depth first in child order."""
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_all(root, role_name=None, name=None, showing=None):
    """Accessibles below `root` with the role (e.g. "push button") and name (a string, or a compiled
    regular expression), and, when `showing` is given, that are or are not on screen."""
    found = []
    for accessible in descendants(root):
        if role_name is not None and role(accessible) != role_name:
            continue
        if name is not None:
            if isinstance(name, re.Pattern):
                if not name.search(accessible.name or ""):
                    continue
            elif accessible.name != name:
                continue
        if showing is not None and is_showing(accessible) != showing:
            continue
        found.append(accessible)
    return found


def find(root, role_name=None, name=None, showing=None, timeout=10.0):
    """The first matching accessible below `root`, waiting for it to appear."""
    what = "%s %r" % (role_name or "any role", name)
    return wait_for(lambda: next(iter(find_all(root, role_name, name, showing)), None), what, timeout)


# Qt marks a view's current item focused even while the focus is elsewhere.
ITEM_ROLES = {"page tab", "list item", "tree item", "table cell"}


def focused(root):
    """The control that has the keyboard focus, or None."""
    for accessible in descendants(root):
        if pyatspi.STATE_FOCUSED in states(accessible) and role(accessible) not in ITEM_ROLES:
            return accessible
    return None


def press(accessible):
    """Presses a button (or any accessible with a press or click action) as a screen reader does."""
    action = accessible.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() in ("press", "click", "activate"):
            action.doAction(index)
            return
    raise UiTestFailure("%s %r cannot be pressed" % (role(accessible), accessible.name))


def key(*names):
    """Presses keys (xdotool names: Tab, space, Return, ctrl+a, ...) in the window with the focus."""
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
    time.sleep(0.3)


def is_main_window(accessible):
    """The main window, whose title gains a mark while it holds an unsaved change."""
    return Program.main_title is not None and accessible.name.startswith(Program.main_title)


def message_box(app, timeout=10.0):
    """The message box that is open: a dialog or alert other than the main window."""
    return wait_for(lambda: next((child for child in app if child is not None and role(child) in ("alert", "dialog")
                                  and not is_main_window(child) and is_showing(child)), None),
                    "a message box", timeout)


def box_contents(box):
    """The texts and the button names of a message box."""
    labels = [label.name for label in find_all(box, "label") if label.name]
    buttons = [button.name for button in find_all(box, "push button", showing=True)]
    return labels, buttons


class Program:
    """The program, started with its own settings; use it as a context manager."""

    main_title = None

    def __init__(self, langid=None, verid=None, arguments=(), environment=None, settings="", title="Cadmira",
                 focus=True):
        # How the main window's title begins: an accepted file's path replaces the product's name.
        self.title = title
        self.langid = langid
        self.verid = verid
        self.settings = settings  # more of the settings file, as QSettings writes it
        self.arguments = list(arguments)
        self.environment = dict(environment or {})
        # False when a message box comes before the window is shown (a start file's load).
        self.focus = focus
        self.process = None
        self.app = None
        self.window = None
        self.folder = None

    @property
    def settings_file(self):
        return os.path.join(self.folder, "config", "Cadmira", os.path.basename(PROGRAM) + ".conf")

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="cadmira-ui-")
        settings = os.path.join(self.folder, "config", "Cadmira")
        os.makedirs(settings)
        with open(os.path.join(settings, os.path.basename(PROGRAM) + ".conf"), "w", encoding="utf-8") as conf:
            if self.langid is not None:
                conf.write("[Languages]\nlangid=%d\n" % self.langid)
            if self.verid is not None:
                conf.write("[Versions]\nverid=%d\n" % self.verid)
            conf.write(self.settings)
        environment = dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
        environment.update(self.environment)
        self.process = subprocess.Popen([PROGRAM, *self.arguments], env=environment)
        self.app = wait_for(self._application, "the program on the accessibility bus")
        self.window = wait_for(lambda: next((child for child in self.app if child is not None
                                             and child.name.startswith(self.title)), None), "the main window")
        Program.main_title = self.window.name
        if self.focus:
            self.focus_window()
        return self

    def _application(self):
        check(self.process.poll() is None, "the program ended with status %s" % self.process.returncode)
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == self.process.pid and application.childCount:
                return application
        return None

    def x_window(self):
        """The X window id of the main window."""
        window_ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                                     "--name", "^" + re.escape(self.title)], capture_output=True, text=True).stdout.split()
        check(window_ids, "no X window of the program")
        return window_ids[-1]

    def x_property(self, name):
        """What xprop says about a property of the main window's X window."""
        return subprocess.run(["xprop", "-id", self.x_window(), name], capture_output=True, text=True).stdout.strip()

    def focus_window(self):
        """Gives the main window the X input focus, as a click on it would."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window()], check=False)
        time.sleep(0.3)

    def __exit__(self, kind, value, trace):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)
        return False


def run(*tests):
    """Runs each test function, prints its outcome, and exits non-zero when any failed."""
    failures = 0
    for test in tests:
        try:
            test()
            print("ok   %s" % test.__name__)
        except Exception as error:  # report every failure, then carry on with the next test
            failures += 1
            print("FAIL %s: %s" % (test.__name__, error))
    sys.exit(1 if failures else 0)
