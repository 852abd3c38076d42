"""Turning the program's UTF-8 sources into Shift-JIS (code page 932) bytes,
refusing, with the place named, whatever that code page cannot hold: a text
made of question marks would pass every build and only show on the screen.
"""


class SourceError(Exception):
    """A fault in a source file, with the file and line it lies on."""

    def __init__(self, path, line, message):
        super().__init__(f"{path}:{line}: {message}")
        self.path = path
        self.line = line


def encode(text, path, line):
    """The code page 932 bytes of `text`, which comes from `path` at `line`;
    refuses the first character the code page has no place for. The table
    is Windows' own (with the NEC and IBM extensions, such as circled
    digits); the JIS forms of the wave dash, minus and the like go to the
    same bytes as their full-width look-alikes, as a Japanese system shows
    them."""
    try:
        return text.encode("cp932")
    except UnicodeEncodeError as fault:
        bad = text[fault.start]
        raise SourceError(path, line,
                          f"'{bad}' (U+{ord(bad):04X}) cannot be written in Shift-JIS") from None


def read_utf8(path):
    """The lines of a UTF-8 source file, without their line ends."""
    with open(path, "rb") as source:
        raw = source.read()
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError as fault:
        line = raw[:fault.start].count(b"\n") + 1
        raise SourceError(path, line, f"not UTF-8 ({fault.reason})") from None
    lines = [line[:-1] if line.endswith("\r") else line for line in text.split("\n")]
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def encode_lines(lines, path, first_line=1):
    """`lines` as code page 932 text with CR LF after every line."""
    return b"".join(encode(text, path, number) + b"\r\n"
                    for number, text in enumerate(lines, first_line))
