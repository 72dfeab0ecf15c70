"""Compare with File and Save Report in the real window, reached by their shortcuts: the Compare
dialog lists a changed setting and closes with Escape; the saved PDF holds the report's texts,
and its pages are kept as pictures in build/screenshots/report/."""

import os
import shutil
import subprocess
import tempfile

from cadmira_ui import (ENGLISH, Program, check, find, find_all, is_showing, key, press, role, run,
                        wait_for)
from file_commands import choose_file, notice

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLE = os.path.join(HERE, "..", "..", "examples", "reader-profstore.xml")
PICTURES = os.path.join(HERE, "..", "..", "build", "screenshots", "report")
CLI = os.environ.get("CADMIRA_CLI", "build/cli/cadmira-cli")


def shown_dialog(program, title):
    return wait_for(lambda: next((child for child in program.app if child is not None and child.name == title
                                  and role(child) == "dialog" and is_showing(child)), None), "the %s dialog" % title)


def save_as(program, path):
    """Names the file in the save dialog and presses Save."""
    dialog = wait_for(lambda: next((child for child in program.app if child is not None and is_showing(child)
                                    and role(child) == "dialog" and find_all(child, "text", "File name:")), None),
                      "the save dialog")
    find(dialog, "text", "File name:").queryEditableText().setTextContents(path)
    press(find(dialog, "push button", "Save"))
    wait_for(lambda: not is_showing(dialog), "the save dialog to close")


def test_compare_lists_a_changed_setting_and_save_report_writes_a_pdf():
    folder = tempfile.mkdtemp(prefix="cadmira-report-")
    try:
        path = os.path.join(folder, "profstore.xml")
        other = os.path.join(folder, "other.xml")
        shutil.copyfile(SAMPLE, path)
        subprocess.run([CLI, "set", path, "StartPage=off", "-o", other], check=True)
        with Program(langid=ENGLISH, verid=1) as program:
            press(find(program.window, "push button", "Import"))
            choose_file(program, path)
            notice(program, "Import Succeed")
            Program.main_title = program.title = path
            program.focus_window()

            key("ctrl+d")
            choose_file(program, other)
            dialog = shown_dialog(program, "Compare")
            text = find(dialog, "text", "Differences").queryText()
            shown = text.getText(0, -1)
            check("Start Page\n    Option: Hide Start Page\n    A: checked\n    B: not checked" in shown,
                  "the dialog shows %r" % shown)
            key("Escape")
            wait_for(lambda: not is_showing(dialog), "Escape to close the dialog")

            report = os.path.join(folder, "report.pdf")
            program.focus_window()
            key("ctrl+p")
            save_as(program, report)
            notice(program, "The report is saved.")
        words = subprocess.run(["pdftotext", "-enc", "UTF-8", report, "-"], capture_output=True, text=True,
                               check=True).stdout
        # Table cells wrap, so each text is one that fits its cell.
        for expected in ("Configuration Report", "Start Page", "not checked", "Hidden ribbon controls"):
            check(expected in words, "the PDF holds %r" % expected)
        os.makedirs(PICTURES, exist_ok=True)
        shutil.copyfile(report, os.path.join(PICTURES, "window-en.pdf"))
        subprocess.run(["pdftoppm", "-r", "70", "-png", report, os.path.join(PICTURES, "window-en-pdf")], check=True)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    run(test_compare_lists_a_changed_setting_and_save_report_writes_a_pdf)
