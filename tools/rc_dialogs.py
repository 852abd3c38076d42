"""Reads the dialog templates of a resource script and writes them as a C++
table for the simulated host, so that native tests build each dialog's
controls with the ids, kinds, texts and styles of the real template.

    rc_dialogs.py SCRIPT OUTPUT TABLE_NAME [-I DIR ...]

Numbers and texts named by macros come from the headers the script includes
(searched in the -I folders). An id or style that cannot be resolved stops
the build: a guessed number would let a test pass on a control that does
not exist."""
import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from texts import c_literal_pieces  # noqa: E402

STYLES = {
    "WS_GROUP": 0x00020000, "WS_TABSTOP": 0x00010000, "WS_DISABLED": 0x08000000,
    "WS_VISIBLE": 0x10000000, "WS_CHILD": 0x40000000, "WS_POPUP": 0x80000000,
    "WS_CAPTION": 0x00C00000, "WS_SYSMENU": 0x00080000, "WS_BORDER": 0x00800000,
    "WS_VSCROLL": 0x00200000, "WS_HSCROLL": 0x00100000, "WS_MINIMIZEBOX": 0x00020000,
    "WS_EX_APPWINDOW": 0x00040000, "DS_MODALFRAME": 0x80, "DS_SETFONT": 0x40,
    "DS_CENTER": 0x800, "DS_CONTROL": 0x400, "DS_3DLOOK": 0x4, "DS_FIXEDSYS": 0x8,
    "ES_LEFT": 0, "ES_CENTER": 0x1, "ES_RIGHT": 0x2, "ES_MULTILINE": 0x4,
    "ES_AUTOVSCROLL": 0x40, "ES_AUTOHSCROLL": 0x80, "ES_READONLY": 0x800,
    "ES_WANTRETURN": 0x1000, "ES_NUMBER": 0x2000, "SS_LEFT": 0, "SS_CENTER": 1,
    "SS_RIGHT": 2, "SS_ICON": 3, "SS_NOPREFIX": 0x80, "SS_SUNKEN": 0x1000,
    "BS_PUSHBUTTON": 0, "BS_DEFPUSHBUTTON": 1, "BS_CHECKBOX": 2, "BS_AUTOCHECKBOX": 3,
    "BS_RADIOBUTTON": 4, "BS_GROUPBOX": 7, "BS_AUTORADIOBUTTON": 9,
    "TBS_AUTOTICKS": 1, "TBS_VERT": 2, "TBS_HORZ": 0, "TBS_BOTH": 8, "TBS_NOTICKS": 0x10,
    "TBS_BOTTOM": 0, "TBS_TOP": 4, "UDS_WRAP": 1, "UDS_SETBUDDYINT": 2,
    "UDS_ALIGNRIGHT": 4, "UDS_ALIGNLEFT": 8, "UDS_AUTOBUDDY": 0x10, "UDS_ARROWKEYS": 0x20,
    "UDS_HORZ": 0x40, "UDS_NOTHOUSANDS": 0x80, "PBS_SMOOTH": 1,
}

# The standard buttons' ids, which scripts take from <windows.h>.
SYSTEM_IDS = {"IDOK": 1, "IDCANCEL": 2, "IDABORT": 3, "IDRETRY": 4, "IDIGNORE": 5,
              "IDYES": 6, "IDNO": 7}

# Statement: (kind, default style, whether it has a text).
STATEMENTS = {
    "LTEXT": ("Static", 0x00020000, True), "RTEXT": ("Static", 0x00020002, True),
    "CTEXT": ("Static", 0x00020001, True), "PUSHBUTTON": ("PushButton", 0x00010000, True),
    "DEFPUSHBUTTON": ("PushButton", 0x00010001, True),
    "AUTOCHECKBOX": ("AutoCheckBox", 0x00010003, True), "CHECKBOX": ("CheckBox", 0x00010002, True),
    "AUTORADIOBUTTON": ("AutoRadioButton", 0x9, True), "RADIOBUTTON": ("RadioButton", 0x4, True),
    "GROUPBOX": ("GroupBox", 0x7, True), "EDITTEXT": ("Edit", 0x00810000, False),
    "ICON": ("Static", 0x3, True),
}


class RcError(Exception):
    pass


def read_defines(path, dirs, numbers, strings, seen):
    if path in seen:
        return
    seen.add(path)
    with open(path, encoding="utf-8") as source:
        for line in source:
            include = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            if include:
                for folder in [os.path.dirname(path)] + dirs:
                    candidate = os.path.join(folder, include.group(1))
                    if os.path.exists(candidate):
                        read_defines(candidate, dirs, numbers, strings, seen)
                        break
                continue
            define = re.match(r'\s*#\s*define\s+(\w+)\s+(.+?)\s*(/\*.*)?$', line)
            if not define:
                continue
            name, value = define.group(1), define.group(2)
            if value.startswith('"'):
                strings[name] = value
            else:
                numbers[name] = value


def number(token, numbers, depth=0):
    token = token.strip().strip("()")
    if re.fullmatch(r"-?(0x[0-9a-fA-F]+|\d+)L?", token):
        return int(token.rstrip("L"), 0)
    if token in STYLES:
        return STYLES[token]
    if token in SYSTEM_IDS:
        return SYSTEM_IDS[token]
    if token in numbers and depth < 10:
        return expression(numbers[token], numbers, depth + 1)
    raise RcError(f"cannot resolve '{token}'")


def expression(text, numbers, depth=0):
    value, negate_next = 0, False
    for part in re.split(r"\s*\|\s*", text.strip()):
        if part.startswith("NOT "):
            value &= ~number(part[4:], numbers, depth)
            continue
        plus = re.split(r"\s*\+\s*", part)
        value |= sum(number(p, numbers, depth) for p in plus) & 0xFFFFFFFF
    return value & 0xFFFFFFFF


def split_arguments(text):
    parts, current, quoted = [], "", False
    for ch in text:
        if ch == '"':
            quoted = not quoted
        if ch == "," and not quoted:
            parts.append(current.strip())
            current = ""
        else:
            current += ch
    parts.append(current.strip())
    return parts


def text_of(argument, strings):
    out = ""
    for literal, name in re.findall(r'"((?:[^"]|"")*)"|(\w+)', argument):
        if name:
            value = strings.get(name, '""')
            out += "".join(re.findall(r'"((?:[^"]|"")*)"', value))
        else:
            out += literal.replace('""', '"')
    return out


def parse(path, dirs):
    numbers, strings = {}, {}
    read_defines(path, dirs, numbers, strings, set())
    with open(path, encoding="utf-8") as source:
        lines = source.read().splitlines()
    dialogs, i = [], 0
    while i < len(lines):
        head = re.match(r"\s*(\w+)\s+DIALOG(EX)?\s", lines[i])
        if not head:
            i += 1
            continue
        dialog = {"id": number(head.group(1), numbers), "caption": "", "style": 0,
                  "controls": []}
        i += 1
        while not lines[i].strip().startswith("BEGIN"):
            words = lines[i].strip().split(None, 1)
            if words and words[0] == "STYLE":
                dialog["style"] = expression(words[1], numbers)
            if words and words[0] == "CAPTION":
                dialog["caption"] = text_of(words[1], strings)
            i += 1
        i += 1
        statement = ""
        while not lines[i].strip().startswith("END"):
            line = lines[i].split("//")[0].rstrip()
            statement += " " + line.strip()
            i += 1
            if line.endswith(",") or line.endswith("|"):
                continue
            if statement.strip():
                dialog["controls"].append(control(statement.strip(), numbers, strings))
            statement = ""
        dialogs.append(dialog)
    return dialogs


def control(statement, numbers, strings):
    keyword, rest = statement.split(None, 1)
    args = split_arguments(rest)
    if keyword == "CONTROL":
        text, cid, cls, style = text_of(args[0], strings), args[1], args[2].strip('"'), args[3]
        style = expression(style, numbers) | 0x40000000
        kind = {"msctls_trackbar32": "Slider", "msctls_updown32": "UpDown",
                "msctls_progress32": "Progress", "Edit": "Edit", "Static": "Static"}.get(cls)
        if cls.lower() == "button":
            kind = {0: "PushButton", 1: "PushButton", 2: "CheckBox", 3: "AutoCheckBox",
                    4: "RadioButton", 7: "GroupBox", 9: "AutoRadioButton"}.get(style & 0xF, "Other")
        return {"id": number(cid, numbers), "kind": kind or "Other", "text": text, "style": style}
    if keyword not in STATEMENTS:
        raise RcError(f"unknown dialog statement {keyword}")
    kind, style, has_text = STATEMENTS[keyword]
    text = text_of(args[0], strings) if has_text else ""
    if has_text:
        args = args[1:]
    if keyword == "ICON":
        text = ""
    if len(args) > 5:
        for flag in re.split(r"\s*\|\s*", args[5]):
            if flag.startswith("NOT "):
                style &= ~number(flag[4:], numbers)
            else:
                style |= number(flag, numbers)
    raw = number(args[0], numbers)
    return {"id": raw if raw < 0x8000 else raw - 0x10000, "kind": kind, "text": text,
            "style": style & 0xFFFFFFFF}


def cxx(dialogs, table):
    out = ["// Made by tools/rc_dialogs.py from the resource script; do not edit.",
           "#pragma once", "", '#include "framework/sim/sim_controls.h"', "",
           "namespace qv::sim::rc {", ""]
    for dialog in dialogs:
        out.append(f"inline const ControlSpec k{table}{dialog['id']}[] = {{")
        for c in dialog["controls"]:
            text = " ".join(c_literal_pieces(c["text"].encode("cp932"), 200))
            out.append(f"    {{{c['id']}, ControlKind::{c['kind']}, {text}, 0x{c['style']:08X}u}},")
        out.append("};")
    out.append(f"inline const DialogTemplateSpec k{table}[] = {{")
    for dialog in dialogs:
        caption = " ".join(c_literal_pieces(dialog["caption"].encode("cp932"), 200))
        out.append(f"    {{{dialog['id']}u, {caption}, 0x{dialog['style']:08X}u, "
                   f"k{table}{dialog['id']}, sizeof k{table}{dialog['id']} / sizeof(ControlSpec)}},")
    out += ["};", "", "}  // namespace qv::sim::rc", ""]
    return "\n".join(out)


def main(argv):
    script, output, table = argv[1], argv[2], argv[3]
    dirs = [argv[i + 1] for i in range(4, len(argv) - 1) if argv[i] == "-I"]
    try:
        text = cxx(parse(script, dirs), table)
    except (RcError, IndexError) as fault:
        print(f"{script}: {fault}", file=sys.stderr)
        return 1
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w", encoding="ascii") as out:
        out.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
