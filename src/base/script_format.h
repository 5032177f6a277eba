// The formats of the resource script's lines, read when the program is
// compiled: each is split into its runs of text and its conversions once, and
// checked against the values it is given, so writing a line does no parsing.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

/// One conversion of a printf format: % [0] [width] [h or l] kind.
struct FormatConversion {
  char kind = '\0';  ///< d, x, X, c, s or %; '\0' when the format ends inside it
  char size = '\0';  ///< 'h', 'l' or '\0'
  char pad = ' ';    ///< '0' with the flag 0
  std::size_t width = 0;
};

/// Reads the conversion whose % `at` points to, and moves `at` past it (to
/// the format's end when the format ends inside it).
constexpr FormatConversion ReadConversion(const char*& at) {
  FormatConversion conversion;
  const char* p = at + 1;
  if (*p == '0') {
    conversion.pad = '0';
    ++p;
  }
  for (; *p >= '0' && *p <= '9'; ++p)
    conversion.width = conversion.width * 10 + static_cast<std::size_t>(*p - '0');
  if (*p == 'h' || *p == 'l') conversion.size = *p++;
  conversion.kind = *p;
  if (*p != '\0') ++p;
  at = p;
  return conversion;
}

/// A format of the resource script that takes values of the types `Values`,
/// in order: %d, %x, %X, %c and %s with the flag 0, a width and the sizes h
/// and l, as printf lays them out. It is made from a string literal when the
/// program is compiled; a conversion the writer does not lay out (%% too: no
/// line of the script holds a percent sign), or a value whose type does not
/// fit its conversion, does not compile.
template <class... Values>
class ScriptFormat {
 public:
  /// The text before one conversion, and the conversion.
  struct Piece {
    std::string_view text;
    FormatConversion conversion;
  };

  // Not explicit: a literal stands where a format is taken.
  template <std::size_t N>
  consteval ScriptFormat(const char (&format)[N]) {
    const char* const end = format + N - 1;
    const char* run = format;
    std::size_t count = 0;
    for (const char* p = format; p != end;) {
      if (*p != '%') {
        ++p;
        continue;
      }
      const char* const percent = p;
      const FormatConversion conversion = ReadConversion(p);
      if (!IsLaidOut(conversion.kind)) throw "a conversion the writer does not lay out";
      if (count == sizeof...(Values)) throw "more conversions than values";
      pieces_[count].text = {run, static_cast<std::size_t>(percent - run)};
      pieces_[count].conversion = conversion;
      textLength_ += pieces_[count].text.size();
      ++count;
      run = p;
    }
    if (count != sizeof...(Values)) throw "fewer conversions than values";
    pieces_[count].text = {run, static_cast<std::size_t>(end - run)};
    textLength_ += pieces_[count].text.size();
    CheckValues(std::index_sequence_for<Values...>{});
  }

  /// The text before conversion `index`, and the conversion.
  const Piece& piece(std::size_t index) const { return pieces_[index]; }
  /// The text after the last conversion.
  std::string_view tail() const { return pieces_[sizeof...(Values)].text; }
  /// All the text that is not a conversion, counted together.
  std::size_t textLength() const { return textLength_; }

 private:
  static constexpr bool IsLaidOut(char kind) {
    return kind == 'd' || kind == 'x' || kind == 'X' || kind == 'c' || kind == 's';
  }

  /// Whether a value of type `Value` is what `conversion` takes: a string
  /// for %s; for the others an integer, as wide as long for the size l, at
  /// most as wide as int otherwise (as printf reads it).
  template <class Value>
  static constexpr bool Fits(const FormatConversion& conversion) {
    using T = std::remove_cv_t<Value>;
    if (conversion.kind == 's') return std::is_same_v<T, const char*> || std::is_same_v<T, char*>;
    if constexpr (!std::is_integral_v<T> || std::is_same_v<T, bool>) {
      return false;
    } else if (conversion.size == 'l') {
      return std::is_same_v<std::make_signed_t<T>, long>;
    } else {
      return sizeof(T) <= sizeof(int);
    }
  }

  template <std::size_t... Index>
  consteval void CheckValues(std::index_sequence<Index...>) const {
    if (!(Fits<Values>(pieces_[Index].conversion) && ...))
      throw "a value whose type does not fit its conversion";
  }

  /// One piece for each conversion, and the text after them last (so a
  /// format without conversions holds no empty array, which clang 14 lays
  /// out wrongly in a constant).
  std::array<Piece, sizeof...(Values) + 1> pieces_{};
  std::size_t textLength_ = 0;
};
