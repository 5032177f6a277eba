#!/usr/bin/env python3
"""Writes plug-in statements on a given number of lines, or all on one line.

    gen_lines.py [--one-line] SIZE LINES OUTPUT

SIZE is a byte count with an optional K, M or G suffix (powers of 1024); the
file ends after the first statement that reaches it. The statements (property
lists, string lists, menus that are not converted, block comments) are cut
into pieces of at most 40 bytes, never inside a string or between a number and
the arithmetic after it, and the pieces are spread over LINES lines of about
the same length. With --one-line the file holds the very same bytes with a
blank in place of each line end: one line, which converts to the same script.
OUTPUT is a path, or - for standard output.
"""

import argparse
import sys

NAMES = ["Blur", "Sharpen More", "Emboss", "Posterize", "Glow", "Mosaic", "Halftone"]
MESSAGES = ["The file could not be read.", "Not enough memory.", "At most \\0x18 channels; ",
            "this one holds more.\\n", "\\\"Quoted\\\" with a tab\\t and \\\\ "]


def plug_in(index):
    """The pieces of one plug-in's statements."""
    rid = 16000 + index % 20000
    name = NAMES[index % len(NAMES)]
    pieces = ["/* Plug-in %d. */" % index,
              "resource 'Vorl' (%d, \"Plug-in\") {" % rid, "{",
              "Kind { Filter },", "Name { \"%s %d\" }," % (name, index),
              "Category { \"Example Filters\" },",
              "Version { (1 << 16) | %d }," % (index % 10),
              "Priority { %d }," % (index % 100),
              "CodeWin64X86 { \"PluginMain\" },",
              "SupportedModes {", "doesSupportBitmap,", "doesSupportRGBColor,",
              "doesSupportCMYKColor", "},",
              "FilterCaseInfo { {"]
    for case in range(7):
        pieces += ["inStraightData, outStraightData,", "filtersLayerMasks, %d," % (case % 3),
                   "copySourceToDestination%s" % ("," if case < 6 else "")]
    pieces += ["} }", "}", "};",
              "resource 'LStr' (%d, \"Messages\") {" % (rid + 1), "{"]
    for m in range(3):
        pieces.append("\"%s\"%s" % (MESSAGES[(index + m) % len(MESSAGES)], "," if m < 2 else ""))
    pieces += ["}", "};",
               "resource 'MENU' (%d, \"Edit\") {" % rid, "128, textMenuProc,",
               "0x7FFFFFFD, enabled, \"Edit\",", "{ \"Cut\", noIcon, \"X\", noMark,",
               "plain; \"Copy\", noIcon, \"C\",", "noMark, plain },",
               "2 * (3 + 4) - 0x10 / 2", "};"]
    return pieces


def generate(out, size, lines, one_line=False):
    """Writes the statements to the binary stream `out`; returns the number of
    lines written (line ends, and the last line)."""
    pieces = []
    total = 0
    index = 0
    while total < size:
        for piece in plug_in(index):
            assert len(piece) <= 40, piece
            pieces.append(piece.encode("latin-1"))
            total += len(piece) + 1
        index += 1
    # A line ends after the piece that passes the next of LINES even marks.
    width = total / lines
    text = bytearray()
    written = 1
    for piece in pieces:
        text += piece
        if len(text) + 1 >= width * written and written < lines:
            text += b" " if one_line else b"\n"
            written += 1
        else:
            text += b" "
    text[-1:] = b"\n"
    out.write(bytes(text))
    return 1 if one_line else written


def parse_size(text):
    scale = {"K": 1 << 10, "M": 1 << 20, "G": 1 << 30}.get(text[-1:].upper(), 1)
    return int(text[:-1] if scale > 1 else text) * scale


def main():
    parser = argparse.ArgumentParser(description=" ".join(__doc__.split("\n\n")[0].split()))
    parser.add_argument("--one-line", action="store_true")
    parser.add_argument("size", type=parse_size)
    parser.add_argument("lines", type=int)
    parser.add_argument("output")
    args = parser.parse_args()
    if args.output == "-":
        generate(sys.stdout.buffer, args.size, args.lines, args.one_line)
    else:
        with open(args.output, "wb") as out:
            generate(out, args.size, args.lines, args.one_line)


if __name__ == "__main__":
    main()
