// The table-driven lexer: the handlers, the keyword table and the dispatch.
#include "source/lexer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <string_view>

#include "base/diagnostics.h"
#include "base/name_bytes.h"
#include "base/short_copy.h"

namespace {

struct Keyword {
  std::string_view text;
  int32_t tokenClass;
};

constexpr Keyword kKeywordList[] = {
#define STATEMENT(text, cls, num) {text, num},
#define PROPERTY(word, num, parser) {#word, num},
#define KIND(word, num, code) {#word, num},
#include "source/keywords.def"
};

/// Every keyword, the shorter first: the words of one length lie together.
/// Built by the compiler, like the index below: nothing is done at start-up.
constexpr auto kKeywordsByLength = [] {
  std::array<Keyword, std::size(kKeywordList)> words{};
  std::copy(std::begin(kKeywordList), std::end(kKeywordList), words.begin());
  std::sort(words.begin(), words.end(), [](const Keyword& a, const Keyword& b) {
    return a.text.size() < b.text.size() || (a.text.size() == b.text.size() && a.text < b.text);
  });
  for (std::size_t i = 1; i < words.size(); ++i)
    if (words[i].text == words[i - 1].text) throw "keyword listed twice";
  for (const Keyword& word : words) {
    // A word is compared over the bytes read; a keyword longer than a word
    // can be, or one with a byte a word cannot hold, would never be found.
    if (word.text.empty() || word.text.size() > kIdentMax) throw "keyword length";
    for (const char c : word.text)
      if (static_cast<unsigned char>(c) >= 128) throw "keyword byte above 127";
  }
  return words;
}();

/// The keywords of length n are kKeywordsByLength[kFirstOfLength[n]] up to
/// kFirstOfLength[n + 1], for every length a word may have: up to kIdentMax
/// bytes, and the second byte of a double-byte character begun at the last.
constexpr auto kFirstOfLength = [] {
  std::array<uint8_t, kIdentMax + 3> first{};
  std::size_t next = 0;
  for (std::size_t length = 0; length < first.size(); ++length) {
    while (next < kKeywordsByLength.size() && kKeywordsByLength[next].text.size() < length) ++next;
    first[length] = static_cast<uint8_t>(next);
  }
  return first;
}();

/// The class of each punctuation byte's token; | and the bytes that are no
/// punctuation have TOK_BAR, though no other byte comes to GetPunctuation.
constexpr auto kPunctuationClass = [] {
  std::array<int32_t, 256> classes{};
  classes.fill(TOK_BAR);
  classes['!'] = TOK_BANG;
  classes['('] = TOK_LPAREN;
  classes[')'] = TOK_RPAREN;
  classes['*'] = TOK_STAR;
  classes['+'] = TOK_PLUS;
  classes[','] = TOK_COMMA;
  classes['-'] = TOK_MINUS;
  classes[':'] = TOK_COLON;
  classes[';'] = TOK_SEMICOLON;
  classes['<'] = TOK_LESS;
  classes['>'] = TOK_GREATER;
  classes['{'] = TOK_LBRACE;
  classes['}'] = TOK_RBRACE;
  return classes;
}();

/// The class of the keyword whose text is the `length` bytes at `word`, or
/// TOK_NONE when no keyword is spelt so.
int32_t KeywordClass(const char* word, std::size_t length) {
  for (std::size_t i = kFirstOfLength[length]; i < kFirstOfLength[length + 1]; ++i) {
    const Keyword& keyword = kKeywordsByLength[i];
    if (keyword.text[0] == word[0] && std::memcmp(keyword.text.data(), word, length) == 0)
      return keyword.tokenClass;
  }
  return TOK_NONE;
}

}  // namespace

Lexer::Lexer(const Locale& locale) : locale_(locale) {
  for (Handler& handler : charClass_) handler = nullptr;
  for (int byte = 0; byte < 256; ++byte) {
    if (locale_.IsIdentStart(byte)) charClass_[byte] = Call<&Lexer::VORL_GetKeywordOrLabel>;
    const bool lead = locale_.IsLeadByte(byte);
    const unsigned char stored = locale_.StringByte(static_cast<unsigned char>(byte));
    unsigned char run = 0;
    if (locale_.IsIdentChar(byte) && !lead) run |= kWordRun;
    if (byte != '"' && byte != '\\' && stored == byte && !lead) run |= kStringRun;
    if (byte != '\n' && byte != '\r' && byte != kEndOfInput && !lead) run |= kLineCommentRun;
    if (byte != '\n' && byte != '*' && byte != kEndOfInput && !lead) run |= kBlockCommentRun;
    if (ContinuesNumber('0', static_cast<unsigned char>(byte)) && !lead) run |= kNumberRun;
    runClass_[byte] = run;
  }
  for (int digit = '0'; digit <= '9'; ++digit) charClass_[digit] = Call<&Lexer::GetNumber>;
  charClass_[kEndOfInput] = Call<&Lexer::SetEndOfFile>;
  auto assign = [this](const char* bytes, Handler handler) {
    for (const char* p = bytes; *p; ++p) charClass_[static_cast<unsigned char>(*p)] = handler;
  };
  assign("#", Call<&Lexer::GetDirective>);
  assign("$", Call<&Lexer::GetHex>);
  assign("\"", Call<&Lexer::GetString>);
  assign("'", Call<&Lexer::GetLiteral>);
  assign("();:,*{}-+|<>!", Call<&Lexer::GetPunctuation>);
  assign("/", Call<&Lexer::GetSlash>);
  // [ ] = & and every byte not named above stay white space.
}

void Lexer::GetToken() {
  if (tokenPushedBack_) {
    tokenPushedBack_ = false;
    return;
  }
  bool directive = false;
  int byte = ReadCountedByte();
  for (;;) {
    const Handler handler = charClass_[byte];
    if (handler == nullptr) {
      // White space, and every byte no token starts with.
      byte = ReadCountedByte();
      continue;
    }
    const int next = handler(*this, byte);
    if (next == kTokenDone) break;
    if (next == kDirectivePending) {
      // The directive's name is read as the next token, the class set after it.
      directive = true;
      byte = ReadCountedByte();
    } else {
      byte = next;
    }
  }
  if (directive) token_.eClass = TOK_DIRECTIVE;
}

void Lexer::UngetToken() {
  if (tokenPushedBack_) FailIn("UngetToken", "Can only unget one token at a time");
  tokenPushedBack_ = true;
}

bool Lexer::IsFourCharLiteral() const {
  // Four characters before the terminator, none of them a zero byte.
  const char* code = token_.code;
  return token_.eClass == TOK_LITERAL && code[0] && code[1] && code[2] && code[3] && !code[4];
}

int Lexer::VORL_GetKeywordOrLabel(int byte) {
  // A directive's name and a #define's macro name are never replaced.
  const bool afterDirective = token_.eClass == TOK_DIRECTIVE;
  token_.line = source_.CurrentLine();
  constexpr auto kMostBytes = static_cast<std::size_t>(kIdentMax);
  std::size_t stored = 0;
  bool doubleByte = false;
  {
    SourceCursor cursor(source_);
    while (locale_.IsIdentChar(byte) && stored < kMostBytes) {
      identBuffer_[stored++] = static_cast<char>(byte);
      if (locale_.IsLeadByte(byte)) {
        identBuffer_[stored++] = static_cast<char>(cursor.Next());
        doubleByte = true;
      } else {
        // The plain bytes that follow, in one go.
        const auto run = TakeRun(cursor, kWordRun, kMostBytes - stored);
        CopyShort(identBuffer_ + stored, reinterpret_cast<const char*>(run.data()), run.size());
        stored += run.size();
      }
      byte = cursor.Next();
    }
    cursor.Unget();
  }
  identBuffer_[stored] = '\0';
  token_.name = identBuffer_;

  // The second byte of a double-byte character may be a zero byte, which
  // ends the word as a C string (and so as a macro name); no keyword holds a
  // byte above 127, so the word's bytes from there on never make one either way.
  if (const int32_t keyword = KeywordClass(identBuffer_, stored); keyword != TOK_NONE) {
    token_.eClass = keyword;
    if (token_.eClass == TOK_INCLUDE) token_.code[0] = '\0';
    return kTokenDone;
  }
  token_.eClass = TOK_IDENT;
  if (afterDirective) return kTokenDone;
  const std::size_t nameLength = doubleByte ? std::strlen(identBuffer_) : stored;
  if (Macro* macro = macros_.LookupMacro({identBuffer_, nameLength})) ReplaceMacro(*macro);
  return kTokenDone;
}

int Lexer::GetNumber(int byte) {
  token_.value = ScanNumber(source_, byte);
  token_.eClass = TOK_NUMBER;
  return kTokenDone;
}

int Lexer::SetEndOfFile(int) {
  token_.eClass = TOK_EOF;
  return kTokenDone;
}

int Lexer::GetDirective(int) { return kDirectivePending; }

int Lexer::GetHex(int) {
  const int byte = source_.GetCharacter();
  if (byte == '$') {
    ScanFormatConstruct();
    return kTokenDone;
  }
  // A single $ drops itself and the rest of its line.
  source_.UngetCharacter();
  SkipToCharacter('\n');
  return ReadCountedByte();
}

int Lexer::GetString(int) {
  constexpr auto kMostBytes = static_cast<std::size_t>(kStringMax);
  char* const buffer = stringBuffer_.get();
  std::size_t stored = 0;
  {
    SourceCursor cursor(source_);
    // Every byte of the string is read through here: the end of the input
    // ends no string, while a byte 127 of the input is a byte like another.
    const auto read = [this, &cursor] {
      const int byte = cursor.Next();
      if (byte == kEndOfInput && cursor.AtEndOfInput()) FatalError("Premature End of file");
      if (byte == '\n') source_.CountLineFeedInString();
      return byte;
    };
    const auto store = [&](int byte) {
      if (stored == kMostBytes) FatalError("String too long");
      buffer[stored++] = static_cast<char>(byte);
    };
    for (;;) {
      int byte = read();
      if (byte == '"') break;
      byte = locale_.StringByte(static_cast<unsigned char>(byte));
      store(byte);
      if (byte == '\\') {
        // The escaped byte stays as written: no translation, no meaning.
        store(read());
      } else if (locale_.IsLeadByte(byte)) {
        const int second = read();
        store(second);
        if (second == '\\') {
          // A doubled backslash byte of a double-byte character stands for one.
          if (cursor.Next() != '\\') cursor.Unget();
        }
      } else {
        // The plain bytes that follow, in one go; past the room left, the
        // next byte stored fails.
        const auto run = TakeRun(cursor, kStringRun, kMostBytes - stored);
        CopyShort(buffer + stored, reinterpret_cast<const char*>(run.data()), run.size());
        stored += run.size();
      }
    }
  }
  buffer[stored] = '\0';
  token_.text = buffer;
  token_.eClass = TOK_STRING;
  return kTokenDone;
}

int Lexer::GetLiteral(int) {
  int stored = 0;
  SourceCursor cursor(source_);
  for (;;) {
    int byte = cursor.Next();
    if (byte == '\'') break;
    if (byte == kEndOfInput) {
      cursor.Unget();
      break;
    }
    if (byte == '\n') source_.AdvanceLine();
    if (stored < 4) token_.code[stored++] = static_cast<char>(byte);
    if (locale_.IsLeadByte(byte)) {
      byte = cursor.Next();
      if (stored < 4) token_.code[stored++] = static_cast<char>(byte);
    }
  }
  token_.code[stored] = '\0';
  token_.eClass = TOK_LITERAL;
  return kTokenDone;
}

int Lexer::GetPunctuation(int byte) {
  token_.eClass = kPunctuationClass[byte];
  return kTokenDone;
}

/// Passes over a block comment; a lead byte takes its second byte along.
void Lexer::SkipBlockComment() {
  SourceCursor cursor(source_);
  int byte = cursor.Next();
  for (;;) {
    if (byte == kEndOfInput) {
      cursor.Unget();
      return;
    }
    if (byte == '\n') source_.AdvanceLine();
    if (locale_.IsLeadByte(byte)) {
      cursor.Next();
      byte = cursor.Next();
    } else if (byte == '*') {
      byte = cursor.Next();
      if (byte == '/') return;
    } else {
      TakeRun(cursor, kBlockCommentRun);
      byte = cursor.Next();
    }
  }
}

/// Passes over a line comment through its line feed or carriage return.
void Lexer::SkipLineComment() {
  // Without double-byte characters, the comment runs on to the next line
  // feed in the stretch, or to its end (a stretch holds no carriage return
  // or byte 127 after its first byte).
  const bool plain = !locale_.HasLeadBytes();
  SourceCursor cursor(source_);
  for (;;) {
    if (plain) cursor.SkipBefore('\n');
    const int byte = cursor.Next();
    if (byte == kEndOfInput) {
      cursor.Unget();
      return;
    }
    if (byte == '\n' || byte == '\r') {
      source_.AdvanceLine();
      return;
    }
    if (locale_.IsLeadByte(byte)) cursor.Next();
    else TakeRun(cursor, kLineCommentRun);
  }
}

int Lexer::GetSlash(int) {
  const int byte = source_.GetCharacter();
  if (byte == '*') {
    SkipBlockComment();
  } else if (byte == '/') {
    SkipLineComment();
  } else {
    source_.UngetCharacter();
    token_.eClass = TOK_SLASH;
    return kTokenDone;
  }
  return ReadCountedByte();
}
