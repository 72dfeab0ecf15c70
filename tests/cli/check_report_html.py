#!/usr/bin/env python3
"""Checks that every HTML report cadmira-cli writes is one well-formed, self-contained page.

Usage: check_report_html.py CADMIRA_CLI EXAMPLE...  Each example is reported in both languages,
and once more wrapped in hostile texts. Exits 1 with a message at the first fault."""
import html.parser
import os
import subprocess
import sys
import tempfile

VOID = {"meta", "br", "hr", "img", "input", "link"}
ALLOWED = {"html", "head", "meta", "title", "style", "body", "h1", "h2", "h3", "dl", "dt", "dd", "table",
           "thead", "tbody", "tr", "th", "td", "p", "bdi"}


class StrictChecker(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.doctype = False
        self.text = []

    def fail(self, message):
        line, column = self.getpos()
        raise ValueError(f"line {line}, column {column}: {message}")

    def handle_decl(self, decl):
        if decl.lower() != "doctype html" or self.stack:
            self.fail(f"unexpected declaration {decl!r}")
        self.doctype = True

    def handle_starttag(self, tag, attrs):
        if not self.doctype:
            self.fail("no <!DOCTYPE html> before the first tag")
        if tag not in ALLOWED:
            self.fail(f"unexpected element <{tag}>")
        for name, _ in attrs:
            if name not in ("lang", "charset"):
                self.fail(f"unexpected attribute {name!r} on <{tag}>")
        if tag not in VOID:
            self.stack.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.fail(f"self-closing <{tag}/>")

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.fail(f"</{tag}> closes {self.stack[-1] if self.stack else 'nothing'}")
        self.stack.pop()

    def handle_data(self, data):
        if self.stack and self.stack[-1] == "style":
            for external in ("url(", "@import"):
                if external in data:
                    self.fail(f"the style loads {external}")
        else:
            self.text.append(data)

    def handle_comment(self, data):
        self.fail("a comment")

    def handle_pi(self, data):
        self.fail("a processing instruction")

    def unknown_decl(self, data):
        self.fail(f"unknown declaration {data!r}")


def check(page, expected_texts):
    if not page.startswith("<!DOCTYPE html>\n"):
        raise ValueError("the page does not begin with <!DOCTYPE html>")
    checker = StrictChecker()
    checker.feed(page)
    checker.close()
    if checker.stack:
        raise ValueError(f"unclosed elements {checker.stack}")
    text = "".join(checker.text)
    for expected in expected_texts:
        if expected not in text:
            raise ValueError(f"the page does not show {expected!r}")


HOSTILE = ("<ZandorReader version=\"9&lt;b&gt;\"><Profstore><Preferences>"
           "<Preference Text=\"MainFrameName\" Title=\"&lt;/td&gt;&lt;script&gt;x()&lt;/script&gt; &amp;amp; "
           "&quot;'\u202e\u200f&#1;&#x7f;\"/>"
           "<Preference Text=\"TDOCServer\" String=\"" + "y" * 100000 + "\"/>"
           "</Preferences><Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"&lt;i&gt;.zpi;\"/></Plugins>"
           "</Profstore></ZandorReader>")
HOSTILE_TEXTS = ["</td><script>x()</script> &amp; \"'\u202e\u200f\u2401\u2421", "y" * 100000, "<i>.zpi",
                 "9<b>"]


def report(cli, path, lang):
    return subprocess.run([cli, "report", path, "--format", "html", "--lang", lang], check=True,
                          capture_output=True).stdout.decode("utf-8")


def main():
    cli, examples = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory() as folder:
        hostile = os.path.join(folder, "hostile.xml")
        with open(hostile, "w", encoding="utf-8") as out:
            out.write(HOSTILE)
        cases = [(path, lang, []) for path in examples for lang in ("en", "zh")]
        cases += [(hostile, lang, HOSTILE_TEXTS) for lang in ("en", "zh")]
        for path, lang, texts in cases:
            try:
                check(report(cli, path, lang), texts)
            except (ValueError, subprocess.CalledProcessError) as fault:
                print(f"{os.path.basename(path)} ({lang}): {fault}", file=sys.stderr)
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
