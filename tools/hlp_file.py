"""Writing a help file in the format of the system's help viewer (version
4 files, as the help compiler of Windows 95 makes them, without
compression): an internal file system whose directory is a B+ tree, and in
it |SYSTEM (title, contents topic, start-up macro, language, character
set), |FONT, |TOPIC (topic headers and text records in 4 kB blocks),
|CONTEXT (context hash to topic), |TTLBTREE (topic titles) and an empty
|CTXOMAP.
"""

import struct

from help_source import BODY, ITEM, SUBHEAD, Paragraph, Run, context_hash

BLOCK_SIZE = 4096          # topic blocks, header included
BLOCK_HEADER = 12
BLOCK_DATA = BLOCK_SIZE - BLOCK_HEADER
LINK_HEADER = 21           # a TOPICLINK before its LinkData1
TOPIC_HEADER_DATA = 28     # a topic header's LinkData1
NONE = 0xFFFFFFFF

SHIFTJIS_CHARSET = 128
JAPANESE_LCID = 0x0411
FACE = b"MS PGothic"       # the face's English name, which every system knows
FAMILY_SWISS = 3

# Fonts: (half points, bold, colour). Numbers are the indexes below.
FONTS = [(20, False, (0, 0, 0)),      # body text
         (28, True, (0, 0, 128)),     # a topic's title
         (22, True, (0, 0, 128)),     # a heading inside a topic
         (20, True, (0, 0, 0))]       # a heading of the contents topic
BODY_FONT, TITLE_FONT, SUBHEAD_FONT, BOOK_FONT = range(4)

# Paragraph settings: flag bit, then the spacing and indents it brings.
SPACE_ABOVE, SPACE_BELOW, LEFT_INDENT, FIRST_LINE_INDENT = 0x02, 0x04, 0x10, 0x40
LAYOUT = {
    "title": (TITLE_FONT, {SPACE_BELOW: 8}),
    BODY: (BODY_FONT, {SPACE_ABOVE: 10}),
    ITEM: (BODY_FONT, {SPACE_ABOVE: 3, LEFT_INDENT: 24, FIRST_LINE_INDENT: -12}),
    SUBHEAD: (SUBHEAD_FONT, {SPACE_ABOVE: 12}),
    "book": (BOOK_FONT, {SPACE_ABOVE: 10}),
    "entry": (BODY_FONT, {SPACE_ABOVE: 3, LEFT_INDENT: 16}),
}
BULLET = "・".encode("cp932")


class LayoutError(Exception):
    """A paragraph too long for one topic block; `line` is its source line."""

    def __init__(self, line, size):
        super().__init__(f"the paragraph is {size} bytes long; a help paragraph holds at most "
                         f"{BLOCK_DATA} (split it)")
        self.line = line


# ---- compressed numbers of the paragraph records -----------------------------

def cushort(value):
    return bytes([value * 2]) if value <= 0x7F else struct.pack("<H", value * 2 + 1)


def csshort(value):
    return cushort(value + 64 if -0x40 <= value <= 0x3F else value + 16384)


def cslong(value):
    assert -0x4000 <= value <= 0x3FFF
    return struct.pack("<H", (value + 16384) * 2)


# ---- records ------------------------------------------------------------------

class Link:
    """One TOPICLINK: a topic header (type 2) or a text record (0x20)."""

    def __init__(self, kind, data1, data2, topic=None, line=0):
        self.kind = kind
        self.data1 = data1
        self.data2 = data2
        self.topic = topic   # the topic a header starts
        self.line = line
        self.pos = 0         # TOPICPOS
        self.offset = 0      # TOPICOFFSET

    def size(self):
        return LINK_HEADER + len(self.data1) + len(self.data2)


def text_record(kind, runs, line):
    """A paragraph as a text record: paragraph settings, then the text's
    runs in LinkData2 separated by NULs, one for each formatting command in
    LinkData1 (font, link start 0xE3 with the target's hash, link end 0x89,
    end of paragraph 0x82, end of record 0xFF)."""
    font, settings = LAYOUT[kind]
    flags = sum(settings)
    info = bytearray([0x00, 0x80]) + struct.pack("<HH", 0, flags)
    for bit in (SPACE_ABOVE, SPACE_BELOW, LEFT_INDENT, FIRST_LINE_INDENT):
        if bit in settings:
            info += csshort(settings[bit])
    commands = bytearray([0x80]) + struct.pack("<H", font)
    text = bytearray(b"\0")
    for run in runs:
        if run.target is None:
            text += run.text
        else:
            commands += b"\xE3" + struct.pack("<i", context_hash(run.target))
            text += b"\0" + run.text + b"\0"
            commands += b"\x89"
    commands += b"\x82\xFF"
    text += b"\0\0"
    body = bytes(info + commands)
    data1 = cslong(len(body)) + cushort(len(text)) + body
    return Link(0x20, data1, bytes(text), line=line)


def topic_links(topic):
    links = [Link(2, bytes(TOPIC_HEADER_DATA), topic.title, topic=topic, line=topic.line),
             text_record("title", [Run(topic.title)], topic.line)]
    for paragraph in topic.paragraphs:
        runs = paragraph.runs
        if paragraph.kind == ITEM:
            runs = [Run(BULLET)] + runs
        links.append(text_record(paragraph.kind, runs, paragraph.line))
    return links


def contents_paragraphs(source):
    """The contents topic's list: each book as a heading, each topic as a
    link to it, as the contents file lists them."""
    paragraphs = []
    for entry in source.outline:
        if hasattr(entry, "context"):
            paragraphs.append(Paragraph("entry", [Run(entry.title, entry.context)], entry.line))
        else:
            paragraphs.append(Paragraph("book", [Run(entry.title)], entry.line))
    return paragraphs


# ---- |TOPIC ---------------------------------------------------------------------

def lay_out(links):
    """Places the links in topic blocks, never across a block's end, and
    gives each its TOPICPOS and TOPICOFFSET (block number and the count of
    text characters before it in its block)."""
    block, used, characters = 0, 0, 0
    for link in links:
        if link.size() > BLOCK_DATA:
            raise LayoutError(link.line, link.size())
        if used + link.size() > BLOCK_DATA:
            block, used, characters = block + 1, 0, 0
        link.pos = block * 0x4000 + BLOCK_HEADER + used
        link.offset = block * 0x8000 + characters
        used += link.size()
        if link.kind != 2:
            characters += len(link.data2)
    return block + 1


def fill_topic_headers(links, sequence):
    """Topic headers: size of the topic's records, the browse sequence
    (contents first, then the topics in order), number, scrolling region
    and the next header."""
    headers = [link for link in links if link.kind == 2]
    offsets = {id(link.topic): link.offset for link in headers if link.topic}
    for number, header in enumerate(headers):
        after = links[links.index(header) + 1:]
        records = []
        for link in after:
            if link.kind == 2:
                break
            records.append(link)
        following = next((link for link in after if link.kind == 2), None)
        back = forward = NONE
        if header.topic in sequence:
            at = sequence.index(header.topic)
            if at > 0:
                back = offsets[id(sequence[at - 1])]
            if at + 1 < len(sequence):
                forward = offsets[id(sequence[at + 1])]
        header.data1 = struct.pack("<7I", sum(link.size() for link in records), back, forward,
                                   number, NONE, records[0].pos if records else NONE,
                                   following.pos if following else NONE)


def topic_file(links, blocks):
    data = bytearray()
    for block in range(blocks):
        inside = [link for link in links if (link.pos - BLOCK_HEADER) >> 14 == block]
        before = [link for link in links if (link.pos - BLOCK_HEADER) >> 14 < block]
        last_link = before[-1].pos if before else NONE
        last_header = next((link.pos for link in reversed(before) if link.kind == 2), 0)
        body = bytearray()
        for link in inside:
            index = links.index(link)
            previous = links[index - 1].pos if index > 0 else NONE
            following = links[index + 1].pos if index + 1 < len(links) else NONE
            body += struct.pack("<5IB", link.size(), len(link.data2), previous, following,
                                LINK_HEADER + len(link.data1), link.kind)
            body += link.data1 + link.data2
        data += struct.pack("<3I", last_link, inside[0].pos, last_header)
        data += body + bytes(BLOCK_DATA - len(body))
    return bytes(data)


# ---- B+ trees and the other internal files --------------------------------------

def btree(entries, structure, page_size=0x800, flags=0x0002):
    """A B+ tree of one leaf page holding `entries` (already in order)."""
    leaf = b"".join(entries)
    if 8 + len(leaf) > page_size:
        raise ValueError(f"{len(entries)} entries do not fit one {page_size}-byte page")
    header = struct.pack("<HHH16shhhhhhi", 0x293B, flags, page_size, structure.encode("ascii"),
                         0, 0, 0, -1, 1, 1, len(entries))
    page = struct.pack("<HhhH", page_size - 8 - len(leaf), len(entries), -1, 0xFFFF) + leaf
    return header + page + bytes(page_size - len(page))


def system_file(title, contents_offset, contents_file):
    def record(kind, data):
        return struct.pack("<HH", kind, len(data)) + data
    return (struct.pack("<HHHIH", 0x036C, 33, 1, 0, 0)
            + record(1, title + b"\0")
            + record(3, struct.pack("<I", contents_offset))
            + record(4, b"BrowseButtons()\0")
            + record(9, bytes(8) + struct.pack("<H", JAPANESE_LCID))
            + record(10, contents_file + b"\0")
            + record(11, struct.pack("<H", SHIFTJIS_CHARSET))
            + record(12, bytes([9, SHIFTJIS_CHARSET]) + FACE + b"\0"))


def font_file():
    faces = FACE.ljust(32, b"\0")
    descriptors = b"".join(
        struct.pack("<BBBH3B3B", 1 if bold else 0, half_points, FAMILY_SWISS, 0, *colour, 0, 0, 0)
        for half_points, bold, colour in FONTS)
    return struct.pack("<HHHH", 1, len(FONTS), 8, 8 + len(faces)) + faces + descriptors


def assemble(files):
    """The help file: header, the internal files, then their directory."""
    names = sorted(files, key=lambda name: name.encode("ascii"))
    offset, placed, entries = 16, [], []
    for name in names:
        entries.append(name.encode("ascii") + b"\0" + struct.pack("<I", offset))
        placed.append(struct.pack("<II", len(files[name]) + 9, len(files[name])) + b"\0"
                      + files[name])
        offset += len(placed[-1])
    directory = btree(entries, "z4", page_size=0x400, flags=0x0402)
    directory_file = struct.pack("<II", len(directory) + 9, len(directory)) + b"\4" + directory
    total = offset + len(directory_file)
    return struct.pack("<IiiI", 0x00035F3F, offset, -1, total) + b"".join(placed) + directory_file


def build_hlp(source, contents_file_name):
    """The help file of a checked help source; `contents_file_name` is the
    name of its contents file (Shift-JIS bytes)."""
    source.contents.paragraphs = contents_paragraphs(source)
    sequence = [source.contents] + source.topics()
    links = []
    for topic in sequence:
        links += topic_links(topic)
    links.append(Link(2, bytes(TOPIC_HEADER_DATA), b""))  # the end: no topic
    blocks = lay_out(links)
    fill_topic_headers(links, sequence)
    offsets = {link.topic.context: link.offset for link in links if link.topic}
    contexts = sorted(sequence, key=lambda topic: context_hash(topic.context))
    files = {
        "|SYSTEM": system_file(source.title, offsets[source.contents.context], contents_file_name),
        "|FONT": font_file(),
        "|TOPIC": topic_file(links, blocks),
        "|CONTEXT": btree([struct.pack("<iI", context_hash(topic.context), offsets[topic.context])
                           for topic in contexts], "L4"),
        "|TTLBTREE": btree([struct.pack("<I", offsets[topic.context]) + topic.title + b"\0"
                            for topic in sequence], "Lz"),
        "|CTXOMAP": struct.pack("<H", 0),
    }
    return assemble(files)
