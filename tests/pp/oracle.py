#!/usr/bin/env python3
"""Checks preprocessing mode against the system's C preprocessor.

    oracle.py [--generator conditions] [--source N] [--count N] [--seed N]
              VorlTool scratch-folder [emulator...]

A generator writes sources from a fixed seed. For each source, `cc -E -P
-undef` with the same options (and _WIN32, RC_INVOKED and VORLTOOL_VERSION
given as -D) gives the preprocessed text; converting that text without
options must give the same script, byte for byte, as converting the source
with the options. A source meant to fail must fail in both, VorlTool with
status 1 and nothing written.

The generator ("conditions") writes sources that hold nested conditional
groups, #if expressions over every C operator and literal form, object-like
macros defined, undefined and redefined in the source, in a guarded header
found through -I and on the command line. It carries out every directive
itself as it writes it, so it knows which groups are live: only their
conditions are kept free of what C leaves undefined (division by zero,
overflow, shift counts out of range), and only they use macros in resource
statements, where each macro stands for a number or a string that the plain
reading takes alike whether it sees the macro or its replaced text. Skipped
groups, and #elif branches after a taken one, get what C never evaluates:
divisions by zero, #error, includes of missing files. Some sources also have
directives' texts cut anywhere by a backslash and a line end, some #define
and #undef inside statements. Sources meant to fail hold a live #error, a
division by zero in #if or a broken group.

Exits 77 (skipped) where no C compiler is on PATH. A cross build names the
program that runs VorlTool (wine, for the Windows build) after the folder;
there fewer sources are checked, since each run starts the emulator.

A mismatch fails, and leaves in the scratch folder's failures/N the source
and its headers, `options`, `commands` (what was run there, as typed in a
shell), flat.r (what cc -E gave), both scripts (pp.rc and plain.rc), the
standard error of each run, and `problems`, which names the features of the
source. A source that cc -E refuses (or accepts, meant to fail), or whose
flat text a plain run refuses, is reported as the generator's fault.

--generator checks one generator's sources; --source N only its source N
(the folder `work` keeps it after the run); --count N that many sources;
--seed N starts from another seed, to look further.
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


def literal_value(token):
    """(value, unsigned) of an integer or character constant."""
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
    if value > MASK or (value > INT_MAX and digits[0] != "0" and "u" not in suffix.lower()):
        raise Undefined("constant too large")
    return value, "u" in suffix.lower() or value > INT_MAX


def signed(value):
    return value - (1 << 64) if value > INT_MAX else value


class Evaluator:
    """Recursive descent over C's precedence. A value is (number, unsigned);
    an operand C does not evaluate is read with live=False: its type counts,
    nothing it does is undefined."""

    LEVELS = [("||",), ("&&",), ("|",), ("^",), ("&",), ("==", "!="), ("<", ">", "<=", ">="),
              ("<<", ">>"), ("+", "-"), ("*", "/", "%")]

    def __init__(self, tokens):
        self.tokens = tokens
        self.pos = 0

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
        return (chosen & MASK if unsigned else signed(chosen)), unsigned

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

    @staticmethod
    def apply(op, left, right, live):
        if op in ("<<", ">>"):
            (value, unsigned), count = left, right[0]
            if not live:
                return 0, unsigned
            if count < 0 or count >= 64:
                raise Undefined("shift count")
            if op == ">>":
                return value >> count, unsigned
            if unsigned:
                return (value << count) & MASK, True
            if value < 0 or value << count > INT_MAX:
                raise Undefined("shift overflow")
            return value << count, False
        unsigned = left[1] or right[1]
        a, b = (left[0] & MASK, right[0] & MASK) if unsigned else (left[0], right[0])
        compare = {"==": a == b, "!=": a != b, "<": a < b, ">": a > b, "<=": a <= b, ">=": a >= b}
        if op in compare:
            return int(compare[op]), False
        if not live:
            return 0, unsigned
        if op in ("/", "%"):
            if b == 0 or (not unsigned and a == INT_MIN and b == -1):
                raise Undefined("division")
            quotient = abs(a) // abs(b) * (1 if (a < 0) == (b < 0) else -1)
            result = quotient if op == "/" else a - quotient * b
        else:
            result = {"+": a + b, "-": a - b, "*": a * b, "&": a & b, "^": a ^ b, "|": a | b}[op]
        if unsigned:
            return result & MASK, True
        if not INT_MIN <= result <= INT_MAX:
            raise Undefined("overflow")
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
                return (-value if token == "-" else ~value) & MASK, True
            if token == "-" and value == INT_MIN and live:
                raise Undefined("overflow")
            return (-value if token == "-" else ~value), False
        if token[0].isdigit() or token[0] == "'":
            return literal_value(token)
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
    being written, in live text."""

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

    def directive(self, name, text=""):
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
        elif r < 0.22 and " " in text:
            # A line joined to the next by a backslash.
            cut = text.index(" ")
            line = line[:len(line) - len(text)] + text[:cut] + " \\\n\t" + text[cut + 1:]
        elif r < 0.3 and text:
            line = self.splice(line, len(line) - len(text))
        return line

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

    def dead_extra(self, out, live):
        """Now and then, in skipped text, a line that would fail if read."""
        if not live and self.rng.random() < 0.3:
            out.append(self.rng.choice(JUNK_LINES))

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

    def properties(self, out, live, depth):
        for _ in range(self.rng.randrange(3)):
            self.property(out, live, depth)
        self.dead_extra(out, live)

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
        plain = execute(2)
        for label, result in (("preprocessing run", preprocessed), ("plain run", plain)):
            if result.returncode != 0 or result.stderr:
                problems.append("%s: status %d, %s" % (label, result.returncode,
                                                       result.stderr.decode("latin-1").strip()))
                fault = fault or result is plain
        if not problems:
            with open(os.path.join(folder, "pp.rc"), "rb") as a, \
                    open(os.path.join(folder, "plain.rc"), "rb") as b:
                if a.read() != b.read():
                    problems.append("the scripts differ (pp.rc, plain.rc)")
    if not problems:
        return "", False
    kept = os.path.join(scratch, "failures", name)
    shutil.rmtree(kept, ignore_errors=True)
    shutil.copytree(folder, kept)
    report = "source %s (%s; options %s%s): %s%s" % (
        name, kept, " ".join(source.options),
        "".join("; " + feature for feature in source.features()),
        "the generator's fault: " if fault else "", "; ".join(problems))
    with open(os.path.join(kept, "problems"), "w") as f:
        f.write(report + "\n")
    return report, fault


# Each generator: its sources' class, seed and number of sources, natively and
# under an emulator, and how its sources are named in failures/.
GENERATORS = {
    "conditions": (Source, SEED, SOURCES, SOURCES_UNDER_EMULATOR, "%d"),
}

USAGE = ("usage: oracle.py [--generator conditions] [--source N] [--count N] "
         "[--seed N] VorlTool scratch-folder [emulator...]")


def arguments(argv):
    """The options before the paths: which generators, which source, how
    many sources, from which seed."""
    options = {"generator": None, "source": None, "count": None, "seed": None}
    while argv and argv[0].startswith("--"):
        option = argv.pop(0)[2:]
        if option == "help":
            raise LookupError(option)
        if option not in options or not argv:
            raise ValueError(option)
        value = argv.pop(0)
        if option == "generator" and value not in GENERATORS:
            raise ValueError(value)
        options[option] = value if option == "generator" else int(value)
    if len(argv) < 2:
        raise ValueError("paths")
    chosen = [options["generator"]] if options["generator"] else list(GENERATORS)
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
    failed = False
    for generator in chosen:
        kind, seed, native, emulated, naming = GENERATORS[generator]
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
            problem, fault = check(naming % index, source, command, run_tool, scratch)
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
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
