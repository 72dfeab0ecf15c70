"""Writes the Chinese language file from the dumped templates and the translation data.

usage: language_file.py TEMPLATES.json TRANSLATIONS.json OUTPUT.xml

Every English string must have a translation and every translation a string; every control
text a translation. Positions are the framework's pixels at 96 dots per inch, so that the
Chinese interface keeps the English layout.
"""
import json
import sys

TEXT_KINDS = {"Static", "GroupBox", "PushButton", "CheckBox", "RadioButton"}
ESCAPES = {"\t": "\\t", "\n": "\\n", "\r": "\\r"}


class DataError(Exception):
    pass


def unescape(text):
    """The program's own reading of an attribute: escapes up to the first other backslash."""
    out, position = [], 0
    while True:
        backslash = text.find("\\", position)
        if backslash < 0 or backslash + 1 >= len(text):
            break
        letter = text[backslash + 1]
        if letter not in "tnr":
            break
        out.append(text[position:backslash])
        out.append({"t": "\t", "n": "\n", "r": "\r"}[letter])
        position = backslash + 2
    out.append(text[position:])
    return "".join(out)


def escape(text, where):
    escaped = "".join(ESCAPES.get(c, c) for c in text)
    if unescape(escaped) != text:
        raise DataError(f"{where}: a backslash comes before a line break or tab, which the "
                        f"program would not convert: {text!r}")
    if "|||" in text:
        raise DataError(f"{where}: \"|||\" would cut the text: {text!r}")
    return escaped


def xml_attribute(value):
    return (value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def attributes(pairs):
    return " ".join(f'{name}="{xml_attribute(str(value))}"' for name, value in pairs)


def text_map(english_strings, translations):
    """English text to Chinese: from the string table where one translation is meant, then the
    explicit texts of the data."""
    candidates = {}
    for string_id, english in english_strings.items():
        candidates.setdefault(english, set()).add(translations["strings"][string_id])
    mapping = {english: next(iter(chinese)) for english, chinese in candidates.items() if len(chinese) == 1}
    mapping.update(translations.get("texts", {}))
    return mapping


def translated(mapping, english, where):
    if english not in mapping:
        raise DataError(f"{where}: no translation of {english!r}")
    return mapping[english]


def check_strings(english_strings, translations):
    missing = sorted(set(english_strings) - set(translations["strings"]), key=int)
    extra = sorted(set(translations["strings"]) - set(english_strings), key=int)
    if missing:
        raise DataError(f"strings without a translation: {', '.join(missing)}")
    if extra:
        raise DataError(f"translations of strings the program does not have: {', '.join(extra)}")


def dialog_lines(dialog, mapping):
    dialog_id = str(dialog["id"])
    head = [("id", dialog_id)]
    if dialog["caption"]:
        head.append(("text", escape(translated(mapping, dialog["caption"], f"dialog {dialog_id}"),
                                    f"dialog {dialog_id}")))
    head += [("left", 0), ("top", 0), ("width", dialog["width"]), ("height", dialog["height"])]
    lines = [f"    <Dialog {attributes(head)}>"]
    seen = set()
    for control in dialog["controls"]:
        control_id = control["id"] & 0xFFFFFFFF
        if control_id in seen:
            # The program gives every control of one id the first entry of that id.
            continue
        seen.add(control_id)
        where = f"dialog {dialog_id}, control {control['id']}"
        text = ""
        if control["kind"] in TEXT_KINDS and control["text"]:
            text = escape(translated(mapping, control["text"], where), where)
        pairs = [("id", control_id), ("text", text)] + [(k, control[k]) for k in ("left", "top", "width", "height")]
        lines.append(f"      <dlgitem {attributes(pairs)}/>")
    lines.append("    </Dialog>")
    return lines


def language_file(templates, translations):
    english_strings = templates["strings"]
    check_strings(english_strings, translations)
    mapping = text_map(english_strings, translations)
    root = translations["file"]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f"<Reader {attributes(root['attributes'].items())}>",
             "  <Font>",
             f"    <PreFont {attributes(root['font'].items())}/>",
             "  </Font>",
             "  <Dialogs>"]
    for dialog in templates["dialogs"]:
        lines += dialog_lines(dialog, mapping)
    lines += ["  </Dialogs>", "  <Strings>"]
    for string_id in sorted(english_strings, key=int):
        text = escape(translations["strings"][string_id], f"string {string_id}")
        lines.append(f"    <string {attributes([('id', string_id), ('text', text)])}/>")
    lines += ["  </Strings>", "  <Version>"]
    for tag in ("VerDes", "VerLeg"):
        for name, value in root["version"][tag].items():
            lines.append(f"    <{tag} {attributes([('name', name), ('value', value)])}/>")
    lines += ["  </Version>", "</Reader>"]
    return "\ufeff" + "\r\n".join(lines) + "\r\n"


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        templates = json.load(f)
    with open(argv[2], encoding="utf-8") as f:
        translations = json.load(f)
    try:
        text = language_file(templates, translations)
    except DataError as error:
        print(f"make-language-file: {error}", file=sys.stderr)
        return 1
    with open(argv[3], "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
