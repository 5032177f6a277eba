#!/usr/bin/env python3
"""Checks that the benchmark's generated inputs are what the benchmark needs.

    check_inputs.py VorlTool keywords.def scratch-folder [emulator...]

For two seeds, in English and in Japanese: the generated file converts with
status 0 and nothing on standard error, every property-list and string-list
statement becomes a block, and every property keyword of the keyword table
is used. The same seed gives the same bytes twice. A cross build names the
program that runs VorlTool (wine, for the Windows build) after the folder. Run by ctest; it takes a
fraction of a second.
"""

import io
import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_input  # noqa: E402

SIZE = 32 << 10  # holds the first eight plug-ins, so every property


def main():
    tool, keywords, scratch = sys.argv[1:4]
    run_tool = sys.argv[4:] + [tool]
    os.makedirs(scratch, exist_ok=True)
    with open(keywords) as table:
        properties = re.findall(r"^PROPERTY\((\w+),", table.read(), re.M)
    failures = []
    for seed in (1, 2):
        for japanese in (False, True):
            name = "plugins_%d%s.r" % (seed, "_JAPANESE" if japanese else "")
            source = os.path.join(scratch, name)
            text = io.BytesIO()
            gen_input.generate(text, SIZE, seed, japanese)
            with open(source, "wb") as out:
                out.write(text.getvalue())
            script = source[:-2] + ".rc"
            result = subprocess.run(run_tool + [source, script], capture_output=True)
            if result.returncode != 0 or result.stderr:
                failures.append("%s: status %d, %s" % (name, result.returncode,
                                                        result.stderr.decode("latin-1")))
                continue
            given = text.getvalue().decode("latin-1")
            written = open(script, encoding="latin-1").read()
            for kind, block in (("'Vorl'|'TzAv'", r"^-?\d+  (Vorl|TzAv)  DISCARDABLE$"),
                                ("'LStr'", r"^-?\d+\tLStr\tDISCARDABLE$")):
                statements = len(re.findall(r"^(resource|data) (%s)" % kind, given, re.M))
                blocks = len(re.findall(block, written, re.M))
                if statements != blocks:
                    failures.append("%s: %d %s statements, %d blocks"
                                    % (name, statements, kind, blocks))
            missing = [p for p in properties if not re.search(r"\b%s \{" % p, given)]
            if missing:
                failures.append("%s: no %s" % (name, ", ".join(missing)))
    again = io.BytesIO()
    gen_input.generate(again, SIZE, 1, False)
    with open(os.path.join(scratch, "plugins_1.r"), "rb") as first:
        if first.read() != again.getvalue():
            failures.append("seed 1 gave different bytes the second time")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main()
