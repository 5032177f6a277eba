// The decoders of the record layouts, one per RecordLayout of the converter's
// property rows (proplist/property_rows.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "proplist/property_rows.h"
#include "dump/text_rules.h"

namespace dump {

/// Size of a record's header: vendor code, key, property id, length.
constexpr std::size_t kRecordHeaderSize = 16;

/// One record's data: every byte from its data to the end of the list, and
/// what its length field says.
struct RecordView {
  std::span<const std::uint8_t> rest;
  std::uint32_t length;
};

/// A record decoded: the property as written back, and how many bytes of
/// data the record really holds (not always its length field: strings with
/// escapes are shorter, ZR_Effect_Info_Flags longer).
struct DecodedRecord {
  std::string text;
  std::size_t size;
};

/// The record decoded by its row's layout, or nothing when it does not fit.
std::optional<DecodedRecord> DecodeRecord(const PropertyRow& row, const RecordView& record,
                                          const TextRules& rules);

/// The layouts that hold a string: kLengthPrefixed, kZeroTerminated, and
/// kTerminology for any other.
std::optional<DecodedRecord> DecodeStringRecord(const PropertyRow& row, const RecordView& record,
                                                const TextRules& rules);

}  // namespace dump
