#!/usr/bin/env python3
"""Fails when a Windows program's PE header does not name the Windows
version that the README's "Supported systems:" line gives as the oldest
(its "(6.0)"), or the one the build was set to.

    check_pe_version.py README PROGRAM MAJOR.MINOR
"""

import re
import struct
import sys

SUPPORTED = re.compile(r"^Supported systems:.*?\((\d+)\.(\d+)\)", re.MULTILINE)


def readme_version(text):
    """The (major, minor) of the README's line, or None without one."""
    found = SUPPORTED.search(text)
    return (int(found[1]), int(found[2])) if found else None


def header_versions(image):
    """(operating-system version, subsystem version) of a PE image."""
    if image[:2] != b"MZ":
        raise ValueError("not a PE image (no MZ header)")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image (no PE signature)")
    optional = pe + 4 + 20
    # The same offsets in the PE32 and PE32+ optional headers.
    os_major, os_minor = struct.unpack_from("<HH", image, optional + 40)
    sub_major, sub_minor = struct.unpack_from("<HH", image, optional + 48)
    return (os_major, os_minor), (sub_major, sub_minor)


def main(readme, program, configured):
    with open(readme, encoding="utf-8") as text:
        stated = readme_version(text.read())
    if stated is None:
        print(f"{readme}: no 'Supported systems: ... (major.minor)' line")
        return 1
    wanted = tuple(int(part) for part in configured.split("."))
    if stated != wanted:
        print(f"{readme} says {stated[0]}.{stated[1]}, the build is set to {configured}")
        return 1
    with open(program, "rb") as image:
        os_version, subsystem = header_versions(image.read())
    for what, found in (("subsystem", subsystem), ("operating-system", os_version)):
        if found != stated:
            print(f"{program}: {what} version {found[0]}.{found[1]}, "
                  f"the README says {stated[0]}.{stated[1]}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
