// The table-driven lexer.
//
// Every byte value selects a handler. A handler either completes the current
// token or hands back the next byte to dispatch: white space, comments, $
// lines and runs of # are passed over in the one dispatch loop of GetToken,
// never by recursion, so no input can exhaust the stack.
#include "source/lexer.h"

#include <cstring>
#include <string_view>
#include <unordered_map>

#include "driver/diagnostics.h"
#include "driver/locale.h"
#include "source/char_source.h"
#include "source/lexer_internal.h"
#include "source/macros.h"
#include "strings/translate.h"

Token* pToken = nullptr;

namespace {

/// What a handler leaves behind: a finished token, or a byte to dispatch next.
constexpr int kTokenDone = -1;
/// A # was read: the token that follows becomes a directive.
constexpr int kDirectivePending = -2;

using Handler = int (*)(int byte);

Token token;
bool tokenPushedBack = false;
char identBuffer[kIdentMax + 2];
char stringBuffer[kStringMax + 2];
char formatResult[kFormatResultSize];
Handler charClass[256];

struct KeywordHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};
std::unordered_map<std::string_view, int32_t, KeywordHash, std::equal_to<>> keywords;

int SkipWhiteSpace(int byte);

int SkipWhiteSpace(int) {
  for (;;) {
    const int byte = ReadCountedByte();
    if (charClass[byte] != SkipWhiteSpace) return byte;
  }
}

int VORL_GetKeywordOrLabel(int byte) {
  // A directive's name and a #define's macro name are never replaced.
  const bool afterDirective = token.eClass == TOK_DIRECTIVE;
  token.line = CurrentLine();
  int stored = 0;
  while ((IsIdentChar(byte) || byte == '_') && stored < kIdentMax) {
    identBuffer[stored++] = static_cast<char>(byte);
    if (IsLeadByte(byte)) identBuffer[stored++] = static_cast<char>(GetCharacter());
    byte = GetCharacter();
  }
  identBuffer[stored] = '\0';
  UngetCharacter();
  token.name = identBuffer;

  const auto keyword = keywords.find(std::string_view(identBuffer));
  if (keyword != keywords.end()) {
    token.eClass = keyword->second;
    if (token.eClass == TOK_INCLUDE) token.code[0] = '\0';
    return kTokenDone;
  }
  token.eClass = TOK_IDENT;
  if (afterDirective) return kTokenDone;
  if (const Macro* macro = LookupMacro(identBuffer)) {
    if (macro->kind == kMacroString) {
      // The text goes where the latest string lives; the format result holds less.
      const std::size_t room = token.text == formatResult ? kFormatResultSize : sizeof stringBuffer;
      if (!token.text) token.text = stringBuffer;
      std::strncpy(token.text, macro->stringValue.c_str(), room - 1);
      token.text[room - 1] = '\0';
      token.eClass = TOK_STRING;
    } else {
      token.value = macro->numValue;
      token.eClass = TOK_NUMBER;
    }
  }
  return kTokenDone;
}

int GetNumber(int byte) {
  token.value = ScanNumber(byte);
  token.eClass = TOK_NUMBER;
  return kTokenDone;
}

int SetEndOfFile(int) {
  token.eClass = TOK_EOF;
  return kTokenDone;
}

int GetDirective(int) { return kDirectivePending; }

int GetHex(int) {
  const int byte = GetCharacter();
  if (byte == '$') {
    ScanFormatConstruct();
    return kTokenDone;
  }
  // A single $ drops itself and the rest of its line.
  UngetCharacter();
  SkipToCharacter('\n');
  return ReadCountedByte();
}

int GetString(int) {
  int stored = 0;
  for (;;) {
    int byte = GetCharacter();
    if (byte == '"') break;
    if (stored >= kStringMax) {
      UngetCharacter();
      break;
    }
    byte = MacToWinChar(static_cast<unsigned char>(byte));
    stringBuffer[stored++] = static_cast<char>(byte);
    if (byte == '\\') {
      // The escaped byte stays as written: no translation, no meaning.
      stringBuffer[stored++] = static_cast<char>(GetCharacter());
    } else if (IsLeadByte(byte)) {
      const int second = GetCharacter();
      stringBuffer[stored++] = static_cast<char>(second);
      if (second == '\\') {
        // A doubled backslash byte of a double-byte character stands for one.
        if (GetCharacter() != '\\') UngetCharacter();
      }
    }
  }
  stringBuffer[stored] = '\0';
  token.text = stringBuffer;
  token.eClass = TOK_STRING;
  return kTokenDone;
}

int GetLiteral(int) {
  int stored = 0;
  for (;;) {
    int byte = GetCharacter();
    if (byte == '\'') break;
    if (byte == kEndOfInput) {
      UngetCharacter();
      break;
    }
    if (byte == '\n') AdvanceLine();
    if (stored < 4) token.code[stored++] = static_cast<char>(byte);
    if (IsLeadByte(byte)) {
      byte = GetCharacter();
      if (stored < 4) token.code[stored++] = static_cast<char>(byte);
    }
  }
  token.code[stored] = '\0';
  token.eClass = TOK_LITERAL;
  return kTokenDone;
}

int GetPunctuation(int byte) {
  switch (byte) {
    case '!': token.eClass = TOK_BANG; break;
    case '(': token.eClass = TOK_LPAREN; break;
    case ')': token.eClass = TOK_RPAREN; break;
    case '*': token.eClass = TOK_STAR; break;
    case '+': token.eClass = TOK_PLUS; break;
    case ',': token.eClass = TOK_COMMA; break;
    case '-': token.eClass = TOK_MINUS; break;
    case ':': token.eClass = TOK_COLON; break;
    case ';': token.eClass = TOK_SEMICOLON; break;
    case '<': token.eClass = TOK_LESS; break;
    case '>': token.eClass = TOK_GREATER; break;
    case '{': token.eClass = TOK_LBRACE; break;
    case '}': token.eClass = TOK_RBRACE; break;
    default: token.eClass = TOK_BAR; break;
  }
  return kTokenDone;
}

/// Passes over a block comment; a lead byte takes its second byte along.
void SkipBlockComment() {
  int byte = GetCharacter();
  for (;;) {
    if (byte == kEndOfInput) {
      UngetCharacter();
      return;
    }
    if (byte == '\n') AdvanceLine();
    if (IsLeadByte(byte)) {
      GetCharacter();
      byte = GetCharacter();
    } else if (byte == '*') {
      byte = GetCharacter();
      if (byte == '/') return;
    } else {
      byte = GetCharacter();
    }
  }
}

/// Passes over a line comment through its line feed or carriage return.
void SkipLineComment() {
  for (;;) {
    const int byte = GetCharacter();
    if (byte == kEndOfInput) {
      UngetCharacter();
      return;
    }
    if (byte == '\n' || byte == '\r') {
      AdvanceLine();
      return;
    }
    if (IsLeadByte(byte)) GetCharacter();
  }
}

int GetSlash(int) {
  const int byte = GetCharacter();
  if (byte == '*') {
    SkipBlockComment();
  } else if (byte == '/') {
    SkipLineComment();
  } else {
    UngetCharacter();
    token.eClass = TOK_SLASH;
    return kTokenDone;
  }
  return ReadCountedByte();
}

void Assign(const char* bytes, Handler handler) {
  for (const char* p = bytes; *p; ++p) charClass[static_cast<unsigned char>(*p)] = handler;
}

void BuildKeywordTable() {
  if (!keywords.empty()) return;
#define STATEMENT(text, cls, num) keywords.emplace(text, num);
#define PROPERTY(word, num, parser) keywords.emplace(#word, num);
#define KIND(word, num, code) keywords.emplace(#word, num);
#include "source/keywords.def"
#undef STATEMENT
#undef PROPERTY
#undef KIND
}

}  // namespace

int ReadCountedByte() {
  const int byte = GetCharacter();
  if (byte == '\n') AdvanceLine();
  return byte;
}

char* FormatResultBuffer() { return formatResult; }

void InitLexer() {
  BuildKeywordTable();
  for (Handler& handler : charClass) handler = SkipWhiteSpace;
  for (int byte = 0; byte < 256; ++byte)
    if (IsIdentStart(byte)) charClass[byte] = VORL_GetKeywordOrLabel;
  for (int digit = '0'; digit <= '9'; ++digit) charClass[digit] = GetNumber;
  charClass[kEndOfInput] = SetEndOfFile;
  Assign("#", GetDirective);
  Assign("$", GetHex);
  Assign("\"", GetString);
  Assign("'", GetLiteral);
  Assign("();:,*{}-+|<>!", GetPunctuation);
  Assign("/", GetSlash);
  Assign("_", VORL_GetKeywordOrLabel);
  // [ ] = & and every byte not named above stay white space.
}

void GetToken() {
  if (tokenPushedBack) {
    tokenPushedBack = false;
    return;
  }
  bool directive = false;
  int byte = ReadCountedByte();
  for (;;) {
    const int next = charClass[byte](byte);
    if (next == kTokenDone) break;
    if (next == kDirectivePending) {
      // The directive's name is read as the next token, the class set after it.
      directive = true;
      byte = ReadCountedByte();
    } else {
      byte = next;
    }
  }
  if (directive) token.eClass = TOK_DIRECTIVE;
}

void UngetToken() {
  if (tokenPushedBack) FatalError("UngetToken: Can only unget one token at a time");
  tokenPushedBack = true;
}

void CancelTokenPushBack() { tokenPushedBack = false; }

bool IsFourCharLiteral() {
  return token.eClass == TOK_LITERAL && std::strlen(token.code) == 4;
}

void ResetLexer() {
  token = Token{};
  pToken = &token;
  tokenPushedBack = false;
  identBuffer[0] = stringBuffer[0] = formatResult[0] = '\0';
}
