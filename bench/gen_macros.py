#!/usr/bin/env python3
"""Writes a macro-heavy source of a given size, as plug-ins written for a C
preprocessor are: a main file and the headers it includes.

    gen_macros.py [--seed N] SIZE FOLDER

FOLDER/plugins.r is the main file; it ends after the first plug-in that
reaches SIZE (bytes, with an optional K, M or G suffix). Its headers go to
FOLDER/include, which only a search folder finds: convert with
`VorlTool -I FOLDER/include FOLDER/plugins.r OUT`. The same seed and size
always give the same bytes.

The headers are guarded (one includes the other, so its guard skips it the
second time) and hold what plug-in headers hold: object-like macros (ids
from one base, `kVendorBase + 1000`; a 32-bit version `0x00010002`;
strings), function-like ones (MAKE_VERSION's shifts, STR and XSTR
stringizing, CAT and XCAT pasting, variadic lists), the entry points'
architecture chosen by `#if defined(_WIN64)` and feature flags. The main
file defines a few macros for each plug-in (its index, name and entry),
uses them in nearly every line of its statements (ids, names through
stringizing, entry points through pasting, versions, nested calls, argument
lists over several lines) with `#ifdef` and `#if` groups around some
properties, and undefines them after it, so the macro table does not grow
with the file. The text, the property lists and the resources that are not
converted are drawn from gen_input.py's tables.

The result is written for a C preprocessor: `cc -E -P -undef -x c
-D_WIN32=1 -DRC_INVOKED=1 -I FOLDER/include` followed by a plain run of
VorlTool converts it (cc_command; see check_inputs.py).
"""

import argparse
import os
import re
import sys

sys.dont_write_bytecode = True  # nothing is written beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_input  # noqa: E402

MAIN = "plugins.r"
INCLUDE = "include"

DEFS_HEADER = """\
// Ids, versions and helpers shared by the plug-ins (seed {seed}).
#ifndef PLUGIN_DEFS_H
#define PLUGIN_DEFS_H

#define kVendorBase         16000
#define kStringsBase        kVendorBase + 1000
#define kMenuBase           kVendorBase + 2000
#define ID(n)               kVendorBase + (n)
#define STRINGS_ID(n)       kStringsBase + (n)

#define kMajorVersion       1
#define kMinorVersion       2
#define kVersion32          0x00010002
#define MAKE_VERSION(a, b)  (((a) << 16) | (b))
#define MINOR(n)            ((n) % 10)
#define kHostMajor          13
#define kHostMinor          28
#define kPlugInPriority     7
#define kMaxSize            30000
#define kMaxChannels        24
#define kTerminologyID      1
#define kInfoFlags          (0x0001 | 0x0004)
#define kHasUI              1

#define STR(x)              #x
#define XSTR(x)             STR(x)
#define CAT(a, b)           a##b
#define XCAT(a, b)          CAT(a, b)
#define LIST(...)           {{ __VA_ARGS__ }}
#define TYPE_PAIR(t, c)     t, c
#define FILTER_CASE(in, out, ...) in, out, __VA_ARGS__

#if defined(_WIN64)
#define kArch               X64
#elif defined(_WIN32)
#define kArch               X86
#else
#error "Windows resources need _WIN32"
#endif
#define ENTRY(name)         XSTR(XCAT(XCAT(name, _), kArch))
#define ENTRY_OF(prefix, name) XSTR(XCAT(prefix, name))

#ifndef FEATURE_LEVEL
#define FEATURE_LEVEL       2
#endif
#define FEATURE_TERMINOLOGY
#undef FEATURE_LEGACY_CODE
#define kBasicModes         doesSupportGrayScale, doesSupportRGBColor

#endif
"""

STRINGS_HEADER = """\
// Strings of the plug-ins; their ids come from the other header.
#ifndef PLUGIN_STRINGS_H
#define PLUGIN_STRINGS_H
#include "plugin_defs.h"

#define kCompanyName        "Example Imaging"
#define kCategoryName       "{category}"
#define kMatchName          "EXAMPLE Match"
#define kSupportURL         "https://example.com/support"
#define kEntryPoint         ENTRY(PluginMain)
#define MESSAGES(...)       {{ __VA_ARGS__ }}
#define TITLED(name, text)  XSTR(name) ": " text

#endif
"""

MAIN_HEADER = """\
// Plug-in resources that use macros throughout, generated for VorlTool's
// benchmark (seed {seed}).
#include "plugin_defs.h"
#include "plugin_strings.h"

#ifndef kVendorBase
#error "plugin_defs.h must define the ids"
#endif

"""

# Plug-in names a macro can hold as words, for stringizing and pasting.
WORD_NAMES = [n for n in gen_input.EN_NAMES if re.fullmatch(r"[A-Za-z &]+", n)]
WORD_CATEGORIES = [c for c in gen_input.EN_CATEGORIES if re.fullmatch(r"[A-Za-z ]+", c)]


class MacroWriter(gen_input.Writer):
    """gen_input's plug-ins, with macros where a C header would put them."""

    def __init__(self, seed):
        super().__init__(seed, japanese=False)

    # Properties that use the headers' macros -------------------------------

    def name(self):
        return self.rnd.choice(["Name { XSTR(kPlugInName) }", "Name { kCompanyName }",
                                "Name { STR(%s) }" % self.rnd.choice(WORD_NAMES)])

    def category(self):
        return self.rnd.choice(["Category { kCategoryName }",
                                "Category { STR(%s) }" % self.rnd.choice(WORD_CATEGORIES)])

    def version(self):
        return "Version { %s }" % self.rnd.choice([
            "MAKE_VERSION(kMajorVersion, kMinorVersion)", "kVersion32",
            "MAKE_VERSION(%d, MINOR(kPlugInIndex))" % self.rnd.randrange(1, 9),
            "MAKE_VERSION(MAKE_VERSION(0, 1), %d)" % self.rnd.randrange(10)])

    def priority(self):
        return "Priority { %s }" % self.rnd.choice(["kPlugInPriority", "FEATURE_LEVEL",
                                                    "kPlugInPriority - FEATURE_LEVEL"])

    def entry_points(self):
        entry = self.rnd.choice(["ENTRY(kPlugInEntry)", "kEntryPoint",
                                 "ENTRY_OF(, kPlugInEntry)", "ENTRY_OF(Ex, kPlugInEntry)"])
        props = [("#if defined(_WIN64)", ["CodeWin64X86 { %s }" % entry],
                  ["CodeWin32X86 { %s }" % entry])]
        if self.legacy:
            props.insert(0, ("#ifdef FEATURE_LEGACY_CODE",
                             ["Code68K { Filter, kVendorBase, { 'PROC' } }",
                              'CodePowerPC { 0, 0, "" }'], []))
        return props

    def supported_modes(self):
        modes = self.pick(gen_input.MODES, 1, 6)
        if self.rnd.randrange(2):
            modes[0] = "kBasicModes"
        return "SupportedModes { %s }" % ", ".join(modes)

    # gen_input's properties written through the headers' macros.
    SIZES = ["kMaxSize", "XCAT(kMax, Size)"]
    CHANNELS = ["kMaxChannels", "XCAT(kMax, Channels)", "4"]
    GROUP = "LIST(%s)"
    PAIR = "TYPE_PAIR(%s, %s)"
    CASE = "FILTER_CASE(%s, %s, %s, %s, %s)"

    def terminology(self):
        return ("#ifdef FEATURE_TERMINOLOGY", [super().terminology()], [])

    # The effect's numbers that its header names, and what they choose from.
    ZR_MACROS = {"ZR_Effect_Version": ["MAKE_VERSION(8, 1)", "kVersion32", "kMajorVersion"],
                 "ZR_Effect_Info_Flags": ["kInfoFlags", "FEATURE_LEVEL"],
                 "ZR_Effect_Match_Name": ["kMatchName", "XSTR(XCAT(EXAMPLE_, kPlugInEntry))"]}

    def zr_numbers(self):
        props = []
        for prop in super().zr_numbers():
            keyword = prop.split()[0]
            if keyword in self.ZR_MACROS:
                prop = "%s { %s }" % (keyword, self.rnd.choice(self.ZR_MACROS[keyword]))
            props.append(prop)
        return props

    # Statements -----------------------------------------------------------

    def property_lines(self, props):
        """The lines of a property list's elements; an element is a property's
        text, or (directive, properties, properties of #else) for a group."""
        if isinstance(props[-1], tuple):  # a group is never last: its commas
            props[-2], props[-1] = props[-1], props[-2]
        lines = []
        for i, prop in enumerate(props):
            last = i + 1 == len(props)
            if isinstance(prop, tuple):
                directive, live, other = prop
                lines.append(directive)
                lines += ["\t\t%s," % p for p in live]
                if other:
                    lines.append("#else")
                    lines += ["\t\t%s," % p for p in other]
                lines.append("#endif")
            else:
                lines.append("\t\t" + prop + ("" if last else ",") + self.trailing_comment())
        return lines

    def id_and_name(self, index):
        return "kPlugInID, XSTR(kPlugInName)"

    def string_list(self, index):
        elements = []
        for _ in range(self.rnd.randint(2, 8)):
            text = " ".join(self.string(self.messages) for _ in range(self.rnd.randint(1, 2)))
            if self.rnd.randrange(3) == 0:
                text = "TITLED(kPlugInName, %s)" % text
            elements.append(text)
        keyword = "data" if self.rnd.randrange(5) == 0 else "resource"
        return ("%s 'LStr' (STRINGS_ID(kPlugInIndex), \"Messages\") {\n\tMESSAGES(%s\n\t)\n};\n\n"
                % (keyword, ",\n\t\t".join(elements)))

    WRAP = "#if !defined(__PIMac__) && FEATURE_LEVEL > 1\n"

    def plugin_head(self, index):
        """The macros of one plug-in: its index, id, name and entry."""
        name = self.rnd.choice(WORD_NAMES)
        self.defines = [("kPlugInIndex", str(index % 1000)), ("kPlugInID", "ID(kPlugInIndex)"),
                        ("kPlugInName", name),
                        ("kPlugInEntry", re.sub(r"\W", "", name) + "Main%d" % index)]
        return "".join("#define %-15s %s\n" % d for d in self.defines) + "\n"

    def plugin_tail(self):
        return "".join("#undef %s\n" % d[0] for d in self.defines) + "\n"


def cc_command(cc, folder, main, flat, defines=()):
    """The C preprocessor's command for a folder that generate() wrote,
    with VorlTool's predefined macros: it writes the text to `flat`."""
    return ([cc, "-E", "-P", "-undef", "-nostdinc", "-x", "c", "-D_WIN32=1", "-DRC_INVOKED=1"]
            + list(defines) + ["-I", os.path.join(folder, INCLUDE), main, "-o", flat])


def generate(folder, size, seed=1):
    """Writes FOLDER/plugins.r (about `size` bytes) and its headers in
    FOLDER/include; returns the main file's path."""
    writer = MacroWriter(seed)
    include = os.path.join(folder, INCLUDE)
    os.makedirs(include, exist_ok=True)
    headers = {"plugin_defs.h": DEFS_HEADER.format(seed=seed),
               "plugin_strings.h": STRINGS_HEADER.format(
                   category=writer.rnd.choice(WORD_CATEGORIES))}
    for name, text in headers.items():
        with open(os.path.join(include, name), "wb") as out:
            out.write(text.encode("latin-1"))
    path = os.path.join(folder, MAIN)
    with open(path, "wb") as out:
        gen_input.write_plugins(out, size, MAIN_HEADER.format(seed=seed), writer.plugin)
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("size", help="bytes, with an optional K, M or G suffix")
    parser.add_argument("folder", help="folder for plugins.r and include/")
    args = parser.parse_args()
    os.makedirs(args.folder, exist_ok=True)
    generate(args.folder, gen_input.parse_size(args.size), args.seed)


if __name__ == "__main__":
    main()
