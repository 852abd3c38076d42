#!/usr/bin/env python3
"""The program's texts: tables kept as UTF-8, turned at build time into
headers of constexpr narrow strings that hold the Shift-JIS bytes as
escapes, so that every compiler takes them whatever its execution charset;
and the product's text files (read-me, licence), turned into Shift-JIS with
CR LF.

    texts.py header TABLE HEADER [--namespace NS] [--depfile FILE]
    texts.py file SOURCE OUTPUT [--set NAME=VALUE ...] [--depfile FILE]
    texts.py rc TABLE HEADER [--depfile FILE]

A table holds one entry a line; blank lines and lines starting with '#' are
ignored, and the comment lines right above an entry go into the header with
it:

    kName = text      the rest of the line; \\n \\r \\t \\\\ and \\s (a blank,
                      for one that would otherwise be trimmed) are escapes
    kName < file.txt  a whole UTF-8 file, relative to the table, with CR LF
                      line ends

The rc form gives a resource script the same texts: one define a line,
QV_TEXT_<name>, holding the text as UTF-8 (the scripts read UTF-8), so that
a string table and the C++ show one source. Whole files are left out.

In a text file, @NAME@ is replaced by the value given with --set NAME=VALUE.
Whatever Shift-JIS cannot hold, a malformed line, a name given twice or an
@NAME@ without a value is refused with its file and line.
"""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sjis import SourceError, encode, encode_lines, read_utf8  # noqa: E402

NAME = re.compile(r"[A-Za-z_][A-Za-z0-9_]*\Z")
ENTRY = re.compile(r"(?P<name>\S+)\s*(?P<kind>[=<])\s*(?P<value>.*)\Z")
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", "s": " "}
PLACEHOLDER = re.compile(r"@([A-Za-z_][A-Za-z0-9_]*)@")


class Entry:
    def __init__(self, name, data, comments, line, text=None):
        self.name = name
        self.text = text          # the text of a '=' entry, None for a file
        self.data = data          # the Shift-JIS bytes
        self.comments = comments  # the table's comment lines above it
        self.line = line


def unescape(text, path, line):
    out = []
    chars = iter(text)
    for char in chars:
        if char != "\\":
            out.append(char)
            continue
        code = next(chars, "")
        if code not in ESCAPES:
            raise SourceError(path, line, f"unknown escape '\\{code}'")
        out.append(ESCAPES[code])
    return "".join(out)


def read_table(path):
    """The entries of a table, and the files it takes whole."""
    entries, included, comments, seen = [], [], [], {}
    for number, raw in enumerate(read_utf8(path), 1):
        line = raw.strip()
        if not line:
            comments = []
            continue
        if line.startswith("#"):
            comments.append(line[1:].strip())
            continue
        match = ENTRY.match(line)
        if not match:
            raise SourceError(path, number, "expected 'name = text' or 'name < file'")
        name = match["name"]
        if not NAME.match(name):
            raise SourceError(path, number, f"'{name}' is not a name")
        if name in seen:
            raise SourceError(path, number, f"'{name}' is given twice (first on line {seen[name]})")
        seen[name] = number
        text = None
        if match["kind"] == "=":
            text = unescape(match["value"].rstrip(), path, number)
            data = encode(text, path, number)
        else:
            whole = os.path.join(os.path.dirname(path), match["value"].strip())
            if not os.path.isfile(whole):
                raise SourceError(path, number, f"no file '{match['value'].strip()}'")
            included.append(whole)
            data = encode_lines(read_utf8(whole), whole)
        entries.append(Entry(name, data, comments, number, text))
        comments = []
    return entries, included


def c_literal_pieces(data, width=24):
    """`data` as C string literals of about `width` bytes each, broken after
    line ends. Every byte outside printable ASCII is a three-digit octal
    escape, which ends by itself (a hex escape would swallow the digits and
    letters after it, such as the 'A' that is the second byte of a kana)."""
    pieces, piece, count = [], [], 0
    for byte in data:
        if byte in (0x22, 0x5C):
            piece.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            piece.append(chr(byte))
        else:
            piece.append(f"\\{byte:03o}")
        count += 1
        if count >= width or byte == 0x0A:
            pieces.append('"' + "".join(piece) + '"')
            piece, count = [], 0
    if piece or not pieces:
        pieces.append('"' + "".join(piece) + '"')
    return pieces


def header_text(entries, table_name, namespace):
    out = [f"// Made by tools/texts.py from {table_name}: edit the table, not this file.",
           "#pragma once", "", f"namespace {namespace} {{", ""]
    for entry in entries:
        out.extend(f"// {comment}".rstrip() for comment in entry.comments)
        pieces = c_literal_pieces(entry.data)
        if len(pieces) == 1:
            out.append(f"inline constexpr char {entry.name}[] = {pieces[0]};")
        else:
            out.append(f"inline constexpr char {entry.name}[] =")
            out.extend("    " + piece for piece in pieces[:-1])
            out.append("    " + pieces[-1] + ";")
        out.append("")
    out.append(f"}}  // namespace {namespace}")
    return "\n".join(out) + "\n"


RC_ESCAPES = {"\n": "\\n", "\r": "\\r", "\t": "\\t", "\\": "\\\\"}


def rc_header_text(entries, table_name, path):
    out = [f"/* Made by tools/texts.py from {table_name}: edit the table, not this file. */"]
    for entry in entries:
        if entry.text is None:
            continue
        if '"' in entry.text:
            raise SourceError(path, entry.line, "a resource script's text cannot hold '\"'")
        literal = "".join(RC_ESCAPES.get(char, char) for char in entry.text)
        out.append(f'#define QV_TEXT_{entry.name} "{literal}"')
    return "\n".join(out) + "\n"


def text_file(path, values):
    """A UTF-8 text file as Shift-JIS with CR LF, placeholders filled in."""
    lines = read_utf8(path)
    for number, line in enumerate(lines, 1):
        for name in PLACEHOLDER.findall(line):
            if name not in values:
                raise SourceError(path, number, f"no value for @{name}@")
        lines[number - 1] = PLACEHOLDER.sub(lambda m: values[m[1]], line)
    return encode_lines(lines, path)


def write_file(path, data):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def write_depfile(path, output, inputs):
    def quoted(name):
        return os.path.abspath(name).replace("\\", "/").replace(" ", "\\ ")
    with open(path, "w", encoding="utf-8") as out:
        out.write(f"{quoted(output)}: " + " ".join(quoted(name) for name in inputs) + "\n")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    header = commands.add_parser("header", help="a table as a header of constexpr strings")
    header.add_argument("table")
    header.add_argument("output")
    header.add_argument("--namespace", default="qv")
    header.add_argument("--depfile")
    textfile = commands.add_parser("file", help="a UTF-8 text file as Shift-JIS with CR LF")
    textfile.add_argument("source")
    textfile.add_argument("output")
    textfile.add_argument("--set", action="append", default=[], metavar="NAME=VALUE")
    textfile.add_argument("--depfile")
    rc = commands.add_parser("rc", help="a table's texts as UTF-8 defines for a resource script")
    rc.add_argument("table")
    rc.add_argument("output")
    rc.add_argument("--depfile")
    args = parser.parse_args(argv)
    try:
        if args.command == "header":
            entries, included = read_table(args.table)
            data = header_text(entries, os.path.basename(args.table), args.namespace).encode("ascii")
            inputs = [args.table] + included
            output = args.output
        elif args.command == "rc":
            entries, included = read_table(args.table)
            data = rc_header_text(entries, os.path.basename(args.table), args.table).encode("utf-8")
            inputs = [args.table]
            output = args.output
        else:
            if any("=" not in item for item in args.set):
                parser.error("--set takes NAME=VALUE")
            values = dict(item.split("=", 1) for item in args.set)
            data = text_file(args.source, values)
            inputs = [args.source]
            output = args.output
    except SourceError as fault:
        print(f"error: {fault}", file=sys.stderr)
        return 1
    write_file(output, data)
    if args.depfile:
        write_depfile(args.depfile, output, inputs)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
