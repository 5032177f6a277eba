#!/usr/bin/env python3
"""Checks preprocessing mode against the system's C compiler.

    oracle.py [--generator conditions|macros|values]... [--source N]
              [--count N] [--seed N] VorlTool scratch-folder [emulator...]

Three generators write sources from fixed seeds. For each source of the
first two, `cc -E -P -undef` with the same options (and _WIN32, RC_INVOKED
and VORLTOOL_VERSION given as -D) gives the preprocessed text; converting
that text without options must give the same script, byte for byte, as
converting the source with the options. A source meant to fail must fail in
both, VorlTool with status 1 and nothing written. For each source of the
third, a program built by cc prints the numbers as C computes them; the
plain source of the same lists with those numbers written out must convert
to the same script as the source with --preprocess.

The first generator ("conditions") writes sources that hold nested
conditional groups, #if expressions over every C operator and literal form,
object-like macros defined, undefined and redefined in the source, in a
guarded header found through -I and on the command line. It carries out
every directive itself as it writes it, so it knows which groups are live:
only their conditions are kept free of what C leaves undefined (division by
zero, overflow, shift counts out of range), and only they use macros in
resource statements, where each macro stands for a number or a string that
the plain reading takes alike whether it sees the macro or its replaced
text. Skipped groups, and #elif branches after a taken one, get what C never
evaluates: divisions by zero, #error, includes of missing files. Some
sources also have directives' texts cut anywhere by a backslash and a line
end, some #define and #undef inside statements. Sources meant to fail hold
a live #error, a division by zero in #if or a broken group.

The second generator ("macros") writes sources whose statements use macros
as C headers write them: ids and properties made of sums and 32-bit values
(kBase + 1, -kBase, MAKE_VERSION(1, 2)); function-like macros
called nested, with # and ##, variadic, with empty arguments, with arguments
over several lines and in parentheses; names of function-like macros with
no ( after them; strings made by # and ##; macros inside their own
expansion; statements made by a macro; __LINE__ and __FILE__. Its headers
hold only directives: the shared one is included by a macro (#include HDR,
#include INC(names)) and guarded by #ifndef, #pragma once or both, once.h
by #pragma once alone; __has_include chooses between files that exist and
ones that do not; pairs of names share their first 32 bytes; -D defines a
macro with parameters. The generator knows what each macro stands for and
which conditions hold, and writes only statements whose expanded text the
plain reading converts, to the numbers C computes (an 'LStr' id begins
with a digit, a Version's operators are those the expression reader takes,
in parentheses where the plain reading's grouping to the right would
differ from C's, a size is one number; no macro's name is left in a
number).
Sources meant to fail hold a wrong number of arguments, an argument list
open at the end of the file, # without a parameter, ## at an end, a paste
that makes no token, an #include of no file name, __has_include without its
operand, or a live #error. Some sources have lines cut by a backslash
anywhere, statements too; some have directives inside statements.

The third generator ("values") writes a property list and a string list
whose every number (the ids, Priority, Version, sizes, channels, a
terminology id) is a C constant expression over literals of every form
(decimal, hexadecimal, octal, u, above 0x7FFFFFFF an unsigned int), at
every precedence, with unary operators, ?: and shifts; object-like macros
defined as bare expressions and function-like macros whose texts leave
their parameters bare, so that C's precedence decides across a macro's
edge. The program (values.c) prints (int)(EXPR) of each, built with
-fwrapv. Only expressions whose value C defines are written (no division by
zero, no shift count out of 0 to 31, no signed left shift that overflows,
no decimal constant wider than an int, no l suffix, as a long of the
systems this runs on is wider than an int of the plug-ins').

Exits 77 (skipped) where no C compiler is on PATH. A generator that cannot
run here is skipped alone and the others run: the second where cc -E has no
__has_include, the third where cc builds no program that runs; the run then
exits 77 unless one of them failed. A generator is never left out unsaid:
one that neither ran nor was said to be skipped fails the run. A cross
build names the program that runs VorlTool (wine, for the Windows build)
after the folder; there fewer sources are checked, since each run starts
the emulator.

A mismatch fails, and leaves in the scratch folder's failures/ (N for the
first generator's source N, macros-N for the second's, values-N for the
third's) the source and its headers, `options`, `commands` (what was run
there, as typed in a shell), flat.r (what cc -E gave) or values.c and
plain.r, both scripts (pp.rc and plain.rc), the standard error of each run
(for the first two), and `problems`, which names the features of the
source. A source that cc -E refuses (or accepts, meant to fail), whose
program cc refuses, or whose flat text a plain run refuses, is reported as
the generator's fault.

--generator checks that generator's sources (given again, several);
--source N only its source N (the folder `work` keeps it after the run);
--count N that many sources; --seed N starts from another seed, to look
further.
"""

import collections
import os
import random
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

SEED = 20240611
SOURCES = 300
SOURCES_UNDER_EMULATOR = 30

INT_MIN, INT_MAX = -(1 << 63), (1 << 63) - 1
MASK = (1 << 64) - 1

# -- #if expressions as C evaluates them --------------------------------------


class Undefined(Exception):
    """What C leaves undefined (or refuses) in a condition: never generated live."""


TOKEN = re.compile(r"\s*(?:(\d[\w.]*)|('(?:\\.|[^'\\])+')|([A-Za-z_]\w*)|"
                   r"(<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%<>&^|!~?:()])|(\S))")
ESCAPES = {"n": 10, "t": 9, "r": 13, "0": 0, "\\": 92, "'": 39, '"': 34, "a": 7}


def tokenize(text):
    tokens = []
    for match in TOKEN.finditer(text):
        if match.group(5):
            raise Undefined("stray " + match.group(5))
        tokens.append(next(g for g in match.groups() if g))
    return tokens


def expand(tokens, macros, disabled=frozenset()):
    """Replaces macros by their texts, each read again with itself disabled;
    `defined` and unknown names become numbers, as in a controlling
    expression."""
    out = []
    i = 0
    while i < len(tokens):
        token = tokens[i]
        i += 1
        if token == "defined" and not disabled:
            parenthesised = i < len(tokens) and tokens[i] == "("
            i += parenthesised
            if i >= len(tokens) or not re.match(r"[A-Za-z_]", tokens[i]):
                raise Undefined("defined without a name")
            out.append("1" if tokens[i] in macros else "0")
            i += 1
            if parenthesised:
                if i >= len(tokens) or tokens[i] != ")":
                    raise Undefined("defined( without )")
                i += 1
        elif token == "defined":
            raise Undefined("defined out of a macro")
        elif re.match(r"[A-Za-z_]", token):
            if token in macros and token not in disabled:
                out += expand(tokenize(macros[token]), macros, disabled | {token})
            else:
                out.append("0")
        else:
            out.append(token)
    return out


def literal_value(token, bits=64):
    """(value, unsigned) of an integer or character constant, in integers of
    `bits` bits (intmax_t, or int and unsigned int); a decimal constant too
    large for the signed one is C's next type, which is not generated."""
    if token[0] == "'":
        body = token[1:-1]
        if body[0] != "\\":
            value = ord(body)
        elif body[1] == "x":
            value = int(body[2:], 16)
        elif body[1] in "01234567" and len(body) > 2:
            value = int(body[1:], 8)
        else:
            value = ESCAPES[body[1]]
        return value, False
    match = re.fullmatch(r"(0[xX][0-9a-fA-F]+|0[bB][01]+|0[0-7]*|[1-9]\d*)([uUlL]*)", token)
    if not match:
        raise Undefined("not a number: " + token)
    digits, suffix = match.groups()
    if digits[:2] in ("0x", "0X"):
        value = int(digits[2:], 16)
    elif digits[:2] in ("0b", "0B"):
        value = int(digits[2:], 2)
    elif digits[0] == "0":
        value = int(digits, 8)
    else:
        value = int(digits)
    highest = (1 << (bits - 1)) - 1
    if value >= 1 << bits or (value > highest and digits[0] != "0" and "u" not in suffix.lower()):
        raise Undefined("constant too large")
    return value, "u" in suffix.lower() or value > highest


class Evaluator:
    """Recursive descent over C's precedence. A value is (number, unsigned);
    an operand C does not evaluate is read with live=False: its type counts,
    nothing it does is undefined. Integers have BITS bits; a signed result
    out of range is undefined, or wraps where WRAPS (as -fwrapv has it)."""

    BITS = 64
    WRAPS = False

    LEVELS = [("||",), ("&&",), ("|",), ("^",), ("&",), ("==", "!="), ("<", ">", "<=", ">="),
              ("<<", ">>"), ("+", "-"), ("*", "/", "%")]

    def __init__(self, tokens):
        self.tokens = tokens
        self.pos = 0
        self.mask = (1 << self.BITS) - 1
        self.max = (1 << (self.BITS - 1)) - 1
        self.min = -(1 << (self.BITS - 1))

    def signed(self, value):
        value &= self.mask
        return value - (1 << self.BITS) if value > self.max else value

    def peek(self):
        return self.tokens[self.pos] if self.pos < len(self.tokens) else None

    def take(self, wanted=None):
        token = self.peek()
        if token is None or (wanted and token != wanted):
            raise Undefined("malformed")
        self.pos += 1
        return token

    def whole(self):
        value = self.conditional(True)
        if self.peek() is not None:
            raise Undefined("malformed")
        return value

    def conditional(self, live):
        condition = self.binary(0, live)
        if self.peek() != "?":
            return condition
        self.take()
        holds = condition[0] != 0
        first = self.conditional(live and holds)
        self.take(":")
        second = self.conditional(live and not holds)
        unsigned = first[1] or second[1]
        chosen = first[0] if holds else second[0]
        return (chosen & self.mask if unsigned else self.signed(chosen)), unsigned

    def binary(self, level, live):
        if level == len(self.LEVELS):
            return self.unary(live)
        left = self.binary(level + 1, live)
        while self.peek() in self.LEVELS[level]:
            op = self.take()
            if op == "&&":
                right = self.binary(level + 1, live and left[0] != 0)
                left = int(left[0] != 0 and right[0] != 0), False
            elif op == "||":
                right = self.binary(level + 1, live and left[0] == 0)
                left = int(left[0] != 0 or right[0] != 0), False
            else:
                left = self.apply(op, left, self.binary(level + 1, live), live)
        return left

    def apply(self, op, left, right, live):
        if op in ("<<", ">>"):
            (value, unsigned), count = left, right[0]
            if not live:
                return 0, unsigned
            if count < 0 or count >= self.BITS:
                raise Undefined("shift count")
            if op == ">>":
                return value >> count, unsigned
            if unsigned:
                return (value << count) & self.mask, True
            if value < 0 or value << count > self.max:
                raise Undefined("shift overflow")
            return value << count, False
        unsigned = left[1] or right[1]
        a, b = (left[0] & self.mask, right[0] & self.mask) if unsigned else (left[0], right[0])
        compare = {"==": a == b, "!=": a != b, "<": a < b, ">": a > b, "<=": a <= b, ">=": a >= b}
        if op in compare:
            return int(compare[op]), False
        if not live:
            return 0, unsigned
        if op in ("/", "%"):
            if b == 0 or (not unsigned and a == self.min and b == -1):
                raise Undefined("division")
            quotient = abs(a) // abs(b) * (1 if (a < 0) == (b < 0) else -1)
            result = quotient if op == "/" else a - quotient * b
        else:
            result = {"+": a + b, "-": a - b, "*": a * b, "&": a & b, "^": a ^ b, "|": a | b}[op]
        if unsigned:
            return result & self.mask, True
        if not self.min <= result <= self.max:
            if not self.WRAPS:
                raise Undefined("overflow")
            result = self.signed(result)
        return result, False

    def unary(self, live):
        token = self.take()
        if token == "(":
            value = self.conditional(live)
            self.take(")")
            return value
        if token in ("+", "-", "~", "!"):
            value, unsigned = self.unary(live)
            if token == "!":
                return int(value == 0), False
            if token == "+":
                return value, unsigned
            if unsigned:
                return (-value if token == "-" else ~value) & self.mask, True
            if token == "-" and value == self.min and live:
                if not self.WRAPS:
                    raise Undefined("overflow")
                return value, False
            return (-value if token == "-" else ~value), False
        if token[0].isdigit() or token[0] == "'":
            return literal_value(token, self.BITS)
        raise Undefined("malformed at " + token)


def evaluate(text, macros):
    """The value of an #if condition under `macros` (name -> text)."""
    tokens = expand(tokenize(text), macros)
    if not tokens:
        raise Undefined("empty")
    return Evaluator(tokens).whole()


# -- the sources --------------------------------------------------------------

# Macro names by what they may stand for. Flags and C values stand for any C
# constant expression, so they appear in conditions only; resource numbers
# are decimal or hexadecimal numbers, or a parenthesised operation on two of
# them, which the plain reading folds as C does; identifiers are plain
# decimal numbers, since a statement's id takes no parentheses around it.
FLAGS = ["FOO", "BAR", "BAZ", "QUX"]
PREDEFINED = ["_WIN32", "RC_INVOKED", "VORLTOOL_VERSION"]
C_VALUES = ["cX", "cY", "cZ", "cW"]
NUMBERS = ["kA", "kB", "kC", "kD", "kPick"]
STRINGS = ["kName", "kCat", "kMsg", "kSub"]
IDS = ["kID", "kListID"]
NEVER_DEFINED = ["NOPE", "kMissing"]
VALUE_NAMES = FLAGS + PREDEFINED + C_VALUES + NUMBERS + NEVER_DEFINED
ALL_NAMES = VALUE_NAMES + STRINGS + IDS

BINARY = ["*", "/", "%", "+", "-", "<<", ">>", "<", ">", "<=", ">=", "==", "!=",
          "&", "^", "|", "&&", "||"]
PRECEDENCE = {"||": 2, "&&": 3, "|": 4, "^": 5, "&": 6, "==": 7, "!=": 7, "<": 8, ">": 8,
              "<=": 8, ">=": 8, "<<": 9, ">>": 9, "+": 10, "-": 10, "*": 11, "/": 11, "%": 11}
SUFFIXES = ["u", "U", "l", "L", "ul", "LU", "ll", "ULL", "llu"]
CHARACTERS = ["'a'", "'Z'", "'0'", "' '", "'\\n'", "'\\t'", "'\\0'", "'\\x41'", "'\\101'",
              "'\\\\'", "'\\''", "'\"'"]
# Conditions that C never evaluates where they stand: skipped groups and the
# #elif branches after a taken one.
NEVER_EVALUATED = ["1 / 0", "1 % 0", "1 << 64", "9223372036854775807 + 1", "-1 << 3",
                   "UNDEFINED_FUNCTION(3)", "1 +", "defined", "99999999999999999999999", ""]
JUNK_LINES = ["this is { not ( a statement", "Version { kMissing / 0 },",
              "#error never reached", "#include \"missing.h\"", "#include <missing.h>",
              "#bogus directive", "resource 'Vorl' (kMissing) { { Kind { Nothing } } };",
              "#if 1 / 0\n#elif 1 % 0\n#endif", "#ifdef NOPE\n#else\n#error no\n#endif"]
WORDS = ["Blur", "Sharpen", "Noise", "Levels", "Curves", "Glow", "Edge", "Tint"]
MODES = ["doesSupportBitmap", "doesSupportGrayScale", "doesSupportRGBColor",
         "doesSupportCMYKColor", "doesSupportLABColor", "doesSupportRGB48"]
KINDS = ["Filter", "ImageFormat", "Export", "Acquire"]


class Generated:
    """What the generators share: a source's files and options, and its
    directive lines, written with the blanks, comments and line splices C
    allows in them. self.macros is what a preprocessor holds at the point
    being written, in live text (for the second generator, the object-like
    macros that stand for numbers, with the calls in their texts written out)."""

    def __init__(self, rng, version):
        self.rng = rng
        self.macros = {"_WIN32": "1", "RC_INVOKED": "1", "VORLTOOL_VERSION": version}
        self.options = []
        self.files = {}
        self.failure = None  # the text a failing source's run reports, or ""
        self.splicing = False
        self.inside = False

    def features(self):
        """What a mismatch report names of the source."""
        return [name for name, present in (("lines spliced", self.splicing),
                                           ("directives inside statements", self.inside))
                if present]

    def option(self, letter, value):
        if self.rng.random() < 0.5:
            self.options.append(letter + value)
        else:
            self.options += [letter, value]

    def directive(self, name, text="", whole=False):
        """A directive line; a `whole` one is never cut by a backslash."""
        rng = self.rng
        line = rng.choice(["#", "#", "#", "# ", "  #", "\t#"]) + name
        if text:
            line += " " + text
        r = rng.random()
        if r < 0.1:
            line += " // " + rng.choice(WORDS)
        elif r < 0.15:
            line += " /* " + rng.choice(WORDS) + " */"
        elif r < 0.18:
            line += " /* " + rng.choice(WORDS) + "\n   " + rng.choice(WORDS) + " */"
        elif whole:
            pass
        elif r < 0.22 and " " in text:
            # A line joined to the next by a backslash.
            cut = text.index(" ")
            line = line[:len(line) - len(text)] + text[:cut] + " \\\n\t" + text[cut + 1:]
        elif r < 0.3 and text:
            line = self.splice(line, len(line) - len(text))
        return line

    def dead_extra(self, out, live):
        """Now and then, in skipped text, a line that would fail if read."""
        if not live and self.rng.random() < 0.3:
            out.append(self.rng.choice(self.junk_lines))

    def properties(self, out, live, depth):
        """Up to two properties of a list (the generator's own), and junk
        where they are skipped."""
        for _ in range(self.rng.randrange(3)):
            self.property(out, live, depth)
        self.dead_extra(out, live)

    def splice(self, line, start):
        """In some sources, now and then a line cut anywhere after `start`,
        inside a word or a literal too, by a backslash and a line end, which
        C removes before anything else."""
        if not self.splicing or self.rng.random() >= 0.3 or len(line) - start < 2:
            return line
        cut = self.rng.randrange(start + 1, len(line))
        return line[:cut] + "\\\n" + line[cut:]


class Source(Generated):
    """One source of the first generator, its header files and its options,
    written while the generator carries out its directives."""

    junk_lines = JUNK_LINES

    def __init__(self, rng, version, elifdef):
        super().__init__(rng, version)
        self.elifdef = elifdef
        # Some sources are meant to fail; some have directives' lines spliced
        # anywhere in their text; some have #define and #undef inside statements.
        self.may_fail = rng.random() < 0.1
        self.splicing = rng.random() < 0.15
        self.inside = rng.random() < 0.15

    # Options -----------------------------------------------------------------

    def choose_options(self):
        rng = self.rng
        folders = ["inc"] if rng.random() < 0.6 else rng.sample(["inc", "inc2"], 2)
        defined = []
        for name in rng.sample(FLAGS + NUMBERS[:2] + PREDEFINED + STRINGS[:1], rng.randrange(4)):
            if name in PREDEFINED or (name in self.macros and rng.random() < 0.5):
                self.option("-U", name)
                self.macros.pop(name, None)
                continue
            if name in NUMBERS:
                text = str(rng.randrange(200))
            elif name in STRINGS:
                text = '"%s"' % rng.choice(WORDS)
            else:
                text = rng.choice(["", "", "0", self.literal(), self.literal()])
            self.option("-D", name + ("=" + text if text else ""))
            self.macros[name] = text or "1"
            defined.append(name)
        if defined and rng.random() < 0.2:
            # Options count in their order: this one takes back a -D before it.
            name = rng.choice(defined)
            self.option("-U", name)
            self.macros.pop(name, None)
        for folder in folders:
            self.option("-I", folder)
        if rng.random() < 0.15:
            self.options.insert(0, "--preprocess")
        if rng.random() < 0.15:
            self.options.append("--")
        return folders

    # Expressions -------------------------------------------------------------

    def literal(self):
        rng = self.rng
        r = rng.random()
        if r < 0.1:
            return rng.choice(CHARACTERS)
        if r < 0.4:
            text = str(rng.randrange(60))
        elif r < 0.5:
            text = str(rng.randrange(1 << 20))
        elif r < 0.65:
            text = "0" + "%o" % rng.randrange(512)
        elif r < 0.8:
            text = rng.choice(["0x", "0X"]) + rng.choice(["%x", "%X"]) % rng.randrange(4096)
        elif r < 0.87:
            text = "0x%X" % rng.randrange(1 << 62, 1 << 64)
        else:
            text = "0b" + "{:b}".format(rng.randrange(64))
        if rng.random() < 0.25:
            text += rng.choice(SUFFIXES)
        return text

    def tree(self, depth, defined=True):
        """An expression tree; `defined` only where a condition is written,
        since a macro's text that yields it leaves C undefined."""
        rng = self.rng
        r = rng.random()
        if depth == 0 or r < 0.2:
            leaf = rng.random()
            if leaf < 0.45:
                return ("leaf", self.literal())
            if leaf < 0.8 or not defined:
                return ("leaf", rng.choice(VALUE_NAMES))
            name = rng.choice(ALL_NAMES)
            return ("leaf", rng.choice(["defined %s", "defined(%s)", "defined ( %s )"]) % name)
        if r < 0.35:
            return ("unary", rng.choice("+-~!"), self.tree(depth - 1, defined))
        if r < 0.45:
            return ("?:",) + tuple(self.tree(depth - 1, defined) for _ in range(3))
        return ("binary", rng.choice(BINARY), self.tree(depth - 1, defined),
                self.tree(depth - 1, defined))

    def render(self, node, needed=0):
        """C text of a tree: parentheses where precedence needs them, and now
        and then where it does not."""
        kind = node[0]
        if kind == "leaf":
            text, precedence = node[1], 13
        elif kind == "unary":
            operand = self.render(node[2], 12)
            gap = " " if operand[0] in "+-" or self.rng.random() < 0.2 else ""
            text, precedence = node[1] + gap + operand, 12
        elif kind == "?:":
            text = "%s ? %s : %s" % (self.render(node[1], 2), self.render(node[2], 1),
                                     self.render(node[3], 1))
            precedence = 1
        else:
            precedence = PRECEDENCE[node[1]]
            left, right = self.render(node[2], precedence), self.render(node[3], precedence + 1)
            # Without blanks only where no two tokens could run together
            # (- -1, a pp-number such as 0x1e+1).
            tight = (self.rng.random() < 0.3 and left[-1] not in "eEpP" and right[0] not in "+-")
            text = left + node[1] + right if tight else "%s %s %s" % (left, node[1], right)
        if precedence < needed or self.rng.random() < 0.08:
            text = "(" + text + ")"
        return text

    def condition(self):
        """A live #if condition and whether it holds: free of what C leaves
        undefined; about half of them compared with a number next to their
        value, so that a value one off changes the branch taken."""
        for attempt in range(200):
            text = self.render(self.tree(self.rng.randrange(1, 5 if attempt < 100 else 2)))
            try:
                value, unsigned = evaluate(text, self.macros)
                if self.rng.random() < 0.5 and value != INT_MIN:
                    near = value + self.rng.choice([-1, 0, 0, 1])
                    if unsigned:
                        near &= MASK
                    number = ("%du" % near if unsigned
                              else str(near) if near >= 0 else "-%d" % -near)
                    relation = self.rng.choice(["==", "!=", "<", ">=", ">", "<="])
                    text = "(%s) %s %s" % (text, relation, number)
                    value, unsigned = evaluate(text, self.macros)
                return text, value != 0
            except (Undefined, IndexError):
                continue
        return "1", True

    # Directives --------------------------------------------------------------

    def define(self, out, live, names=None):
        rng = self.rng
        name = rng.choice(names or FLAGS + C_VALUES + NUMBERS + STRINGS + IDS)
        if name in FLAGS:
            text = rng.choice(["", "1", "0", self.literal()])
        elif name in C_VALUES:
            text = self.render(self.tree(rng.randrange(3), False), 0 if rng.random() < 0.6 else 14)
        elif name in NUMBERS:
            text = self.resource_number_text()
        elif name in STRINGS:
            text = '"%s %s"' % (rng.choice(WORDS), rng.choice(WORDS))
        else:
            text = str(rng.randrange(16000, 17000))
        if name in self.macros and self.macros[name] != text:
            out.append(self.directive("undef", name))
        out.append(self.directive("define", (name + " " + text).rstrip()))
        if live:
            self.macros[name] = text

    def undefine(self, out, live):
        name = self.rng.choice(ALL_NAMES)
        out.append(self.directive("undef", name))
        if live:
            self.macros.pop(name, None)

    def resource_number_text(self):
        """A number, or an operation on two: a macro only on the left, since
        the plain reading takes a macro right after + - * / as the whole
        value (a number there it folds as C does)."""
        rng = self.rng

        def number():
            return str(rng.randrange(100)) if rng.random() < 0.6 else "0x%X" % rng.randrange(64)

        if rng.random() < 0.5:
            return str(rng.randrange(300)) if rng.random() < 0.7 else "0x%x" % rng.randrange(300)
        left = rng.choice(NUMBERS) if rng.random() < 0.4 else number()
        return "(%s %s %s)" % (left, rng.choice(["+", "-", "*", "/", "|", "<<"]), number())

    def resource_value(self, name, seen=()):
        """What a macro stands for in a statement, read as the plain reading
        reads it, or None where it stands for no number in 0..32767 (or is
        undefined, or refers to itself)."""
        text = self.macros.get(name)
        if text is None or name in seen or name not in NUMBERS + IDS:
            return None
        operation = re.fullmatch(r"\((\w+) (\S+) (\w+)\)", text)
        if not operation:
            return int(text, 0) if re.fullmatch(r"\d+|0x[0-9a-fA-F]+", text) else None
        values = []
        for operand in (operation.group(1), operation.group(3)):
            values.append(int(operand, 0) if operand[0].isdigit()
                          else self.resource_value(operand, seen + (name,)))
        a, op, b = values[0], operation.group(2), values[1]
        if a is None or b is None or (op == "/" and b == 0) or (op == "<<" and b > 14):
            return None
        value = {"+": a + b, "-": a - b, "*": a * b, "/": a // max(b, 1), "|": a | b,
                 "<<": a << b}[op]
        return value if 0 <= value <= 32767 else None

    # Groups ------------------------------------------------------------------

    def group(self, out, live, depth, body, value_group=False):
        """One conditional group whose branches hold what `body` writes; a
        value group always has an #else, so exactly one branch stands."""
        rng = self.rng
        taken = not live  # in skipped text nothing is evaluated
        branches = 1 + rng.choice([0, 0, 1, 1, 2])
        has_else = value_group or rng.random() < 0.6
        for index in range(branches + has_else):
            opening = index == 0
            if index == branches:
                out.append(self.directive("else"))
                holds = not taken
            else:
                word = rng.random()
                prefix = "if" if opening else "elif"
                if word < 0.6:
                    keyword = prefix
                    if taken:
                        text, holds = (self.render(self.tree(2)) if rng.random() < 0.5
                                       else rng.choice(NEVER_EVALUATED)), False
                    else:
                        text, holds = self.condition()
                    if not text and opening:
                        text = "0"
                else:
                    wanted = word < 0.8
                    keyword = prefix + ("def" if wanted else "ndef")
                    text = rng.choice(ALL_NAMES)
                    holds = (text in self.macros) == wanted
                    if not opening and not self.elifdef:
                        keyword, text = "elif", ("defined " if wanted else "!defined ") + text
                holds = holds and not taken
                out.append(self.directive(keyword, text))
            body(out, live and holds, depth + 1)
            taken = taken or holds
        out.append(self.directive("endif"))

    # Statements --------------------------------------------------------------

    def number(self, live, plain=False):
        """A number in a statement: decimal, or a macro that stands for one
        (for a plain one, a macro whose text is a number)."""
        rng = self.rng
        if rng.random() < 0.5:
            usable = [n for n in NUMBERS if self.resource_value(n) is not None and
                      (not plain or self.macros[n][0] != "(")]
            if usable or not live:
                return rng.choice(usable if live else NUMBERS + ["kMissing"])
        return str(rng.randrange(1000))

    def string(self, live):
        rng = self.rng
        if rng.random() < 0.3:
            usable = [n for n in STRINGS if self.macros.get(n, "").startswith('"')]
            if usable or not live:
                return rng.choice(usable if live else STRINGS)
        return '"%s"' % rng.choice(WORDS)

    def statement_id(self, live):
        usable = [n for n in IDS if self.resource_value(n) is not None]
        if self.rng.random() < 0.4 and (usable or not live):
            return self.rng.choice(usable if live else IDS)
        return str(self.rng.randrange(16000, 17000))

    def value_in_braces(self, out, live, depth, keyword):
        if self.rng.random() < 0.25 and depth < 4:
            out.append("\t\t%s {" % keyword)
            self.group(out, live, depth, lambda o, l, d: o.append("\t\t\t" + self.number(l)),
                       value_group=True)
            out.append("\t\t},")
        else:
            out.append("\t\t%s { %s }," % (keyword, self.number(live)))

    def property(self, out, live, depth):
        rng = self.rng
        r = rng.random()
        if r < 0.27:
            self.value_in_braces(out, live, depth, rng.choice(["Version", "Priority"]))
        elif r < 0.47:
            out.append("\t\t%s { %s }," % (rng.choice(["Name", "Category", "CodeWin32X86"]),
                                           self.string(live)))
        elif r < 0.57:
            out.append("\t\tRequiredHost { '%s' }," % rng.choice(["8BIM", "ABCD", "PSHP"]))
        elif r < 0.67:
            # A plain number each: the plain reading folds no arithmetic here.
            out.append("\t\tFormatMaxSize { { %s, %s } }," % (self.number(live, True),
                                                               self.number(live, True)))
        elif r < 0.77:
            modes = rng.sample(MODES, 3)
            out.append("\t\tSupportedModes { %s," % modes[0])
            if depth < 4:
                self.group(out, live, depth,
                           lambda o, l, d: o.append("\t\t\t%s," % rng.choice(MODES)))
            out.append("\t\t\t%s }," % modes[1])
        elif r < 0.9 or not self.inside:
            if depth < 4:
                self.group(out, live, depth, self.properties)
        elif r < 0.95:
            self.define(out, live, NUMBERS + STRINGS)
        else:
            self.undefine(out, live)

    def statement(self, out, live, depth, kind=None):
        """A property list ('Vorl', 'TzAv') or a string list ('LStr'), some
        of its lines spliced. Its last item stands in no group, so each
        item before it ends in a comma."""
        rng = self.rng
        kind = kind or rng.choice(["Vorl", "Vorl", "TzAv", "LStr"])
        start = len(out)
        out.append("resource '%s' (%s, %s) {" % (kind, self.statement_id(live), self.string(live)))
        out.append("\t{")
        if kind == "LStr":
            self.strings(out, live, depth)
            last = self.string(live)
        else:
            out.append("\t\tKind { %s }," % rng.choice(KINDS))
            for _ in range(rng.randrange(1, 6)):
                self.property(out, live, depth)
            last = "CodeWin64X86 { %s }" % self.string(live)
        out += ["\t\t" + last, "\t}", "};"]

    def strings(self, out, live, depth):
        rng = self.rng
        for _ in range(rng.randrange(3)):
            r = rng.random()
            if r < 0.5:
                out.append("\t\t%s," % self.string(live))
            elif r < 0.65:
                # A literal joined to the one the group leaves.
                out.append("\t\t%s" % self.string(live))
                self.group(out, live, depth, lambda o, l, d: o.append("\t\t" + self.string(l)),
                           value_group=True)
                out.append("\t\t,")
            elif r < 0.9 or not self.inside:
                if depth < 4:
                    self.group(out, live, depth, self.strings)
            else:
                self.define(out, live, STRINGS)
        self.dead_extra(out, live)

    def top_items(self, out, live, depth):
        rng = self.rng
        for _ in range(rng.randrange(1, 5) if depth else rng.randrange(6, 12)):
            r = rng.random()
            if r < 0.2:
                self.define(out, live)
            elif r < 0.27:
                self.undefine(out, live)
            elif r < 0.47 and depth < 4:
                self.group(out, live, depth, self.top_items)
            elif r < 0.82:
                self.statement(out, live, depth)
            elif r < 0.87:
                out.append("resource 'STR#' (%s) { { %s } };" % (self.number(live),
                                                                 self.string(live)))
            elif r < 0.92:
                out.append(self.directive("include", rng.choice(['"guard.h"', "<guard.h>"])))
            elif live and self.failure is None and self.may_fail:
                self.fail(out)
            else:
                out.append(rng.choice(["", "// " + rng.choice(WORDS), "/* a\n   comment */"]))
        self.dead_extra(out, live)

    def fail(self, out):
        """A live construct that both preprocessors refuse."""
        kind = self.rng.randrange(5)
        self.failure = ""
        if kind == 0:
            self.failure = "Stopped by " + self.rng.choice(WORDS)
            out.append("#error " + self.failure)
        elif kind == 1:
            out.append("#if %s %s 0\n#endif" % (self.literal(), self.rng.choice("/%")))
        elif kind == 2:
            out.append("#if 1\n#else\n#else\n#endif")
        elif kind == 3:
            out.append("#if 0\n#else\n#elif 1\n#endif")
        else:
            out.append("#endif")

    # The files ---------------------------------------------------------------

    def header(self, folders):
        """The guarded header, carried out where the source first includes
        it, and the headers it includes: sub.h beside it, pick.h in each
        folder with a value of its own."""
        out = ["/* Definitions shared by the plug-in's resources. */",
               "#ifndef GUARD_H", "#define GUARD_H"]
        sub = ["#undef kSub", '#define kSub "%s"' % self.rng.choice(WORDS)]
        body = []
        for _ in range(self.rng.randrange(2, 6)):
            r = self.rng.random()
            if r < 0.55:
                self.define(body, True)
            elif r < 0.7:
                self.undefine(body, True)
            else:
                self.group(body, True, 1, self.header_items)
        if self.rng.random() < 0.5:
            body.append('#include "sub.h"')
            self.macros["kSub"] = sub[1].split(" ", 2)[2]
        self.macros["GUARD_H"] = ""
        self.files["inc/guard.h"] = "\n".join(out + body + ["#endif", ""])
        self.files["inc/sub.h"] = "\n".join(sub + [""])
        for value, folder in enumerate(["inc", "inc2"], 1):
            self.files[folder + "/pick.h"] = "#undef kPick\n#define kPick %d\n" % (value * 11)
        if len(folders) == 2:
            self.macros["kPick"] = str(11 * (1 + ["inc", "inc2"].index(folders[0])))

    def header_items(self, out, live, depth):
        for _ in range(self.rng.randrange(1, 3)):
            if depth < 3 and self.rng.random() < 0.2:
                self.group(out, live, depth, self.header_items)
            elif self.rng.random() < 0.8:
                self.define(out, live)
            else:
                self.undefine(out, live)
        self.dead_extra(out, live)

    def write(self):
        folders = self.choose_options()
        out = ["// Resources of a plug-in, by conditions and macros."]
        out.append(self.directive("include", self.rng.choice(['"guard.h"', "<guard.h>"])))
        self.header(folders)
        if len(folders) == 2:
            out.append("#include <pick.h>")
        self.top_items(out, True, 0)
        if self.rng.random() < 0.3:
            out.append(self.directive("include", '"guard.h"'))
            self.statement(out, True, 0, "Vorl")
        self.files["in.r"] = "\n".join(out) + "\n"


# -- the second generator: macros as C headers use them -----------------------

MACRO_SEED = 20240919
MACRO_SOURCES = 200
MACRO_SOURCES_UNDER_EMULATOR = 20

# Where a statement's argument list goes on over the next line.
BREAK = "\n\t\t\t"

# Names that share their first 32 bytes (and a few more), in pairs.
LONG_IDS = ["kPlugInResourceIdentifierBaseOfTheFilter", "kPlugInResourceIdentifierBaseOfTheFormat"]
LONG_STRINGS = ["kPlugInDisplayNameForTheHostsMenuShort", "kPlugInDisplayNameForTheHostsMenuLonger"]
LONG_CALLS = ["MAKE_PLUGIN_RESOURCE_IDENTIFIER_FOR_FILTER", "MAKE_PLUGIN_RESOURCE_IDENTIFIER_FOR_FORMAT"]

# The function-like macros of the shared header: the parameters, and the
# spellings of the text, one chosen per source (C reads them alike).
FUNCTIONS = [
    ("STR", "x", ["#x", "# x"]),
    ("XSTR", "x", ["STR(x)", "STR( x )"]),
    ("CAT", "a, b", ["a ## b", "a##b"]),
    ("XCAT", "a, b", ["CAT(a, b)", "CAT(a,b)"]),
    ("MAKE_VERSION", "major, minor", ["(((major) << 16) | (minor))", "(((major)<<16)|(minor))"]),
    ("SUM", "a, b", ["((a) + (b))", "((a)+(b))"]),
    ("PLUS1", "x", ["((x) + 1)"]),
    ("PLUS2", "x", ["PLUS1(PLUS1(x))"]),
    ("ID", "base, n", ["base + n"]),
    ("LIST", "...", ["__VA_ARGS__"]),
    ("FIRST", "a, ...", ["a"]),
    ("REST", "a, ...", ["__VA_ARGS__"]),
    ("STRS", "...", ["#__VA_ARGS__", "# __VA_ARGS__"]),
    ("TWICE", "x", ["x x"]),
    ("APPLY", "f, x", ["f(x)", "f (x)"]),
    ("EMPTY", "", [""]),
    ("PICK_0", "a, b", ["b"]),
    ("PICK_1", "a, b", ["a"]),
    ("PICK", "c, a, b", ["CAT(PICK_, c)(a, b)"]),
    ("ENTRY", "name", ["XSTR(CAT(Plugin, name))"]),
    ("INC", "name", ["XSTR(name.h)"]),
    ("BRACED", "...", ["{ __VA_ARGS__ }"]),
    ("REC", "x", ["REC(x)"]),
    ("LSTR_RESOURCE", "id, ...", ["resource 'LStr' (id, \"Generated\") { { __VA_ARGS__ } };"]),
    (LONG_CALLS[0], "n", [LONG_IDS[0] + " + n"]),
    (LONG_CALLS[1], "n", [LONG_IDS[1] + " + n"]),
]
# Macros whose texts call CAT: pasted by CAT, they come back with the CAT in
# them left as it is, since a macro is not replaced inside its own expansion.
CALLING_CAT = ["kShift", "kEntry"]
# Function-like names that a statement may hold without a ( after them.
SHORT_CALLS = ["STR", "XSTR", "CAT", "EMPTY", "PICK", "REC", "LIST", "MAKE_VERSION"]

# Numbers by what the plain reading makes of their expansion: "fold", digits
# first, then + - * / and parentheses on one line, which the lexer folds into
# one number; "pfold", such a sum in parentheses; "minus", a minus sign and a
# fold; "expr", any other value of a property's expression (<< and |);
# "alone", one that only stands alone in a property (a suffix, a macro inside
# its own text). A slot names the kinds that may begin a number there: an
# 'LStr' id must begin with a digit, a 'Vorl' id may begin with a sign, a
# size takes a plain number, a Version or Priority any expression.
SLOTS = {"lstr": ("fold",), "vorl": ("fold", "minus"), "fold": ("fold",),
         "operand": ("fold", "pfold"), "voperand": ("fold", "pfold", "expr"),
         "value": ("fold", "pfold", "minus", "expr")}

FORMAT_FLAGS = ["fmtCanRead", "fmtCanWrite", "fmtCanWriteIfRead", "fmtSavesImageResources"]
HOSTS = ["'8BIM'", "'ABCD'", "'PSHP'"]
# Arguments a macro drops, and text a string is made of by #.
JUNK_ARGUMENTS = ['"unused"', "not used", "MAKE_VERSION", "(1, 2)", "", "'c'", "kBase + 1"]
STRINGIZED = ["%s", "%s  %s", " %s\t%s ", "%s /* note */ %s", '%s "quoted \\"%s\\"\\n"',
              "'c' %s", "(%s, %s)", "%s" + BREAK + "%s", "kBase + %s", ""]
# Lines that fail where C reads them: only in skipped text, or as the
# conditions of #elif branches after a taken one.
MACRO_JUNK_LINES = ["#error never reached", "#include MISSING_HEADER", '#include "missing.h"',
                    "#define BROKEN(x) #y", "#define BROKEN x ##", "Version { MAKE_VERSION(1) },",
                    "CAT(+, -)", "#if __has_include\n#endif", "#include NOT_A_HEADER",
                    "STR(never closed", "#if MAKE_VERSION(1)\n#endif"]
NEVER_EVALUATED_MACROS = ["__has_include", "MAKE_VERSION(1)", "1 / 0", "STR(", "CAT(+, -)",
                          '__has_include("missing.h"']
# Lines that make a source fail where C reads them.
MACRO_FAILURES = [
    "resource 'Vorl' (16000) { { Version { MAKE_VERSION(1) } } };",
    "resource 'Vorl' (16000) { { Version { MAKE_VERSION(1, 2, 3) } } };",
    "resource 'LStr' (16000, EMPTY(x)) { { } };",
    "resource 'Vorl' (16000) { { Priority { SUM(1) } } };",
    "#if MAKE_VERSION(1) > 0\n#endif",
    "#define BAD(x) #y",
    "#define BAD(x) x + # 1",
    "#define BAD(x) ## x",
    "#define BAD(x) x ##",
    "#define BAD x ##",
    "resource 'Vorl' (16000) { { Priority { CAT(+, -) } } };",
    "resource 'LStr' (16000) { { CAT(\"a\", \"b\") } };",
    "#define NOT_A_HEADER defs\n#include NOT_A_HEADER",
    # Not missing.h: once __has_include has not found a file, gcc 12 passes
    # over an #include of it without a word.
    "#define MISSING_HEADER \"absent.h\"\n#include MISSING_HEADER",
    "#include EMPTY()",
    "#if __has_include\n#endif",
    "#if __has_include()\n#endif",
    "#if __has_include(\"defs.h\"\n#endif",
]


def line_number(out):
    """The line that the next item of `out` (lines joined by line ends) begins on."""
    return 1 + sum(1 + item.count("\n") for item in out)


class MacroSource(Generated):
    """One source of the second generator: statements that use macros as C
    headers write them, with the shared header and the others it includes.
    self.objects holds the kind of each object-like macro defined in live
    text (SLOTS, or "string", "word", ... for the others)."""

    junk_lines = MACRO_JUNK_LINES

    def __init__(self, rng, version, elifdef=True):
        # (elifdef: as for the first generator; these sources have no #elifdef.)
        super().__init__(rng, version)
        self.may_fail = rng.random() < 0.1
        self.splicing = rng.random() < 0.15
        self.inside = rng.random() < 0.3
        self.objects = {"_WIN32": "fold", "RC_INVOKED": "fold", "VORLTOOL_VERSION": "fold"}
        self.used = set()
        # The line that __LINE__ stands for: None where it may not be used (in
        # a macro's text), -1 in a statement, the line in a condition.
        self.here = None
        self.in_header = False
        self.scale = 2
        self.ending = None  # an argument list left open at the end of the file
        self.local = rng.random() < 0.7  # local.h stands beside the source
        self.folders = ["inc"]

    def features(self):
        return sorted(self.used) + super().features()

    def use(self, *features):
        self.used.update(features)

    def defined(self, *kinds):
        return sorted(name for name, kind in self.objects.items() if kind in kinds)

    def call(self, name, *args):
        """A macro call, its arguments now and then on lines of their own."""
        self.use("function-like macros")
        if self.rng.random() < 0.1:
            return name + "(" + ("," + BREAK).join(args) + ")"
        return name + "(" + (", " if self.rng.random() < 0.8 else ",").join(args) + ")"

    def junk(self, commas=True):
        """An argument that the macro drops."""
        text = self.rng.choice(JUNK_ARGUMENTS + (["x, y"] if commas else []))
        self.use(*{"": ["empty arguments"], "MAKE_VERSION": ["name without ("]}.get(text, []))
        return text

    # Numbers -----------------------------------------------------------------

    def number(self, slot, depth=0, alone=False):
        """A number for `slot` (SLOTS), its C text (macro calls written out,
        other macros left as names) and its kind."""
        wanted = SLOTS[slot] + (("alone",) if alone else ())
        for _ in range(30):
            used = set(self.used)
            text, ctext, kind = self.number_form(slot, depth, alone)
            if kind in wanted:
                return text, ctext, kind
            self.used = used
        return self.number_literal(slot, depth)

    def number_literal(self, slot, depth):
        rng = self.rng
        if slot in ("lstr", "vorl"):
            value = rng.randrange(16000, 17000)
        elif slot == "value" and depth == 0 and rng.random() < 0.3:
            self.use("32-bit values")
            return ("0x%08x" % rng.randrange(1 << 16, 1 << 23),) * 2 + ("fold",)
        else:
            value = rng.randrange(1, 300)
        text = rng.choice(["%d", "%d", "0x%x", "0x%X"]) % value
        return text, text, "fold"

    def number_form(self, slot, depth, alone):
        rng = self.rng
        r = rng.random()
        values = slot in ("value", "operand", "voperand")
        if depth > 1 or r < 0.15:
            return self.number_literal(slot, depth)
        if r < 0.32:
            names = self.defined(*SLOTS[slot] + (("alone",) if alone else ()))
            if not names:
                return self.number_literal(slot, depth)
            name = rng.choice(names)
            if name in LONG_IDS:
                self.use("names over 32 bytes")
            if name == "kLevel":
                self.use("a macro inside its own text")
            return name, name, self.objects[name]
        if r < 0.5:
            return self.sum(slot, depth)
        if r < 0.62:
            return self.passed_on(slot, depth)
        if r < 0.7:
            return self.identifier_call(slot, depth)
        if r < 0.78 and values:
            return self.grouped(depth)
        if r < 0.86 and slot == "value":
            return self.value_form(depth, alone)
        if r < 0.93 or self.here is None:
            return self.pasted_literal(slot)
        self.use("__LINE__")
        return "__LINE__", str(self.here), "fold"

    def sum(self, slot, depth):
        """Numbers joined by operators, with blanks around each, since C reads
        0x1e+1 as one token. After + - * only a fold or a fold in parentheses:
        the lexer, folding a sum, takes a parenthesis after them as its own.
        Where the lexer does not fold what stands on the left, it goes in
        parentheses, and so does a sum after a minus: the plain reading's
        expressions group to the right, C's to the left. A sum never begins
        with a minus sign, which the plain reading takes for the whole sum."""
        rng = self.rng
        first = {"vorl": "lstr", "value": "voperand"}.get(slot, slot)
        text, ctext, kind = self.number(first, depth + 1)
        folds = kind == "fold"
        if kind == "expr":
            text, ctext = "(%s)" % text, "(%s)" % ctext
        if kind != "fold":
            kind = "expr"

        def left():
            if folds:
                return text, ctext
            return "(%s)" % text, "(%s)" % ctext

        for _ in range(rng.randrange(1, 3)):
            op = rng.choice("+-*|" if slot == "value" else "+-*")
            if op == "*":
                operand = (str(rng.randrange(2, 5)),) * 2 + ("fold",)
            else:
                operand = self.number("voperand" if op == "|" else "operand", depth + 1)
            otext, octext = operand[:2]
            if operand[2] == "expr" or (op == "-" and not folds):
                otext, octext = "(%s)" % otext, "(%s)" % octext
            text, ctext = left()
            text, ctext = " ".join([text, op, otext]), " ".join([ctext, op, octext])
            if op == "|" or operand[2] != "fold" or not folds:
                folds = False
                kind = "expr"
        r = rng.random()
        if r < 0.15:
            divisor = str(rng.randrange(1, 10))
            text, ctext = left()
            text, ctext = text + " / " + divisor, ctext + " / " + divisor
        elif r < 0.3 and slot == "value":
            count = str(rng.randrange(1, 5))
            text, ctext = left()
            text, ctext = text + " << " + count, ctext + " << " + count
            kind = "expr"
        if slot in ("lstr", "vorl"):
            self.use("sums in ids")
        if kind == "fold" and slot in ("value", "operand", "voperand") and rng.random() < 0.3:
            return "(%s)" % text, "(%s)" % ctext, "pfold"
        return text, ctext, kind

    def passed_on(self, slot, depth):
        """A call, or a paste, that gives back one of its arguments."""
        rng = self.rng
        text, ctext, kind = self.number(slot, depth + 1)
        r = rng.random()
        if r < 0.2:
            self.use("variadic")
            return self.call("FIRST", text, self.junk()), ctext, kind
        if r < 0.3:
            self.use("variadic")
            return self.call("LIST", text), ctext, kind
        if r < 0.5:
            other = self.number("value", depth + 1)[0]
            picked = rng.choice("01")
            if picked == "1" and "RC_INVOKED" in self.objects and rng.random() < 0.5:
                picked = "RC_INVOKED"  # an argument expanded before it is pasted
            self.use("nested calls", "## pasting")
            args = (text, other) if picked != "0" else (other, text)
            return self.call("PICK", picked, *args), ctext, kind
        if r < 0.85 and re.fullmatch(r"\w+", text) and text not in CALLING_CAT:
            self.use("## pasting")
            if rng.random() < 0.5 or len(text) < 3:
                self.use("empty arguments")
                return rng.choice(["CAT(%s,)", "CAT(, %s)", "CAT(%s, )"]) % text, ctext, kind
            cut = rng.randrange(1, len(text))
            if text[cut].isdigit() or text == "__LINE__":
                # (__LINE__ by pieces would hide it from line().)
                return self.call("LIST", text), ctext, kind
            return self.call("CAT", text[:cut], text[cut:]), ctext, kind
        self.use("nested calls")
        return self.call("APPLY", "LIST", text), ctext, kind

    def identifier_call(self, slot, depth):
        """A number plus an offset, by a call."""
        rng = self.rng
        offset = str(rng.randrange(1, 50))
        longs = [i for i in (0, 1) if self.objects.get(LONG_IDS[i]) == "fold"]
        if longs and rng.random() < 0.4:
            i = rng.choice(longs)
            self.use("names over 32 bytes")
            return self.call(LONG_CALLS[i], offset), LONG_IDS[i] + " + " + offset, "fold"
        text, ctext, kind = self.number(slot, depth + 1)
        if kind not in ("fold", "minus"):
            # ID's text has no parentheses of its own.
            text, ctext, kind = "(%s)" % text, "(%s)" % ctext, "expr"
        elif kind == "minus":
            # Nor does a sum after a minus sign in the plain reading.
            return self.call("ID", "(%s)" % text, offset), "(%s) + %s" % (ctext, offset), "expr"
        return self.call("ID", text, offset), ctext + " + " + offset, kind

    def grouped(self, depth):
        """A sum in parentheses, by a call (or calls) that add the parentheses."""
        rng = self.rng
        text, ctext, kind = self.number("voperand", depth + 1)
        kind = "pfold" if kind in ("fold", "pfold") else "expr"
        r = rng.random()
        if r < 0.3:
            other = self.number("voperand", depth + 1)
            if other[2] == "expr":
                kind = "expr"
            return self.call("SUM", text, other[0]), "((%s) + (%s))" % (ctext, other[1]), kind
        if r < 0.5:
            return self.call("PLUS1", text), "((%s) + 1)" % ctext, kind
        if r < 0.65:
            self.use("nested calls")
            return self.call("PLUS2", text), "((((%s) + 1)) + 1)" % ctext, kind
        if r < 0.85:
            if self.scale != 2:
                self.use("-D with parameters")
            return self.call("SCALE", text), "((%s) * %d)" % (ctext, self.scale), kind
        self.use("nested calls")
        return self.call("APPLY", "PLUS1", text), "((%s) + 1)" % ctext, kind

    def small(self):
        """A version's part: a digit, a macro for one or one more than it."""
        rng = self.rng
        r = rng.random()
        parts = self.defined("fold")
        if r < 0.3 and "kMinor" in parts:
            return "kMinor", "kMinor"
        if r < 0.45 and "kMajor" in parts:
            return "kMajor", "kMajor"
        if r < 0.55 and "kMinor" in parts:
            return self.call("PLUS1", "kMinor"), "((kMinor) + 1)"
        return (rng.choice(["%d", "0x%x"]) % rng.randrange(10),) * 2

    def value_form(self, depth, alone):
        """A Version's or a Priority's value of 32 bits, by a call or a paste."""
        rng = self.rng
        r = rng.random()
        self.use("32-bit values")
        if r < 0.45:
            major, minor = self.small(), self.small()
            if rng.random() < 0.15 and depth == 0:
                self.use("nested calls")
                minor = self.number("operand", depth + 1)[:2]
            return (self.call("MAKE_VERSION", major[0], minor[0]),
                    "(((%s) << 16) | (%s))" % (major[1], minor[1]), "expr")
        if r < 0.6:
            self.use("## pasting")
            count = rng.randrange(1, 17)
            return "(1 CAT(<, <) %d)" % count, "(1 << %d)" % count, "expr"
        if r < 0.75 and alone:
            text = rng.choice(["0x%08xL", "%dL"]) % rng.randrange(1 << 16, 1 << 23)
            return text, text, "alone"
        text, ctext, _ = self.number("fold", depth + 1)
        # A fold may be a sum: the plain reading takes a minus sign for all of it.
        return "-(%s)" % text, "-(%s)" % ctext, "minus"

    def pasted_literal(self, slot):
        """A number made by pasting its digits, or by pasting a macro's."""
        rng = self.rng
        self.use("## pasting")
        value = rng.randrange(16000, 17000) if slot in ("lstr", "vorl") else rng.randrange(10, 300)
        if slot in ("lstr", "vorl") and self.objects.get("kHigh") == "fold" and rng.random() < 0.4:
            # kHigh is 16: expanded before it is pasted, by XCAT.
            self.use("nested calls")
            return self.call("XCAT", "kHigh", str(value)[2:]), str(value), "fold"
        if rng.random() < 0.4:
            digits = "%X" % value
            return self.call("CAT", "0x", digits), "0x" + digits, "fold"
        digits = str(value)
        cut = rng.randrange(1, len(digits))
        return self.call("CAT", digits[:cut], digits[cut:]), digits, "fold"

    # Strings and names -------------------------------------------------------

    def string_literal(self):
        rng = self.rng
        # Comment marks inside quotes begin no comment: what follows the
        # string on its line is still read.
        text = rng.choice(["%s", "%s %s", "%s\\t%s", '%s \\"%s\\"', "%s\\\\%s", "%s://%s", "/* %s"])
        return '"%s"' % (text % tuple(rng.choice(WORDS) for _ in range(text.count("%s"))))

    def word(self):
        """A name that stands for no macro after expansion, for # and lists."""
        rng = self.rng
        r = rng.random()
        if r < 0.4:
            return rng.choice(WORDS)
        if r < 0.65 and "kWord" in self.objects:
            return "kWord"
        if r < 0.8:
            loops = self.defined("loop")
            if loops:
                self.use("a macro inside its own text")
                return rng.choice(loops)
        word = rng.choice(WORDS)
        cut = rng.randrange(1, len(word))
        self.use("## pasting")
        return self.call("CAT", word[:cut], word[cut:])

    def stringized(self):
        """Free text for STR: blanks, comments, literals, parentheses."""
        rng = self.rng
        form = rng.choice(STRINGIZED)
        if not form:
            self.use("empty arguments")
        if "kBase" in form:
            self.use("no expansion beside #")
        return form.replace("%s", "{}").format(*(rng.choice(WORDS) for _ in range(form.count("%s"))))

    def string(self, depth=0, simple=False):
        """Text that expands to one string literal. A simple one uses no
        macro of the string kind, so that it may define one."""
        rng = self.rng
        r = rng.random()
        if depth > 1 or r < 0.1:
            return self.string_literal()
        self.use("# stringizing")
        if r < 0.2:
            return self.call("STR", self.stringized())
        if r < 0.28:
            self.use("variadic")
            words = [rng.choice(WORDS) for _ in range(rng.randrange(1, 4))]
            return self.call("STRS", rng.choice([", ", ",", " , "]).join(words))
        if r < 0.36:
            self.use("nested calls", "## pasting")
            return self.call("ENTRY", self.word())
        if r < 0.46:
            return self.call("XSTR", self.word())
        if simple:
            return self.string_literal()
        if r < 0.54:
            text, _, kind = self.number("value", 1)
            if kind in ("fold", "pfold") or text.startswith("MAKE_VERSION"):
                return self.call("XSTR", text)
            return self.call("XSTR", self.word())
        if r < 0.62:
            self.use("nested calls")
            word = self.word()
            spelling = rng.random()
            if spelling < 0.25:
                return self.call("APPLY", "XSTR", word)
            if spelling < 0.5 and "STRINGIZER" in self.objects:
                return "STRINGIZER(%s)" % word
            self.use("( on a later line")
            return rng.choice(["XSTR /* then */ (%s)", "XSTR" + BREAK + "(%s)",
                               "XSTR\t(%s)"]) % word
        if r < 0.72:
            inner = self.string(depth + 1)
            spelling = rng.random()
            if spelling < 0.4:
                self.use("variadic")
                return self.call("FIRST", inner, self.junk())
            if spelling < 0.6:
                self.use("variadic")
                return self.call("LIST", inner)
            self.use("## pasting")
            picked = rng.choice("01")
            args = (inner, self.string(depth + 1))
            return self.call("PICK", picked, *(args if picked == "1" else args[::-1]))
        strings = self.defined("string")
        if r < 0.82 and strings:
            name = rng.choice(strings)
            if name in LONG_STRINGS:
                self.use("names over 32 bytes")
            if rng.random() < 0.3:
                self.use("## pasting")
                if name in CALLING_CAT:
                    self.use("a macro inside its own text")
                cut = rng.randrange(1, len(name))
                return self.call("CAT", name[:cut], name[cut:])
            if rng.random() < 0.2:
                return self.call("XSTR", name)  # a string in a string
            return name
        if r < 0.87:
            self.use("__FILE__")
            return rng.choice(["__FILE__", "XSTR(__FILE__)"])
        if r < 0.92 and self.here is not None:
            self.use("__LINE__")
            return "XSTR(__LINE__)"
        if r < 0.96:
            self.use("a macro inside its own text")
            return self.call("XSTR", self.call("REC", str(rng.randrange(10))))
        self.use("no expansion beside #")
        return self.call("STR", rng.choice(self.defined("word", "string", "fold") or ["kWord"]))

    def kind(self):
        rng = self.rng
        kind = rng.choice(KINDS)
        r = rng.random()
        if r < 0.3:
            return kind
        if r < 0.5 and "kKind" in self.objects:
            return "kKind"
        if r < 0.7:
            self.use("## pasting")
            cut = rng.randrange(1, len(kind))
            return self.call("CAT", kind[:cut], kind[cut:])
        if r < 0.85:
            self.use("## pasting", "nested calls")
            return self.call("PICK", "1", kind, rng.choice(KINDS))
        self.use("variadic")
        return self.call("FIRST", kind, self.junk())

    def names(self, table, one, several):
        """Items of a list of flag names (SupportedModes, FormatFlags): each
        expands to at least one name; names the list does not know are
        passed over."""
        rng = self.rng
        items = []
        for _ in range(rng.randrange(1, 4)):
            r = rng.random()
            name = rng.choice(table)
            if r < 0.3:
                items.append(name)
            elif r < 0.4 and one in self.objects:
                items.append(one)
            elif r < 0.48 and several in self.objects:
                items.append(several)
            elif r < 0.58:
                self.use("## pasting")
                cut = rng.randrange(1, len(name))
                items.append(self.call("CAT", name[:cut], name[cut:]))
            elif r < 0.66:
                self.use("variadic")
                items.append(self.call("LIST", name, rng.choice(table)))
            elif r < 0.76:
                self.use("name without (")
                items.append(rng.choice(SHORT_CALLS))
            elif r < 0.86:
                items.append(self.word())
            elif r < 0.93:
                items.append("EMPTY() " + name)
            else:
                self.use("variadic")
                items.append(self.call("FIRST", name, self.junk()))
        return ", ".join(items)

    def host(self):
        rng = self.rng
        r = rng.random()
        if r < 0.5 and "kHost" in self.objects:
            return "kHost" if rng.random() < 0.6 else self.call("FIRST", "kHost", self.junk())
        if r < 0.7:
            return self.call("LIST", rng.choice(HOSTS))
        return rng.choice(HOSTS)

    def numbers(self, least, most, several):
        """Numbers of a size or a channel list, with their braces."""
        rng = self.rng
        items = [self.number("fold")[0] for _ in range(rng.randrange(least, most + 1))]
        r = rng.random()
        if r < 0.15 and several in self.objects:
            return "{ { %s } }" % several
        if r < 0.3:
            self.use("variadic")
            return "{ %s }" % self.call("BRACED", *items)
        if r < 0.45:
            self.use("variadic")
            return "{ { %s } }" % self.call("LIST", *items)
        if r < 0.55:
            self.use("variadic")
            return "{ { %s } }" % self.call("REST", self.junk(False), *items)
        return "{ { %s } }" % ", ".join(items)

    # Conditions --------------------------------------------------------------

    def has_include(self):
        """A __has_include and whether the file is found. From the shared
        header, only names that no folder but the include folders holds: a
        quoted name is looked for beside the including file by C, in the
        working folder first by VorlTool."""
        rng = self.rng
        found = {'"defs.h"': True, "<defs.h>": True, '"names.h"': True, "<once.h>": True,
                 '"missing.h"': False, "<missing.h>": False, "<local.h>": False,
                 '"extra.h"': "inc2" in self.folders, "<extra.h>": "inc2" in self.folders}
        if not self.in_header:
            found.update({'"local.h"': self.local, '"inc/defs.h"': True, "<inc/defs.h>": False})
        name = rng.choice(sorted(found))
        self.use("__has_include")
        spelling = rng.choice(["__has_include(%s)", "__has_include( %s )", "__has_include (%s)"])
        return spelling % name, int(found[name])

    def atom(self, line):
        """A condition's operand and its value."""
        rng = self.rng
        r = rng.random()
        if r < 0.3:
            return self.has_include()
        if r < 0.45:
            name = rng.choice(sorted(self.objects) + LONG_IDS + LONG_STRINGS + ["NOPE", "STR"])
            if name in LONG_IDS + LONG_STRINGS:
                self.use("names over 32 bytes")
            value = int(name in self.objects or name == "STR")
            return rng.choice(["defined(%s)", "defined %s", "defined ( %s )"]) % name, value
        if r < 0.5:
            self.use("name without (")
            return rng.choice(SHORT_CALLS), 0
        self.here = line
        for _ in range(20):
            text, ctext, _ = self.number("value", alone=True)
            try:
                value, unsigned = evaluate(ctext, self.macros)
            except (Undefined, IndexError):
                continue
            if not unsigned:
                return text.replace(BREAK, " "), value
        return "1", 1

    def condition(self, truth, line, depth=0):
        """A condition that holds or not, as asked."""
        rng = self.rng
        if depth < 1 and rng.random() < 0.25:
            # Both sides as the whole (true && true, false || false), or one
            # side decides (true || any, false && any).
            op = rng.choice(["&&", "||"])
            if (op == "&&") == truth:
                sides = [truth, truth]
            else:
                sides = [truth, rng.random() < 0.5]
                rng.shuffle(sides)
            return "%s %s %s" % (self.condition(sides[0], line, 1), op,
                                 self.condition(sides[1], line, 1))
        text, value = self.atom(line)
        if value in (0, 1) and rng.random() < 0.5:
            return text if bool(value) == truth else "!" + (text if text.startswith("defined")
                                                            else "(%s)" % text)
        while True:
            near = value + rng.choice([-1, 0, 1])
            relation = rng.choice(["==", "!=", "<", ">=", ">", "<="])
            holds = {"==": value == near, "!=": value != near, "<": value < near,
                     ">=": value >= near, ">": value > near, "<=": value <= near}[relation]
            if holds == truth:
                return "(%s) %s %s" % (text, relation, near)

    def condition_line(self, out, keyword, text):
        # Which line __LINE__ stands for in a directive cut over lines is not
        # the point; clang 14 fails on a splice inside __has_include's
        # parentheses (when -I finds the file). Those stay on one line.
        whole = "__LINE__" in text or "__has_include" in text
        out.append(self.directive(keyword, text, whole))

    def group(self, out, live, depth, body, always=False):
        """One conditional group whose conditions hold as the generator
        chooses. Branches after the taken one get now and then a condition
        that C never evaluates; in skipped text anything goes. With
        `always`, one branch is taken (it has an #else)."""
        rng = self.rng
        branches = rng.choice([1, 1, 2, 3])
        has_else = always or rng.random() < 0.5
        taken = rng.randrange(branches + 1)  # the #else, or no branch
        for index in range(branches + has_else):
            if index == branches:
                out.append(self.directive("else"))
            else:
                keyword = "if" if index == 0 else "elif"
                if live and index > taken and rng.random() < 0.4:
                    text = rng.choice(NEVER_EVALUATED_MACROS)
                else:
                    text = self.condition(index == taken if live else rng.random() < 0.5,
                                          line_number(out))
                self.condition_line(out, keyword, text)
            body(out, live and index == taken, depth + 1)
        out.append(self.directive("endif"))

    # Definitions -------------------------------------------------------------

    def define(self, out, name, text, kind, ctext=None, live=True):
        out.append(self.directive("define", "%s %s" % (name, text.replace(BREAK, " "))))
        if live:
            self.objects[name] = kind
            if ctext is None:
                self.macros.pop(name, None)
            else:
                self.macros[name] = ctext

    def redefine(self, out, live, name=None):
        """A macro defined again, with a text of its kind. The texts use no
        macro that may itself be defined again, so that none holds itself."""
        rng = self.rng
        self.here = None
        name = name or rng.choice(["kOff", "kMajor", "kMinor", "kName", "kWord", "kMode",
                                   LONG_IDS[0], LONG_IDS[1], LONG_STRINGS[1]])
        ctext = None
        if name in ("kMajor", "kMinor"):
            text = ctext = str(rng.randrange(10))
            kind = "fold"
        elif name == "kOff":
            value = rng.randrange(1, 200)
            text = ctext = rng.choice(["%d", "(%d)", "%d + 1", "(%d * 2)"]) % value
            kind = "pfold" if text[0] == "(" else "fold"
        elif name in LONG_IDS:
            self.use("names over 32 bytes")
            if rng.random() < 0.2:
                out.append(self.directive("undef", name))
                if live:
                    self.objects.pop(name, None)
                    self.macros.pop(name, None)
                return
            text = ctext = rng.choice(["kBase + %d", "%d", "kBase - %d"]) % rng.randrange(300)
            kind = "fold"
        elif name == "kWord":
            text, kind = rng.choice(WORDS), "word"
        elif name == "kMode":
            text, kind = rng.choice(MODES), "mode"
        else:
            text, kind = self.string(simple=True), "string"
        out.append(self.directive("undef", name))
        self.define(out, name, text, kind, ctext, live)

    def include_again(self, out, live):
        """An include of a file read before (or of once.h for the first
        time): its guard or #pragma once leaves it out."""
        rng = self.rng
        name = rng.choice(['"once.h"', "<once.h>", "HDR", '"names.h"'])
        if "once" in name:
            self.use("#pragma once")
            if live:
                self.objects["kOnce"], self.macros["kOnce"] = "fold", "1"
        if name == "HDR":
            self.use("#include MACRO")
        out.append(self.directive("include", name))

    def inner_directive(self, out, live):
        """A directive between a statement's items."""
        if self.rng.random() < 0.6:
            self.redefine(out, live)
        else:
            self.include_again(out, live)

    # Statements --------------------------------------------------------------

    def line(self, out, text):
        """A statement's line. One that holds __LINE__ stays one line, not
        spliced: which line a token cut over lines stands on is not the point."""
        if "__LINE__" in text:
            out.append(text.replace(BREAK, " "))
            return
        if BREAK in text:
            self.use("arguments over lines")
        out.append(self.splice(text, 0))

    def property(self, out, live, depth):
        rng = self.rng
        r = rng.random()
        self.here = -1
        if r < 0.22:
            self.line(out, "\t\t%s { %s }," % (rng.choice(["Version", "Priority"]),
                                               self.number("value", alone=True)[0]))
        elif r < 0.4:
            self.line(out, "\t\t%s { %s }," % (rng.choice(["Name", "Category", "CodeWin32X86"]),
                                               self.string()))
        elif r < 0.46:
            self.line(out, "\t\tRequiredHost { %s }," % self.host())
        elif r < 0.55:
            self.line(out, "\t\tSupportedModes { %s }," % self.names(MODES, "kMode", "kModes"))
        elif r < 0.6:
            self.line(out, "\t\tFormatFlags { %s }," % self.names(FORMAT_FLAGS, "kFlag", "kFlags"))
        elif r < 0.66:
            self.line(out, "\t\tFormatMaxSize %s," % self.numbers(2, 2, "kSize"))
        elif r < 0.72:
            self.line(out, "\t\tFormatMaxChannels %s," % self.numbers(1, 4, "kChannels"))
        elif r < 0.86 or not self.inside:
            if depth < 3:
                self.group(out, live, depth, self.properties)
        else:
            self.inner_directive(out, live)

    def property_list(self, out, live, depth):
        rng = self.rng
        self.here = -1
        keyword = "data" if rng.random() < 0.1 else "resource"
        name = ", " + self.string() if rng.random() < 0.8 else ""
        self.line(out, "%s '%s' (%s%s) {" % (keyword, rng.choice(["Vorl", "Vorl", "TzAv"]),
                                             self.number("vorl")[0], name))
        out.append("\t{")
        self.line(out, "\t\tKind { %s }," % self.kind())
        for _ in range(rng.randrange(1, 6)):
            self.property(out, live, depth)
        self.here = -1
        self.line(out, "\t\tCodeWin64X86 { %s }" % self.string())
        out += ["\t}", "};"]

    def elements(self, out, live, depth):
        rng = self.rng
        for _ in range(rng.randrange(4)):
            self.here = -1
            r = rng.random()
            if r < 0.4:
                joined = " ".join(self.string() for _ in range(rng.choice([1, 1, 1, 2, 3])))
                self.line(out, "\t\t%s," % joined)
            elif r < 0.55:
                self.use("variadic")
                strings = [self.string() for _ in range(rng.randrange(1, 4))]
                if rng.random() < 0.5:
                    self.line(out, "\t\t%s," % self.call("LIST", *strings))
                else:
                    self.line(out, "\t\t%s," % self.call("REST", self.junk(False), *strings))
            elif r < 0.62:
                self.line(out, "\t\t%s," % self.call("TWICE", self.string()))
            elif r < 0.8 or not self.inside:
                if depth < 3:
                    self.group(out, live, depth, self.elements)
            else:
                self.inner_directive(out, live)
        self.dead_extra(out, live)

    def string_list(self, out, live, depth):
        rng = self.rng
        self.here = -1
        keyword = "data" if rng.random() < 0.1 else "resource"
        self.line(out, "%s 'LStr' (%s, %s) {" % (keyword, self.number("lstr")[0], self.string()))
        out.append("\t{")
        self.elements(out, live, depth)
        self.here = -1
        if rng.random() < 0.6:
            self.line(out, "\t\t" + self.string())
        out += ["\t}", "};"]

    def skipped_statement(self, out):
        """A statement the plain reading skips: the place for names of
        function-like macros without a ( after them, and calls that stay."""
        rng = self.rng
        self.here = -1
        items = []
        for _ in range(rng.randrange(1, 5)):
            r = rng.random()
            if r < 0.4:
                self.use("name without (")
                items.append(rng.choice(SHORT_CALLS + LONG_CALLS))
            elif r < 0.55:
                self.use("a macro inside its own text")
                items.append(self.call("REC", str(rng.randrange(10))))
            elif r < 0.7:
                items.append(self.string())
            elif r < 0.85:
                items.append(self.number("value")[0])
            else:
                self.use("__LINE__", "__FILE__")
                items.append("__LINE__ __FILE__")
        self.line(out, "resource 'STR#' (%s, %s) { { %s } };"
                  % (self.number("vorl")[0], self.string(), ", ".join(items)))

    def statement_by_macro(self, out):
        self.here = -1
        self.use("statement from a macro", "variadic")
        strings = [self.string() for _ in range(self.rng.randrange(1, 4))]
        self.line(out, self.call("LSTR_RESOURCE", self.number("lstr")[0], *strings))

    def top_items(self, out, live, depth):
        rng = self.rng
        for _ in range(rng.randrange(1, 4) if depth else rng.randrange(4, 9)):
            r = rng.random()
            if r < 0.1:
                self.redefine(out, live)
            elif r < 0.25 and depth < 3:
                self.group(out, live, depth, self.top_items)
            elif r < 0.5:
                self.property_list(out, live, depth)
            elif r < 0.68:
                self.string_list(out, live, depth)
            elif r < 0.76:
                self.skipped_statement(out)
            elif r < 0.82:
                self.statement_by_macro(out)
            elif r < 0.87:
                self.include_again(out, live)
            else:
                out.append(rng.choice(["", "// " + rng.choice(WORDS), "/* a\n   comment */",
                                       "EMPTY()"]))
        self.dead_extra(out, live)

    def fail(self, out):
        """A live construct that both preprocessors refuse: a live #error, an
        argument list left open at the end of the file, or one of
        MACRO_FAILURES."""
        rng = self.rng
        self.failure = ""
        r = rng.random()
        if r < 0.15:
            self.failure = "Stopped by " + rng.choice(WORDS)
            out.append("#error " + self.failure)
        elif r < 0.3:
            self.ending = rng.choice(["resource 'Vorl' (16000) { { Name { XSTR(kWord",
                                      "resource 'LStr' (16000) { { STR(open,\n\t\t(nested)",
                                      "PLUS1(\n"])
        else:
            out.append(rng.choice(MACRO_FAILURES))

    # The files ---------------------------------------------------------------

    def choose_options(self):
        rng = self.rng
        if rng.random() < 0.3:
            self.folders = ["inc", "inc2"] if rng.random() < 0.5 else ["inc2", "inc"]
        defined = {}
        if rng.random() < 0.3:
            defined["kBase"] = str(rng.randrange(16000, 17000))
        if rng.random() < 0.3:
            self.scale = 3
            defined["SCALE(x)"] = "((x) * 3)"
        if rng.random() < 0.2:
            defined["kTitle"] = '"%s"' % rng.choice(WORDS)
        for name, text in defined.items():
            self.option("-D", name + "=" + text)
        if rng.random() < 0.2:
            self.option("-U", "_WIN32")
            self.macros.pop("_WIN32")
            self.objects.pop("_WIN32")
        for folder in self.folders:
            self.option("-I", folder)
        if rng.random() < 0.15:
            self.options.insert(0, "--preprocess")
        if rng.random() < 0.15:
            self.options.append("--")
        return defined

    def shared_header(self, defined):
        """inc/defs.h: numbers and the function-like macros, guarded by
        #ifndef, by #pragma once or by both."""
        rng = self.rng
        self.in_header = True
        out = ["/* Numbers and helpers of the plug-in's resources. */"]
        guard = rng.choice(["ifndef", "once", "both"])
        if guard != "ifndef":
            self.use("#pragma once")
            out.append(self.directive("pragma", "once"))
        if guard != "once":
            out += [self.directive("ifndef", "DEFS_H"), self.directive("define", "DEFS_H")]
        # kBase and SCALE may come from the command line.
        base = defined.get("kBase", str(rng.randrange(16000, 17000)))
        out += [self.directive("ifndef", "kBase"), self.directive("define", "kBase " + base),
                self.directive("endif")]
        self.objects["kBase"], self.macros["kBase"] = "fold", base
        if "SCALE(x)" in defined:
            self.use("-D with parameters")
        out += [self.directive("ifndef", "SCALE"), self.directive("define", "SCALE(x) ((x) * 2)"),
                self.directive("endif")]
        self.define(out, "kHigh", "16", "fold", "16")
        self.redefine(out, True, name="kOff")
        self.redefine(out, True, name="kMajor")
        self.redefine(out, True, name="kMinor")
        self.use("32-bit values")
        if rng.random() < 0.5:
            version = "0x%08x" % (rng.randrange(1, 10) << 16 | rng.randrange(100))
            self.define(out, "kVersion", version, "fold", version)
        else:
            self.define(out, "kVersion", "MAKE_VERSION(kMajor, kMinor)", "expr",
                        "(((kMajor) << 16) | (kMinor))")
        if rng.random() < 0.5:
            self.define(out, "kResID", "(kBase + 1)", "pfold", "(kBase + 1)")
        else:
            self.define(out, "kResID", "kBase + kOff", "fold", "kBase + kOff")
        self.define(out, "kNegID", "-kBase", "minus", "-kBase")
        # Left a name inside its own text, which no number may hold.
        self.define(out, "kLevel", "(4 + kLevel)", "self", "(4 + kLevel)")
        self.define(out, "kShift", "(1 CAT(<, <) 4)", "expr", "(1 << 4)")
        for name, text in zip(LONG_IDS, ["kBase + 100", "kBase + 200"]):
            self.define(out, name, text, "fold", text)
        functions = FUNCTIONS[:]
        rng.shuffle(functions)
        for name, parameters, texts in functions:
            if rng.random() < 0.3:
                parameters = parameters.replace(", ", ",")
            out.append(self.directive("define", ("%s(%s) %s" % (name, parameters,
                                                                rng.choice(texts))).rstrip()))
        # A group whose conditions use what the header has defined.
        for _ in range(rng.randrange(3)):
            self.group(out, True, 1, self.header_items, always=True)
        if guard != "once":
            out.append(self.directive("endif"))
        self.files["inc/defs.h"] = "\n".join(out) + "\n"
        self.in_header = False

    def header_items(self, out, live, depth):
        for _ in range(self.rng.randrange(1, 3)):
            if depth < 3 and self.rng.random() < 0.2:
                self.group(out, live, depth, self.header_items, always=True)
            else:
                self.redefine(out, live, name=self.rng.choice(["kOff", "kMajor", "kMinor"]))
        self.dead_extra(out, live)

    def names_header(self):
        """inc/names.h: the words, strings and lists, guarded by #ifndef."""
        rng = self.rng
        out = ["// Names of the plug-in's resources.", self.directive("ifndef", "NAMES_H"),
               self.directive("define", "NAMES_H")]
        self.define(out, "kWord", rng.choice(WORDS), "word")
        self.define(out, "kName", '"%s %s"' % (rng.choice(WORDS), rng.choice(WORDS)), "string")
        out += [self.directive("ifndef", "kTitle"),
                self.directive("define", 'kTitle "Title"'), self.directive("endif")]
        self.objects["kTitle"] = "string"
        self.define(out, "kEntry", self.call("ENTRY", rng.choice(["Main", "Entry"])), "string")
        self.define(out, "kKind", rng.choice(KINDS), "kind")
        self.define(out, "kMode", rng.choice(MODES), "mode")
        self.define(out, "kModes", ", ".join(rng.sample(MODES, 2)), "modes")
        self.define(out, "kFlag", rng.choice(FORMAT_FLAGS), "mode")
        self.define(out, "kFlags", ", ".join(rng.sample(FORMAT_FLAGS, 2)), "modes")
        self.define(out, "kHost", rng.choice(HOSTS), "host")
        self.define(out, "kSize", "%d, %d" % (rng.randrange(1, 30000), rng.randrange(1, 30000)),
                    "pair")
        self.define(out, "kChannels", ", ".join(str(rng.randrange(1, 25)) for _ in range(3)),
                    "pair")
        self.define(out, "kLoopA", "kLoopB", "loop")
        self.define(out, "kLoopB", "kLoopA", "loop")
        self.define(out, "kSelf", "kSelf", "loop")
        for name in LONG_STRINGS:
            self.define(out, name, self.string(simple=True), "string")
        self.define(out, "STRINGIZER", "XSTR", "stringizer")
        out.append(self.directive("endif"))
        self.files["inc/names.h"] = "\n".join(out) + "\n"

    def write(self):
        rng = self.rng
        defined = self.choose_options()
        out = ["// Resources of a plug-in, with macros as C headers write them."]
        # The shared header, by a macro or by its name.
        r = rng.random()
        header = rng.choice(['"defs.h"', "<defs.h>"])
        if r < 0.6:
            self.use("#include MACRO")
            out.append(self.directive("define", "HDR " + header))
            out.append(self.directive("include", "HDR"))
        elif r < 0.75:
            self.use("#include MACRO", "# stringizing")
            out.append(self.directive("define", "QUOTE(name) #name"))
            out.append(self.directive("include", "QUOTE(defs.h)"))
            out.append(self.directive("define", "HDR QUOTE(defs.h)"))
        else:
            out.append(self.directive("include", header))
            out.append(self.directive("define", "HDR " + header))
        self.shared_header(defined)
        self.names_header()
        r = rng.random()
        if r < 0.5:
            self.use("#include MACRO", "nested calls")
            out.append(self.directive("include", rng.choice(["INC(names)", "XSTR(names.h)"])))
        elif r < 0.7:
            self.use("#include MACRO")
            out.append(self.directive("define", "NAMES_HEADER <names.h>"))
            out.append(self.directive("include", "NAMES_HEADER"))
        else:
            out.append(self.directive("include", '"names.h"'))
        # once.h counts how often it is read.
        self.files["inc/once.h"] = ("// Read once, whatever includes it.\n#pragma once\n"
                                    "#ifdef kOnce\n#undef kOnce\n#define kOnce 2\n#else\n"
                                    "#define kOnce 1\n#endif\n")
        if rng.random() < 0.7:
            self.include_again(out, True)
        values = {"kLocal": rng.randrange(1, 100), "kExtra": rng.randrange(1, 100)}
        if self.local:
            self.files["local.h"] = "#define kLocal %d\n" % values["kLocal"]
        self.files["inc2/extra.h"] = "#define kExtra %d\n" % values["kExtra"]
        # Definitions that depend on which files there are.
        for name, spellings in (("kLocal", ['"local.h"', "<local.h>"]),
                                ("kExtra", ["<extra.h>", '"extra.h"'])):
            if rng.random() < 0.5:
                continue
            self.use("__has_include")
            spelling = rng.choice(spellings)
            found = (self.local if spelling == '"local.h"' else
                     "inc2" in self.folders if name == "kExtra" else False)
            self.condition_line(out, "if", "__has_include(%s)" % spelling)
            if found:
                out.append(self.directive("include", spelling))
            else:
                out.append(rng.choice(["#include " + spelling, "#error not found"]))
                values[name] = rng.randrange(100, 200)
            out.append(self.directive("else"))
            out.append(self.directive("define", "%s %d" % (name, values[name])))
            out.append(self.directive("endif"))
            self.objects[name], self.macros[name] = "fold", str(values[name])
        self.top_items(out, True, 0)
        if self.may_fail:
            self.fail(out)
        if rng.random() < 0.6:
            # once.h read again: kOnce stays 1.
            self.use("#pragma once")
            out.append(self.directive("include", rng.choice(['"once.h"', "<once.h>"])))
            self.objects["kOnce"], self.macros["kOnce"] = "fold", "1"
            out.append("resource 'Vorl' (16000 + kOnce) { { Kind { Filter }, Priority { kOnce } } };")
        if rng.random() < 0.3:
            self.include_again(out, True)
            self.property_list(out, True, 0)
        if rng.random() < 0.1:
            # A function-like name at the very end of the file.
            self.use("name without (")
            out.append(rng.choice(SHORT_CALLS))
        if self.ending is not None:
            self.use("unterminated call")
            out.append(self.ending)
        self.files["in.r"] = "\n".join(out) + "\n"


# -- the third generator: values as C computes them ---------------------------

VALUE_SEED = 20250310
VALUE_SOURCES = 100
VALUE_SOURCES_UNDER_EMULATOR = 10


class Int32(Evaluator):
    """C's arithmetic on int and unsigned int of 32 bits, wrapping as
    -fwrapv has it."""

    BITS = 32
    WRAPS = True


# Function-like macros whose texts leave their parameters bare, as headers
# often write them: C reads each argument's text where it lands.
VALUE_FUNCTIONS = [
    ("ADD", ("a", "b"), "a + b"),
    ("MUL", ("a", "b"), "a * b"),
    ("SHL", ("a", "n"), "a << n"),
    ("NEG", ("x",), "-x"),
    ("HALF", ("x",), "x / 2"),
    ("SEL", ("c", "a", "b"), "c ? a : b"),
    ("LOW", ("x",), "x & 0xFFFF"),
    ("NOT", ("x",), "!x"),
    ("GROUP", ("x",), "(x)"),
    ("MAKE", ("h", "l"), "((h) << 16 | (l))"),
]
VALUE_OBJECTS = ["vA", "vB", "vC", "vD", "vE"]
VALUE_BINARY = ["*", "/", "%", "+", "-", "<<", ">>", "<", ">", "<=", ">=", "==", "!=",
                "&", "^", "|", "&&", "||"]
# The numbers of the lists: where each stands, with a blank to fill.
VALUE_LISTS = """\
resource 'Vorl' ({}, "Values") {{
	{{
		Kind {{ Filter }},
		Priority {{ {} }},
		Version {{ {} }},
		FormatMaxSize {{ {{ {}, {} }} }},
		FormatMaxChannels {{ {{ {}, {}, {} }} }},
		ZR_Reserved {{ {} }},
		HasTerminology {{ 'clas', 'evnt', {}, "" }}
	}}
}};
resource 'LStr' ({}, "Strings") {{ {{ "one" }} }};
"""


class ValueSource:
    """One source of the third generator: lists whose numbers are C constant
    expressions, over literals of every form, object-like macros defined as
    bare expressions, and calls of the function-like macros above, at every
    precedence; beside it the C program that prints each number as C
    computes it (values.c), and, once those are known, the plain source of
    the same lists with the numbers written out (plain.r)."""

    def __init__(self, rng, version, elifdef=True):
        # (version, elifdef: as for the other generators; unused here.)
        self.rng = rng
        self.options = ["--preprocess"]
        self.files = {}
        self.failure = None
        self.used = set()
        self.expanded = {}  # an object-like macro's name -> its text, every macro replaced
        self.numbers = []  # each number's text in the lists

    def features(self):
        return sorted(self.used)

    def use(self, *features):
        self.used.update(features)

    def literal(self):
        rng = self.rng
        r = rng.random()
        if r < 0.45:
            return str(rng.randrange(100))
        if r < 0.55:
            return str(rng.randrange(100, 1 << 31))
        if r < 0.7:
            self.use("hexadecimal")
            return rng.choice(["0x%x", "0X%X", "0x%X"]) % rng.randrange(1 << 16)
        if r < 0.8:
            self.use("unsigned int")
            return "0x%X" % rng.randrange(1 << 31, 1 << 32)
        if r < 0.9:
            self.use("octal")
            return "0%o" % rng.randrange(1, 512)
        # (Not l: a long of the systems the oracle runs on has 64 bits, of
        # those the plugins are built for 32.)
        self.use("suffix u")
        return str(rng.randrange(100)) + rng.choice(["u", "U"])

    def expression(self, depth):
        """A C expression: its text, and the text C reads once every macro
        in it is replaced."""
        rng = self.rng
        r = rng.random()
        if depth >= 4 or r < 0.22:
            text = self.literal()
            return text, text
        if r < 0.34 and self.expanded:
            self.use("object-like macros")
            name = rng.choice(sorted(self.expanded))
            return name, self.expanded[name]
        if r < 0.48:
            self.use("function-like macros")
            name, parameters, body = rng.choice(VALUE_FUNCTIONS)
            arguments = [self.expression(depth + 1) for _ in parameters]
            replaced = re.sub(r"\b\w+\b", lambda m: " %s " % arguments[parameters.index(m.group())][1]
                              if m.group() in parameters else m.group(), body)
            return "%s(%s)" % (name, ", ".join(a[0] for a in arguments)), replaced
        if r < 0.58:
            self.use("unary operators")
            op = rng.choice("-~!+")
            operand = self.expression(depth + 1)
            return op + " " + operand[0], op + " " + operand[1]
        if r < 0.66:
            inner = self.expression(depth + 1)
            return "(%s)" % inner[0], "(%s)" % inner[1]
        if r < 0.72:
            self.use("?:")
            parts = [self.expression(depth + 1) for _ in range(3)]
            return tuple("%s ? %s : %s" % tuple(p[i] for p in parts) for i in (0, 1))
        op = rng.choice(VALUE_BINARY)
        if op in ("<<", ">>"):
            self.use("shifts")
            count = str(rng.randrange(32))
            right = (count, count) if rng.random() < 0.7 else self.expression(depth + 1)
        else:
            right = self.expression(depth + 1)
        left = self.expression(depth + 1)
        return left[0] + " " + op + " " + right[0], left[1] + " " + op + " " + right[1]

    def valid(self, expanded):
        """Whether C defines the value (no division by zero, no shift count
        out of range, no decimal constant wider than an int)."""
        try:
            Int32(tokenize(expanded)).whole()
            return True
        except (Undefined, IndexError):
            return False

    def number(self, depth=0):
        for _ in range(100):
            text, expanded = self.expression(depth)
            if self.valid(expanded):
                return text, expanded
        return "1", "1"

    def write(self):
        rng = self.rng
        out = ["// Numbers as C computes them, with macros as headers write them."]
        for name, parameters, body in VALUE_FUNCTIONS:
            out.append("#define %s(%s) %s" % (name, ", ".join(parameters), body))
        for name in VALUE_OBJECTS[:rng.randrange(len(VALUE_OBJECTS) + 1)]:
            text, expanded = self.number(1)
            out.append("#define %s %s" % (name, text))
            self.expanded[name] = expanded
        self.numbers = [self.number()[0] for _ in range(VALUE_LISTS.count("{}"))]
        self.files["in.r"] = "\n".join(out) + "\n" + VALUE_LISTS.format(*self.numbers)
        program = ["#include <stdio.h>"] + out[1:] + ["int main(void) {"]
        program += ['\tprintf("%%d\\n", (int)(%s));' % number for number in self.numbers]
        self.files["values.c"] = "\n".join(program + ["\treturn 0;", "}"]) + "\n"

    def plain(self, values):
        """The plain source of the same lists, each number written out."""
        return VALUE_LISTS.format(*("0x%X" % (value & 0xFFFFFFFF) for value in values))


def check_values(name, source, cc, run_tool, scratch):
    """'' when VorlTool converts the source to the script that a plain run
    gives over the same lists with the numbers a C compiler computes, else
    what went wrong; a program the compiler refuses is the generator's fault."""
    folder = os.path.join(scratch, "work")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for path, text in source.files.items():
        with open(os.path.join(folder, path), "w", newline="\n") as f:
            f.write(text)
    program = os.path.join(folder, "values")
    commands = [[cc, "-fwrapv", "-w", "-o", program, "values.c"], [program],
                run_tool + source.options + ["in.r", "pp.rc"], run_tool + ["plain.r", "plain.rc"]]
    with open(os.path.join(folder, "commands"), "w") as f:
        f.write("# What was run in this folder.\n" + "".join(shlex.join(c) + "\n" for c in commands))
    problems, fault = [], False
    built = run(commands[0], folder)
    printed = run(commands[1], folder) if built.returncode == 0 else built
    values = [int(line) for line in printed.stdout.split()] if printed.returncode == 0 else []
    if len(values) != len(source.numbers):
        problems.append("the C program failed: " + printed.stderr.decode("latin-1").strip())
        fault = True
    else:
        with open(os.path.join(folder, "plain.r"), "w", newline="\n") as f:
            f.write(source.plain(values))
        fault = compare_scripts(folder, run(commands[2], folder), run(commands[3], folder), problems)
    if not problems:
        return "", False
    return keep_failure(scratch, folder, name, "values by " + os.path.basename(cc), source, fault,
                        problems), fault


# -- running ------------------------------------------------------------------


def run(command, folder):
    """The command's status and output. The output goes through files, not
    pipes: wine's server, which the first run under wine starts, keeps the
    pipes it was given open for seconds after the program has ended."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        result = subprocess.run(command, cwd=folder, stdout=out, stderr=err,
                                stdin=subprocess.DEVNULL, timeout=120)
        out.seek(0)
        err.seek(0)
        result.stdout, result.stderr = out.read(), err.read()
    return result


def check(name, source, cc, run_tool, scratch):
    """'' when VorlTool agrees with cc -E and a plain run, else what went
    wrong, and whether the generator is at fault: a source that cc -E
    refuses (or accepts when it is meant to fail), or whose flat text a plain
    run refuses, is not the source the generator meant to write."""
    folder = os.path.join(scratch, "work")
    shutil.rmtree(folder, ignore_errors=True)
    for path, text in source.files.items():
        os.makedirs(os.path.join(folder, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(folder, path), "w", newline="\n") as f:
            f.write(text)
    c_options = [o for o in source.options if o not in ("--", "--preprocess")]
    commands = [(cc + c_options + ["in.r"], "flat.r", "cc.stderr"),
                (run_tool + source.options + ["in.r", "pp.rc"], None, "pp.stderr"),
                (run_tool + ["flat.r", "plain.rc"], None, "plain.stderr")]
    with open(os.path.join(folder, "options"), "w") as f:
        f.write(" ".join(source.options) + "\n")
    with open(os.path.join(folder, "commands"), "w") as f:
        f.write("# What was run in this folder; a source meant to fail has no plain run.\n")
        for command, output, errors in commands:
            f.write("%s%s 2>%s\n" % (shlex.join(command), " >" + output if output else "", errors))

    def execute(number):
        command, output, errors = commands[number]
        result = run(command, folder)
        with open(os.path.join(folder, errors), "wb") as f:
            f.write(result.stderr)
        if output:
            with open(os.path.join(folder, output), "wb") as f:
                f.write(result.stdout)
        return result

    flat = execute(0)
    preprocessed = execute(1)
    problems = []
    fault = False
    if source.failure is not None:
        if flat.returncode == 0:
            problems.append("cc -E accepted a source meant to fail")
            fault = True
        if preprocessed.returncode != 1 or os.path.exists(os.path.join(folder, "pp.rc")):
            problems.append("VorlTool did not fail (status %d)" % preprocessed.returncode)
        if source.failure not in preprocessed.stderr.decode("latin-1"):
            problems.append("VorlTool's message does not hold %r" % source.failure)
    elif flat.returncode != 0:
        problems.append("cc -E failed: " + flat.stderr.decode("latin-1"))
        fault = True
    else:
        fault = compare_scripts(folder, preprocessed, execute(2), problems)
    if not problems:
        return "", False
    return keep_failure(scratch, folder, name, "options " + " ".join(source.options), source, fault,
                        problems), fault


def compare_scripts(folder, preprocessed, plain, problems):
    """Adds to `problems` a run that failed or said anything, or else
    whether the two scripts (pp.rc, plain.rc) differ; True where the plain
    run failed, which is the generator's fault."""
    for label, result in (("preprocessing run", preprocessed), ("plain run", plain)):
        if result.returncode != 0 or result.stderr:
            problems.append("%s: status %d, %s" % (label, result.returncode,
                                                   result.stderr.decode("latin-1").strip()))
    if not problems:
        with open(os.path.join(folder, "pp.rc"), "rb") as a, \
                open(os.path.join(folder, "plain.rc"), "rb") as b:
            if a.read() != b.read():
                problems.append("the scripts differ (pp.rc, plain.rc)")
    return plain.returncode != 0 or bool(plain.stderr)


def keep_failure(scratch, folder, name, described, source, fault, problems):
    """Keeps the work folder in failures/ with its `problems`, and returns the report."""
    kept = os.path.join(scratch, "failures", name)
    shutil.rmtree(kept, ignore_errors=True)
    shutil.copytree(folder, kept)
    report = "source %s (%s; %s%s): %s%s" % (
        name, kept, described, "".join("; " + feature for feature in source.features()),
        "the generator's fault: " if fault else "", "; ".join(problems))
    with open(os.path.join(kept, "problems"), "w") as f:
        f.write(report + "\n")
    return report


# Each generator: its sources' class, seed and number of sources, natively and
# under an emulator, how its sources are named in failures/, and its check.
GENERATORS = {
    "conditions": (Source, SEED, SOURCES, SOURCES_UNDER_EMULATOR, "%d", check),
    "macros": (MacroSource, MACRO_SEED, MACRO_SOURCES, MACRO_SOURCES_UNDER_EMULATOR, "macros-%d",
               check),
    "values": (ValueSource, VALUE_SEED, VALUE_SOURCES, VALUE_SOURCES_UNDER_EMULATOR, "values-%d",
               check_values),
}

USAGE = ("usage: oracle.py [--generator conditions|macros|values]... [--source N] [--count N] "
         "[--seed N] VorlTool scratch-folder [emulator...]")


def arguments(argv):
    """The options before the paths: which generators, which source, how
    many sources, from which seed."""
    options = {"generator": [], "source": None, "count": None, "seed": None}
    while argv and argv[0].startswith("--"):
        option = argv.pop(0)[2:]
        if option == "help":
            raise LookupError(option)
        if option not in options or not argv:
            raise ValueError(option)
        value = argv.pop(0)
        if option == "generator" and value not in GENERATORS:
            raise ValueError(value)
        if option == "generator":
            options[option].append(value)
        else:
            options[option] = int(value)
    if len(argv) < 2:
        raise ValueError("paths")
    chosen = options["generator"] or list(GENERATORS)
    return chosen, options["source"], options["count"], options["seed"], argv


def main():
    try:
        chosen, only, count, seed_option, paths = arguments(sys.argv[1:])
    except LookupError:
        print(__doc__)
        return 0
    except ValueError:
        print(USAGE)
        return 2
    tool, scratch = os.path.abspath(paths[0]), os.path.abspath(paths[1])
    emulator = paths[2:]
    cc = shutil.which("cc")
    if cc is None:
        print("oracle: no C compiler (cc) on PATH: skipped")
        return 77
    os.makedirs(scratch, exist_ok=True)
    shutil.rmtree(os.path.join(scratch, "failures"), ignore_errors=True)
    run_tool = emulator + [tool]
    version = re.search(rb"VORLTOOL_VERSION as (\d+)", run(run_tool + ["--help"], scratch).stdout)
    if version is None:
        print("oracle: VorlTool --help names no VORLTOOL_VERSION")
        return 1
    version = version.group(1).decode()
    command = [cc, "-E", "-P", "-undef", "-nostdinc", "-x", "c", "-D_WIN32=1",
               "-DRC_INVOKED=1", "-DVORLTOOL_VERSION=" + version]
    # #elifdef is C23's: an older cc reads it as an unknown directive, so
    # the sources then spell it #elif defined.
    probe = os.path.join(scratch, "probe.c")
    with open(probe, "w") as f:
        f.write("#if 0\n#elifdef _WIN32\nyes\n#endif\n")
    answer = run(command + [probe], scratch)
    if answer.returncode != 0:
        print("oracle: cc -E does not run: skipped\n" + answer.stderr.decode("latin-1"))
        return 77
    elifdef = answer.stdout.split() == [b"yes"]
    # __has_include is C23's, and older compilers' own: without it, no
    # source of the second generator is what it means to be.
    with open(probe, "w") as f:
        f.write('#if __has_include("probe.c")\nyes\n#endif\n')
    # A generator that cannot run here is said to be skipped, and the run
    # ends as skipped; one that vanished from the list unsaid fails it.
    wanted, ran, skipped = list(chosen), [], {}
    if run(command + [probe], scratch).stdout.split() != [b"yes"]:
        skipped["macros"] = "cc -E has no __has_include"
    # The third generator needs a program built and run, not only cc -E.
    if "values" in chosen:
        with open(probe, "w") as f:
            f.write("#include <stdio.h>\nint main(void) { printf(\"%d\\n\", (int)(1u << 31)); return 0; }\n")
        built = run([cc, "-fwrapv", "-o", os.path.join(scratch, "probe"), probe], scratch)
        if built.returncode != 0 or run([os.path.join(scratch, "probe")], scratch).stdout.split() \
                != [str(-(1 << 31)).encode()]:
            skipped["values"] = "cc builds no program that runs"
    failed = False
    for generator in chosen:
        if generator in skipped:
            continue
        ran.append(generator)
        kind, seed, native, emulated, naming, checker = GENERATORS[generator]
        rng = random.Random(seed if seed_option is None else seed_option)
        total = count or (emulated if emulator else native)
        if only is not None:
            total = only + 1
        mismatches = []
        checked = failing = faults = 0
        # Each feature: in how many sources checked, in how many mismatching.
        features = collections.defaultdict(lambda: [0, 0])
        for index in range(total):
            source = kind(rng, version, elifdef)
            source.write()
            if only is not None and index != only:
                continue
            checked += 1
            failing += source.failure is not None
            problem, fault = checker(naming % index, source, cc if checker is check_values else command,
                                     run_tool, scratch)
            faults += fault
            for feature in source.features():
                features[feature][0] += 1
                features[feature][1] += bool(problem)
            if problem:
                mismatches.append(problem)
        print("oracle: %s: %d sources (%d meant to fail), %d mismatches%s%s"
              % (generator, checked, failing, len(mismatches),
                 " (%d the generator's fault)" % faults if faults else "",
                 "" if elifdef else "; cc has no #elifdef"))
        if mismatches and features:
            print("  features (mismatching/sources): " + ", ".join(
                "%s %d/%d" % (name, bad, seen) for name, (seen, bad) in sorted(features.items())))
        for problem in mismatches:
            print(problem)
        failed = failed or bool(mismatches)
    skipped = {name: why for name, why in skipped.items() if name in wanted}
    for generator, why in skipped.items():
        print("oracle: %s: %s: skipped" % (generator, why))
    unsaid = [name for name in wanted if name not in ran and name not in skipped]
    if unsaid:
        print("oracle: %s: neither run nor skipped" % ", ".join(unsaid))
    # A generator skipped has passed nothing.
    return 1 if failed or unsaid else 77 if skipped else 0


if __name__ == "__main__":
    sys.exit(main())
