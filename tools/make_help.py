#!/usr/bin/env python3
"""Makes the help file and its contents file from a help source:

    make_help.py SOURCE HELP_FILE CONTENTS_FILE

The source is UTF-8 text, one thing a line; blank lines and lines starting
with a single '#' are ignored:

    @title Quorvantix          the help file's title (the viewer's caption)
    @contents CONTENTS 目次    the contents topic: context name and title;
                               its text is made from the outline
    @book 基本の操作            a heading of the contents
    @topic ICON アイコン        a topic: context name (letters, digits, '_'
                               and '.'), then its title
    A line of text is a paragraph. [[ICON]] links to a topic and shows its
    title; [[ICON|ここ]] shows the text after the bar.
    - a list item
    ## a heading inside the topic

The contents file lists the books and the topics in the order written (a
topic after a book sits under it) for the viewer's contents page; the help
file's contents topic lists the same, for viewers that show no contents
page, and the topics follow one another in that order as the viewer's
browse sequence. Both files are Shift-JIS with the Japanese character set
named, so that a viewer on a system of another code page shows them right.
A topic without a title, a link to no topic and text that Shift-JIS cannot
hold are refused with the file and line.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from help_source import Topic, read_help_source  # noqa: E402
from hlp_file import LayoutError, build_hlp  # noqa: E402
from sjis import SourceError  # noqa: E402


def contents_file(source, help_name):
    """The contents file: the help file it belongs to, its title, then one
    line per book (level 1) and per topic (under the last book, if any)."""
    lines = [b":Base " + help_name, b":Title " + source.title]
    level = 1
    for entry in source.outline:
        if isinstance(entry, Topic):
            lines.append(b"%d " % level + entry.title + b"=" + entry.context.encode("ascii"))
        else:
            lines.append(b"1 " + entry.title)
            level = 2
    return b"".join(line + b"\r\n" for line in lines)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    source_path, help_path, contents_path = argv
    help_name = os.path.basename(help_path).encode("ascii")
    contents_name = os.path.basename(contents_path).encode("ascii")
    try:
        source = read_help_source(source_path)
        help_data = build_hlp(source, contents_name)
    except SourceError as fault:
        print(f"error: {fault}", file=sys.stderr)
        return 1
    except LayoutError as fault:
        print(f"error: {source_path}:{fault.line}: {fault}", file=sys.stderr)
        return 1
    for path, data in ((help_path, help_data), (contents_path, contents_file(source, help_name))):
        with open(path, "wb") as out:
            out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
