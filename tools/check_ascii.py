#!/usr/bin/env python3
"""Fails when a product source holds a character outside ASCII anywhere but
in a comment: the program's own texts belong in the text tables
(tools/texts.py), whose headers every compiler takes.

    check_ascii.py FOLDER...    checks the .h and .cpp files below them
"""

import os
import re
import sys

# A raw string's opening: R"delimiter( with an optional encoding prefix.
RAW_OPENING = re.compile(r'(?:u8|u|U|L)?R"([^ ()\\\t\n]{0,16})\(')


def non_ascii_outside_comments(text):
    """The line numbers of the characters outside ASCII that lie in code,
    string or character literals."""
    lines, i, line, size = [], 0, 1, len(text)

    def flag(position):
        if ord(text[position]) > 0x7F and (not lines or lines[-1] != line):
            lines.append(line)

    while i < size:
        char = text[i]
        if char == "\n":
            line += 1
            i += 1
        elif text.startswith("//", i):
            end = text.find("\n", i)
            i = size if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = size if end < 0 else end + 2
            line += text.count("\n", i, end)
            i = end
        elif char == "R" or (char in "uUL8" and RAW_OPENING.match(text, i)):
            raw = RAW_OPENING.match(text, i)
            if not raw or (i > 0 and (text[i - 1].isalnum() or text[i - 1] == "_")):
                i += 1
                continue
            closing = ")" + raw[1] + '"'
            end = text.find(closing, raw.end())
            end = size if end < 0 else end + len(closing)
            for position in range(i, end):
                if text[position] == "\n":
                    line += 1
                flag(position)
            i = end
        elif char in "\"'":
            i += 1
            while i < size and text[i] != char and text[i] != "\n":
                if text[i] == "\\":
                    i += 1
                flag(i)
                i += 1
            i += 1
        else:
            flag(i)
            i += 1
    return lines


def main(folders):
    faults = 0
    for folder in folders:
        for root, _, files in os.walk(folder):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as source:
                    text = source.read()
                for line in non_ascii_outside_comments(text):
                    print(f"{path}:{line}: a character outside ASCII outside a comment; "
                          "put the text in the layer's text table", file=sys.stderr)
                    faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
