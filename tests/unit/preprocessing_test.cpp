// Preprocessing mode over text in memory: each source converts to the script
// that a plain source, written without the preprocessor's help, converts to;
// and each malformed one is refused with its exact report.
#include <gtest/gtest.h>

#include <string>

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
  };
  for (const auto& entry : kCases) {
    const Conversion preprocessed = ConvertPreprocessed(entry.preprocessed);
    const Conversion plain = ConvertText("in.r", entry.plain);
    EXPECT_EQ(preprocessed.err, "") << entry.preprocessed;
    EXPECT_EQ(plain.err, "") << entry.plain;
    EXPECT_EQ(preprocessed.script, plain.script) << entry.preprocessed;
  }
}

TEST(Preprocessing, RefusesWithTheLineOfTheFault) {
  std::string deepSkipped = "#if 0\n";
  for (int i = 0; i < 256; ++i) deepSkipped += "#if 1\n";
  std::string longChain;
  for (int i = 0; i < 201; ++i)
    longChain += "#define k" + std::to_string(i) + " k" + std::to_string(i + 1) + "\n";
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
      {"#include \"unclosed\n", "#include expects \"file\" or <file>, line 1\n"},
      {"#include <>\n", "Unable to open include file \"\", line 1\n"},
      {"#include </no/such/folder/x.h>\n", "Unable to open include file \"/no/such/folder/x.h\", line 1\n"},
      {"#else\n", "#else without #if, line 1\n"},
      {"#if 0\n#else\n#elif 1\n#endif\n", "#elif after #else, line 3\n"},
      {"#if 0\n/* never closed\n", "#if without #endif, line 1\n"},
      {deepSkipped, "#if nesting too deep, line 257\n"},
      {longChain + kVorl + "k0" + kEnd, "Macros nested too deeply, line 202\n"},
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
