"""The package check against small made-up packages: each fault it exists
to catch is caught, and a good package passes."""

import os
import struct
import tempfile
import unittest
import zipfile
import zlib

import check_package


def pe_image(machine=0x8664, sections=(), symbols=0):
    """A PE image with the named sections; names over eight bytes go to the
    string table after the symbols, as the linker writes them."""
    strings = b""
    headers = b""
    data = b""
    first_data = 0x40 + 24 + 40 * len(sections)
    for name, contents in sections:
        raw = name.encode()
        if len(raw) > 8:
            raw = f"/{4 + len(strings)}".encode()
            strings += name.encode() + b"\0"
        headers += struct.pack("<8sIIII", raw, len(contents), 0, len(contents), first_data + len(data))
        headers += b"\0" * 16
        data += contents
    symbols_at = first_data + len(data)
    table = b"\0" * (18 * symbols) + struct.pack("<I", 4 + len(strings)) + strings
    mz = b"MZ" + b"\0" * 0x3A + struct.pack("<I", 0x40)
    coff = b"PE\0\0" + struct.pack("<HHIIIHH", machine, len(sections), 0, symbols_at, symbols, 0, 0)
    return mz + coff + headers + data + table


def debug_link(target, debug_bytes):
    name = target.encode() + b"\0"
    name += b"\0" * (-len(name) % 4)
    return name + struct.pack("<I", zlib.crc32(debug_bytes))


class Package:
    """A distribution folder, its debug folder and its archive, in a
    temporary folder."""

    def __init__(self, root):
        self.root = root
        self.folder = os.path.join(root, "dist")
        self.debug = os.path.join(root, "debug")
        os.makedirs(self.folder)
        os.makedirs(self.debug)
        self.debug_bytes = b"debug information"
        with open(os.path.join(self.debug, "setup.debug"), "wb") as out:
            out.write(self.debug_bytes)
        self.files = {
            "setup.exe": pe_image(sections=[(".text", b"\xc3"),
                                            (".gnu_debuglink", debug_link("setup.debug", self.debug_bytes))]),
            "QUORVNTX.hlp": check_package.HELP_MAGIC + b"\0" * 12,
            "ReadMe.txt": "読んでください\r\nver 1.7\r\n".encode("cp932"),
        }

    def check(self, machine="x86_64", archive_names=None, change=None):
        with zipfile.ZipFile(os.path.join(self.root, "p.zip"), "w") as archive:
            for name, data in self.files.items():
                with open(os.path.join(self.folder, name), "wb") as out:
                    out.write(data)
                if archive_names is None or name in archive_names:
                    archive.writestr(name, change(name, data) if change else data)
            for name in archive_names or ():
                if name not in self.files:
                    archive.writestr(name, b"")
        args = check_package.argparse.Namespace(
            zip=os.path.join(self.root, "p.zip"), folder=self.folder, debug=self.debug, machine=machine,
            unpack_into=os.path.join(self.root, "unpacked"), files=list(self.files))
        return check_package.check(args)


class CheckPackageTest(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.package = Package(self.temp.name)

    def tearDown(self):
        self.temp.cleanup()

    def test_a_good_package_passes(self):
        self.assertEqual(self.package.check(), [])

    def test_missing_and_extra_files_are_named(self):
        faults = self.package.check(archive_names=["setup.exe", "ReadMe.txt", "Extra.txt", "docs/"])
        self.assertIn("QUORVNTX.hlp: missing from the archive", faults)
        self.assertIn("Extra.txt: in the archive but not in the list", faults)
        self.assertIn("docs/: a folder in the archive", faults)

    def test_an_archive_other_than_the_folder_is_refused(self):
        faults = self.package.check(change=lambda name, data: data + b"x" if name == "QUORVNTX.hlp" else data)
        self.assertEqual(faults, ["QUORVNTX.hlp: differs from the distribution folder's"])

    def test_a_program_for_another_machine_is_refused(self):
        self.assertEqual(self.package.check(machine="i686"),
                         ["setup.exe: machine 0x8664, not i686 (0x014c)"])

    def test_symbols_and_debug_sections_under_long_names_are_found(self):
        link = debug_link("setup.debug", self.package.debug_bytes)
        self.package.files["setup.exe"] = pe_image(
            symbols=3, sections=[(".text", b"\xc3"), (".debug_info", b"\1\2"), (".gnu_debuglink", link)])
        self.assertEqual(self.package.check(), ["setup.exe: not stripped (3 symbols)",
                                                "setup.exe: not stripped (sections .debug_info)"])

    def test_a_missing_link_or_a_stale_debug_file_is_refused(self):
        self.package.files["setup.exe"] = pe_image(sections=[(".text", b"\xc3")])
        self.assertEqual(self.package.check(), ["setup.exe: no debug link"])
        self.package.files["setup.exe"] = pe_image(
            sections=[(".gnu_debuglink", debug_link("setup.debug", b"an older build"))])
        self.assertEqual(self.package.check(), ["setup.exe: setup.debug is not the debug file it was stripped of"])

    def test_texts_in_utf8_or_with_bare_line_feeds_are_refused(self):
        self.package.files["ReadMe.txt"] = "読んでください\r\n".encode("utf-8")
        self.assertEqual(self.package.check(), ["ReadMe.txt: UTF-8, not Shift-JIS"])
        self.package.files["ReadMe.txt"] = "読んで\r\nください\n".encode("cp932")
        self.assertEqual(self.package.check(), ["ReadMe.txt: line ends other than CR LF"])
        self.package.files["ReadMe.txt"] = b"\x81"
        self.assertEqual(self.package.check(), ["ReadMe.txt: not Shift-JIS at byte 0"])


if __name__ == "__main__":
    unittest.main()
