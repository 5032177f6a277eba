#!/usr/bin/env python3
"""Checks that statements written on one line convert as the same statements
on many lines do.

    check_lines.py VorlTool scratch-folder [emulator...]

gen_lines.py writes 20 MB of statements on 400,000 lines, and the same bytes
as one line; both convert with status 0 and nothing on standard error, in a
plain run and with --preprocess, and all four scripts are the same bytes,
with a block for every property list and string list. A cross build names
the program that runs VorlTool (wine, for the Windows build) after the
folder. Run by ctest; it takes a few seconds. bench/compare.py --parts lines
converts the same two files and shows the peak memory of each run.
"""

import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_lines  # noqa: E402

SIZE = 20 << 20
LINES = 400000


def write_twins(folder, size, lines):
    """The source on `lines` lines and on one line; returns their paths."""
    paths = []
    for one_line in (False, True):
        path = os.path.join(folder, "one_line.r" if one_line else "lines.r")
        with open(path, "wb") as out:
            gen_lines.generate(out, size, lines, one_line)
        paths.append(path)
    return paths


def main():
    tool, scratch = sys.argv[1:3]
    run_tool = sys.argv[3:] + [tool]
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    failures = []
    scripts = []
    for source in write_twins(scratch, SIZE, LINES):
        for options in ([], ["--preprocess"]):
            script = "%s%s.rc" % (source[:-2], "_pp" if options else "")
            result = subprocess.run(run_tool + options + [source, script], capture_output=True)
            name = " ".join(options + [os.path.basename(source)])
            if result.returncode != 0 or result.stderr:
                failures.append("%s: status %d, %s" % (name, result.returncode,
                                                        result.stderr.decode("latin-1")))
                continue
            with open(script, "rb") as text:
                scripts.append((name, text.read()))
    if not failures:
        first_name, first = scripts[0]
        for name, script in scripts[1:]:
            if script != first:
                failures.append("%s and %s differ" % (first_name, name))
        blocks = len(re.findall(rb"DISCARDABLE", first))
        with open(os.path.join(scratch, "lines.r"), "rb") as source:
            statements = len(re.findall(rb"resource '(Vorl|LStr)'", source.read()))
        if blocks != statements:
            failures.append("%d statements, %d blocks" % (statements, blocks))
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    shutil.rmtree(scratch, ignore_errors=True)
    print("check_lines: one line and %d lines give the same script, in both modes" % LINES)


if __name__ == "__main__":
    main()
