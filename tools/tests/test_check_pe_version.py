"""The PE version check: the README's line, a program's header, and the
build's setting must all name one Windows version."""

import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import check_pe_version  # noqa: E402


def image(os_version, subsystem, pe32_plus=False):
    """The first bytes of a PE image with the given header versions."""
    data = bytearray(0x200)
    data[:2] = b"MZ"
    struct.pack_into("<I", data, 0x3C, 0x80)
    data[0x80:0x84] = b"PE\0\0"
    optional = 0x80 + 4 + 20
    struct.pack_into("<H", data, optional, 0x20B if pe32_plus else 0x10B)
    struct.pack_into("<HH", data, optional + 40, *os_version)
    struct.pack_into("<HH", data, optional + 48, *subsystem)
    return bytes(data)


class PeVersion(unittest.TestCase):
    def run_check(self, readme, program, configured="6.0"):
        with tempfile.TemporaryDirectory() as folder:
            paths = [os.path.join(folder, name) for name in ("README.md", "a.exe")]
            with open(paths[0], "w", encoding="utf-8") as out:
                out.write(readme)
            with open(paths[1], "wb") as out:
                out.write(program)
            return check_pe_version.main(paths[0], paths[1], configured)

    def test_agreement_passes_for_both_image_kinds(self):
        line = "# X\n\nSupported systems: Windows Vista (6.0) and later.\n"
        self.assertEqual(self.run_check(line, image((6, 0), (6, 0))), 0)
        self.assertEqual(self.run_check(line, image((6, 0), (6, 0), pe32_plus=True)), 0)

    def test_any_disagreement_fails(self):
        line = "Supported systems: Windows Vista (6.0) and later.\n"
        self.assertEqual(self.run_check(line, image((6, 0), (5, 2))), 1)
        self.assertEqual(self.run_check(line, image((4, 0), (6, 0))), 1)
        self.assertEqual(self.run_check(line, image((6, 0), (6, 0)), "6.1"), 1)
        self.assertEqual(self.run_check("Runs on Windows.\n", image((6, 0), (6, 0))), 1)


if __name__ == "__main__":
    unittest.main()
