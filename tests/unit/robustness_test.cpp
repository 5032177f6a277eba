// Whole runs over inputs no person would write: a million comments, hashes,
// dollar lines or braces, and random bytes. None may crash, exhaust the stack
// or hang; each ends with a whole script or with one failure report.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "driver/run.h"
#include "source_text.h"

namespace {

constexpr int kMillion = 1000000;

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  text.reserve(piece.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

void ExpectOnlyThePrelude(const Conversion& run) {
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.script, kPrelude);
}

void ExpectFailureReport(const Conversion& run, const std::string& report) {
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, report);
  EXPECT_EQ(run.script, "");
}

TEST(Robustness, MillionComments) {
  ExpectOnlyThePrelude(ConvertText("block.r", Repeat("/**/", kMillion)));
  ExpectOnlyThePrelude(ConvertText("line.r", Repeat("//\n", kMillion)));
  ExpectOnlyThePrelude(ConvertText("crlf.r", Repeat("/* a */ // b\r\n", kMillion)));
}

TEST(Robustness, MillionHashes) {
  ExpectOnlyThePrelude(ConvertText("run.r", std::string(kMillion, '#')));
  ExpectOnlyThePrelude(ConvertText("lines.r", Repeat("#\n", kMillion)));
  ExpectOnlyThePrelude(ConvertText("blank.r", Repeat("# ", kMillion)));
}

TEST(Robustness, MillionDollarLines) {
  ExpectOnlyThePrelude(ConvertText("lines.r", Repeat("$\n", kMillion)));
  ExpectOnlyThePrelude(ConvertText("run.r", Repeat("$ ", kMillion)));
  // Two dollars begin the format construct, whose ( never comes.
  ExpectFailureReport(ConvertText("doubled.r", std::string(kMillion, '$')),
                      "expected string, line 0\n");
  ExpectOnlyThePrelude(ConvertText("mixed.r", Repeat("$ x\n# y\n/**/\n", kMillion / 3)));
}

TEST(Robustness, MillionNestedBracesInASkippedStatement) {
  const std::string open = "resource 'MENU' (1) " + std::string(kMillion, '{');
  ExpectOnlyThePrelude(ConvertText("closed.r", open + std::string(kMillion, '}') + ";\n"));
  ExpectFailureReport(ConvertText("unclosed.r", open), "Premature End of file, line 1\n");
}

TEST(Robustness, LongArithmeticAndLongLines) {
  // A line is read whole, so a number's parentheses are bounded on their own.
  ExpectOnlyThePrelude(ConvertText("parens.r", "1 * " + std::string(512, '(') + "\n"));
  ExpectFailureReport(ConvertText("deeper.r", "1 * " + std::string(513, '(') + "\n"),
                      "Parentheses nested too deeply, line 0\n");
  ExpectFailureReport(ConvertText("deepest.r", "1 * " + std::string(kMillion, '(') + "\n"),
                      "Parentheses nested too deeply, line 0\n");
  ExpectOnlyThePrelude(ConvertText("sum.r", "1" + Repeat(" + 1", kMillion) + "\n"));
  ExpectOnlyThePrelude(ConvertText("word.r", std::string(kMillion, 'w') + "\n"));
  ExpectOnlyThePrelude(ConvertText("blanks.r", std::string(kMillion, ' ')));
}

TEST(Robustness, UnclosedStringsAndLiteralsAtTheEnd) {
  ExpectFailureReport(ConvertText("string.r", "\"" + std::string(kMillion, 's')),
                      "String too long, line 0\n");
  ExpectFailureReport(ConvertText("short.r", "\"" + std::string(60000, 's')),
                      "Premature End of file, line 0\n");
  ExpectOnlyThePrelude(ConvertText("comment.r", "/*" + std::string(kMillion, '*')));
  // A literal at the statement level begins a statement that never ends.
  ExpectFailureReport(ConvertText("literal.r", "'" + std::string(kMillion, 'l')),
                      "Premature End of file, line 0\n");
  ExpectFailureReport(ConvertText("format.r", "$$Format(\"" + std::string(kMillion, '%')),
                      "String too long, line 0\n");
}

// The check the random runs and every prefix go through refuses each way a
// run could end out of order.
TEST(Robustness, AnOrderlyEndIsNoneOfTheseAnswers) {
  auto ended = [](int status, const std::string& err, bool output, const std::string& script) {
    Conversion run;
    run.status = status;
    run.err = err;
    run.outputExists = output;
    run.script = script;
    return run;
  };
  const std::string prelude(kPrelude);
  const std::string block = "1  Vorl  DISCARDABLE\nBEGIN\n\t0x0001,\nEND\n\n";
  EXPECT_TRUE(EndsInAnOrderlyWay(ended(0, "", true, prelude + block), 1));
  EXPECT_TRUE(EndsInAnOrderlyWay(ended(1, "ConvertVorl: Semicolon Expected!, line 3\n", false, ""), 3));
  const Conversion disorderly[] = {
      ended(2, "", false, ""),
      ended(0, "", true, block),
      ended(0, "", true, prelude + "1  Vorl  DISCARDABLE\nBEGIN\n\t0x0001,\n"),
      ended(0, "", true, prelude + block + "END\n"),
      ended(0, "Premature End of file, line 1\n", true, prelude),
      ended(1, "Premature End of file, line 1\n", true, prelude),
      ended(1, "Premature End of file, line 4\n", false, ""),
      ended(1, "Premature End of file\n", false, ""),
      ended(1, "a, line 1\nb, line 2\n", false, ""),
      ended(1, "", false, ""),
  };
  for (const Conversion& run : disorderly) EXPECT_FALSE(EndsInAnOrderlyWay(run, 3)) << run.err << run.script;
}

/// Pieces of the language, put together at random, so that every reader and
/// converter meets its input cut off at unexpected places.
std::string TokenSoup(std::mt19937& random, std::size_t size) {
  static const char* const pieces[] = {
      "resource ", "data ", "'Vorl' ", "'TzAv' ", "'LStr' ", "'MENU' ", "(", ")", "{", "}",
      ";", ",", "128", "-", "+", "*", "/", "|", "<<", "\"text\" ", "\"\\x41\\0\" ", "Kind ",
      "Filter ", "Name ", "Version ", "ReadTypes ", "ZR_Effect_Version ", "HasTerminology ",
      "SupportedModes ", "FilterCaseInfo ", "#define ", "X ", "$$Format(\"%d\", 7)", "$ ",
      "\n", "/* c */", "// c\n", "\x83", "\xff", "'", "\"", "0x7fffffff", "65535", "\\",
      "FmtFileType ", "ZR_Effect_Match_Name ", "CodeWin64X86 ", "Category ",
  };
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::string text;
  while (text.size() < size) text += pieces[pick(random)];
  return text;
}

std::string RandomBytes(std::mt19937& random, std::size_t size) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text(size, '\0');
  for (char& c : text) c = static_cast<char>(byte(random));
  return text;
}

TEST(Robustness, RandomInputsEndInAnOrderlyWay) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 24; ++round) {
    const bool japanese = round % 2 == 1;
    const std::string name = std::string("random") + std::to_string(round) +
                             (japanese ? "_JAPANESE.r" : ".r");
    const std::string input =
        round < 16 ? TokenSoup(random, 16384) : RandomBytes(random, 65536);
    EXPECT_TRUE(EndsInAnOrderlyWay(ConvertText(name, input), LinesOf(input))) << name;
  }
}

TEST(Robustness, EachRunStartsFromNothing) {
  // The same input under two languages, one after the other, in one process.
  const std::string input = "resource 'MENU' (1) {\n\x81\x40\n";
  const Conversion japanese = ConvertText("dlg_JAPANESE.r", input);
  const Conversion english = ConvertText("dlg.r", input);
  const Conversion again = ConvertText("dlg_JAPANESE.r", input);
  EXPECT_EQ(japanese.err, "Premature End of file, line 2\n");
  EXPECT_EQ(english.err, "Premature End of file, line 1\n");
  EXPECT_EQ(again.err, japanese.err);
  // A failure leaves nothing behind that the next run would see.
  ExpectOnlyThePrelude(ConvertText("next.r", "resource 'MENU' (2) { };\n"));
}

/// `count` copies of a property list and a string list whose id, name and
/// strings come from macros defined at the top.
std::string ManyStatements(const std::string& defines, int count) {
  std::string text = defines;
  for (int i = 0; i < count; ++i) {
    text += "resource 'Vorl' (kValue) { { Name { kName }, Version { kValue << 16 },\n"
            "  ReadTypes { { 'TEXT', 'ttxt' } } } };\n"
            "resource 'LStr' (kValue) { { kName, \"caf\x8e \\0x41\" \"more\" } };\n";
  }
  return text;
}

TEST(Runs, TwoConversionsAtOnceShareNothing) {
  // Different languages, macro values, string pools and property counts.
  const std::string english =
      ManyStatements("#define kValue 1\n#define kName \"Alpha\"\n", 2000);
  const std::string japanese =
      ManyStatements("#define kValue 2\n#define kName \"Beta \x83\\\"\n", 3000);
  // What each gives when it runs alone.
  const Conversion englishAlone = ConvertText("a.r", english);
  const Conversion japaneseAlone = ConvertText("b_JAPANESE.r", japanese);
  ASSERT_EQ(englishAlone.status, 0) << englishAlone.err;
  ASSERT_EQ(japaneseAlone.status, 0) << japaneseAlone.err;
  ASSERT_NE(englishAlone.script.find("\t\"\\x05Alpha\\0\\0\", \n"), std::string::npos);
  ASSERT_NE(englishAlone.script.find("0x6163, 0xe966, "), std::string::npos);  // "caf\xe9"
  ASSERT_NE(japaneseAlone.script.find("\t\"\\x07Beta \x83\\\", \n"), std::string::npos);

  const std::string englishPath = WriteSourceFile("a.rc", "");
  const std::string japanesePath = WriteSourceFile("b.rc", "");
  for (int round = 0; round < 3; ++round) {
    int englishStatus = -1;
    int japaneseStatus = -1;
    std::thread first(
        [&] { englishStatus = ::Run(english, kLocaleEnglish).Convert(englishPath.c_str()); });
    std::thread second(
        [&] { japaneseStatus = ::Run(japanese, kLocaleJapanese).Convert(japanesePath.c_str()); });
    first.join();
    second.join();
    EXPECT_EQ(englishStatus, 0);
    EXPECT_EQ(japaneseStatus, 0);
    EXPECT_EQ(ReadFile(englishPath), englishAlone.script) << "round " << round;
    EXPECT_EQ(ReadFile(japanesePath), japaneseAlone.script) << "round " << round;
  }
}

}  // namespace
