"""The text-table tool refuses what it cannot turn into Shift-JIS or into a
name, with the place; text files come out as Shift-JIS with CR LF."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import texts  # noqa: E402
from sjis import SourceError  # noqa: E402


class Folder:
    """A temporary folder to write sources into."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()

    def write(self, name, text):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8", newline="") as out:
            out.write(text)
        return path


class TableRefusals(unittest.TestCase):
    def refused(self, table, files=()):
        folder = Folder()
        for name, text in files:
            folder.write(name, text)
        with self.assertRaises(SourceError) as refusal:
            texts.read_table(folder.write("t.txt", table))
        return refusal.exception

    def test_each_fault_is_named_with_its_file_and_line(self):
        cases = [
            ("kOk = はい\nkBad = 😀\n", "t.txt", 2, "U+1F600"),
            ("kA = 1\n\nkA = 2\n", "t.txt", 3, "given twice (first on line 1)"),
            ("9lives = x\n", "t.txt", 1, "'9lives' is not a name"),
            ("kNoValue\n", "t.txt", 1, "expected 'name = text'"),
            ("kEscape = a\\qb\n", "t.txt", 1, "unknown escape"),
            ("kMissing < nowhere.txt\n", "t.txt", 1, "no file"),
            ("# c\nkWhole < w.txt\n", "w.txt", 2, "'é' (U+00E9)"),
        ]
        for table, path, line, words in cases:
            with self.subTest(table=table):
                fault = self.refused(table, [("w.txt", "ok\ncafé\n")])
                self.assertEqual((os.path.basename(fault.path), fault.line), (path, line))
                self.assertIn(words, str(fault))


class TextFiles(unittest.TestCase):
    def test_lines_end_with_cr_lf_and_placeholders_are_filled(self):
        folder = Folder()
        source = folder.write("r.txt", "版 @VERSION@\n\nend")
        self.assertEqual(texts.text_file(source, {"VERSION": "1.7"}),
                         "版 1.7".encode("cp932") + b"\r\n\r\nend\r\n")

    def test_a_placeholder_without_a_value_and_unencodable_text_are_refused(self):
        folder = Folder()
        for text, words in [("a\n@VERSON@\n", "no value for @VERSON@"), ("a\n€\n", "U+20AC")]:
            with self.subTest(text=text):
                with self.assertRaises(SourceError) as refusal:
                    texts.text_file(folder.write("r.txt", text), {"VERSION": "1.7"})
                self.assertEqual(refusal.exception.line, 2)
                self.assertIn(words, str(refusal.exception))


class ResourceScriptTexts(unittest.TestCase):
    def test_texts_stay_utf8_with_escapes_and_whole_files_are_left_out(self):
        folder = Folder()
        folder.write("f.txt", "whole\n")
        table = folder.write("t.txt", "kTwo = 二行\\nです \\\\ 終\nkFile < f.txt\n")
        entries, _ = texts.read_table(table)
        self.assertEqual(texts.rc_header_text(entries, "t.txt", table).splitlines()[1:],
                         ['#define QV_TEXT_kTwo "二行\\nです \\\\ 終"'])

    def test_a_quote_is_refused_with_its_line(self):
        folder = Folder()
        table = folder.write("t.txt", "kOk = a\nkQuote = say \"hi\"\n")
        entries, _ = texts.read_table(table)
        with self.assertRaises(SourceError) as refusal:
            texts.rc_header_text(entries, "t.txt", table)
        self.assertEqual(refusal.exception.line, 2)


if __name__ == "__main__":
    unittest.main()
