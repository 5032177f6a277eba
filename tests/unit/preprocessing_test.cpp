// Preprocessing mode over text in memory: each source converts to the script
// that a plain source, written without the preprocessor's help, converts to;
// and each malformed one is refused with its exact report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "source_text.h"

namespace {

Conversion ConvertPreprocessed(const std::string& input, Language language = kLocaleEnglish) {
  Preprocessing preprocessing;
  preprocessing.on = true;
  ::Run run(input, language, preprocessing);
  const std::string output = WriteSourceFile("out.rc", "");
  std::remove(output.c_str());
  Conversion result = ConvertWith(run, output);
  std::remove(output.c_str());
  return result;
}

const std::string kVorl = "resource 'Vorl' (1) { { FormatMaxChannels { { ";
const std::string kEnd = " } } } };\n";

TEST(Preprocessing, ReadsAsThePlainSourceWrittenOut) {
  const struct {
    std::string preprocessed;
    std::string plain;
  } kCases[] = {
      // Directive text: joined lines, comments, quoted text, blanks.
      {"#define kA 1 + \\\n 2 /* a comment\n over lines */ + 3 // and one more\n" + kVorl + "kA" + kEnd,
       kVorl + "6" + kEnd},
      {"#define kS \"a // b /* c\" // not in the string\nresource 'LStr' (2) { { kS } };\n",
       "resource 'LStr' (2) { { \"a // b /* c\" } };\n"},
      {"#define kQ \"say \\\"hi\\\"\"\t\r\nresource 'LStr' (2) { { kQ } };\n",
       "resource 'LStr' (2) { { \"say \\\"hi\\\"\" } };\n"},
      {"#define kHalf 8 / 2\n#define kOpen (1 +\n 2) // goes on after the parenthesis\n" + kVorl +
           "kHalf, kOpen" + kEnd,
       kVorl + "4, 3" + kEnd},
      // A macro inside its own text stands for itself, as a plain #define's
      // value sees the macro it defines (value 1); a chain is read through.
      {"#define kSelf kSelf + 1\n#define kEmpty\n#define kB kC\n#define kC 5\n" + kVorl +
           "kSelf, kEmpty, kB, kB" + kEnd,
       kVorl + "2, 1, 5, 5" + kEnd},
      // A # in a macro's text is no directive there: the word after it is.
      {"#define kHash # if 1\n" + kVorl + "kHash" + kEnd, kVorl + "1" + kEnd},
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
      // than a word; a name with _; a text with a lone backslash, a comment
      // after an operator, blanks of every kind.
      {"#if 0\n#\tIF0\n#" + std::string(40, 'e') + "ndif\n#endif\n#ifdef _kX\n#endif\n"
           "#define kA 1 + // more\n 2 \\ 3\f\v\n" + kVorl + "kA" + kEnd,
       kVorl + "3" + kEnd},
      // Quoted text that the line ends, or that a backslash joins to the next.
      {"#define kS \"abc\n#define kT \"x\\\ny\"\n" + kVorl + "12" + kEnd, kVorl + "12" + kEnd},
      // Ids with terms, in both kinds of header, from macros defined as text.
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

TEST(Preprocessing, OptionsAreRefusedBeforeAnythingIsRead) {
  const struct {
    std::vector<std::string> arguments;
    std::string report;
  } kCases[] = {
      {{"-D=1", "in.r", "out.rc"}, "VorlTool: not a macro name: =1\n"},
      {{"-DA-B", "in.r", "out.rc"}, "VorlTool: not a macro name: A-B\n"},
      {{"-UX"}, "Usage: VorlTool [options] sourcefile destinationfile\n"},
      {{"--prep", "in.r", "out.rc"}, "VorlTool: unknown option --prep\n"},
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

TEST(Preprocessing, RefusesWithTheLineOfTheFault) {
  std::string deepSkipped = "#if 0\n";
  for (int i = 0; i < 256; ++i) deepSkipped += "#if 1\n";
  std::string longChain;
  for (int i = 0; i < 201; ++i)
    longChain += "#define k" + std::to_string(i) + " k" + std::to_string(i + 1) + "\n";
  // Evaluations nested through macro texts count together: the stack is
  // bounded however the operators are spread over the macros.
  std::string spreadOperators = "#define kOne 1\n";
  for (int i = 0; i < 50; ++i) {
    spreadOperators += "#define k" + std::to_string(i) + " ";
    for (int j = 0; j < 30; ++j) spreadOperators += "kOne + ";
    spreadOperators += "k" + std::to_string(i + 1) + "\n";
  }
  const struct {
    std::string source;
    std::string report;
  } kCases[] = {
      {"#error\n", "#error, line 1\n"},
      {"\n#ifdef\n#endif\n", "#ifdef without a macro name, line 2\n"},
      {"#define\n", "#define without a macro name, line 1\n"},
      {"#define F(x\n", "#define without a ) after its parameters, line 1\n"},
      {"#undef 1\n", "#undef without a macro name, line 1\n"},
      {"#include kHeader\n", "#include expects \"file\" or <file>, line 1\n"},
      {"#include\n", "#include expects \"file\" or <file>, line 1\n"},
      {"#include <x.h\n", "#include expects \"file\" or <file>, line 1\n"},
      {"#include \"unclosed\n", "#include expects \"file\" or <file>, line 1\n"},
      {"#include <>\n", "Unable to open include file \"\", line 1\n"},
      {"#include </no/such/folder/x.h>\n", "Unable to open include file \"/no/such/folder/x.h\", line 1\n"},
      {"#else\n", "#else without #if, line 1\n"},
      {"#if 0\n#else\n#elif 1\n#endif\n", "#elif after #else, line 3\n"},
      {"#if 0\n/* never closed\n", "#if without #endif, line 1\n"},
      {"#if 0\n'never closed", "#if without #endif, line 1\n"},
      {deepSkipped, "#if nesting too deep, line 257\n"},
      {longChain + kVorl + "k0" + kEnd, "Macros nested too deeply, line 202\n"},
      {spreadOperators + kVorl + "k0" + kEnd, "Expression Too Complex!, line 52\n"},
      {"#define kText \"t\"\n#define kSum 1 + kText\n" + kVorl + "kSum" + kEnd,
       "Undefined Symbol kText, line 3\n"},
  };
  for (const auto& entry : kCases) {
    const Conversion result = ConvertPreprocessed(entry.source);
    EXPECT_EQ(result.status, 1) << entry.source;
    EXPECT_EQ(result.err, entry.report) << entry.source;
  }
}

}  // namespace
