#!/usr/bin/env python3
"""Checks a distribution archive as a user would get it: unpacks it and
fails, naming each fault, unless it holds exactly the files named, each the
same as in the distribution folder it was made from; the programs are
stripped PE images for the machine given, each with a debug link to its
debug file in the debug folder; the texts are Shift-JIS with CR LF line
ends; the help file is one.

    check_package.py --zip ZIP --folder DIR --debug DIR --machine i686|x86_64
                     --unpack-into DIR FILE...
"""

import argparse
import os
import shutil
import struct
import sys
import zipfile
import zlib

MACHINES = {"i686": 0x014C, "x86_64": 0x8664}
TEXT_ENDINGS = (".txt", ".cnt")
HELP_MAGIC = b"\x3f\x5f\x03\x00"


def name_faults(names, expected):
    """What is wrong with an archive's list of names against the expected."""
    faults = [f"{name}: a folder in the archive" for name in names if name.endswith("/")]
    files = [name for name in names if not name.endswith("/")]
    faults += [f"{name}: in the archive twice" for name in sorted(set(files)) if files.count(name) > 1]
    faults += [f"{name}: missing from the archive" for name in expected if name not in files]
    faults += [f"{name}: in the archive but not in the list" for name in sorted(set(files) - set(expected))]
    return faults


def pe_sections(image):
    """(machine, number of symbols, {section name: contents}) of a PE image."""
    if image[:2] != b"MZ" or len(image) < 0x40:
        raise ValueError("not a PE image (no MZ header)")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image (no PE signature)")
    machine, count, _, symbols_at, symbols, optional_size, _ = struct.unpack_from("<HHIIIHH", image, pe + 4)
    strings_at = symbols_at + symbols * 18
    sections = {}
    header = pe + 24 + optional_size
    for index in range(count):
        raw_name, virtual_size, _, raw_size, raw_at = struct.unpack_from("<8sIIII", image, header + 40 * index)
        name = raw_name.rstrip(b"\0").decode("latin-1")
        if name.startswith("/") and name[1:].isdigit() and symbols_at:
            # A longer name lies in the string table after the symbols.
            start = strings_at + int(name[1:])
            name = image[start:image.index(b"\0", start)].decode("latin-1")
        size = virtual_size if 0 < virtual_size <= raw_size else raw_size
        sections[name] = image[raw_at:raw_at + size]
    return machine, symbols, sections


def program_faults(name, image, machine, debug_dir):
    """What keeps `image` from being a stripped program for `machine` whose
    debug information is in `debug_dir`."""
    try:
        found, symbols, sections = pe_sections(image)
    except (ValueError, struct.error) as fault:
        return [f"{name}: {fault}"]
    faults = []
    if found != MACHINES[machine]:
        faults.append(f"{name}: machine 0x{found:04x}, not {machine} (0x{MACHINES[machine]:04x})")
    if symbols:
        faults.append(f"{name}: not stripped ({symbols} symbols)")
    debug = sorted(section for section in sections if section.startswith((".debug", ".zdebug")))
    if debug:
        faults.append(f"{name}: not stripped (sections {', '.join(debug)})")
    link = sections.get(".gnu_debuglink")
    if link is None or b"\0" not in link:
        return faults + [f"{name}: no debug link"]
    target = link[:link.index(b"\0")].decode("latin-1")
    crc_at = (len(target) + 1 + 3) // 4 * 4
    if len(link) < crc_at + 4:
        return faults + [f"{name}: debug link without a checksum"]
    (crc,) = struct.unpack_from("<I", link, crc_at)
    path = os.path.join(debug_dir, target)
    if not os.path.isfile(path):
        return faults + [f"{name}: its debug file {target} is not in {debug_dir}"]
    with open(path, "rb") as debug_file:
        if zlib.crc32(debug_file.read()) != crc:
            faults.append(f"{name}: {target} is not the debug file it was stripped of")
    return faults


def text_faults(name, data):
    """What keeps `data` from being a Shift-JIS text with CR LF line ends."""
    try:
        data.decode("cp932")
    except UnicodeDecodeError as fault:
        return [f"{name}: not Shift-JIS at byte {fault.start}"]
    faults = []
    if not data.isascii():
        try:
            data.decode("utf-8")
            faults.append(f"{name}: UTF-8, not Shift-JIS")
        except UnicodeDecodeError:
            pass
    lone_lf = data.replace(b"\r\n", b"").count(b"\n")
    lone_cr = data.replace(b"\r\n", b"").count(b"\r")
    if lone_lf or lone_cr or b"\r\n" not in data:
        faults.append(f"{name}: line ends other than CR LF")
    return faults


def file_faults(name, data, machine, debug_dir):
    if name.lower().endswith(".exe"):
        return program_faults(name, data, machine, debug_dir)
    if name.lower().endswith(TEXT_ENDINGS):
        return text_faults(name, data)
    if name.lower().endswith(".hlp") and not data.startswith(HELP_MAGIC):
        return [f"{name}: not a help file"]
    return []


def check(args):
    with zipfile.ZipFile(args.zip) as archive:
        faults = name_faults(archive.namelist(), args.files)
        shutil.rmtree(args.unpack_into, ignore_errors=True)
        archive.extractall(args.unpack_into)
    for name in args.files:
        unpacked = os.path.join(args.unpack_into, name)
        if not os.path.isfile(unpacked):
            continue
        with open(unpacked, "rb") as data_file:
            data = data_file.read()
        original = os.path.join(args.folder, name)
        if not os.path.isfile(original):
            faults.append(f"{name}: not in the distribution folder {args.folder}")
        else:
            with open(original, "rb") as original_file:
                if original_file.read() != data:
                    faults.append(f"{name}: differs from the distribution folder's")
        faults += file_faults(name, data, args.machine, args.debug)
    return faults


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--zip", required=True)
    parser.add_argument("--folder", required=True)
    parser.add_argument("--debug", required=True)
    parser.add_argument("--machine", required=True, choices=sorted(MACHINES))
    parser.add_argument("--unpack-into", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args(argv)
    faults = check(args)
    for fault in faults:
        print(fault)
    print(f"{args.zip}: {len(args.files)} files, {'FAILED' if faults else 'good'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
