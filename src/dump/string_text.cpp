// Choosing the escapes of string literals.
#include "dump/string_text.h"

#include <array>
#include <bitset>
#include <vector>

#include "dump/record_text.h"
#include "proplist/string_field.h"


namespace dump {

namespace {

/// The literals of a string-list element are cut after this many
/// characters, so that its lines keep a width that reads well; the converter
/// joins them again.
constexpr std::size_t kElementLiteralMost = 256;

/// The character the text holds for `byte` written as itself, or -1 when the
/// byte cannot stand for itself in a string literal (quotes, backslashes,
/// control bytes, and bytes that no Macintosh byte translates to).
int PlainCharacter(std::uint8_t byte, const TextRules& rules) {
  if (byte >= 0x20 && byte < 0x7F) return byte == '"' || byte == '\\' ? -1 : byte;
  if (byte < 0x80) return -1;
  return rules.IsLeadByte(byte) ? -1 : rules.SourceByte(byte);
}

/// Whether `byte` may follow a double-byte lead byte as written: the lexer
/// takes it unexamined, so it must be harmless to the resource compiler too.
bool SafeSecondByte(std::uint8_t byte) {
  return byte >= 0x20 && byte != 0x7F && byte != '"' && byte != '\\';
}

// ---------------------------------------------------------------------------
// Property-list strings.
//
// The resource compiler reads \t \n \r \a \\, \x with up to two hexadecimal
// digits and \ with up to three octal digits as one byte each. Where the
// length counts bytes, the converter takes CountEscapeExtras off the
// characters; a spelling's share of that is its own, since no spelling here
// ends in an escape that reaches into the next one. Each byte has a few
// spellings of different lengths; a table of reachable totals per position
// finds a spelling of the whole string with the wanted count.

/// What the first character of a spelling is, for the short escapes that
/// must not be followed by another digit.
enum FirstChar { kOther = 0, kOctalDigit = 1, kHexOnlyDigit = 2, kClassCount = 3 };

/// One way to write the bytes at a position.
struct Spelling {
  std::string text;
  int take = 1;    ///< bytes it stands for
  int weight = 0;  ///< what it adds to the count
  FirstChar first = kOther;
  /// The classes of first character the following spelling may have.
  unsigned followers = (1u << kOther) | (1u << kOctalDigit) | (1u << kHexOnlyDigit);
  /// A byte that shows nothing, written as itself.
  bool invisible = false;
};

constexpr unsigned kNoOctalAfter = (1u << kOther) | (1u << kHexOnlyDigit);
constexpr unsigned kNoHexAfter = 1u << kOther;

FirstChar ClassOf(int c) {
  if (c >= '0' && c <= '7') return kOctalDigit;
  if ((c >= '8' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')) {
    return kHexOnlyDigit;
  }
  return kOther;
}

/// Hands `add` each escape that spells `byte` (its text and the followers
/// it allows), most readable first.
template <class Add>
void AddEscapes(std::uint8_t byte, bool countChars, Add add) {
  const unsigned any = Spelling{}.followers;
  static constexpr struct {
    std::uint8_t byte;
    char letter;
  } kNamed[] = {{0x09, 't'}, {0x0A, 'n'}, {0x0D, 'r'}, {0x08, 'a'}, {'\\', '\\'}};
  for (const auto& named : kNamed) {
    if (named.byte == byte) add(std::string{'\\', named.letter}, any);
  }
  if (byte == 0) add("\\0", kNoOctalAfter);
  add(FormatNumber("\\x%02X", byte), any);
  add(FormatNumber("\\%03o", byte), any);
  // The converter's count of "\xH" swallows the character after it, so the
  // host strings never use it.
  if (byte < 0x10 && countChars) add(FormatNumber("\\x%X", byte), kNoHexAfter);
  if (byte < 0100) add(FormatNumber("\\%02o", byte), kNoOctalAfter);
  if (byte < 010 && byte != 0) add(FormatNumber("\\%o", byte), kNoOctalAfter);
}

/// Every spelling of the bytes at `at`, most readable first.
std::vector<Spelling> SpellingsAt(std::span<const std::uint8_t> bytes, std::size_t at,
                                  CountRule rule, const TextRules& rules) {
  const std::uint8_t byte = bytes[at];
  const bool countChars = rule == CountRule::kCharacters;
  std::vector<Spelling> spellings;
  // What a spelling adds to the length the converter counts.
  auto weightOf = [&](const std::string& text) {
    const int characters = static_cast<int>(text.size());
    return countChars ? characters : characters - CountEscapeExtras(text.c_str());
  };
  auto add = [&](std::string text, unsigned followers) {
    Spelling spelling;
    spelling.weight = weightOf(text);
    spelling.followers = followers;
    spelling.text = std::move(text);
    spellings.push_back(std::move(spelling));
  };

  if (rules.IsLeadByte(byte)) {
    // The pair is written as it stands; the lexer keeps it whole.
    if (at + 1 < bytes.size() && SafeSecondByte(bytes[at + 1])) {
      Spelling pair;
      pair.text = {static_cast<char>(byte), static_cast<char>(bytes[at + 1])};
      pair.take = 2;
      pair.weight = weightOf(pair.text);
      spellings.push_back(pair);
    }
  } else if (const int plain = PlainCharacter(byte, rules); plain >= 0) {
    Spelling spelling;
    spelling.text = std::string(1, static_cast<char>(plain));
    spelling.weight = weightOf(spelling.text);
    spelling.first = ClassOf(plain);
    spellings.push_back(spelling);
  }
  AddEscapes(byte, countChars, add);
  // The converter reads a byte 127 inside quotes as itself. Written so it
  // shows nothing, so it is the last choice: where an escape cannot give
  // the length fields back, as in a name, whose length counts characters.
  if (byte == 0x7F) {
    Spelling itself;
    itself.text = std::string(1, '\x7F');
    itself.weight = weightOf(itself.text);
    itself.invisible = true;
    spellings.push_back(itself);
  }
  return spellings;
}

constexpr int kMaxWeight = 4 * static_cast<int>(kLongestSpelledText) + 8;
using Reachable = std::bitset<kMaxWeight + 1>;

}  // namespace

std::optional<std::string> PropertyStringText(std::span<const std::uint8_t> bytes,
                                              CountRule rule, int target,
                                              const TextRules& rules) {
  const std::size_t count = bytes.size();
  if (count > kLongestSpelledText || target > kMaxWeight) return std::nullopt;
  std::vector<std::vector<Spelling>> spellings(count);
  for (std::size_t at = 0; at < count; ++at) {
    spellings[at] = SpellingsAt(bytes, at, rule, rules);
    // A text that cannot give the length fields back is written for a
    // reader: every byte shows.
    if (target < 0) std::erase_if(spellings[at], [](const Spelling& s) { return s.invisible; });
  }

  // reach[at][c]: the counts the bytes from `at` on can make when their text
  // begins with a character of class c.
  std::vector<std::array<Reachable, kClassCount>> reach(count + 1);
  reach[count][kOther].set(0);
  auto following = [&](std::size_t at, unsigned followers) {
    Reachable all;
    for (int c = 0; c < kClassCount; ++c) {
      if (followers & (1u << c)) all |= reach[at][c];
    }
    return all;
  };
  for (std::size_t at = count; at-- > 0;) {
    for (const Spelling& spelling : spellings[at]) {
      reach[at][spelling.first] |= following(at + spelling.take, spelling.followers)
                                   << spelling.weight;
    }
  }

  if (target < 0) {
    const Reachable all = following(0, Spelling{}.followers);
    for (target = 0; target < kMaxWeight && !all.test(target);) ++target;
  }
  std::string text;
  int remaining = target;
  unsigned allowed = Spelling{}.followers;
  for (std::size_t at = 0; at < count;) {
    const Spelling* chosen = nullptr;
    for (const Spelling& spelling : spellings[at]) {
      if (!(allowed & (1u << spelling.first)) || spelling.weight > remaining) continue;
      if (following(at + spelling.take, spelling.followers).test(remaining - spelling.weight)) {
        chosen = &spelling;
        break;
      }
    }
    if (chosen == nullptr) return std::nullopt;
    text += chosen->text;
    remaining -= chosen->weight;
    allowed = chosen->followers;
    at += chosen->take;
  }
  if (remaining != 0 || text.size() > kLongestSpelledText) return std::nullopt;
  return text;
}

// ---------------------------------------------------------------------------
// String-list elements.

namespace {

/// The pieces an element is written with; a piece is never split between two
/// literals.
std::vector<std::string> ElementPieces(std::span<const std::uint8_t> bytes,
                                       const TextRules& rules) {
  std::vector<std::string> pieces;
  bool afterHexEscape = false;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const std::uint8_t byte = bytes[at];
    if (rules.IsLeadByte(byte) && at + 1 < bytes.size()) {
      // The second byte is taken unexamined, by the lexer and by the escape
      // decoding alike (which is why a lead byte is never escaped but at the
      // end); a backslash there is doubled, as the lexer drops a backslash
      // that follows one.
      std::string pair{static_cast<char>(byte), static_cast<char>(bytes[at + 1])};
      if (bytes[at + 1] == '\\') pair += '\\';
      pieces.push_back(pair);
      ++at;
      afterHexEscape = false;
      continue;
    }
    int plain = PlainCharacter(byte, rules);
    // All the hexadecimal digits after \0x are read: a digit after one is escaped too.
    if (afterHexEscape && ClassOf(plain) != kOther) plain = -1;
    afterHexEscape = false;
    if (byte == '"') {
      pieces.push_back("\\\"");
    } else if (byte == 0x09) {
      pieces.push_back("\\t");
    } else if (byte == 0x0D) {
      pieces.push_back("\\r");
    } else if (plain >= 0) {
      pieces.push_back(std::string(1, static_cast<char>(plain)));
    } else {
      pieces.push_back(FormatNumber("\\0x%02X", byte));
      afterHexEscape = true;
    }
  }
  return pieces;
}

}  // namespace

std::string StringListElementText(std::span<const std::uint8_t> bytes, const TextRules& rules) {
  std::string text = "\"";
  std::size_t literalLength = 0;
  for (const std::string& piece : ElementPieces(bytes, rules)) {
    if (literalLength + piece.size() > kElementLiteralMost) {
      text += "\" \"";
      literalLength = 0;
    }
    text += piece;
    literalLength += piece.size();
  }
  return text + "\"";
}

}  // namespace dump
