// The lexer: token classes and the fields each token fills, numbers and their
// arithmetic, strings and their limits, comments, the $ and $$ forms, the
// letters of each language, and the translation of string bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "base/locale.h"
#include "base/name_bytes.h"
#include "base/translate.h"
#include "source/lexer.h"
#include "source/macros.h"
#include "source_text.h"

namespace {

using ClassList = std::vector<int32_t>;

class LexerTest : public TextRunTest {
 protected:
  /// The classes of every token up to the end of input (at most `limit`).
  ClassList Classes(const std::string& source, int limit = 1000) {
    Load(source);
    ClassList classes;
    for (GetToken(); pToken->eClass != TOK_EOF && limit-- > 0; GetToken())
      classes.push_back(pToken->eClass);
    return classes;
  }

  /// The value of the first token, which must be a number.
  int32_t NumberOf(const std::string& source) {
    Load(source);
    GetToken();
    EXPECT_EQ(pToken->eClass, TOK_NUMBER) << source;
    return pToken->value;
  }

  /// The text of the first token, which must be a string.
  std::string StringOf(const std::string& source, Language locale = kLocaleEnglish) {
    Load(source, locale);
    GetToken();
    EXPECT_EQ(pToken->eClass, TOK_STRING) << source;
    return pToken->text ? pToken->text : "";
  }

  /// The report of a run over `source` that must fail while it is lexed.
  std::string FailureOf(const std::string& source) {
    Load(source);
    const CapturedStreams streams = ExpectFailure([&] {
      for (int i = 0; i < 1000 && pToken->eClass != TOK_EOF; ++i) GetToken();
    });
    return streams.err;
  }

  Macro* AddMacro(const char* name) { return lexer().macros().AddMacro(name); }
};

TEST_F(LexerTest, ResourceHeaderLine) {
  Load("\n  resource 'Vorl' (128, \"Sample\") {\n");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RESOURCE);
  EXPECT_STREQ(pToken->name, "resource");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_LITERAL);
  EXPECT_STREQ(pToken->code, "Vorl");
  EXPECT_TRUE(lexer().IsFourCharLiteral());
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_LPAREN);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 128);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_COMMA);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_STRING);
  EXPECT_STREQ(pToken->text, "Sample");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RPAREN);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_LBRACE);
  // Only words fill `name` and `line`; the others keep what they had.
  EXPECT_STREQ(pToken->name, "resource");
  EXPECT_EQ(pToken->line, 2);
  EXPECT_EQ(pToken->value, 128);
  EXPECT_STREQ(pToken->code, "Vorl");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);
}

TEST_F(LexerTest, LineIsThatOfTheLastWord) {
  Load("first\n1\n{\n\"s\"\n'abcd'\n");
  for (int i = 0; i < 5; ++i) GetToken();
  EXPECT_EQ(pToken->eClass, TOK_LITERAL);
  EXPECT_EQ(pToken->line, 1);
  Load("/* one\ntwo */ // three\n\n  word");
  GetToken();
  EXPECT_EQ(pToken->line, 4);
}

TEST_F(LexerTest, Punctuation) {
  EXPECT_EQ(Classes("! ( ) * + , - : ; < > { } | /"),
            (ClassList{TOK_BANG, TOK_LPAREN, TOK_RPAREN, TOK_STAR, TOK_PLUS, TOK_COMMA, TOK_MINUS,
                       TOK_COLON, TOK_SEMICOLON, TOK_LESS, TOK_GREATER, TOK_LBRACE, TOK_RBRACE,
                       TOK_BAR, TOK_SLASH}));
  // Brackets, =, & and the bytes without a handler are passed over.
  EXPECT_EQ(Classes("{[1]} = & . @ % ^ ~ ? \\ ` \x01 \x7e"),
            (ClassList{TOK_LBRACE, TOK_NUMBER, TOK_RBRACE}));
  EXPECT_EQ(Classes("1 | 2"), (ClassList{TOK_NUMBER, TOK_BAR, TOK_NUMBER}));
  EXPECT_EQ(Classes("a/b"), (ClassList{TOK_IDENT, TOK_SLASH, TOK_IDENT}));
}

TEST_F(LexerTest, Keywords) {
  struct Word {
    const char* text;
    int32_t cls;
  };
  const Word words[] = {{"data", TOK_DATA},   {"include", TOK_INCLUDE},
                        {"read", TOK_READ},   {"resource", TOK_RESOURCE},
                        {"Kind", 36},         {"ZRGP", 68},
                        {"ZREffect", 74},     {"ZR_Vorl_Version", 79},
                        {"ZR_Reserved", 85},  {"ZR_Effect_Support_URL", 88},
                        {"Resource", TOK_IDENT}, {"Kindly", TOK_IDENT},
                        {"_Kind", TOK_IDENT}};
  for (const Word& word : words) {
    Load(word.text);
    GetToken();
    EXPECT_EQ(pToken->eClass, word.cls) << word.text;
    EXPECT_STREQ(pToken->name, word.text);
  }
  // The keyword include also empties the four-character text.
  Load("'abcd' include");
  GetToken();
  GetToken();
  EXPECT_STREQ(pToken->code, "");
}

// The check that keeps keywords.def from giving one number to two classes;
// the table itself passes it, or the program would not compile.
TEST(TokenClasses, ANumberGivenTwiceOrPastTheLimitClashes) {
  static constexpr int32_t distinct[] = {0, 9, 10, 36, 88, kTokenClassLimit - 1};
  static constexpr int32_t twice[] = {4, 9, 12, 9};
  static constexpr int32_t negative[] = {4, -1};
  static constexpr int32_t pastTheLimit[] = {4, kTokenClassLimit};
  static_assert(!TokenNumbersClash(distinct));
  static_assert(TokenNumbersClash(twice));
  static_assert(TokenNumbersClash(negative));
  static_assert(TokenNumbersClash(pastTheLimit));
  EXPECT_FALSE(TokenNumbersClash(token_classes::kNumbers));
  EXPECT_TRUE(TokenNumbersClash(twice));
  // The punctuation and the keywords are all in the one table.
  EXPECT_EQ(token_classes::kNumbers[0], TOK_NONE);
  EXPECT_EQ(std::count(std::begin(token_classes::kNumbers), std::end(token_classes::kNumbers),
                       TOK_BAR),
            1);
  EXPECT_EQ(std::count(std::begin(token_classes::kNumbers), std::end(token_classes::kNumbers),
                       KW_ZR_Effect_Support_URL),
            1);
}

TEST_F(LexerTest, IdentifiersStopAfter32Bytes) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
  Load(letters);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_IDENT);
  EXPECT_EQ(std::string(pToken->name), letters.substr(0, 32));
  GetToken();
  EXPECT_EQ(std::string(pToken->name), letters.substr(32));
  // A digit after the 32nd byte begins a number.
  Load(std::string(32, 'a') + "42");
  GetToken();
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 42);
}

TEST_F(LexerTest, DoubleByteCharacterAtTheIdentifiersEnd) {
  Load(std::string(31, 'a') + "\x83\x40" + "z", kLocaleJapanese);
  GetToken();
  EXPECT_EQ(std::string(pToken->name), std::string(31, 'a') + "\x83\x40");
  GetToken();
  EXPECT_STREQ(pToken->name, "z");
}

TEST_F(LexerTest, LettersOfTheWindowsCodePage) {
  const std::string high =
      "\x83\x8a\x8c\x8e\x9a\x9c\x9e\x9f\xaa\xb5\xba";
  for (int byte = 0x80; byte < 0x100; ++byte) {
    const bool letter = high.find(static_cast<char>(byte)) != std::string::npos ||
                        (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
    const std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(Classes(text), letter ? ClassList{TOK_IDENT} : ClassList{}) << byte;
    EXPECT_EQ((name_bytes::kColumns[byte] & name_bytes::kWordStart) != 0, letter) << byte;
    EXPECT_EQ((name_bytes::kColumns[byte] & name_bytes::kWordChar) != 0, letter) << byte;
  }
  EXPECT_EQ(Classes("x\xb2"), ClassList{TOK_IDENT});
  EXPECT_STREQ(pToken->name, "x");
}

TEST_F(LexerTest, LeadBytesBeginWordsOnlyInDoubleByteLanguages) {
  for (Language locale : {kLocaleJapanese, kLocaleChinese, kLocaleKorean, kLocaleEnglish}) {
    Load("\x81\x40 \x8d\x5b \x90\x7e", locale);
    int words = 0;
    for (GetToken(); pToken->eClass != TOK_EOF; GetToken()) ++words;
    EXPECT_EQ(words, locale == kLocaleEnglish ? 0 : 3) << locale;
  }
}

TEST_F(LexerTest, NumberForms) {
  EXPECT_EQ(NumberOf("0x1F"), 31);
  EXPECT_EQ(NumberOf("0xff"), 255);
  EXPECT_EQ(NumberOf("010"), 10);
  EXPECT_EQ(NumberOf("0o17"), 15);
  EXPECT_EQ(NumberOf("0b101"), 5);
  EXPECT_EQ(NumberOf("0b12"), 4);
  EXPECT_EQ(NumberOf("0x"), 0);
  EXPECT_EQ(Classes("0X1F"), (ClassList{TOK_NUMBER, TOK_IDENT}));
  EXPECT_STREQ(pToken->name, "X1F");
  EXPECT_EQ(Classes("0B1"), (ClassList{TOK_NUMBER, TOK_IDENT}));
}

TEST_F(LexerTest, ArithmeticOnOneLineFoldsIntoOneNumber) {
  EXPECT_EQ(NumberOf("2 * (3 + 4)"), 14);
  EXPECT_EQ(NumberOf("7/2"), 3);
  EXPECT_EQ(NumberOf("0 - 7 / 2"), -3);
  EXPECT_EQ(NumberOf("5-3"), 2);
  EXPECT_EQ(NumberOf("5 -3"), 2);
  EXPECT_EQ(NumberOf("2 + 3 * 4 - 6 / 2"), 11);
  EXPECT_EQ(NumberOf("10 - 2 - 3"), 5);
  EXPECT_EQ(NumberOf("1 + (2"), 3);
  EXPECT_EQ(NumberOf("3 * ( -3)"), -9);
  EXPECT_EQ(NumberOf("1 * (-3)"), -3);
  EXPECT_EQ(Classes("5, -3"), (ClassList{TOK_NUMBER, TOK_COMMA, TOK_MINUS, TOK_NUMBER}));
  // An operator without an operand is dropped and ends the scan.
  EXPECT_EQ(Classes("5 - x"), (ClassList{TOK_NUMBER, TOK_IDENT}));
  EXPECT_EQ(Classes("5 +\n3"), (ClassList{TOK_NUMBER, TOK_NUMBER}));
  // A blank after the number is passed over; the next byte is read again.
  EXPECT_EQ(Classes("5 \t;"), (ClassList{TOK_NUMBER, TOK_SEMICOLON}));
}

TEST_F(LexerTest, MissingOperandInsideParenthesesEndsTheWholeScan) {
  Load("2 * (5 * x) + 1");
  GetToken();
  EXPECT_EQ(pToken->value, 10);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_IDENT);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RPAREN);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_PLUS);
  // A parenthesis that holds no number counts 0 and consumes nothing.
  EXPECT_EQ(Classes("2 + (x)"), (ClassList{TOK_NUMBER, TOK_IDENT, TOK_RPAREN}));
  Load("2 + (x)");
  GetToken();
  EXPECT_EQ(pToken->value, 2);
}

TEST_F(LexerTest, ArithmeticWrapsAt32Bits) {
  EXPECT_EQ(NumberOf("2147483647 + 1"), INT32_MIN);
  EXPECT_EQ(NumberOf("0 - 2147483647 - 2"), INT32_MAX);
  EXPECT_EQ(NumberOf("65536 * 65536"), 0);
  EXPECT_EQ(NumberOf("65537 * 65537"), 131073);
  EXPECT_EQ(NumberOf("4294967297"), 1);
  EXPECT_EQ(NumberOf("0x123456789"), 0x23456789);
  EXPECT_EQ(NumberOf("1 * (0 - 2147483647 - 1) / (0 - 1)"), INT32_MIN);
  EXPECT_EQ(NumberOf("1 * (-2147483648) / (-1)"), INT32_MIN);
  EXPECT_EQ(NumberOf("0 - 2147483647 - 1 - 1"), INT32_MAX);
}

TEST_F(LexerTest, DivisionByZeroFails) {
  EXPECT_EQ(FailureOf("word 1/0"), "Division by zero, line 1\n");
  EXPECT_EQ(FailureOf("\n6 / (2 - 2)"), "Division by zero, line 0\n");
}

TEST_F(LexerTest, CommentAfterANumberEndsIt) {
  EXPECT_EQ(Classes("5 /* five */ 7"), (ClassList{TOK_NUMBER, TOK_NUMBER}));
  Load("5/* five */ 7");
  GetToken();
  EXPECT_EQ(pToken->value, 5);
  GetToken();
  EXPECT_EQ(pToken->value, 7);
  Load("6 // six\n8//\nword");
  GetToken();
  EXPECT_EQ(pToken->value, 6);
  GetToken();
  EXPECT_EQ(pToken->value, 8);
  GetToken();
  EXPECT_EQ(pToken->line, 3);
  EXPECT_EQ(NumberOf("12/3"), 4);
  EXPECT_EQ(NumberOf("12 / /**/ 3"), 12);
}

TEST_F(LexerTest, Comments) {
  EXPECT_EQ(Classes("/* a ** b **/b"), ClassList{TOK_IDENT});
  EXPECT_STREQ(pToken->name, "b");
  // Comments do not nest: the first */ ends both.
  EXPECT_EQ(Classes("/* /* */ x */"), (ClassList{TOK_IDENT, TOK_STAR, TOK_SLASH}));
  EXPECT_EQ(Classes("a /* never closed\n}"), ClassList{TOK_IDENT});
  EXPECT_EQ(Classes("a // last line without end"), ClassList{TOK_IDENT});
  // A line comment also ends at a carriage return, which counts as a line.
  Load("// c\rword");
  GetToken();
  EXPECT_EQ(pToken->line, 2);
  // A double-byte character's second byte never closes a comment.
  Load("/* \x83*/ */ a // \x83\nb\n", kLocaleJapanese);
  GetToken();
  EXPECT_STREQ(pToken->name, "a");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);
}

TEST_F(LexerTest, Strings) {
  EXPECT_EQ(StringOf("\"a\\\"b\" \"c\""), "a\\\"b");
  EXPECT_EQ(StringOf("\"tab\\t, hex\\x41\\\\\""), "tab\\t, hex\\x41\\\\");
  EXPECT_EQ(StringOf("\"\""), "");
  // A line feed inside a string is kept and not counted.
  Load("\"one\ntwo\" word");
  GetToken();
  EXPECT_STREQ(pToken->text, "one\ntwo");
  GetToken();
  EXPECT_EQ(pToken->line, 1);
  // A NUL byte ends the text for every later use.
  EXPECT_EQ(StringOf(std::string("\"ab\0cd\"", 7)), "ab");
}

TEST_F(LexerTest, StringsAreWholeUpToTheirLimit) {
  // Past 256 bytes, past an escape, over a line end, a byte 127 and all.
  const std::string x300(300, 'x');
  Load("\"" + x300 + "\\\"\n\x7f\" next");
  GetToken();
  EXPECT_EQ(std::string(pToken->text), x300 + "\\\"\n\x7f");
  GetToken();
  EXPECT_STREQ(pToken->name, "next");
  EXPECT_EQ(pToken->line, 1);

  // 65,535 bytes as written, escapes and double-byte characters counted
  // byte by byte; one more fails.
  const std::string most(kStringMax - 2, 's');
  EXPECT_EQ(StringOf("\"" + most + "\\n\""), most + "\\n");
  EXPECT_EQ(StringOf("\"" + most + "\x83\\\\\"", kLocaleJapanese), most + "\x83\\");
  EXPECT_EQ(FailureOf("\"" + most + "abc\""), "String too long, line 0\n");
  EXPECT_EQ(FailureOf("\"" + most + "a\\n\""), "String too long, line 0\n");
  EXPECT_EQ(FailureOf("word \"" + std::string(100000, 's')), "String too long, line 1\n");
  // A #define's string is as long as a string may be, and so is its use.
  Load("#define kS \"" + most + "ab\"\nkS");
  RunDirectives();
  GetToken();
  EXPECT_EQ(pToken->text, most + "ab");

  // The end of the input ends no string, wherever in it.
  EXPECT_EQ(FailureOf("word\n\"open"), "Premature End of file, line 1\n");
  EXPECT_EQ(FailureOf("\"open\\"), "Premature End of file, line 0\n");
  Load("\"\x83", kLocaleJapanese);
  EXPECT_EQ(ExpectFailure([&] { GetToken(); }).err, "Premature End of file, line 0\n");
}

TEST_F(LexerTest, DoubleByteCharactersInStrings) {
  // The second byte is neither an escape nor a quote.
  EXPECT_EQ(StringOf("\"\x83\\\" x", kLocaleJapanese), "\x83\\");
  EXPECT_EQ(StringOf("\"\x83\"x\"", kLocaleJapanese), "\x83\"x");
  // A doubled backslash as the second byte stands for one.
  EXPECT_EQ(StringOf("\"\x83\\\\a\"", kLocaleJapanese), "\x83\\a");
  EXPECT_EQ(StringOf("\"\x83\\\\\\\"\"", kLocaleJapanese), "\x83\\\\\"");
  // In English 0x83 is a single character and the backslash escapes.
  EXPECT_EQ(StringOf("\"\x83\\\" x\"", kLocaleEnglish), "\xc9\\\" x");
}

TEST_F(LexerTest, StringBytesAreTranslatedFromTheMacintoshCharacterSet) {
  EXPECT_EQ(StringOf("\"\xd2" "A\xd3\"", kLocaleEnglish), "'A'");
  EXPECT_EQ(StringOf("\"\xc9\x80\xff\xa5\xe1\xd0\xd1\"", kLocaleFrench),
            "\x85\xc4\x80\xb7\xb7\xad\xad");
  EXPECT_EQ(StringOf("\"\xd2" "A\xd3\"", kLocaleJapanese), "\xd2" "A\xd3");
  EXPECT_EQ(StringOf("\"\xd2" "A\xd3\"", kLocaleKorean), "\xd2" "A\xd3");
  EXPECT_EQ(StringOf("\"\xd2" "A\xd3\"", kLocaleChinese), "'A'");
  // The byte after a backslash stays as written.
  EXPECT_EQ(StringOf("\"\\\xd2\"", kLocaleEnglish), "\\\xd2");
  for (int byte = 0; byte < 128; ++byte) {
    EXPECT_EQ(MacToWinChar(static_cast<unsigned char>(byte)), byte);
    EXPECT_EQ(Locale(kLocaleGerman).StringByte(static_cast<unsigned char>(byte)), byte);
  }
  // Four-character literals and words are never translated.
  Load("'\xd2\xd3\xa5\xc9'");
  GetToken();
  EXPECT_STREQ(pToken->code, "\xd2\xd3\xa5\xc9");
}

TEST_F(LexerTest, FourCharacterLiterals) {
  Load("'ab' 'abcdef' 'a\nb' 'end");
  GetToken();
  EXPECT_STREQ(pToken->code, "ab");
  EXPECT_FALSE(lexer().IsFourCharLiteral());
  GetToken();
  EXPECT_STREQ(pToken->code, "abcd");
  EXPECT_TRUE(lexer().IsFourCharLiteral());
  GetToken();
  EXPECT_STREQ(pToken->code, "a\nb");
  GetToken();
  EXPECT_STREQ(pToken->code, "end");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);
  // A lead byte brings its second byte along, a quote too.
  Load("'\x83'x' y", kLocaleJapanese);
  GetToken();
  EXPECT_STREQ(pToken->code, "\x83'x");
  GetToken();
  EXPECT_STREQ(pToken->name, "y");
}

TEST_F(LexerTest, DirectiveTakesTheNameAfterItsHashes) {
  Load("#define X\n## # #include\n#");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_DIRECTIVE);
  EXPECT_STREQ(pToken->name, "define");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_IDENT);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_DIRECTIVE);
  EXPECT_STREQ(pToken->name, "include");
  EXPECT_EQ(pToken->line, 2);
}

TEST_F(LexerTest, MacroNamesBecomeTheirValues) {
  Load("X Empty Text Kind #define X X");
  Macro* number = AddMacro("X");
  number->kind = kMacroNumber;
  number->numValue = 3;
  AddMacro("Empty");
  Macro* text = AddMacro("Text");
  text->kind = kMacroString;
  text->stringValue = "hello";
  AddMacro("Kind")->kind = kMacroNumber;
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 3);
  EXPECT_STREQ(pToken->name, "X");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 1);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_STRING);
  EXPECT_STREQ(pToken->text, "hello");
  GetToken();
  EXPECT_EQ(pToken->eClass, KW_Kind);
  // The word after a directive (the name a #define defines) is never replaced.
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_DIRECTIVE);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_IDENT);
  EXPECT_STREQ(pToken->name, "X");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
}

TEST_F(LexerTest, DollarDropsItsLine) {
  Load("$\"0A0B\" { {\n$\nword $ more\n}");
  GetToken();
  EXPECT_STREQ(pToken->name, "word");
  EXPECT_EQ(pToken->line, 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RBRACE);
}

TEST_F(LexerTest, FormatConstruct) {
  struct Format {
    const char* source;
    const char* result;
  };
  const Format formats[] = {
      {"$$Format(\"%d\", 5)", "5"},
      {"$$ anything ( \"[%5.3d]\" , 7 )", "[  007]"},
      {"$$Format(\"%-4i|%%\", -5)", "-5  |%"},
      {"$$Format(\"%#x\", 255)", "0xff"},
      {"$$Format(\"%X\", 48879)", "BEEF"},
      {"$$Format(\"%o\", 8)", "10"},
      {"$$Format(\"%u\", -1)", "4294967295"},
      {"$$Format(\"%lx\", -1)", "ffffffff"},
      {"$$Format(\"%ld\", + 12)", "12"},
      {"$$Format(\"%hd\", 65535)", "-1"},
      {"$$Format(\"%hu\", -1)", "65535"},
      {"$$Format(\"%hhx\", 0x1ff)", "ff"},
      {"$$Format(\"%hhd\", 255)", "-1"},
      {"$$Format(\"%08.3x\", 10)", "     00a"},
      {"$$Format(\"no number\", 10)", "no number"},
      {"$$Format(\"%d\" - 5)", "-5"},
      {"$$Format($$Format(\"%%0%dd\", 3), 5)", "005"},
  };
  for (const Format& format : formats) {
    Load(format.source);
    GetToken();
    EXPECT_EQ(pToken->eClass, TOK_STRING) << format.source;
    EXPECT_STREQ(pToken->text, format.result) << format.source;
  }
  // The construct ends after its closing parenthesis.
  Load("$$Format(\"%d\", 5) next");
  GetToken();
  GetToken();
  EXPECT_STREQ(pToken->name, "next");
  // The result is cut to 255 characters.
  Load("$$Format(\"ab%255d\", 1)");
  GetToken();
  EXPECT_EQ(std::strlen(pToken->text), 255u);
  Load("$$Format(\"%255.255d\", 1)");
  GetToken();
  EXPECT_EQ(std::strlen(pToken->text), 255u);
}

TEST_F(LexerTest, FormatConstructRefusesWhatOneIntegerCannotFill) {
  const char* refused[] = {"%s", "%c", "%f", "%n", "%p", "%e", "%*d", "%d%d", "%+d % d",
                           "%256d", "%.256d", "%lld", "%Lf", "%jd", "%zd", "%", "%5"};
  for (const char* format : refused) {
    EXPECT_EQ(FailureOf(std::string("$$Format(\"") + format + "\", 1)"),
              "Unsupported format, line 0\n")
        << format;
  }
  EXPECT_EQ(FailureOf("$$Format(5)"), "expected string, line 0\n");
  EXPECT_EQ(FailureOf("$$Format(\"%d\", name)"), "integer or long expected, line 1\n");
  EXPECT_EQ(FailureOf("$$Format(\"%d\", - name)"), "Integer or long expected, line 1\n");
}

TEST_F(LexerTest, OneTokenOfPushBack) {
  Load("first second");
  GetToken();
  UngetToken();
  GetToken();
  EXPECT_STREQ(pToken->name, "first");
  UngetToken();
  const CapturedStreams streams = ExpectFailure([&] { UngetToken(); });
  EXPECT_EQ(streams.err, "UngetToken: Can only unget one token at a time, line 1\n");
  // A raw skip forgets the push-back: the next token comes from the input.
  Load("first second");
  GetToken();
  UngetToken();
  lexer().SkipToCharacter(' ');
  GetToken();
  EXPECT_STREQ(pToken->name, "second");
}

TEST_F(LexerTest, EndMarkerByteEndsTheInput) {
  EXPECT_EQ(Classes("a \x7f b"), ClassList{TOK_IDENT});
  EXPECT_EQ(Classes(std::string("a \0 b", 5)), (ClassList{TOK_IDENT, TOK_IDENT}));
}

}  // namespace
