#!/usr/bin/env python3
"""Writes the manual page of cadmira-cli from the tool's own help, so that the page cannot drift
from what the tool accepts: the synopsis and options from `--help`, a section per command from
that command's `--help`, and the hand-written sections of a template around them.

cli_man_page.py CLI TEMPLATE OUTPUT DATE VERSION

The template is roff in "[SECTION]" blocks; its COMMANDS block, if any, is replaced.
Every text line is wrapped at 80 columns, so that the page reads well in any terminal and
mandoc's checks find nothing to say."""

import re
import subprocess
import sys
import textwrap

WIDTH = 79
# CLI11 starts an option's description in this column, with at least one blank before it.
DESCRIPTION_COLUMN = 30


def escaped(text):
    """Text made safe for roff: backslashes and minus signs kept literal."""
    return text.replace("\\", "\\e").replace("-", "\\-")


def text_lines(text):
    """Roff input lines of a filled paragraph, none longer than WIDTH, none taken for a request."""
    lines = textwrap.wrap(text, WIDTH, break_long_words=False, break_on_hyphens=False)
    return ["\\&" + line if line[:1] in (".", "'") else line for line in lines]


def help_of(cli, *words):
    result = subprocess.run([cli, *words, "--help"], capture_output=True, text=True, check=True)
    return result.stdout


def parse_help(text):
    """(description, usage, {section: [(names, description)]}) of a CLI11 help text."""
    description, usage, sections, current = [], "", {}, None
    for line in text.splitlines():
        if line.startswith("Usage: "):
            usage = line[len("Usage: "):]
        elif re.fullmatch(r"[A-Z][A-Za-z ]*:", line):
            current = sections.setdefault(line[:-1], [])
        elif current is None:
            if line.strip():
                description.append(line.strip())
        elif line.startswith(" " * DESCRIPTION_COLUMN) and current:
            names, said = current[-1]
            current[-1] = (names, (said + " " + line.strip()).strip())
        elif line.startswith("  ") and line.strip():
            head, tail = line[:DESCRIPTION_COLUMN], line[DESCRIPTION_COLUMN:]
            if len(line) > DESCRIPTION_COLUMN and head.endswith(" "):
                current.append((head.strip(), tail.strip()))
            else:
                current.append((line.strip(), ""))
        elif line.strip():
            raise SystemExit(f"cli_man_page: cannot read this help line: {line!r}")
    return " ".join(description), usage, sections


def tag_of(names):
    """An entry's tag: its names in bold, what it takes in italics ("-o,--output TEXT")."""
    first, _, rest = names.partition(" ")
    tag = ", ".join(f"\\fB{escaped(name)}\\fR" for name in first.split(","))
    if rest:
        tag += f" \\fI{escaped(rest)}\\fR"
    return tag


def entries(items):
    lines = []
    for names, said in items:
        # CLI11 names the options an option excludes after its own names.
        names, _, excluded = names.partition(" Excludes: ")
        if excluded:
            said += " (not with " + " or ".join(excluded.split()) + ")"
        lines += [".TP", tag_of(names)] + text_lines(escaped(said))
    return lines


def command_section(cli, name):
    description, usage, sections = parse_help(help_of(cli, name))
    lines = [f".SS {name}"] + text_lines(escaped(description))
    program, _, arguments = usage.partition(f" {name}")
    lines += [".PP", f"Usage: \\fB{escaped(program)} {escaped(name)}\\fR" + escaped(arguments)]
    for title, items in sections.items():
        items = [item for item in items if item[0] != "-h,--help"]
        if items:
            lines += [".PP", f"{title}:", ".RS"] + entries(items) + [".RE"]
    return lines


def template_sections(path):
    """The "[SECTION]" blocks of the template, in their order."""
    sections, current = {}, None
    with open(path, encoding="utf-8") as template:
        for line in template.read().splitlines():
            match = re.fullmatch(r"\[([A-Z ]+)\]", line)
            if match:
                current = sections.setdefault(match.group(1), [])
            elif current is not None:
                current.append(line)
    for lines in sections.values():
        while lines and not lines[-1].strip():
            lines.pop()
    return sections


def main():
    cli, template, output, date, version = sys.argv[1:]
    _, usage, sections = parse_help(help_of(cli))
    parts = template_sections(template)
    commands = [names for names, _ in sections.get("Subcommands", [])]
    if not commands:
        raise SystemExit(f"cli_man_page: no commands in the help of {cli}")

    page = [f'.TH CADMIRA\\-CLI 1 {date} "Cadmira {version}" "User Commands"', ".SH NAME"]
    page += parts.pop("NAME")
    page += [".SH SYNOPSIS", f"\\fBcadmira\\-cli\\fR {escaped(usage.partition(' ')[2])}"]
    page += [".SH DESCRIPTION"] + parts.pop("DESCRIPTION")
    page += [".SH OPTIONS"] + entries(sections.get("Options", []))
    page += [".SH COMMANDS"] + entries(sections["Subcommands"])
    for name in commands:
        page += command_section(cli, name)
    for title, lines in parts.items():
        page += [f".SH {title}"] + lines

    too_long = [line for line in page if len(line.encode()) > 80]
    if too_long:
        raise SystemExit(f"cli_man_page: lines over 80 columns in the template: {too_long}")
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(page) + "\n")


if __name__ == "__main__":
    main()
