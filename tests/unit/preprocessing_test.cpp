// Preprocessing mode over text in memory: each source converts to the script
// that a plain source, written as a C preprocessor leaves it, converts to;
// and each malformed one is refused with its exact report.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "source_text.h"
#include "stage_text.h"

namespace {

const std::string kVorl = "resource 'Vorl' (1) { { FormatMaxChannels { { ";
const std::string kEnd = " } } } };\n";

TEST(Preprocessing, ReadsAsThePlainSourceWrittenOut) {
  const struct {
    std::string preprocessed;
    std::string plain;
  } kCases[] = {
      // A macro's string as long as the lexer's string buffer.
      {"#define kS \"" + std::string(kStringMax, 's') + "\"\nresource 'Vorl' (2) { { CodeWin32X86 { kS } } };\n",
       "resource 'Vorl' (2) { { CodeWin32X86 { \"" + std::string(kStringMax, 's') + "\" } } };\n"},
      // Directive text: joined lines, comments, quoted text, blanks.
      {"#define kA 1 + \\\n 2 /* a comment\n over lines */ + 3 // and one more\n" + kVorl + "kA" + kEnd,
       kVorl + "6" + kEnd},
      {"#define kS \"a // b /* c\" // not in the string\nresource 'LStr' (2) { { kS } };\n",
       "resource 'LStr' (2) { { \"a // b /* c\" } };\n"},
      {"#define kQ \"say \\\"hi\\\"\"\t\r\nresource 'LStr' (2) { { kQ } };\n",
       "resource 'LStr' (2) { { \"say \\\"hi\\\"\" } };\n"},
      // A macro stands for its text, read where it is used: a 32-bit value
      // stays whole, and arithmetic groups as written.
      {"#define kHalf 8 / 2\n#define kOpen (1 + \\\n 2)\n#define kVer 0x00010002\n"
       "resource 'Vorl' (1) { { Version { kVer }, Priority { kHalf * kOpen } } };\n",
       "resource 'Vorl' (1) { { Version { 0x00010002 }, Priority { 8 / 2 * (1 + 2) } } };\n"},
      // A chain is read through; a macro without text stands for nothing.
      {"#define kEmpty\n#define kB kC\n#define kC 5\n" + kVorl + "kB, kEmpty kB" + kEnd,
       kVorl + "5, 5" + kEnd},
      // Text passed over in a group not taken: division signs, literals,
      // strings longer than the reader's limit, blanks before a name.
      {"#if 0\na / b 'x\n' \"" + std::string(300, 'x') + "\" \"a\\\"b\"\n#  endif\n" + kVorl + "7" + kEnd,
       kVorl + "7" + kEnd},
      {"#if 0\n#if 1\n#else\n#endif\n#elif 0\n#elif 1\n" + kVorl + "8" + kEnd + "#else\n#endif\n",
       kVorl + "8" + kEnd},
      {"#if 1\n" + kVorl + "9" + kEnd + "#elif 1 / 0\n#elifdef X\n#else\n#endif\n", kVorl + "9" + kEnd},
      {"#ifdef kNone\n#elifndef kNone\n" + kVorl + "10" + kEnd + "#endif\n", kVorl + "10" + kEnd},
      {"#pragma once\n#undef kNothing\n" + kVorl + "11" + kEnd, kVorl + "11" + kEnd},
      // Every directive but #include is carried out where it stands, inside
      // a statement too; and a backslash joining lines is taken out.
      {"resource 'Vorl' (1) {\n\t{\n\t\tKind { Filter },\n#define kV 5\n#undef kV\n#define kV 1\\\n2\n"
       "#pragma pack\n\t\tVersion { kV }\n\t}\n};\n",
       "resource 'Vorl' (1) { { Kind { Filter }, Version { 12 } } };\n"},
      {"resource 'LStr' (2) { {\n#define kMsg \"Ed\\\nge\"\n\"Noise\", kMsg } };\n",
       "resource 'LStr' (2) { { \"Noise\", \"Edge\" } };\n"},
      // Directive names of every spelling in a group not taken, one longer
      // than a word; a name with _; a definition that its line ends after an
      // operator, and the line after it, text of the file.
      {"#if 0\n#\tIF0\n#" + std::string(40, 'e') + "ndif\n#endif\n#ifdef _kX\n#endif\n"
           "#define kA 1 + // more\n 2 \\ 3\f\v\n" + kVorl + "kA 1" + kEnd,
       " 2 \\ 3\n" + kVorl + "1 + 1" + kEnd},
      // Quoted text that the line ends, or that a backslash joins to the next.
      {"#define kS \"abc\n#define kT \"x\\\ny\"\n" + kVorl + "12" + kEnd, kVorl + "12" + kEnd},
      // Ids with terms, in both kinds of header: the readers compute the
      // text the macros stand for as C computes it.
      {"#define kBase 16000\n#define kOff 10\nresource 'Vorl' (-kBase + kOff - 1) { { } };\n"
       "resource 'LStr' (kBase - kOff) { { } };\n",
       "resource 'Vorl' (-15991) { { } };\nresource 'LStr' (15990) { { } };\n"},
      // The text of the last line of the input, without its line end.
      {"#define kLast 14\n#define kEnd 15", ""},
  };
  for (const auto& entry : kCases) {
    const Conversion preprocessed = ConvertPreprocessed(entry.preprocessed);
    const Conversion plain = ConvertText("in.r", entry.plain);
    EXPECT_EQ(preprocessed.err, "") << entry.preprocessed;
    EXPECT_EQ(plain.err, "") << entry.plain;
    EXPECT_EQ(preprocessed.script, plain.script) << entry.preprocessed;
  }
}

TEST(Preprocessing, PassesOverDoubleByteCharactersWhole) {
  // Shift-JIS: 0x95 0x5C is one character whose second byte is a backslash.
  const std::string kHyou = "\x95\x5c";
  const struct {
    std::string preprocessed;
    std::string plain;
  } kCases[] = {
      // In a group not taken: outside strings, in a literal, in a string (its
      // backslash byte doubled, which stands for one).
      {"#if 0\n" + kHyou + " '" + kHyou + "' \"" + kHyou + "\\\\\" #endif\"\n#endif\n"
           "resource 'LStr' (1) { { \"a\" } };\n",
       "resource 'LStr' (1) { { \"a\" } };\n"},
      // In a directive's text: in and out of quotes, and at the line's end.
      {"#define kS \"" + kHyou + "\"\n#define kN 5 " + kHyou + "\n#define kE \"\x95\n#define kF \x95\n"
           "resource 'LStr' (1) { { kS } };\n",
       "resource 'LStr' (1) { { \"" + kHyou + "\" } };\n"},
  };
  for (const auto& entry : kCases) {
    const Conversion preprocessed = ConvertPreprocessed(entry.preprocessed, kLocaleJapanese);
    const Conversion plain = ConvertText("in_JAPANESE.r", entry.plain);
    EXPECT_EQ(preprocessed.err, "") << entry.preprocessed;
    EXPECT_EQ(preprocessed.script, plain.script) << entry.preprocessed;
  }
}

TEST(Preprocessing, ReadsAnIncludeWhereverItStands) {
  // By its absolute path; inside a string list, which goes on as it was.
  const std::string header = WriteSourceFile("ids.h", "#define kID 21\n#define kText \"x\"\n");
  const std::string include = "#include \"" + header + "\"\n";
  Conversion result = ConvertPreprocessed(include + kVorl + "kID" + kEnd);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.script, ConvertText("in.r", kVorl + "21" + kEnd).script);
  result = ConvertPreprocessed("resource 'LStr' (2) { {\n\"a\",\n" + include + "\"b\", kText } };\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.script, ConvertText("in.r", "resource 'LStr' (2) { { \"a\", \"b\", \"x\" } };\n").script);
}

TEST(Preprocessing, IncludesAreFoundBesideTheirFileAndBounded) {
  // Beside a main file in the root folder: the header, named without the
  // root's separator, is found there and nowhere else.
  const std::string header = WriteSourceFile("ids.h", "#define kID 22\n");
  ASSERT_TRUE(platform::IsAbsolutePath(header.c_str()));
  const std::size_t root = header.find_first_of("/\\") + 1;
  StageResult result = Preprocess("#include \"" + header.substr(root) + "\"\nkID\n", kLocaleEnglish, {},
                                  header.substr(0, root) + "in.r");
  EXPECT_EQ(result.failure, "");
  EXPECT_EQ(result.text, "22\n");
  // A file that includes itself ends at the bound.
  const std::string self = WriteSourceFile("self.h", "");
  std::ofstream(self, std::ios::binary) << "#include \"" + self + "\"\n";
  result = Preprocess("\n#include \"" + self + "\"\n");
  EXPECT_EQ(MessageOf(result.failure), "Include nesting too deep");
  // __FILE__ spells the name as a string.
  EXPECT_EQ(Preprocess("__FILE__\n", kLocaleEnglish, {}, "a\\b\"c.r").text, "\"a\\\\b\\\"c.r\"\n");
}

TEST(Preprocessing, OptionsAreRefusedBeforeAnythingIsRead) {
  const struct {
    std::vector<std::string> arguments;
    std::string report;
  } kCases[] = {
      {{"-D=1", "in.r", "out.rc"}, "VorlTool: not a macro name: =1\n"},
      {{"-DA-B", "in.r", "out.rc"}, "VorlTool: not a macro name: A-B\n"},
      {{"-UX"}, "Usage: VorlTool [options] sourcefile destinationfile\n"},
      {{"--prep", "in.r", "out.rc"}, "VorlTool: unknown option --prep\n"},
      // A macro's parameters: in parentheses that touch the name, names or
      // ... between commas; -U takes a name alone.
      {{"-DF(x=1", "in.r", "out.rc"}, "VorlTool: not a macro name: F(x=1\n"},
      {{"-DF (x)=1", "in.r", "out.rc"}, "VorlTool: not a macro name: F (x)=1\n"},
      {{"-DF(a,)=1", "in.r", "out.rc"}, "VorlTool: not a macro name: F(a,)=1\n"},
      {{"-DF(a b)=1", "in.r", "out.rc"}, "VorlTool: not a macro name: F(a b)=1\n"},
      {{"-D(a)=1", "in.r", "out.rc"}, "VorlTool: not a macro name: (a)=1\n"},
      {{"-DF(a)b=1", "in.r", "out.rc"}, "VorlTool: not a macro name: F(a)b=1\n"},
      {{"-UF(x)", "in.r", "out.rc"}, "VorlTool: not a macro name: F(x)\n"},
  };
  for (const auto& entry : kCases) {
    std::vector<std::string> arguments = {"VorlTool"};
    arguments.insert(arguments.end(), entry.arguments.begin(), entry.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    CapturedStreams streams;
    const int status = RunVorlTool(static_cast<int>(argv.size()), argv.data());
    streams.Finish();
    EXPECT_EQ(status, 1) << entry.report;
    EXPECT_EQ(streams.out, "");
    EXPECT_EQ(streams.err, entry.report);
  }
}

TEST(Preprocessing, MacrosOfTheCommandLineAreReadAsTheirDefinitions) {
  // Taken: no parameters, and ... among them; a text that is no macro's is
  // refused as from the command line, before anything is written.
  const std::string input = WriteSourceFile("in.r", "resource 'LStr' (F() + G(1, 2, 3)) { { } };\n");
  const std::string output = WriteSourceFile("out.rc", "");
  std::string f = "-DF()=16000", g = "-DG(a,...)=a", bad = "-DH(x)=#y", program = "VorlTool";
  char* taken[] = {program.data(), f.data(), g.data(), const_cast<char*>(input.c_str()),
                   const_cast<char*>(output.c_str())};
  CapturedStreams streams;
  EXPECT_EQ(RunVorlTool(5, taken), 0);
  char* refused[] = {program.data(), bad.data(), const_cast<char*>(input.c_str()),
                     const_cast<char*>(output.c_str())};
  EXPECT_EQ(RunVorlTool(4, refused), 1);
  streams.Finish();
  EXPECT_EQ(streams.err, "<command line>: error: # is not followed by a parameter in macro H\n");
  EXPECT_NE(ReadFile(output).find("16001\tLStr"), std::string::npos);
}

TEST(Preprocessing, RefusesWithTheLineOfTheFault) {
  std::string deepSkipped = "#if 0\n";
  for (int i = 0; i < 256; ++i) deepSkipped += "#if 1\n";
  // A text that doubles at every level: the bound on one use ends it.
  std::string bomb = "#define A0 x\n";
  for (int i = 1; i <= 30; ++i)
    bomb += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " A" + std::to_string(i - 1) + "\n";
  const struct {
    std::string source;
    std::string report;
  } kCases[] = {
      {"#error\n", "in.r:1: error: #error\n"},
      {"\n#ifdef\n#endif\n", "in.r:2: error: #ifdef without a macro name\n"},
      {"#define\n", "in.r:1: error: #define without a macro name\n"},
      {"#define F(x\n", "in.r:1: error: #define without a ) after its parameters\n"},
      {"#undef 1\n", "in.r:1: error: #undef without a macro name\n"},
      {"#include kHeader\n", "in.r:1: error: #include expects \"file\" or <file>\n"},
      {"#include\n", "in.r:1: error: #include expects \"file\" or <file>\n"},
      {"#include <x.h\n", "in.r:1: error: #include expects \"file\" or <file>\n"},
      {"#include \"unclosed\n", "in.r:1: error: #include expects \"file\" or <file>\n"},
      {"#include <>\n", "in.r:1: error: Unable to open include file \"\"\n"},
      {"#include </no/such/folder/x.h>\n", "in.r:1: error: Unable to open include file \"/no/such/folder/x.h\"\n"},
      {"#else\n", "in.r:1: error: #else without #if\n"},
      {"#if 0\n#else\n#elif 1\n#endif\n", "in.r:3: error: #elif after #else\n"},
      {"#if 0\n/* never closed\n", "in.r:1: error: #if without #endif\n"},
      {"#if 0\n'never closed", "in.r:1: error: #if without #endif\n"},
      {deepSkipped, "in.r:257: error: #if nesting too deep\n"},
      {bomb + kVorl + "A30" + kEnd, "in.r:32: error: Macro expansion too large\n"},
      // A failure of the lexer or a parser names the line of the last word.
      {"#define F(a, b) a b\n" + kVorl + "F(1)" + kEnd, "in.r:2: error: Macro F takes 2 arguments, not 1\n"},
      {"#define kBad 1 + \"t\"\n\n" + kVorl + "kBad" + kEnd, "in.r:3: error: Missing operand after '+'\n"},
      // A # in a macro's text is no directive, nor an operator.
      {"#define kHash 1 # 2\n" + kVorl + "kHash" + kEnd, "in.r:2: error: '#' left over in the value\n"},
      // A string is whole up to 65,535 bytes, and one longer fails.
      {kVorl + "\"" + std::string(kStringMax, 's') + "s\"" + kEnd, "in.r:1: error: String too long\n"},
  };
  for (const auto& entry : kCases) {
    const Conversion result = ConvertPreprocessed(entry.source);
    EXPECT_EQ(result.status, 1) << entry.source;
    EXPECT_EQ(result.err, entry.report) << entry.source;
  }
}

}  // namespace
