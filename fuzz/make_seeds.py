#!/usr/bin/env python3
"""Writes the seeds of the conversion fuzzer: every golden input and every
shipped example, in the layout that fuzz/convert_fuzz.cpp reads.

    make_seeds.py CASES EXAMPLES OUTPUT

Each .r file under a case folder of CASES, and under EXAMPLES, becomes one
seed: the language its name chooses, the dependency-file bit when its case
sets VORLTOOL_DEPFILE, the file itself, and the first header of its folder
(by name) as the included file, which the seed's main file then names a.h.
"""

import os
import sys

# The name suffixes in the order of the fuzzer's language choices.
SUFFIXES = ["", "_JAPANESE", "_KOREAN", "_FRENCH", "_GERMAN", "_SPANISH", "_ITALIAN"]
DEPENDENCY_FILE_BIT = 8


def language(name):
    stem = os.path.splitext(os.path.basename(name))[0].upper()
    for index, suffix in enumerate(SUFFIXES):
        if suffix and stem.endswith(suffix):
            return index
    return 0


def files_under(folder, extension):
    found = []
    for top, _, names in os.walk(folder):
        found += [os.path.join(top, n) for n in names if n.endswith(extension)]
    return sorted(found)


def seed(main_path, folder, header_path, control):
    with open(main_path, "rb") as f:
        main = f.read()
    header = b""
    if header_path:
        with open(header_path, "rb") as f:
            header = f.read()
        named = os.path.relpath(header_path, folder).replace(os.sep, "/").encode()
        main = main.replace(b'"' + named + b'"', b'"a.h"')
    main = main[:0xFFFF]
    control |= language(main_path)
    return bytes([control, len(main) & 0xFF, len(main) >> 8]) + main + header


def main():
    cases, examples, output = sys.argv[1:4]
    os.makedirs(output, exist_ok=True)
    # (name, folder, inputs, headers, control): a case folder with everything
    # below it, and each folder of the examples on its own.
    groups = []
    for case in sorted(os.listdir(cases)):
        folder = os.path.join(cases, case)
        env = os.path.join(folder, "env")
        control = 0
        if os.path.exists(env):
            with open(env, "rb") as f:
                if b"VORLTOOL_DEPFILE=" in f.read():
                    control = DEPENDENCY_FILE_BIT
        groups.append((case, folder, files_under(folder, ".r"), files_under(folder, ".h"),
                       control))
    for top, _, names in sorted(os.walk(examples)):
        relative = os.path.relpath(top, examples)
        label = "examples" if relative == "." else "examples-" + relative.replace(os.sep, "-")
        groups.append((label, top, [os.path.join(top, n) for n in sorted(names) if n.endswith(".r")],
                       [os.path.join(top, n) for n in sorted(names) if n.endswith(".h")], 0))
    count = 0
    for label, folder, inputs, headers, control in groups:
        for path in inputs:
            name = label + "--" + os.path.relpath(path, folder).replace(os.sep, "-")
            with open(os.path.join(output, name), "wb") as f:
                f.write(seed(path, folder, headers[0] if headers else None, control))
            count += 1
    print("make_seeds: %d seeds in %s" % (count, output))


if __name__ == "__main__":
    main()
