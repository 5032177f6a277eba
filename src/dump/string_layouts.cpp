// Decoding the records that hold a string: Name, Category, the host's match
// name and support address (a length byte first), the entry points (a
// terminator after the text) and the terminology (a fixed part first).
//
// The converter pads these records by the length of the text as written, and
// a text with escapes compiles to fewer bytes than it is written with: the
// record is then shorter than its length field says. So the string's real
// length is found as the one after which the padding is zero and the next
// record (or the end of the list) begins, and its text is spelled so that its
// written length gives the same length fields again.
#include <algorithm>
#include <iterator>
#include <vector>

#include "dump/bytes.h"
#include "dump/layouts.h"
#include "proplist/property_rows.h"
#include "proplist/string_field.h"
#include "dump/record_text.h"
#include "dump/string_text.h"

namespace dump {

namespace {

/// Texts tried per record when the walk has to guess where the next record
/// begins; a real list is decided by the first or second.
constexpr int kMaxGuesses = 8;

/// One reading of a string record: `count` string bytes at `start`, then
/// `zeros` bytes of terminator and padding; the text must count `target`.
struct Reading {
  std::size_t start;
  std::size_t count;
  std::size_t zeros;
  int target;
  std::size_t Size() const { return start + count + zeros; }
};

std::size_t Padded(std::size_t size) { return (size + 3) & ~std::size_t{3}; }

/// The readings of `written` characters whose text of `count` bytes the
/// resource compiler may have made shorter (down to a quarter: \x41 is four
/// characters for one byte).
void AddReadings(std::vector<Reading>& readings, std::size_t start, std::size_t written,
                 std::size_t zeros, int divisor) {
  if (written > kLongestSpelledText) return;
  const std::size_t fewest = (written + divisor - 1) / divisor;
  for (std::size_t count = written + 1; count-- > fewest;) {
    readings.push_back({start, count, zeros, static_cast<int>(written)});
  }
}

class StringDecoder {
 public:
  StringDecoder(const PropertyRow& row, const RecordView& record, const TextRules& rules)
      : row_(row), record_(record), rules_(rules) {}

  std::optional<DecodedRecord> Decode() {
    if (row_.layout == RecordLayout::kLengthPrefixed) return LengthPrefixed();
    if (row_.layout == RecordLayout::kZeroTerminated) return ZeroTerminated();
    return Terminology();
  }

 private:
  struct Picked {
    std::string text;
    std::size_t size;
    bool loose = false;  ///< the text converts to other length fields
  };

  bool ZerosHold(const Reading& reading) const {
    const auto& rest = record_.rest;
    return std::all_of(rest.begin() + reading.start + reading.count,
                       rest.begin() + reading.Size(), [](std::uint8_t b) { return b == 0; });
  }

  /// Whether the list ends `at` bytes into the rest, or a record starts there.
  bool RecordMayFollow(std::size_t at) const {
    const auto& rest = record_.rest;
    return at == rest.size() ||
           (at + kRecordHeaderSize <= rest.size() && LoadU32(rest.data() + at) == kVendorCode);
  }

  std::optional<std::string> Spell(const Reading& reading, CountRule rule) const {
    return PropertyStringText(record_.rest.subspan(reading.start, reading.count), rule,
                              reading.target, rules_);
  }

  /// The longest reading after which a record follows and whose bytes can be
  /// spelled; failing that, the longest whose bytes can be spelled, for a
  /// list whose next record is none of ours.
  std::optional<Picked> Pick(std::vector<Reading> readings, CountRule rule) const {
    std::stable_sort(readings.begin(), readings.end(),
                     [](const Reading& a, const Reading& b) { return a.Size() > b.Size(); });
    std::erase_if(readings, [&](const Reading& r) {
      return r.Size() > record_.rest.size() || !ZerosHold(r);
    });
    if (readings.empty()) return std::nullopt;
    std::vector<Reading> followed;
    std::copy_if(readings.begin(), readings.end(), std::back_inserter(followed),
                 [&](const Reading& r) { return RecordMayFollow(r.Size()); });
    followed.resize(std::min<std::size_t>(followed.size(), kMaxGuesses));
    for (const Reading& reading : followed) {
      if (auto text = Spell(reading, rule)) return Picked{*text, reading.Size()};
    }
    if (auto text = Spell(readings.front(), rule)) return Picked{*text, readings.front().Size()};
    // No spelling gives the length fields again (bytes no Macintosh byte
    // translates to, under rules that allow no escape there): the string is
    // still shown, with a note.
    Reading loose = readings.front();
    loose.target = -1;
    if (auto text = Spell(loose, rule)) {
      return Picked{*text, loose.Size(), true};
    }
    return std::nullopt;
  }

  std::optional<DecodedRecord> Done(const std::string& value, const Picked& picked) const {
    const char* note = picked.loose ? "/* converts to other length fields than the record's */\n" : "";
    return DecodedRecord{note + std::string(row_.keyword) + " { " + value + " }", picked.size};
  }

  /// A length byte, the text, zeros up to the length field (a multiple of
  /// four). Name and Category count the text as written; the host's strings
  /// count the bytes it stands for.
  std::optional<DecodedRecord> LengthPrefixed() const {
    const auto& rest = record_.rest;
    if (rest.empty()) return std::nullopt;
    const std::size_t lengthByte = rest[0];
    if (record_.length != Padded(lengthByte + 1)) return std::nullopt;
    const std::size_t zeros = record_.length - lengthByte - 1;
    std::vector<Reading> readings;
    // Where escapes count as their bytes, the text is as counted, or shorter
    // where octal escapes count less.
    AddReadings(readings, 1, lengthByte, zeros, row_.escapesAsBytes ? 3 : 4);
    const auto picked = Pick(readings, row_.escapesAsBytes ? CountRule::kEscapesAsBytes
                                                           : CountRule::kCharacters);
    if (!picked) return std::nullopt;
    // A text that counts more than a length byte says would not convert.
    int counted = static_cast<int>(picked->text.size());
    if (row_.escapesAsBytes) counted -= CountEscapeExtras(picked->text.c_str());
    if (counted > kLengthByteMost) return std::nullopt;
    return Done("\"" + picked->text + "\"", *picked);
  }

  /// The text, a zero, zeros up to the length field (a multiple of four): the
  /// text was written with one to four characters fewer than the field.
  std::optional<DecodedRecord> ZeroTerminated() const {
    const std::size_t field = record_.length;
    if (field == 0 || field % 4 != 0) return std::nullopt;
    std::vector<Reading> readings;
    for (std::size_t zeros = 1; zeros <= 4; ++zeros) {
      AddReadings(readings, 0, field - zeros, zeros, 4);
    }
    const auto picked = Pick(readings, CountRule::kCharacters);
    if (!picked) return std::nullopt;
    return Done("\"" + picked->text + "\"", *picked);
  }

  /// Version (zero), class and event codes, terminology id, then the text
  /// with one zero when it is written with an odd number of characters and
  /// four when even, so that the string part's length is even.
  std::optional<DecodedRecord> Terminology() const {
    constexpr std::size_t kFixed = kTerminologyFixedBytes;
    const auto& rest = record_.rest;
    const std::size_t field = record_.length;
    if (field < kFixed + 1 || (field - kFixed) % 2 != 0 || rest.size() < kFixed ||
        LoadU32(rest.data()) != 0) {
      return std::nullopt;
    }
    const auto classCode = CodeLiteral(rest.data() + 4, true, rules_);
    const auto eventCode = CodeLiteral(rest.data() + 8, true, rules_);
    if (!classCode || !eventCode) return std::nullopt;
    const std::size_t part = field - kFixed;
    std::vector<Reading> readings;
    AddReadings(readings, kFixed, part - 1, 1, 4);
    if (part >= 4) AddReadings(readings, kFixed, part - 4, 4, 4);
    const auto picked = Pick(readings, CountRule::kCharacters);
    if (!picked) return std::nullopt;
    return Done(*classCode + ", " + *eventCode + ", " + std::to_string(LoadU16(rest.data() + 12)) +
                    ", \"" + picked->text + "\"",
                *picked);
  }

  const PropertyRow& row_;
  const RecordView& record_;
  const TextRules& rules_;
};

}  // namespace

std::optional<DecodedRecord> DecodeStringRecord(const PropertyRow& row, const RecordView& record,
                                                const TextRules& rules) {
  return StringDecoder(row, record, rules).Decode();
}

}  // namespace dump
