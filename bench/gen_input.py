#!/usr/bin/env python3
"""Writes a resource description file of a given size, made of plug-in resources.

    gen_input.py [--seed N] [--japanese] SIZE OUTPUT

SIZE is a byte count with an optional K, M or G suffix (powers of 1024); the
file ends after the first plug-in that reaches it, so it is a little larger.
OUTPUT is a path, or - for standard output. The same seed, size and language
always give the same bytes.

The file reads like many plug-in sources put one after the other: a header of
macro definitions, then one plug-in after another, each a property list
('Vorl', or 'TzAv' for effects) drawn from four kinds of plug-in, a string
list ('LStr') and a few resources that are not converted ('MENU', 'STR#',
'vers', 'PICT', 'DLOG'), with comments and directives between them. The first
eight plug-ins hold every property and both property-list types between them
(about 25 KB). The macros are all defined in the header: a definition is
kept for the whole run, so a file whose definitions grew with its size would
grow the converter's memory with it.

With --japanese the strings and comments hold Shift-JIS text (double-byte
characters, some whose second byte is a backslash); give the file a name that
ends in _JAPANESE.r so that VorlTool reads it as Japanese. Otherwise strings
hold Macintosh characters above 127, which VorlTool translates.
"""

import argparse
import random
import sys

# Text is assembled as str of code points 0-255 and written as latin-1, so
# every byte is exactly the one chosen here.


def raw(text, encoding):
    return text.encode(encoding).decode("latin-1")


def mac(text):
    return raw(text, "mac_roman")


def sjis(text):
    return raw(text, "shift_jis")


MODES = ["doesSupportBitmap", "doesSupportGrayScale", "doesSupportIndexedColor",
         "doesSupportRGBColor", "doesSupportCMYKColor", "doesSupportHSLColor",
         "doesSupportHSBColor", "doesSupportMultichannel", "doesSupportDuotone",
         "doesSupportLABColor", "doesSupportGray16", "doesSupportRGB48",
         "doesSupportLab48", "doesSupportCMYK64", "doesSupportDeepMultichannel",
         "doesSupportDuotone16"]
IN_CASES = ["inCantFilter", "inStraightData", "inBlackMat", "inGrayMat", "inWhiteMat",
            "inDefringe", "inBlackZap", "inGrayZap", "inWhiteZap", "inBackgroundZap",
            "inForegroundZap"]
OUT_CASES = ["outCantFilter", "outStraightData", "outBlackMat", "outGrayMat",
             "outWhiteMat", "outFillMask"]
FORMAT_FLAGS = ["fmtSavesImageResources", "fmtCanRead", "fmtCanWrite", "fmtCanWriteIfRead"]
ICC_FLAGS = ["iccCanEmbedGray", "iccCanEmbedIndexed", "iccCanEmbedRGB", "iccCanEmbedCMYK"]
EXTENSION_FLAGS = ["hasNoOptions", "nonSequentialOk", "mustInteract", "hasInteractPut",
                   "hasInteractGet", "hasNoTime", "hasVideo", "still", "hasFile", "output",
                   "input"]
TYPES = ["TIFF", "8BIM", "PICT", "JPEG", "GIFf", "PNGf", "BMPp", "TEXT", "SMPL", "8BPS"]
CREATORS = ["8BIM", "ogle", "smpc", "prvw", "    ", "ttxt"]
EXTENSIONS = ["TIF ", "TIFF", "JPG ", "JPEG", "PNG ", "BMP ", "SMP ", "PSD ", "GIF ", "TGA "]
CLIPBOARD = ["PICT", "TEXT", "PNGf", "utf8"]

EN_NAMES = ["Blur", "Sharpen More", "Emboss", "Posterize", "Glow", "Mosaic", "Halftone",
            "Vignette", "Dust & Scratches", "Ripple", mac("Ré-échantillonner"),
            mac("Weichzeichner…"), mac("Fondu enchaîné"), "Sample Format", "Scanner Import",
            "Web Export"]
EN_CATEGORIES = ["Example Filters", "Stylize", "Distort", "Noise", "Sharpen", mac("Détails"),
                 "Sample Imaging"]
EN_MESSAGES = [
    "The file could not be read.",
    "Sample images hold at most \\0x18 channels; ",
    "this one holds more.\\n",
    "\\\"Quoted\\\" text with a tab\\t and a backslash \\\\ ",
    "Not enough memory to complete the operation.",
    "Line one\\rLine two",
    mac("Réglages enregistrés à “%s”."),
    mac("Größe: ") + "%d \\0x78 %d",
    mac("Caf\u00e9 au lait\u2122 \u00a9 2024 \u2026"),
    "Radius (pixels):",
    "An escape the list keeps: \\q",
    "100\\0x25 done",
]
# "ソ" and "表" carry a backslash as their second byte.
JA_NAMES = [sjis(t) for t in ["ぼかし", "シャープ", "エンボス", "ポスタライズ", "モザイク",
                              "ソフトフォーカス", "表示形式", "サンプル形式"]]
JA_CATEGORIES = [sjis(t) for t in ["サンプル", "表現手法", "ノイズ", "ぼかし"]]
JA_MESSAGES = [sjis(t) for t in [
    "ファイルを読み込めませんでした。",
    "メモリが不足しています。",
    "半径（ピクセル）：",
    "チャンネル数が多すぎます。",
    "表示を更新しています…",
    "ソースを確認してください。",
]] + ["\\t" + sjis("設定") + ": %d\\n", sjis("「") + "\\\"Sample\\\"" + sjis("」")]
EN_COMMENTS = ["The dialog reads these values back when the filter runs again.",
               "Keep the ids below in step with the ones the code loads.",
               "Host versions before 5.0 ignore this property.",
               "Entry points: one per processor the plug-in is built for."]
JA_COMMENTS = [sjis(t) for t in ["フィルタの設定ダイアログで使う値です。",
                                 "このIDはソースコードと合わせてください。",
                                 "表示名は各国語版で変更します。",
                                 "ソフトウェアのバージョン情報"]]

HEADER = """\
// Plug-in resources generated for VorlTool's benchmark (seed {seed}).
/* {comment} */

#define kVendorBase     16000
#define kStringsBase    kVendorBase + 1000
#define kMenuBase       (kVendorBase + 2000)
#define kMajorVersion   1
#define kMinorVersion   2
#define kPlugInPriority 7
#define kMaxSize        30000
#define kMaxChannels    24
#define kHostMajor      13
#define kHostMinor      28
#define kTerminologyID  1
#define kInfoFlags      (0x0001 | 0x0004)
#define kHasUI          1
#define kCompanyName    "Example Imaging"
#define kCategoryName   "{category}"
#define kEntryPoint     "PluginMain"
#define kMatchName      "EXAMPLE Match"
#define kSupportURL     "https://example.com/support"

#ifndef kHasUI
#error "kHasUI must be defined before the resources"
#endif

"""


class Writer:
    """One generated file: the random choices of one seed and language."""

    def __init__(self, seed, japanese):
        self.rnd = random.Random(seed)
        self.japanese = japanese
        self.names = JA_NAMES + EN_NAMES[:4] if japanese else EN_NAMES
        self.categories = JA_CATEGORIES if japanese else EN_CATEGORIES
        self.messages = JA_MESSAGES + EN_MESSAGES[:4] if japanese else EN_MESSAGES
        self.comments = JA_COMMENTS if japanese else EN_COMMENTS

    def header(self, seed):
        return HEADER.format(seed=seed, comment=self.rnd.choice(self.comments),
                             category=self.rnd.choice(self.categories))

    # Small pieces --------------------------------------------------------

    def pick(self, seq, low, high):
        return self.rnd.sample(seq, self.rnd.randint(low, high))

    def literal(self, seq):
        return "'" + self.rnd.choice(seq) + "'"

    def number(self, value):
        form = self.rnd.randrange(4)
        if form == 0:
            return "0x%X" % value
        if form == 1 and value < 256:
            return "0b" + format(value, "b")
        if form == 2 and value < 4096:
            return "0o" + format(value, "o")
        return str(value)

    def string(self, seq):
        return '"' + self.rnd.choice(seq) + '"'

    def trailing_comment(self):
        if self.rnd.randrange(4):
            return ""
        return "\t// " + self.rnd.choice(self.comments)

    # Properties: each returns the text of one list element ---------------

    # How a few of them are written: the values they choose from, a group of
    # a list, a pair of type and creator, and a case of FilterCaseInfo.
    SIZES = ["kMaxSize", "30000", "0x7FFF"]
    CHANNELS = ["kMaxChannels", "24", "4", "56"]
    GROUP = "{ %s }"
    PAIR = "%s, %s"
    CASE = "%s, %s, %s, %s, %s"

    def kind(self, kinds):
        return "Kind { %s }" % kinds[self.round % len(kinds)]

    def version(self):
        return "Version { %s }" % self.rnd.choice([
            "0x%08X" % (self.rnd.randrange(1, 9) << 16 | self.rnd.randrange(10)),
            "(kMajorVersion << 16) | kMinorVersion",
            "(1 << 16) | %d" % self.rnd.randrange(10),
            "65536 * %d + %d" % (self.rnd.randrange(1, 5), self.rnd.randrange(10))])

    def priority(self):
        return "Priority { %s }" % self.rnd.choice(["kPlugInPriority", "0", "-1", "2 * 4"])

    def required_host(self):
        return "RequiredHost { %s }" % self.literal(["8BIM", "    ", "ZRhs"])

    def name(self):
        return "Name { %s }" % self.rnd.choice([self.string(self.names), "kCompanyName"])

    def category(self):
        return "Category { %s }" % self.rnd.choice([self.string(self.categories),
                                                    "kCategoryName"])

    def entry_points(self):
        entry = self.rnd.choice(['"PluginMain"', "kEntryPoint", '"ENTRYPOINT_%d"'
                                 % self.rnd.randrange(100)])
        props = ["CodeWin32X86 { %s }" % entry, "CodeWin64X86 { %s }" % entry]
        if self.legacy:
            props.insert(0, "Code68K { Filter, kVendorBase, { 'PROC' } }")
            props.append('CodePowerPC { 0, 0, "" }')
        return props

    def supported_modes(self):
        return "SupportedModes { %s }" % ", ".join(self.pick(MODES, 1, 8))

    def filter_case_info(self):
        cases = []
        for _ in range(7):
            cases.append(self.CASE % (
                self.rnd.choice(IN_CASES), self.rnd.choice(OUT_CASES),
                self.rnd.choice(["filtersLayerMasks", "cantFilterLayerMasks", "0", "0x04"]),
                self.rnd.choice(["worksWithBlankData", "cantWorkWithBlankData", "2"]),
                self.rnd.choice(["doNotCopySourceToDestination",
                                 "copySourceToDestination"])))
        return ("FilterCaseInfo {\n\t\t\t{\n\t\t\t\t" + ",\n\t\t\t\t".join(cases)
                + "\n\t\t\t}\n\t\t}")

    def flags(self, keyword, names):
        return "%s { %s }" % (keyword, ", ".join(self.pick(names, 1, len(names))))

    def max_size(self):
        size = self.rnd.choice(self.SIZES)
        return "FormatMaxSize { { %s, %s } }" % (size, size)

    def max_channels(self):
        values = ["1"] + [self.rnd.choice(self.CHANNELS)
                          for _ in range(self.rnd.randrange(3, 16))]
        return "FormatMaxChannels { %s }" % (self.GROUP % ", ".join(values))

    def fmt_file_type(self):
        return "FmtFileType { %s, %s }" % (self.literal(TYPES), self.literal(CREATORS))

    def pair(self):
        return self.PAIR % (self.literal(TYPES), self.literal(CREATORS))

    def type_list(self, keyword, entry, many):
        groups = []
        for _ in range(self.rnd.randint(1, 3)):
            count = self.rnd.randint(1, 3) if many else 1
            groups.append(self.GROUP % ", ".join(entry() for _ in range(count)))
        return "%s { %s }" % (keyword, ", ".join(groups))

    def terminology(self):
        words = ["example blur", "sample format", "radius", "amount of noise", "x"]
        return "HasTerminology { %s, %s, %s, %s }" % (
            self.literal(["clas", "Clss", "8BIM"]), self.literal(["evnt", "Blr ", "Shrp"]),
            self.rnd.choice(["kTerminologyID", str(self.rnd.randrange(1, 500))]),
            self.string(words))

    def zr_numbers(self):
        return [
            "ZR_Vorl_Version { 2, 0 }",
            "ZR_Effect_Spec_Version { kHostMajor, kHostMinor }",
            "ZR_Effect_Version { %s }" % self.rnd.choice(["524289", "(8 << 16) | 1",
                                                           "kMajorVersion"]),
            "ZR_Effect_Info_Flags { %s }" % self.rnd.choice(
                ["kInfoFlags", self.number(self.rnd.randrange(16))]),
            "ZR_Effect_Global_OutFlags { 0x02000000 | 0x%X }" % self.rnd.randrange(1 << 12),
            "ZR_Effect_Global_OutFlags_2 { 0x08000000 }",
            'ZR_Effect_Match_Name { %s }' % self.rnd.choice(['kMatchName', '"EXAMPLE %s"'
                                                             % self.rnd.choice(EN_NAMES[:10]),
                                                             '"Tab\\tand hex \\x41"']),
            "ZR_Reserved { 0 }",
            "ZR_Reserved_Info { %s }" % self.rnd.choice(["0", "kHasUI"]),
        ]

    def zr_extension(self):
        flags = [f if self.rnd.randrange(2) else "not" + f[0].upper() + f[1:]
                 for f in EXTENSION_FLAGS]
        return ("ZR_ImageFormat_Extension_Info { 1, %d,\n\t\t\t%s,\n\t\t\t%s }"
                % (self.rnd.randrange(5), ", ".join(flags), self.literal(TYPES)))

    def support_url(self):
        return "ZR_Effect_Support_URL { %s }" % self.rnd.choice(
            ["kSupportURL", '"https://example.com/plugins/%d"' % self.rnd.randrange(1000)])

    # Property lists of four kinds of plug-in --------------------------------

    def filter_props(self):
        props = [self.kind(["Filter"]), self.name(), self.category(), self.version()]
        if self.rnd.randrange(2):
            props.append(self.priority())
        props += self.entry_points()
        props += [self.supported_modes(), self.filter_case_info()]
        if self.rnd.randrange(2):
            props.append(self.required_host())
        props.append(self.terminology())
        return props

    def format_props(self):
        pair, single = self.pair, lambda: self.literal(EXTENSIONS)
        return [self.kind(["ImageFormat"]), self.name(), self.version(), self.priority(),
                *self.entry_points(), self.supported_modes(), self.fmt_file_type(),
                self.type_list("ReadTypes", pair, True),
                self.type_list("WriteTypes", pair, True),
                self.type_list("FilteredTypes", pair, False),
                self.type_list("ReadExtensions", single, True),
                self.type_list("WriteExtensions", single, True),
                self.type_list("FilteredExtensions", single, True),
                self.flags("FormatFlags", FORMAT_FLAGS),
                self.flags("FormatICCFlags", ICC_FLAGS),
                self.max_size(), self.max_channels()]

    def other_props(self):
        pair, single = self.pair, lambda: self.literal(EXTENSIONS)
        clip = lambda: self.literal(CLIPBOARD)
        return [self.kind(["Parser", "Extension", "Acquire", "Export", "ZRGP", "ZRGeneral"]),
                self.name(), self.category(), self.version(), self.required_host(),
                *self.entry_points(), self.supported_modes(),
                "ExportFlags { expSupportsTransparency }",
                self.type_list("ParsableTypes", pair, False),
                self.type_list("FilteredParsableTypes", pair, False),
                self.type_list("ParsableExtensions", single, False),
                self.type_list("FilteredParsableExtensions", single, False),
                self.type_list("ParsableClipboardTypes", clip, False),
                self.terminology()]

    def effect_props(self):
        return [self.kind(["ZREffect", "ZRAccelerator", "ZRImageFormat",
                           "ZRForeignProjectFormat"]),
                self.name(), self.category(), self.version(), *self.entry_points(),
                *self.zr_numbers(), self.zr_extension(), self.support_url()]

    # Statements -----------------------------------------------------------

    def property_list(self, index):
        # Each round of four plug-ins has one of each kind; the kind keywords
        # and the twin type take turns from round to round, and one plug-in
        # in sixteen still names its old entry points.
        flavour, self.round = index % 4, index // 4
        self.legacy = index % 16 == 4
        props = [self.filter_props, self.format_props, self.other_props,
                 self.effect_props][flavour]()
        rtype = "TzAv" if flavour == 3 and self.round % 2 else "Vorl"
        lines = self.property_lines(props)
        attrs = self.rnd.choice(["", ", purgeable", ", (purgeable, locked)"])
        return ("resource '%s' (%s%s) {\n\t{\n%s\n\t}\n};\n\n"
                % (rtype, self.id_and_name(index), attrs, "\n".join(lines)))

    def property_lines(self, props):
        """The lines of a property list's elements."""
        lines = []
        for i, prop in enumerate(props):
            sep = "," if i + 1 < len(props) else ""
            lines.append("\t\t" + prop + sep + self.trailing_comment())
        return lines

    def id_and_name(self, index):
        return "kVendorBase + %d, %s" % (index % 1000, self.string(self.names))

    def string_list(self, index):
        elements = []
        for _ in range(self.rnd.randint(2, 8)):
            parts = [self.string(self.messages) for _ in range(self.rnd.randint(1, 2))]
            elements.append(" ".join(parts))
        keyword = "data" if self.rnd.randrange(5) == 0 else "resource"
        return ("%s 'LStr' (kStringsBase + %d, \"Messages\") {\n\t{\t%s\n\t}\n};\n\n"
                % (keyword, index % 1000, ",\n\t\t".join(elements)))

    def skipped(self, index):
        which = self.rnd.randrange(5)
        if which == 0:
            items = ";\n\t\t".join('%s, noIcon, "%s", noMark, plain'
                                   % (self.string(self.names), self.rnd.choice("BESGM"))
                                   for _ in range(self.rnd.randint(1, 4)))
            return ("resource 'MENU' (kMenuBase + %d, \"Filter\") {\n\tkMenuBase, "
                    "textMenuProc, 0x7FFFFFFD, enabled, \"Filter\",\n\t{\t%s\n\t}\n};\n\n"
                    % (index % 1000, items))
        if which == 1:
            return ("resource 'STR#' (%d, \"Errors\", purgeable) {\n\t{\t%s\n\t}\n};\n\n"
                    % (17000 + index % 1000,
                       ",\n\t\t".join(self.string(self.messages) for _ in range(3))))
        if which == 2:
            return ("resource 'vers' (1) {\n\t0x01, 0x00, release, 0x00, verUS,\n"
                    "\t$$Format(\"%%d.0\", kMajorVersion),\n\t%s\n};\n\n"
                    % self.string([mac("1.0 © Example Imaging"), "1.0"]))
        if which == 3:
            rows = "\n".join("\t$\"%s\"" % " ".join("%04X" % self.rnd.randrange(65536)
                                                  for _ in range(8))
                             for _ in range(self.rnd.randint(2, 6)))
            return "data 'PICT' (%d, purgeable) {\n%s\n};\n\n" % (128 + index % 100, rows)
        return ("resource 'DLOG' (%d) {\n\t{40, 40, 240, 360}, movableDBoxProc, visible, "
                "noGoAway, 0x0, %d, \"\", centerParentWindow\n};\n"
                "read 'PICT' (%d) \"preview.pict\";\n\n"
                % (16100 + index % 100, 16100 + index % 100, 200 + index % 100))

    # The group around one plug-in in eight.
    WRAP = "#ifndef __PIMac__\n"

    def plugin_head(self, index):
        """Text between a plug-in's comment and its statements: none here."""
        return ""

    def plugin_tail(self):
        """Text after a plug-in's statements: none here."""
        return ""

    def plugin(self, index):
        parts = ["/* %s */\n" % self.rnd.choice(self.comments), self.plugin_head(index)]
        wrapped = self.rnd.randrange(8) == 0
        if wrapped:
            parts.append(self.WRAP)
        parts.append(self.property_list(index))
        if wrapped:
            parts.append("#endif\n\n")
        parts.append(self.string_list(index))
        for _ in range(self.rnd.randrange(3)):
            parts.append(self.skipped(index))
        parts.append(self.plugin_tail())
        return "".join(parts)


def parse_size(text):
    factor = {"K": 1 << 10, "M": 1 << 20, "G": 1 << 30}.get(text[-1:].upper(), 1)
    return int(text[:-1] if factor > 1 else text) * factor


def generate(out, size, seed=1, japanese=False):
    """Writes about `size` bytes to the binary file `out`; returns the count."""
    writer = Writer(seed, japanese)
    return write_plugins(out, size, writer.header(seed), writer.plugin)


def write_plugins(out, size, header, plugin):
    """Writes `header`, then plugin(0), plugin(1), ... until `size` bytes are
    reached, to the binary file `out` in pieces of about 1 MB; returns the
    count."""
    chunk = [header]
    pending, written, index = len(chunk[0]), 0, 0
    while written + pending < size:
        text = plugin(index)
        chunk.append(text)
        pending += len(text)
        index += 1
        if pending >= 1 << 20:
            out.write("".join(chunk).encode("latin-1"))
            written += pending
            chunk, pending = [], 0
    out.write("".join(chunk).encode("latin-1"))
    return written + pending


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--japanese", action="store_true",
                        help="Shift-JIS text in strings and comments")
    parser.add_argument("size", help="bytes, with an optional K, M or G suffix")
    parser.add_argument("output", help="output path, or - for standard output")
    args = parser.parse_args()
    size = parse_size(args.size)
    if args.output == "-":
        generate(sys.stdout.buffer, size, args.seed, args.japanese)
    else:
        with open(args.output, "wb") as out:
            generate(out, size, args.seed, args.japanese)


if __name__ == "__main__":
    main()
