#!/usr/bin/env python3
"""Writes the seeds of the conversion fuzzer: every golden input and every
shipped example, in the layout that fuzz/convert_fuzz.cpp reads, and
sources made by the preprocessing oracle's two generators.

    make_seeds.py CASES EXAMPLES OUTPUT [ORACLE]

Each .r file under a case folder of CASES, and under EXAMPLES, becomes one
seed: the language its name chooses, the dependency-file bit when its case
sets VORLTOOL_DEPFILE, the file itself, and the first header of its folder
(by name) as the included file, which the seed's main file then names a.h.
Each becomes a second seed read with options (one of the fuzzer's sets by
turns; its header, if any, in the folder found through -I). ORACLE, the
oracle's script (tests/pp/oracle.py), adds sources full of conditional
groups, #if expressions and macros, and sources that use macros as C headers
write them, read with options, their first header as the included file.
Sources with long lines and long strings are made here too, read both ways:
statements on one line of thousands of bytes, a line comment with statements
in its tail, strings of hundreds and of tens of thousands of bytes.
"""

import importlib
import os
import random
import sys

# The name suffixes in the order of the fuzzer's language choices.
SUFFIXES = ["", "_JAPANESE", "_KOREAN", "_FRENCH", "_GERMAN", "_SPANISH", "_ITALIAN"]
DEPENDENCY_FILE_BIT = 8
OPTION_SET_SHIFT = 4  # bits 4-5: 1 to 3 name a set of options, 0 reads plainly
INCLUDE_FOLDER_BIT = 0x40
ORACLE_SEEDS = 24


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
        # Named by its path in the folder, or (found through -I) by its name.
        named = os.path.relpath(header_path, folder).replace(os.sep, "/").encode()
        base = os.path.basename(header_path).encode()
        for old, new in ((b'"' + named + b'"', b'"a.h"'), (b'"' + base + b'"', b'"a.h"'),
                         (b"<" + base + b">", b"<a.h>")):
            main = main.replace(old, new)
    return layout(control | language(main_path), main, header)


def layout(control, main, header):
    main = main[:0xFFFF]
    return bytes([control, len(main) & 0xFF, len(main) >> 8]) + main + header


def with_options(index, control, header):
    """The control byte of a seed's twin read with options."""
    control |= (1 + index % 3) << OPTION_SET_SHIFT
    return control | INCLUDE_FOLDER_BIT if header else control


def oracle_seeds(oracle):
    """Sources of the preprocessing oracle, by both its generators: the
    conditions' with their guarded header, the macros' with their shared
    header as the included file (the other headers they name are missing)."""
    sys.dont_write_bytecode = True  # nothing is written beside the oracle
    sys.path.insert(0, os.path.dirname(os.path.abspath(oracle)))
    module = importlib.import_module(os.path.splitext(os.path.basename(oracle))[0])
    rng = random.Random(module.SEED)
    for label, generator, header_name in (("oracle", module.Source, "guard.h"),
                                          ("oracle-macros", module.MacroSource, "defs.h")):
        for index in range(ORACLE_SEEDS):
            source = generator(rng, "10000", True)
            source.write()
            main = source.files["in.r"].encode()
            for name in (b'"%s"' % header_name.encode(), b"<%s>" % header_name.encode()):
                main = main.replace(name, name[:1] + b"a.h" + name[-1:])
            header = source.files["inc/" + header_name].encode()
            yield "%s-%d" % (label, index), layout(with_options(index, 0, header), main, header)


def long_seeds():
    """Sources whose lines and strings are long, each read plainly and with
    options."""
    plug_in = ("resource 'Vorl' (%d, \"Long\") { { Kind { Filter }, Name { \"Line %d\" },"
               " Version { (1 << 16) | 2 }, FormatMaxChannels { { 1, 2, 3 } } } };"
               " resource 'LStr' (%d) { { \"a\", \"b\" \"c\" } }; /* more */ ")
    one_line = "".join(plug_in % (16000 + i, i, 17000 + i) for i in range(40)) + "\n"
    comment = ("resource 'Vorl' (1) { {\n\tKind { Filter }, // " + "x" * 2000
               + " Version { 7 }, Name { \"in the comment\" },\n\tPriority { 3 }\n} };\n")
    strings = ("resource 'Vorl' (1) { { CodeWin32X86 { \"" + "E" * 5000 + "\" },"
               " Name { \"" + "n" * 255 + "\" } } };\n"
               "resource 'LStr' (2) { { \"" + "Message \\0x41 " * 40 + "\" } };\n"
               "resource 'MENU' (3) { \"" + "m" * 40000 + "\" };\n")
    for index, (label, main) in enumerate((("long-line", one_line), ("long-comment", comment),
                                           ("long-strings", strings))):
        yield "made-" + label, layout(0, main.encode(), b"")
        yield "made-" + label + "--options", layout(with_options(index, 0, b""), main.encode(), b"")


def main():
    cases, examples, output = sys.argv[1:4]
    oracle = sys.argv[4] if len(sys.argv) > 4 else None
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
    seeds = []
    for label, folder, inputs, headers, control in groups:
        for path in inputs:
            name = label + "--" + os.path.relpath(path, folder).replace(os.sep, "-")
            header = headers[0] if headers else None
            seeds.append((name, seed(path, folder, header, control)))
            twin = with_options(len(seeds), control, header)
            seeds.append((name + "--options", seed(path, folder, header, twin)))
    seeds += long_seeds()
    if oracle:
        seeds += oracle_seeds(oracle)
    for name, data in seeds:
        with open(os.path.join(output, name), "wb") as f:
            f.write(data)
    print("make_seeds: %d seeds in %s" % (len(seeds), output))


if __name__ == "__main__":
    main()
