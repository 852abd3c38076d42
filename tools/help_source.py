"""Reading a help source: a plain UTF-8 text of topics, each with a context
name, a title, paragraphs and links to other topics (make_help.py shows the
format). Every text comes out as Shift-JIS bytes, and every fault (a topic
without a title, a link to no topic, text that Shift-JIS cannot hold) is
refused with its file and line.
"""

import re

from sjis import SourceError, encode, read_utf8

CONTEXT_NAME = re.compile(r"[A-Za-z0-9_.]+\Z")
LINK = re.compile(r"\[\[(?P<target>[^\]|]*)(?:\|(?P<text>[^\]]*))?\]\]")

# Paragraph kinds.
BODY, ITEM, SUBHEAD = "body", "item", "subhead"


class Run:
    """A piece of a paragraph: text, and the context it links to or None."""

    def __init__(self, text, target=None):
        self.text = text  # Shift-JIS bytes
        self.target = target


class Paragraph:
    def __init__(self, kind, runs, line):
        self.kind = kind
        self.runs = runs
        self.line = line


class Topic:
    def __init__(self, context, title, line):
        self.context = context
        self.title = title  # Shift-JIS bytes
        self.line = line
        self.paragraphs = []


class Book:
    """A heading of the contents; the topics after it are listed under it."""

    def __init__(self, title, line):
        self.title = title  # Shift-JIS bytes
        self.line = line


class HelpSource:
    def __init__(self):
        self.title = b""
        self.contents = None  # the contents topic, made from the outline
        self.outline = []     # Books and Topics in the order written
        self.path = ""

    def topics(self):
        return [entry for entry in self.outline if isinstance(entry, Topic)]


def context_hash(name):
    """The viewer's hash of a context name (letters in either case alike),
    as the signed 32-bit number its context map is sorted by."""
    value = 0
    for char in name.upper():
        if char.isdigit():
            code = 10 if char == "0" else ord(char) - ord("0")
        elif char == ".":
            code = 12
        elif char == "_":
            code = 13
        else:
            code = ord(char) - ord("A") + 17
        value = (value * 43 + code) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def parse_runs(text, path, line, links):
    """The runs of one line of text; links are noted for checking later."""
    runs, at = [], 0
    for match in LINK.finditer(text):
        if match.start() > at:
            runs.append(Run(encode(text[at:match.start()], path, line)))
        target = match["target"].strip()
        shown = match["text"]
        runs.append(Run(None if shown is None else encode(shown, path, line), target))
        links.append((target, line))
        at = match.end()
    rest = text[at:]
    if "[[" in rest or "]]" in rest:
        raise SourceError(path, line, "a link is not closed: write [[CONTEXT]] or [[CONTEXT|text]]")
    if rest:
        runs.append(Run(encode(rest, path, line)))
    return runs


def topic_header(argument, directive, path, line):
    parts = argument.split(None, 1)
    if not parts:
        raise SourceError(path, line, f"{directive} needs a context name and a title")
    context = parts[0]
    if not CONTEXT_NAME.match(context):
        raise SourceError(path, line, f"'{context}' is not a context name (letters, digits, '_', '.')")
    if len(parts) < 2 or not parts[1].strip():
        raise SourceError(path, line, f"topic {context} has no title")
    return Topic(context, encode(parts[1].strip(), path, line), line)


def read_help_source(path):
    """The help source at `path`, checked."""
    source = HelpSource()
    source.path = path
    topic = None
    links = []
    for line, raw in enumerate(read_utf8(path), 1):
        text = raw.strip()
        if not text or text.startswith("#") and not text.startswith("##"):
            continue
        if text.startswith("@"):
            directive, _, argument = text.partition(" ")
            argument = argument.strip()
            if directive == "@title":
                source.title = encode(argument, path, line)
            elif directive == "@contents":
                # Its text is the outline's list; nothing is written under it.
                source.contents = topic_header(argument, directive, path, line)
                topic = None
            elif directive == "@book":
                if not argument:
                    raise SourceError(path, line, "@book has no title")
                source.outline.append(Book(encode(argument, path, line), line))
                topic = None
            elif directive == "@topic":
                topic = topic_header(argument, directive, path, line)
                source.outline.append(topic)
            else:
                raise SourceError(path, line, f"unknown directive {directive}")
            continue
        if topic is None:
            raise SourceError(path, line, "text outside a topic: start one with @topic")
        if text.startswith("## "):
            kind, text = SUBHEAD, text[3:].strip()
        elif text.startswith("- "):
            kind, text = ITEM, text[2:].strip()
        else:
            kind = BODY
        topic.paragraphs.append(Paragraph(kind, parse_runs(text, path, line, links), line))
    check(source, links)
    return source


def check(source, links):
    path = source.path
    if source.contents is None:
        raise SourceError(path, 1, "no @contents line naming the contents topic")
    by_name, by_hash = {}, {}
    for topic in [source.contents] + source.topics():
        known = by_name.get(topic.context.upper())
        if known:
            raise SourceError(path, topic.line,
                              f"topic {topic.context} is written twice (first on line {known.line})")
        clash = by_hash.get(context_hash(topic.context))
        if clash:
            raise SourceError(path, topic.line,
                              f"context {topic.context} has the same hash as {clash.context}")
        by_name[topic.context.upper()] = by_hash[context_hash(topic.context)] = topic
    for target, line in links:
        if target.upper() not in by_name:
            raise SourceError(path, line, f"a link to '{target}', which is no topic")
    # A link without text shows the title of the topic it leads to.
    for topic in [source.contents] + source.topics():
        for paragraph in topic.paragraphs:
            for run in paragraph.runs:
                if run.target is not None:
                    run.target = by_name[run.target.upper()].context
                    if run.text is None:
                        run.text = by_name[run.target.upper()].title
