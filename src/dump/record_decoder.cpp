// The walk over a property list: the list header, then one record after the
// other, each decoded by its row of the converter's property rows or shown as a comment.
#include "dump/record_decoder.h"

#include "dump/bytes.h"
#include "dump/layouts.h"
#include "proplist/property_rows.h"
#include "dump/record_text.h"

namespace dump {

namespace {

/// First word (0x0001), list version (0), property count.
constexpr std::size_t kListHeaderSize = 10;

/// "key 'abcd', length 6" with the vendor and property id where they are not
/// the converter's.
std::string RecordIdentity(std::uint32_t vendor, std::uint32_t key, std::uint32_t id,
                           std::uint32_t length) {
  std::string text;
  if (vendor != kVendorCode) text += "vendor " + CodeForComment(vendor) + ", ";
  text += "key " + CodeForComment(key);
  if (id != 0) text += ", id " + std::to_string(id);
  return text + ", length " + std::to_string(length);
}

}  // namespace

std::string CodeForComment(std::uint32_t code) {
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto c = static_cast<char>((code >> shift) & 0xFF);
    // Nothing that could end the comment or the line.
    if (c < 0x20 || c >= 0x7F || c == '*' || c == '/') return FormatNumber("0x%08X", code);
    text += c;
  }
  return text + "'";
}

std::string HexComment(const std::string& what, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return "/* " + what + " */";
  constexpr std::size_t kPerLine = 16;
  std::string text = "/* " + what + ":";
  text += bytes.size() > kPerLine ? "\n  " : "";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0 && i % kPerLine == 0) text += "\n  ";
    text += FormatNumber(" %02X", bytes[i]);
  }
  return text + " */";
}

std::vector<ListItem> DecodePropertyList(std::span<const std::uint8_t> block,
                                         const TextRules& rules) {
  std::vector<ListItem> items;
  if (block.size() < kListHeaderSize) {
    items.push_back(Comment(HexComment(
        "not a property list: " + std::to_string(block.size()) + " bytes, fewer than its header",
        block)));
    return items;
  }
  const std::uint16_t firstWord = LoadU16(block.data());
  const std::uint32_t version = LoadU32(block.data() + 2);
  const std::uint32_t count = LoadU32(block.data() + 6);
  if (firstWord != 1) items.push_back(Comment("/* first word " + FormatNumber("0x%04X", firstWord) + ", not 0x0001 */"));
  if (version != 0) items.push_back(Comment("/* list version " + std::to_string(version) + ", not 0 */"));

  std::uint32_t records = 0;
  std::size_t offset = kListHeaderSize;
  while (offset < block.size()) {
    const std::size_t remaining = block.size() - offset;
    if (remaining < kRecordHeaderSize) {
      items.push_back(Comment(HexComment("bytes after the last record", block.subspan(offset))));
      break;
    }
    const std::uint8_t* header = block.data() + offset;
    const std::uint32_t vendor = LoadU32(header);
    const std::uint32_t key = LoadU32(header + 4);
    const std::uint32_t id = LoadU32(header + 8);
    const std::uint32_t length = LoadU32(header + 12);
    const RecordView record{block.subspan(offset + kRecordHeaderSize), length};
    ++records;

    const PropertyRow* row = vendor == kVendorCode && id == 0 ? PropertyRowOfKey(key) : nullptr;
    if (row) {
      if (auto decoded = DecodeRecord(*row, record, rules)) {
        items.push_back({true, decoded->text});
        offset += kRecordHeaderSize + decoded->size;
        continue;
      }
    }
    std::string what = "unknown property";
    if (row) what = std::string("malformed ") + row->keyword;
    what += ": " + RecordIdentity(vendor, key, id, length);
    if (length > record.rest.size()) {
      items.push_back(Comment(HexComment(what + ", past the end of the list", record.rest)));
      break;
    }
    items.push_back(Comment(HexComment(what, record.rest.first(length))));
    offset += kRecordHeaderSize + length;
  }
  if (records != count) items.push_back(CountComment(count, records, "records"));
  return items;
}

ListItem CountComment(std::size_t count, std::size_t held, const char* things) {
  return Comment("/* the list header's count is " + std::to_string(count) + ", the list holds " +
                 std::to_string(held) + " " + things + " */");
}

}  // namespace dump
