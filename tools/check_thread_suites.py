#!/usr/bin/env python3
"""Fails when a native test starts a thread outside a GoogleTest suite whose
name ends in "Threads": the ThreadSanitizer run picks its tests by that
name, so a thread anywhere else would go unchecked.

    check_thread_suites.py FOLDER...    checks the .h and .cpp files below them

A thread belongs to the test or fixture written last above it, which is
the one that starts it in the usual layout of a test file.
"""

import os
import re
import sys

SUITE = re.compile(
    r"\bTEST(?:_F|_P)?\s*\(\s*(\w+)\s*,"
    r"|\b(?:class|struct)\s+(\w+)\s*(?:final\s*)?:\s*public\s+(?:::)?testing::Test")
THREAD = re.compile(r"\bstd::(?:thread|jthread|async)\b")
COMMENT = re.compile(r"//.*")


def threads_outside_suites(text):
    """(line, suite) for each thread started outside a Threads suite; suite
    is None where no test or fixture comes before it."""
    found, suite = [], None
    for number, line in enumerate(text.splitlines(), 1):
        code = COMMENT.sub("", line)
        for match in SUITE.finditer(code):
            suite = match[1] or match[2]
        if THREAD.search(code) and not (suite or "").endswith("Threads"):
            found.append((number, suite))
    return found


def main(folders):
    faults = 0
    for folder in folders:
        for root, _, names in os.walk(folder):
            for name in sorted(names):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as source:
                    for line, suite in threads_outside_suites(source.read()):
                        where = f"in {suite}" if suite else "outside any test"
                        print(f"{path}:{line}: a thread started {where}; "
                              "start threads only in suites named *Threads")
                        faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
