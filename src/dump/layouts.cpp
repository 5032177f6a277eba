// Decoding the records of fixed layout: codes, numbers, flags, lists.
#include "dump/layouts.h"

#include <string>
#include <vector>

#include "dump/bytes.h"
#include "dump/record_text.h"

namespace dump {

namespace {

/// The identifiers a filter case is written with when its flag bits are clear.
constexpr const char* kKeepsLayerMasks = "doesNotFilterLayerMasks";
constexpr const char* kNoBlankData = "doesNotWorkWithBlankData";
constexpr const char* kCopiesSource = "copySourceToDestination";

/// How many numbers or codes stand on one line of a long list.
constexpr std::size_t kPerLine = 8;

class FixedDecoder {
 public:
  FixedDecoder(const PropertyRow& row, const RecordView& record, const TextRules& rules)
      : row_(row), record_(record), rules_(rules) {}

  std::optional<DecodedRecord> Decode() {
    switch (row_.layout) {
      case Layout::kKind: return Kind();
      case Layout::kVersion: return Version();
      case Layout::kNumber: return Number();
      case Layout::kCode: return Code();
      case Layout::kModes: return Modes();
      case Layout::kFilterCase: return FilterCase();
      case Layout::kFlagByte: return FlagByte();
      case Layout::kWordPair: return WordPair();
      case Layout::kWords: return Words();
      case Layout::kFileType: return FileType();
      case Layout::kCodeList: return CodeList();
      case Layout::kFormatExtension: return FormatExtension();
      case Layout::kLengthPrefixed:
      case Layout::kZeroTerminated:
      case Layout::kTerminology: return DecodeStringRecord(row_, record_, rules_);
    }
    return std::nullopt;
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

  Result Modes() {
    const std::uint8_t* data = Fixed(4);
    if (!data || data[2] != 0 || data[3] != 0) return std::nullopt;
    const auto names = FlagNames(row_.names, (std::uint32_t{data[0]} << 8) | data[1]);
    if (!names) return std::nullopt;
    return Done(*names, 4);
  }

  Result FlagByte() {
    const std::uint8_t* data = Fixed(4);
    if (!data || data[1] != 0 || data[2] != 0 || data[3] != 0) return std::nullopt;
    const auto names = FlagNames(row_.names, data[0]);
    if (!names) return std::nullopt;
    return Done(*names, 4);
  }

  /// Seven cases: input handling, output handling, flags, zero. The first
  /// flag item takes a number (its low byte), the second a number or name,
  /// the third only a name.
  Result FilterCase() {
    const std::uint8_t* data = Fixed(28);
    if (!data) return std::nullopt;
    std::string text = std::string(row_.keyword) + " {\n    {\n";
    for (int index = 0; index < 7; ++index) {
      const std::uint8_t* c = data + 4 * index;
      const char* input = NameOf(InputHandlingNames(), c[0]);
      const char* output = NameOf(OutputHandlingNames(), c[1]);
      if (!input || !output || c[3] != 0) return std::nullopt;
      const std::uint8_t high = c[2] & 0xFC;
      const std::string first = high == 0    ? kKeepsLayerMasks
                                : high == 4 ? "filtersLayerMasks"
                                            : Hex("0x%02X", high);
      text += std::string("        ") + input + ", " + output + ", " + first + ", " +
              ((c[2] & 0x02) ? "worksWithBlankData" : kNoBlankData) + ", " +
              ((c[2] & 0x01) ? "doNotCopySourceToDestination" : kCopiesSource) +
              (index < 6 ? ",\n" : "\n");
    }
    return DecodedRecord{text + "    }\n}", 28};
  }

  Result WordPair() {
    const std::uint8_t* data = Fixed(4);
    if (!data) return std::nullopt;
    const std::string pair =
        std::to_string(LoadU16(data)) + ", " + std::to_string(LoadU16(data + 2));
    return Done(row_.nested ? "{ " + pair + " }" : pair, 4);
  }

  /// Items joined by ", ", a new line after every kPerLine when there are more.
  static std::string Joined(const std::vector<std::string>& items, const std::string& indent) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) text += items.size() > kPerLine && i % kPerLine == 0 ? ",\n" + indent : ", ";
      text += items[i];
    }
    return text;
  }

  /// The items inside the property's braces, inside a second pair of braces
  /// when `grouped`; long lists take a line per kPerLine items.
  Result Listed(const std::vector<std::string>& items, bool grouped, std::size_t size) const {
    if (items.size() <= kPerLine) {
      const std::string inner = Joined(items, "");
      return Done(grouped ? "{ " + inner + " }" : inner, size);
    }
    const std::string text =
        grouped ? "{\n    {\n        " + Joined(items, "        ") + "\n    }\n}"
                : "{\n    " + Joined(items, "    ") + "\n}";
    return DecodedRecord{std::string(row_.keyword) + " " + text, size};
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
      entries.push_back(row_.form == GroupForm::kOne ? "{ " + *entry + " }" : *entry);
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
