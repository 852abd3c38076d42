"""The help generator: a small source gives a help file whose internal file
system, topic text and context map read back as written, read the way the
viewer reads them; a broken link, a topic without a title and text that
Shift-JIS cannot hold are refused with the place."""

import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import make_help  # noqa: E402
from help_source import context_hash, read_help_source  # noqa: E402
from hlp_file import build_hlp  # noqa: E402
from sjis import SourceError  # noqa: E402

LONG_LINE = "長い段落の文章です。" * 20

SOURCE = f"""# A small help.
@title Test Help
@contents CONTENTS 目次
@topic START はじめに
Quorvantix の[[ICON]]と[[ICON|絵]]。
@book 操作
@topic ICON アイコン
## 三つの絵
- 動作中
""" + "".join(f"@topic LONG{n} 長い話 {n}\n{LONG_LINE}\n{LONG_LINE}\n" for n in range(6))


class HelpReader:
    """Reads a help file back: the directory, the internal files, and the
    topics by following the topic links from the first."""

    def __init__(self, data):
        magic, directory, _, size = struct.unpack_from("<IiiI", data, 0)
        assert magic == 0x00035F3F and size == len(data)
        self.data = data
        self.files = {name.decode("ascii"): self.internal_file(offset)
                      for name, offset in self.btree(self.internal_file(directory), self.dir_entry)}

    def internal_file(self, offset):
        reserved, used = struct.unpack_from("<II", self.data, offset)
        assert reserved == used + 9
        return self.data[offset + 9:offset + 9 + used]

    @staticmethod
    def dir_entry(page, at):
        end = page.index(b"\0", at)
        return (page[at:end], struct.unpack_from("<I", page, end + 1)[0]), end + 5

    @staticmethod
    def btree(tree, read_entry):
        magic, _, page_size = struct.unpack_from("<HHH", tree, 0)
        root, _, _, levels, count = struct.unpack_from("<hhhhi", tree, 26)
        assert magic == 0x293B and levels == 1
        page = tree[38 + root * page_size:38 + (root + 1) * page_size]
        entries, at = [], 8
        for _ in range(struct.unpack_from("<h", page, 2)[0]):
            entry, at = read_entry(page, at)
            entries.append(entry)
        assert len(entries) == count
        return entries

    def system(self):
        data = self.files["|SYSTEM"]
        assert struct.unpack_from("<HHH", data, 0) == (0x036C, 33, 1)
        records, at = {}, 12
        while at < len(data):
            kind, size = struct.unpack_from("<HH", data, at)
            records[kind] = data[at + 4:at + 4 + size]
            at += 4 + size
        return records

    def contexts(self):
        return dict(self.btree(self.files["|CONTEXT"],
                               lambda page, at: (struct.unpack_from("<iI", page, at), at + 8)))

    def topics(self):
        """(offset, title, browse back, browse forward, paragraphs) of each
        topic; a paragraph is a list of (text, link hash or None)."""
        blocks = self.files["|TOPIC"]
        topics, pos, block_seen, characters = [], 12, -1, 0
        while pos != 0xFFFFFFFF:
            block, at = (pos - 12) >> 14, (pos - 12) & 0x3FFF
            start = block * 4096 + 12 + at
            size, len2, _, pos, len1, kind = struct.unpack_from("<5IB", blocks, start)
            data1 = blocks[start + 21:start + len1]
            data2 = blocks[start + len1:start + size]
            assert len(data2) == len2 and start + size <= block * 4096 + 4096
            if block != block_seen:
                block_seen, characters = block, 0
            if kind == 2:
                if data2:
                    back, forward = struct.unpack_from("<II", data1, 4)
                    topics.append((block * 0x8000 + characters, data2.decode("cp932"),
                                   back, forward, []))
            else:
                topics[-1][4].append(self.paragraph(data1, data2))
                characters += len2
        return topics

    @staticmethod
    def paragraph(data1, data2):
        at = 2 if data1[0] % 2 == 0 else 4              # the record's size
        at += 1 if data1[at] % 2 == 0 else 2            # its text length
        assert data1[at:at + 2] == b"\x00\x80"
        flags = struct.unpack_from("<H", data1, at + 4)[0]
        at += 6
        for bit in (0x02, 0x04, 0x08, 0x10, 0x20, 0x40):
            if flags & bit:
                at += 1 if data1[at] % 2 == 0 else 2
        strings = data2.split(b"\0")
        runs, link, text = [], None, strings.pop(0)
        while True:
            command = data1[at]
            if text:
                runs.append((text.decode("cp932"), link))
            if command == 0xFF:
                return runs
            if command == 0x80:
                at += 3
            elif command == 0xE3:
                link = struct.unpack_from("<i", data1, at + 1)[0]
                at += 5
            elif command == 0x89:
                link, at = None, at + 1
            else:
                assert command == 0x82
                at += 1
            text = strings.pop(0)


class Folder:
    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()

    def write(self, text):
        path = os.path.join(self.folder.name, "help.txt")
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        return path


class HelpFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = Folder()
        source = read_help_source(cls.folder.write(SOURCE))
        cls.reader = HelpReader(build_hlp(source, b"TEST.cnt"))
        cls.cnt = make_help.contents_file(source, b"TEST.hlp")

    @classmethod
    def tearDownClass(cls):
        cls.folder.folder.cleanup()

    def test_internal_files_and_system_records(self):
        self.assertEqual(sorted(self.reader.files),
                         ["|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC", "|TTLBTREE"])
        system = self.reader.system()
        self.assertEqual(system[1], b"Test Help\0")
        self.assertEqual(system[4], b"BrowseButtons()\0")
        self.assertEqual(system[10], b"TEST.cnt\0")
        self.assertEqual(system[11][0], 128)  # the Japanese character set
        first = self.reader.topics()[0][0]
        self.assertEqual(struct.unpack("<I", system[3])[0], first)

    def test_topics_read_back_as_written_with_the_contents_topic_first(self):
        topics = self.reader.topics()
        self.assertEqual([title for _, title, _, _, _ in topics],
                         ["目次", "はじめに", "アイコン"] + [f"長い話 {n}" for n in range(6)])
        contents, start, icon = (paragraphs for _, _, _, _, paragraphs in topics[:3])
        self.assertEqual(contents, [[("目次", None)],
                                    [("はじめに", context_hash("START"))],
                                    [("操作", None)],
                                    [("アイコン", context_hash("ICON"))]]
                         + [[(f"長い話 {n}", context_hash(f"LONG{n}"))] for n in range(6)])
        self.assertEqual(start, [[("はじめに", None)],
                                 [("Quorvantix の", None), ("アイコン", context_hash("ICON")),
                                  ("と", None), ("絵", context_hash("ICON")), ("。", None)]])
        self.assertEqual(icon, [[("アイコン", None)], [("三つの絵", None)], [("・動作中", None)]])
        self.assertEqual(topics[-1][4][1:], [[(LONG_LINE, None)]] * 2)

    def test_context_map_and_browse_sequence_lead_to_the_topics_read(self):
        topics = self.reader.topics()
        offsets = [offset for offset, _, _, _, _ in topics]
        self.assertGreater(offsets[-1] >> 15, 0, "the long topics should fill a second block")
        names = ["CONTENTS", "START", "ICON"] + [f"LONG{n}" for n in range(6)]
        self.assertEqual(self.reader.contexts(),
                         {context_hash(name): offset for name, offset in zip(names, offsets)})
        self.assertEqual([(back, forward) for _, _, back, forward, _ in topics],
                         list(zip([0xFFFFFFFF] + offsets[:-1], offsets[1:] + [0xFFFFFFFF])))

    def test_contents_file_lists_books_and_topics(self):
        self.assertEqual(self.cnt.decode("cp932").split("\r\n"),
                         [":Base TEST.hlp", ":Title Test Help", "1 はじめに=START", "1 操作",
                          "2 アイコン=ICON"] + [f"2 長い話 {n}=LONG{n}" for n in range(6)] + [""])


class Refusals(unittest.TestCase):
    def test_faults_are_refused_with_the_place(self):
        header = "@title T\n@contents CONTENTS 目次\n@topic A 見出し\n"
        cases = [
            (header + "本文\n[[MISSING]]を見る\n", 5, "a link to 'MISSING'"),
            (header + "@topic B\n", 4, "topic B has no title"),
            (header + "本文\n\nユーロ€\n", 6, "U+20AC"),
            (header + "@topic a 二度目\n", 4, "written twice"),
            ("@title T\n本文\n", 2, "text outside a topic"),
        ]
        folder = Folder()
        for text, line, words in cases:
            with self.subTest(text=text):
                path = folder.write(text)
                with self.assertRaises(SourceError) as refusal:
                    read_help_source(path)
                self.assertEqual((refusal.exception.path, refusal.exception.line), (path, line))
                self.assertIn(words, str(refusal.exception))


if __name__ == "__main__":
    unittest.main()
