// The macro table: every #define adds an entry; a later one of the same name
// shadows the earlier. A plain run never removes one; in preprocessing mode
// #undef does.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

enum MacroKind : int32_t {
  kMacroNone = 0,
  kMacroNumber = 1,
  kMacroString = 2,
  /// Preprocessing mode: the replacement text as written, given its meaning
  /// (a number, a string or none) only where the macro is used.
  kMacroText = 3,
};

struct Macro {
  int32_t kind = kMacroNone;
  /// A string macro's value; for a text macro, its latest reading as a string.
  std::string stringValue;
  /// A number macro's value; for a text macro, its latest reading as a number.
  int32_t numValue = 1;

  /// A text macro's replacement text, on one line, comments taken out.
  std::string text;
  /// A text macro defined with parameters, NAME(x): nothing here expands it.
  bool functionLike = false;
  /// A text macro whose text is being read: inside its own text it stands
  /// for itself, not for its text again.
  bool expanding = false;
  /// The table's generation at which the text was last read (kind and value
  /// in readKind and the two values above); 0 when never.
  std::uint64_t readAt = 0;
  int32_t readKind = kMacroNone;
};

/// What a macro stands for where it is used: no value (the number 1), a
/// number or a string.
struct MacroValue {
  int32_t kind = kMacroNone;
  int32_t number = 1;
  const std::string* text = nullptr;
};

/// Numeric macro values are signed 16-bit: the low 16 bits, sign-extended.
inline int32_t CutToSigned16(int32_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

/// The macros of one run. The newest entry per name is all a lookup can see,
/// so one entry per name, overwritten by a redefinition, answers the same.
class MacroTable {
 public:
  /// The newest macro of exactly that name, or null.
  Macro* LookupMacro(std::string_view name);
  /// Adds a value-less macro (value 1) that shadows any older one of the
  /// name, and returns it so its value can be filled in.
  Macro* AddMacro(std::string_view name);
  /// Removes the macro of that name, if there is one.
  void RemoveMacro(std::string_view name);
  /// Grows with every change of the table: what a text macro's text means
  /// can change only then.
  std::uint64_t generation() const { return generation_; }

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  /// Whether some macro's name begins with the byte, and some has the
  /// length (from 63 up, all count as 63): most words are no macro, and one
  /// look here says so without hashing the word. A removed name leaves its
  /// marks: they only cost a lookup.
  bool MayBeName(std::string_view name) const {
    const std::size_t length = name.size();
    const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
    return (firstBytes_[first >> 6] >> (first & 63) & 1) != 0 &&
           (lengths_ >> (length < 63 ? length : 63) & 1) != 0;
  }

  std::unordered_map<std::string, Macro, NameHash, std::equal_to<>> table_;
  std::uint64_t firstBytes_[4] = {};
  std::uint64_t lengths_ = 0;
  std::uint64_t generation_ = 1;
};
