// Decoding the records of fixed layout: codes, numbers, flags, lists.
#include "dump/layouts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "dump/bytes.h"
#include "dump/record_text.h"

namespace dump {

namespace {

/// The flag items of a filter case whose flags byte is `flags`. The first
/// item sets the whole byte and the others add their bits: each later item
/// is its name or the name of its clear bit, and the first takes what the
/// others leave, as its name, its clear name or a number.
std::string CaseFlags(std::uint8_t flags) {
  std::string later;
  unsigned laterBits = 0;
  for (const CaseFlag& flag : std::span(kCaseFlags).subspan(1)) {
    later += ", " + std::string((flags & flag.Set().bits) ? flag.Set().name : flag.Clear().name);
    laterBits |= flag.Set().bits;
  }
  const CaseFlag& first = kCaseFlags[0];
  const unsigned rest = flags & ~laterBits;
  std::string text = rest == 0                   ? std::string(first.Clear().name)
                     : rest == first.Set().bits ? std::string(first.Set().name)
                                                : FormatNumber("0x%02X", rest);
  return text + later;
}

/// How many numbers or codes stand on one line of a long list.
constexpr std::size_t kPerLine = 8;

class FixedDecoder {
 public:
  FixedDecoder(const PropertyRow& row, const RecordView& record, const TextRules& rules)
      : row_(row), record_(record), rules_(rules) {}

  std::optional<DecodedRecord> Decode() {
    switch (row_.layout) {
      case RecordLayout::kKind: return Kind();
      case RecordLayout::kVersion: return Version();
      case RecordLayout::kNumber: return Number();
      case RecordLayout::kCode: return Code();
      case RecordLayout::kModes: return Flags(2);
      case RecordLayout::kFilterCase: return FilterCase();
      case RecordLayout::kFlagByte: return Flags(1);
      case RecordLayout::kWordPair: return WordPair();
      case RecordLayout::kWords: return Words();
      case RecordLayout::kFileType: return FileType();
      case RecordLayout::kCodeList: return CodeList();
      case RecordLayout::kFormatExtension: return FormatExtension();
      default: return DecodeStringRecord(row_, record_, rules_);
    }
  }

 private:
  using Result = std::optional<DecodedRecord>;

  /// The record's data when its length field is the row's and `held` bytes
  /// are there; null otherwise.
  const std::uint8_t* Fixed(std::size_t held) const {
    if (record_.length != row_.length || record_.rest.size() < held) return nullptr;
    return record_.rest.data();
  }
  /// The data of a record whose length the data decides.
  const std::uint8_t* Whole() const {
    if (record_.rest.size() < record_.length) return nullptr;
    return record_.rest.data();
  }

  Result Done(const std::string& value, std::size_t size) const {
    return DecodedRecord{std::string(row_.keyword) + " { " + value + " }", size};
  }

  Result Kind() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    const char* kind = NameOf(row_.names, LoadU32(data));
    if (!kind) return std::nullopt;
    return Done(kind, 4);
  }

  Result Version() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    const std::uint32_t value = (std::uint32_t{LoadU16(data + 2)} << 16) | LoadU16(data);
    return Done(Number32(value, row_.style), 4);
  }

  // ZR_Effect_Info_Flags' length field says 2 but the record holds four bytes.
  Result Number() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    return Done(Number32(LoadU32(data), row_.style), 4);
  }

  Result Code() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    const auto code = CodeLiteral(data, true, rules_);
    if (!code) return std::nullopt;
    return Done(*code, 4);
  }

  /// `bytes` flag bytes, the first the highest, then zero bytes up to four.
  Result Flags(int bytes) {
    const std::uint8_t* data = Fixed(4);
    if (!data || !std::all_of(data + bytes, data + 4, [](std::uint8_t b) { return b == 0; })) {
      return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (int i = 0; i < bytes; ++i) bits = (bits << 8) | data[i];
    const auto names = FlagNames(row_.names, bits);
    if (!names) return std::nullopt;
    return Done(*names, 4);
  }

  /// The cases: input handling, output handling, flags, zero.
  Result FilterCase() {
    const std::uint8_t* data = Fixed(row_.length);
    if (!data) return std::nullopt;
    std::string text = std::string(row_.keyword) + " {\n    {\n";
    for (int index = 0; index < kFilterCaseCount; ++index) {
      const std::uint8_t* c = data + kFilterCaseSize * index;
      const char* input = NameOf(kInputHandling, c[0]);
      const char* output = NameOf(kOutputHandling, c[1]);
      if (!input || !output || c[3] != 0) return std::nullopt;
      text += index == 0 ? "        " : ",\n        ";
      text += std::string(input) + ", " + output + ", " + CaseFlags(c[2]);
    }
    return DecodedRecord{text + "\n    }\n}", row_.length};
  }

  Result WordPair() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    std::vector<std::string> pair = {std::to_string(LoadU16(data)), std::to_string(LoadU16(data + 2))};
    return Listed(pair, row_.nested, 4);
  }

  /// The items inside the property's braces, inside a second pair of braces
  /// when `grouped`, on one line, or when long a line per kPerLine items.
  Result Listed(const std::vector<std::string>& items, bool grouped, std::size_t size) const {
    const bool longList = items.size() > kPerLine;
    std::string open;
    std::string close;
    std::string indent;
    for (int level = 1; level <= (grouped ? 2 : 1); ++level) {
      if (longList) {
        open += "{\n" + std::string(4 * level, ' ');
        close = "\n" + std::string(4 * (level - 1), ' ') + "}" + close;
        indent = std::string(4 * level, ' ');
      } else {
        open += "{ ";
        close += " }";
      }
    }
    std::string text = std::string(row_.keyword) + " " + open;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0 && i % kPerLine == 0) {
        text += ",\n";
        text += indent;
      } else if (i > 0) {
        text += ", ";
      }
      text += items[i];
    }
    return DecodedRecord{text + close, size};
  }

  Result Words() {
    const std::uint8_t* data = Whole();
    if (!data || record_.length < 2 || record_.length % 2 != 0) return std::nullopt;
    std::vector<std::string> items;
    for (std::uint32_t at = 0; at < record_.length; at += 2) {
      items.push_back(std::to_string(LoadU16(data + at)));
    }
    return Listed(items, true, record_.length);
  }

  Result FileType() {
    const std::uint8_t* data = Fixed(8);
    if (!data) return std::nullopt;
    const auto type = CodeLiteral(data, true, rules_);
    const auto creator = CodeLiteral(data + 4, true, rules_);
    if (!type || !creator) return std::nullopt;
    return Done(*type + ", " + *creator, 8);
  }

  /// "Many" lists hold all entries in one group; "one" lists a group per entry.
  Result CodeList() {
    const std::uint8_t* data = Whole();
    const std::uint32_t entrySize = row_.pairs ? 8 : 4;
    if (!data || record_.length % entrySize != 0) return std::nullopt;
    if (row_.form == GroupForm::kOne && record_.length == 0) return std::nullopt;
    std::vector<std::string> entries;
    for (std::uint32_t at = 0; at < record_.length; at += entrySize) {
      auto entry = CodeLiteral(data + at, row_.reversed, rules_);
      if (!entry) return std::nullopt;
      if (row_.pairs) {
        const auto creator = CodeLiteral(data + at + 4, row_.reversed, rules_);
        if (!creator) return std::nullopt;
        *entry += ", " + *creator;
      }
      if (row_.form == GroupForm::kOne) *entry = "{ " + *entry + " }";
      entries.push_back(*entry);
    }
    if (entries.empty()) return Done("{ }", 0);
    return Listed(entries, row_.form == GroupForm::kMany, record_.length);
  }

  /// Major, minor, flags, a reserved zero and the signature. Fewer than
  /// eleven flag names close the list with a brace before the signature.
  Result FormatExtension() {
    const std::uint8_t* data = Fixed(16);
    if (!data || LoadU32(data + 8) != 0) return std::nullopt;
    const auto flags = FlagNames(row_.names, LoadU32(data + 4));
    const auto signature = CodeLiteral(data + 12, true, rules_);
    if (!flags || !signature) return std::nullopt;
    std::size_t count = 1;
    for (char c : *flags) count += c == ',';
    const std::string head = std::to_string(LoadU16(data)) + ", " +
                             std::to_string(LoadU16(data + 2)) + ", " + *flags;
    if (count == row_.names.size()) return Done(head + ", " + *signature, 16);
    return DecodedRecord{std::string(row_.keyword) + " { " + head + " } " + *signature + " }", 16};
  }

  const PropertyRow& row_;
  const RecordView& record_;
  const TextRules& rules_;
};

}  // namespace

std::optional<DecodedRecord> DecodeRecord(const PropertyRow& row, const RecordView& record,
                                          const TextRules& rules) {
  return FixedDecoder(row, record, rules).Decode();
}

}  // namespace dump
