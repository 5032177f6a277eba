// Macro expansion in preprocessing mode: the text the preprocessor hands the
// lexer for each source, checked against a C preprocessor where C says what
// it is (the examples of C's own text among them), and each refusal with its
// line.
#include <gtest/gtest.h>

#include <string>

#include "preprocess/hide_sets.h"
#include "stage_text.h"

namespace {

struct Case {
  std::string source;
  std::string text;
};

void ExpectTexts(const Case* cases, std::size_t count, Language language = kLocaleEnglish) {
  for (std::size_t i = 0; i < count; ++i) {
    const StageResult result = Preprocess(cases[i].source, language);
    EXPECT_EQ(result.failure, "") << cases[i].source;
    EXPECT_EQ(result.text, cases[i].text) << cases[i].source;
  }
}

TEST(MacroExpansion, ReplacesAsC) {
  const Case kCases[] = {
      // Rescanning: a macro is not replaced inside its own replacement, nor
      // in what it took part in (hide sets), however calls nest.
      {"#define f(a) a*g\n#define g(a) f(a)\nf(2)(9)\n", "2*9*g\n"},
      {"#define OBJ OBJ + 1\n#define AA BB\n#define BB AA\nOBJ AA BB\n", "OBJ + 1 AA BB\n"},
      {"#define h(x) x h\nh(h)(1)\n", "h h(1)\n"},
      {"#define NIL(x) x\n#define G_0(a) NIL(G_1)(a)\n#define G_1(a) NIL(a)\nG_0(42)\n", "42\n"},
      {"#define CALL(m) m(1)\n#define ONE(x) x one\nCALL(ONE) CALL(CALL)\n", "1 one CALL(1)\n"},
      // # and ##: the arguments as written, placemarkers for empty ones.
      {"#define str(s) # s\n#define xstr(s) str(s)\n#define INCFILE(n) vers ## n\n"
       "xstr(INCFILE(2).h) str( a  +  b /* c */ d ) str() str('\"') str(\\) str(\\\\) str(a \\)\n",
       "\"vers2.h\" \"a + b d\" \"\" \"'\\\"'\" \"\" \"\\\\\" \"a \"\n"},
      {"#define t(x,y,z) x ## y ## z\nt(1,2,3) t(,4,5) t(6,,7) t(8,9,) t(10,,) t(,11,) t(,,12) t(,,)\n",
       "123 45 67 89 10 11 12\n"},
      {"#define hash_hash # ## #\n#define mkstr(a) # a\n#define in_between(a) mkstr(a)\n"
       "#define join(c, d) in_between(c hash_hash d)\nchar p[] = join(x, y);\n",
       "char p[] = \"x ## y\";\n"},
      {"#define q(x) x\n#define r(x,y) x ## y\nq(-) q() r(, ) r(a,) r(,b) r(+,+) r(x,1)r(y,2)\n", "- a b ++ x1 y2\n"},
      // The variable arguments, and the comma before them that compilers
      // take out where they are empty.
      {"#define showlist(...) puts(#__VA_ARGS__)\n#define report(test, ...) ((test)?puts(#test):printf(__VA_ARGS__))\n"
       "showlist(The first, second, and third items.)\nreport(x>y, \"x is %d but y is %d\", x, y)\n",
       "puts(\"The first, second, and third items.\")\n((x>y)?puts(\"x>y\"):printf(\"x is %d but y is %d\", x, y))\n"},
      {"#define E\n#define L (\n#define R )\n#define F(x, y) x + y\n#define V(...) __VA_ARGS__\n"
       "V(F, L, 'a', 'b', R);\n#define W(a, ...) f(a, ## __VA_ARGS__)\nW(1) W(1, 2) W(1,)\n",
       "F, (, 'a', 'b', );\nf(1) f(1, 2) f(1,)\n"},
      // A name with parameters but no ( stays a name; the ( may stand on a
      // later line, but not after a directive; arguments go over lines and
      // nested parentheses, and the call's text stands on its first line.
      {"#define F(x) [x]\nF x\nF\n(1)\nF\n#define Z\n(3)\n#define G(a, b) a|b\nG((a,b),\n c) tail\nnext\n",
       "F x\n[1]\nF\n(3)\n(a,b)|c tail\nnext\n"},
      // The line and the file where they are used; names of any length.
      {"\n__LINE__ __FILE__\n#define LONG_NAME_OVER_THIRTY_TWO_BYTES_NUMBER_1 11\n"
       "#define LONG_NAME_OVER_THIRTY_TWO_BYTES_NUMBER_2 22\n"
       "LONG_NAME_OVER_THIRTY_TWO_BYTES_NUMBER_1 LONG_NAME_OVER_THIRTY_TWO_BYTES_NUMBER_2\n",
       "\n2 \"in.r\"\n11 22\n"},
      // Prefixed literals are no names; names in quotes are no macros'.
      {"#define L 1\n#define kA 2\nL\"x\" L L'y' \"kA\" kA 'kA' \"a//b\" kA\n", "L\"x\" 1 L'y' \"kA\" 2 'kA' \"a//b\" 2\n"},
      // Tokens that touch stay apart where the lexer would join them.
      {"#define E\n#define M -\n#define N 1\n#define S /\nx E y E\nM-N S/ S* a/**/N N/**/N\n",
       "x  y \n--1 / / / * a 1 1 1\n"},
      // Directives spelt %:, a line joined to the next, a # inside a line.
      {"%:define D 4\nD a\\\nb \"x\\\ny\" # D\n", "4 ab \"xy\" # 4\n"},
      // A quote its line does not close, made a string; a comma before
      // ## that is no comma of the variable arguments; __has_include as a
      // word outside #if.
      {"#define S(x) #x\nS('a\n)\n#define V(a, ...) a ## __VA_ARGS__\nV(x) V(x,y)\n__has_include x\n",
       "\"'a\"\nx xy\n__has_include x\n"},
      // __has_include of a macro, and of a name in parentheses.
      {"#define H \"no-such-file.h\"\n#if __has_include(H) || __has_include(<no/such.h>)\nyes\n#else\nno\n#endif\n",
       "no\n"},
      // Null directives, and those whose name is no word, are passed over,
      // in a group taken or not; #pragma other than once too.
      {"#\n# 12 \"x\"\n#if 0\n#\n# 12\n#endif\n#pragma\n#pragma pack(1)\nx\n", "x\n"},
      // A line joined to nothing at the input's end; a comment over three
      // lines; an #include whose name stands after a comment's lines.
      {"a /* b\nc\nd */ e\nf\\", "a e\nf\n"},
  };
  ExpectTexts(kCases, std::size(kCases));
}

TEST(MacroExpansion, LeavesWhatNeedsNothingAsItStands) {
  const Case kCases[] = {
      // Lines without a directive, a macro or a comment to take out go on
      // as they stand, blanks and all; comments the lexer reads alike stay.
      {"  a\t b // c\n\t/* d */ e\n", "  a\t b // c\n\t/* d */ e\n"},
      // A comment the lexer would read otherwise becomes a blank: one after
      // code, where arithmetic could go on across it; one holding a carriage
      // return or the end-of-input byte; one on a line too long for the
      // lexer's buffer; one that goes on over lines.
      {"5 /* c */ + 3\nf /* g */\n", "5   + 3\nf  \n"},
      {"a // b\rc\n", "a  \n"},
      {"a /* \x7f */ b\n", "a   b\n"},
      {std::string(520, 'x') + " // c\n", std::string(520, 'x') + "  \n"},
      {"a /* b\nc */ d\n", "a d\n"},
      // A macro's name with text of its own is replaced where it stands.
      {"#define kA 1\n#define kB (kA + 2)\n-\n\tx = kB; // kA\n\tkA = \"kA\"/kA;\n",
       "-\n\tx = (1 + 2); // kA\n\t1 = \"kA\"/1;\n"},
      // Not where its text needs tokens: a macro of the line, one with ##,
      // one that names a macro with parameters; a text that would touch
      // what follows stays apart from it.
      {"#define kL __LINE__\n#define kP a ## b\n#define F(x) x\n#define kF F\n#define kS /\n#define kE\n-\n"
       "kL kP kF(1)\nkS*x kE kE;\n",
       "-\n8 ab 1\n/ *x  ;\n"},
      // Lines after the first of a batch: a directive spelt %:, a backslash
      // before a carriage return and a line feed, a comment that is no
      // blank before a macro, quotes before it, a macro with parameters.
      {"-\n%:define kD 1\nkD\n-\na \\\r\nb\n-\nx /* c */ y kD\n-\n'\"' kD \"kD\"\n-\nF(2)\n#define F(x) x\n",
       "-\n1\n-\na b\n-\nx   y 1\n-\n'\"' 1 \"kD\"\n-\nF(2)\n"},
      // Quotes, closed on their line, hold no comment and no macro: a name
      // after them is still replaced. One left open holds the rest of its
      // line; a backslash joins lines inside quotes too.
      {"#define kA 1\n-\n\"http://x\" kA '/*' kA \"a\\\"//\" kA\nkA don't kA\n\"a\\\nkA\" kA\n",
       "-\n\"http://x\" 1 '/*' 1 \"a\\\"//\" 1\n1 don't kA\n\"akA\" 1\n"},
      // A /* that is not closed on its line, the first of a batch or not.
      {"-\n/* a\nb */ c\n/*\n*/\n", "-\n c\n"},
      // Macros whose names begin with many different letters are found byte
      // by byte; a word that only begins like a macro's name is none.
      {"#define aa 1\n#define bb 2\n#define cc 3\n#define dd 4\n#define ee 5\n-\naa bb cc dd ee ab b2 \"ee\"\n",
       "-\n1 2 3 4 5 ab b2 \"ee\"\n"},
  };
  ExpectTexts(kCases, std::size(kCases));
}

TEST(MacroExpansion, KeepsDoubleByteCharactersWhole) {
  // Shift-JIS: 0x95 0x5C is one character whose second byte is a backslash.
  const std::string kHyou = "\x95\x5c";
  const Case kCases[] = {
      // A string ending in the character, in a macro's text; a second byte
      // that is a backslash at a line's end joins nothing.
      {"#define kMsg \"" + kHyou + "\"\nkMsg\n#define kName " + kHyou + "\nx kName\n",
       "\"" + kHyou + "\"\nx " + kHyou + "\n"},
      // Stringized: its backslash is not escaped, and one that follows it
      // is doubled, since the lexer takes a doubled one as the character's.
      {"#define S(x) #x\nS(\"" + kHyou + "\") S(" + kHyou + "x) S(\"" + kHyou + "\\\")\n",
       "\"\\\"" + kHyou + "\\\\\"\" \"" + kHyou + "x\" \"\\\"" + kHyou + "\\\\\"\"\n"},
      // A lead byte that ends its token has no second byte to take along.
      {"#define S(x) #x\nS(x\x95\n) S(\x95\n)\n", "\"x\x95\" \"\x95\"\n"},
  };
  ExpectTexts(kCases, std::size(kCases), kLocaleJapanese);
}

TEST(MacroExpansion, RefusesWithTheLineOfTheUse) {
  const std::string kMacros =
      "#define F(a, b) a b\n#define G() g\n#define S(x) #x\n#define P(a, b) a ## b\n";
  const struct {
    std::string source;
    std::string failure;
  } kCases[] = {
      {"F(1)\n", "in.r:5: Macro F takes 2 arguments, not 1"},
      {"F(1, 2, 3)\n", "in.r:5: Macro F takes 2 arguments, not 3"},
      {"G(1)\n", "in.r:5: Macro G takes 0 arguments, not 1"},
      {"\nF(1,\n2", "in.r:6: Unterminated argument list of macro F"},
      {"P(+, -)\n", "in.r:5: Pasting + and - does not give one token"},
      {"P(/, /)\n", "in.r:5: Pasting / and / does not give one token"},
      {"P(\"a\", \"b\")\n", "in.r:5: Pasting \"a\" and \"b\" does not give one token"},
      {"P('a, b)\n", "in.r:5: Unterminated argument list of macro P"},
      {"#define B(x) # y\n", "in.r:5: # is not followed by a parameter in macro B"},
      {"#define B(x) ## x\n", "in.r:5: ## cannot stand at either end of macro B"},
      {"#define B ## x\n", "in.r:5: ## cannot stand at either end of macro B"},
      {"#define B(x) x ##\n", "in.r:5: ## cannot stand at either end of macro B"},
      {"#define B(x, x) x\n", "in.r:5: Malformed parameter list of macro B"},
      {"#define B(x y) x\n", "in.r:5: Malformed parameter list of macro B"},
      {"#define B(...x) x\n", "in.r:5: Malformed parameter list of macro B"},
      {"#define B(x,) x\n", "in.r:5: Malformed parameter list of macro B"},
      {"#define B(__VA_ARGS__) x\n", "in.r:5: Malformed parameter list of macro B"},
      {"#define B(x\n", "in.r:5: #define without a ) after its parameters"},
      {"P(\"\n, x)\n", "in.r:5: Pasting \" and x does not give one token"},
      {"#if __has_include x\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      {"#include /* a\n */ <no-such-file.h>\n", "in.r:5: Unable to open include file \"no-such-file.h\""},
      {"#undef \"x\"\n", "in.r:5: #undef without a macro name"},
      {"#ifndef 1\n#endif\n", "in.r:5: #ifndef without a macro name"},
      {"#define 1 x\n", "in.r:5: #define without a macro name"},
      {"#include x\"y\"\n", "in.r:5: #include expects \"file\" or <file>"},
      {"#include G()\n", "in.r:5: #include expects \"file\" or <file>"},
      {"#if __has_include\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      {"#if __has_include(<x.h)\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      {"#if __has_include(F)\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      // Its operand in parentheses of its own, or never closed.
      {"#if __has_include((\"x.h\"))\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      {"#if __has_include(\n#endif\n", "in.r:5: __has_include expects (\"file\") or (<file>)"},
      // A character literal in a group not taken ends on its line.
      {"#if 0\n'Vorl' 'x\n#endif\n#error here\n", "in.r:8: here"},
  };
  for (const auto& entry : kCases)
    EXPECT_EQ(Preprocess(kMacros + entry.source).failure, entry.failure) << entry.source;
}

TEST(MacroExpansion, BoundsTheTextThatMacrosMake) {
  // A use of kBomb15 makes half a megabyte of text on its way (what each
  // level stands for), within the bound on one use; a run of 4 MiB and 32
  // bytes for each byte read takes eight of them.
  std::string source = "#define kBomb0 1\n";
  for (int i = 1; i <= 15; ++i)
    source += "#define kBomb" + std::to_string(i) + " kBomb" + std::to_string(i - 1) + " kBomb" +
              std::to_string(i - 1) + "\n";
  const StageResult one = Preprocess(source + "(kBomb15)\n");
  EXPECT_EQ(one.failure, "");
  EXPECT_EQ(one.text.size(), (std::size_t{1} << 16) + 2);
  for (int uses = 0; uses < 12; ++uses) source += "(kBomb15)\n";
  EXPECT_EQ(Preprocess(source).failure, "in.r:25: Macro expansion too large");
}

TEST(MacroExpansion, NestsAsDeepAsTheTextItMakesAllows) {
  // Calls inside arguments, a thousand deep, cost the stack nothing; each
  // level reads the calls inside it again, which the run's bound counts,
  // so ten thousand fail at once rather than take a minute.
  const auto nested = [](int depth) {
    return "#define F(x) x\n" + Repeated("F(", depth) + "1" + std::string(depth, ')') + "\n";
  };
  EXPECT_EQ(Preprocess(nested(1000)).text, "1\n");
  EXPECT_EQ(Preprocess(nested(10000)).failure, "in.r:2: Macro expansion too large");
  // Macros replaced inside one another, each by the next: the hide sets
  // hold the names of the chain, which bounds it in the thousands.
  const auto chain = [](int length, const std::string& use) {
    std::string source;
    for (int i = 0; i < length; ++i)
      source += "#define k" + std::to_string(i) + " L" + std::to_string(i + 1) + "(1)\n"
                "#define L" + std::to_string(i + 1) + "(x) k" + std::to_string(i + 1) + " + x\n";
    return source + use + "\n";
  };
  EXPECT_EQ(Preprocess(chain(1000, "k0")).text, "k1000" + Repeated(" + 1", 1000) + "\n");
  EXPECT_EQ(Preprocess(chain(6000, "k0")).failure, "in.r:12001: Macro expansion too large");
}

TEST(HideSets, KeepEachSetOnceAndForgetThemWhenCleared) {
  // The stage clears the sets between lines; a long file must not keep
  // every set it ever made.
  HideSets sets;
  const uint32_t f = sets.Add(HideSets::kEmpty, 7);
  const uint32_t fg = sets.Union(f, sets.Add(HideSets::kEmpty, 9));
  EXPECT_EQ(sets.Add(f, 9), fg);
  EXPECT_EQ(sets.Intersection(fg, f), f);
  EXPECT_TRUE(sets.Contains(fg, 9));
  EXPECT_FALSE(sets.Contains(f, 9));
  sets.Clear();
  EXPECT_EQ(sets.Add(HideSets::kEmpty, 8), f);
  EXPECT_EQ(sets.NamesHeld(), 1u);
}

}  // namespace
