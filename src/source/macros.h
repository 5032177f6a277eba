// The macro table: every #define adds an entry; a later one of the same name
// shadows the earlier; nothing is ever removed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

enum MacroKind : int32_t { kMacroNone = 0, kMacroNumber = 1, kMacroString = 2 };

struct Macro {
  int32_t kind = kMacroNone;
  std::string stringValue;
  int32_t numValue = 1;
};

/// The macros of one run. The newest entry per name is all a lookup can see,
/// so one entry per name, overwritten by a redefinition, answers the same.
class MacroTable {
 public:
  /// The newest macro of exactly that name, or null.
  Macro* LookupMacro(std::string_view name);
  /// Adds a value-less macro (value 1) that shadows any older one of the
  /// name, and returns it so its value can be filled in.
  Macro* AddMacro(const char* name);

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  /// Whether some macro's name begins with the byte, and some has the
  /// length (from 63 up, all count as 63): most words are no macro, and one
  /// look here says so without hashing the word.
  bool MayBeName(std::string_view name) const {
    const std::size_t length = name.size();
    const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
    return (firstBytes_[first >> 6] >> (first & 63) & 1) != 0 &&
           (lengths_ >> (length < 63 ? length : 63) & 1) != 0;
  }

  std::unordered_map<std::string, Macro, NameHash, std::equal_to<>> table_;
  std::uint64_t firstBytes_[4] = {};
  std::uint64_t lengths_ = 0;
};
