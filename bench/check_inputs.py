#!/usr/bin/env python3
"""Checks that the benchmark's generated inputs are what the benchmark needs.

    check_inputs.py VorlTool keywords.def scratch-folder [emulator...]

For two seeds, in English and in Japanese: the generated file converts with
status 0 and nothing on standard error, every property-list and string-list
statement becomes a block, and every property keyword of the keyword table
is used. The same seed gives the same bytes twice. A cross build names the
program that runs VorlTool (wine, for the Windows build) after the folder. Run by ctest; it takes a
fraction of a second.

The macro-heavy input of gen_macros.py, for two seeds (one read as a 64-bit
build, with _WIN64 defined), goes through the C preprocessor, `cc -E -P
-undef` with VorlTool's predefined macros and its include folder; the text
it gives converts in a plain run as above, a block for every statement.
The same seed gives the same bytes twice there too. Where no C compiler
(cc) is on PATH, this part is skipped with a note, the rest still runs, and
the script exits 77 (skipped) unless the rest failed.
"""

import io
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_input  # noqa: E402
import gen_macros  # noqa: E402

SIZE = 32 << 10  # holds the first eight plug-ins, so every property


STATEMENTS = (("'Vorl'|'TzAv'", r"^-?\d+  (Vorl|TzAv)  DISCARDABLE$"),
              ("'LStr'", r"^-?\d+\tLStr\tDISCARDABLE$"))


def convert(run_tool, name, source, given, failures):
    """Converts `source` in a plain run; adds to `failures` what went wrong,
    or a count of blocks that differs from the statements in the text
    `given`. False when the run failed."""
    script = source[:-2] + ".rc"
    result = subprocess.run(run_tool + [source, script], capture_output=True)
    if result.returncode != 0 or result.stderr:
        failures.append("%s: status %d, %s" % (name, result.returncode,
                                                result.stderr.decode("latin-1")))
        return False
    written = open(script, encoding="latin-1").read()
    for kind, block in STATEMENTS:
        statements = len(re.findall(r"^(resource|data) (%s)" % kind, given, re.M))
        blocks = len(re.findall(block, written, re.M))
        if statements != blocks:
            failures.append("%s: %d %s statements, %d blocks"
                            % (name, statements, kind, blocks))
    return True


def read_tree(folder):
    """Every file under `folder`, by its path relative to it, with its bytes."""
    files = {}
    for where, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(where, name)
            with open(path, "rb") as data:
                files[os.path.relpath(path, folder)] = data.read()
    return files


def check_macro_heavy(run_tool, scratch, failures):
    """The macro-heavy input, through cc -E and then a plain run. False when
    it could not be checked."""
    cc = shutil.which("cc")
    if cc is None:
        print("check_inputs: no C compiler (cc) on PATH: the macro-heavy input is not"
              " checked; skipped")
        return False
    for seed, defines in ((1, []), (2, ["-D_WIN64=1"])):
        name = "macros_%d" % seed
        folder = os.path.join(scratch, name)
        shutil.rmtree(folder, ignore_errors=True)
        main = gen_macros.generate(folder, SIZE, seed)
        flat = os.path.join(scratch, name + "_flat.r")
        result = subprocess.run(gen_macros.cc_command(cc, folder, main, flat, defines),
                                capture_output=True)
        if result.returncode != 0:
            failures.append("%s: cc -E: status %d, %s" % (name, result.returncode,
                                                         result.stderr.decode("latin-1")))
            continue
        with open(main, encoding="latin-1") as text:
            convert(run_tool, name + " after cc -E", flat, text.read(), failures)
    again = os.path.join(scratch, "macros_1_again")
    shutil.rmtree(again, ignore_errors=True)
    gen_macros.generate(again, SIZE, 1)
    if read_tree(again) != read_tree(os.path.join(scratch, "macros_1")):
        failures.append("the macro-heavy input of seed 1 gave different bytes the second time")
    return True


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
            given = text.getvalue().decode("latin-1")
            if not convert(run_tool, name, source, given, failures):
                continue
            missing = [p for p in properties if not re.search(r"\b%s \{" % p, given)]
            if missing:
                failures.append("%s: no %s" % (name, ", ".join(missing)))
    again = io.BytesIO()
    gen_input.generate(again, SIZE, 1, False)
    with open(os.path.join(scratch, "plugins_1.r"), "rb") as first:
        if first.read() != again.getvalue():
            failures.append("seed 1 gave different bytes the second time")
    checked = check_macro_heavy(run_tool, scratch, failures)
    if failures:
        sys.exit("\n".join(failures))
    if not checked:
        sys.exit(77)


if __name__ == "__main__":
    main()
