// Preprocessing mode's macros: each a replacement list of tokens, with or
// without parameters, as #define, -D and the predefined ones make them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/pp_token.h"
#include "source/name_table.h"

struct MacroDefinition {
  /// Macros whose replacement the preprocessor makes where they are used.
  enum class Builtin : uint8_t {
    kNone,
    kLine,        ///< __LINE__: the line of its use
    kFile,        ///< __FILE__: the file of its use, as a string
    kHasInclude,  ///< __has_include: an operator of #if, a plain word elsewhere
    kHasIncludeNext,  ///< __has_include_next: likewise, searching as #include_next
  };
  Builtin builtin = Builtin::kNone;
  bool functionLike = false;
  /// Its last parameter is ..., named __VA_ARGS__ in the replacement.
  bool variadic = false;
  /// Its name in hide sets: every definition has one of its own.
  uint32_t id = 0;
  int parameterCount = 0;
  std::vector<PpToken> replacement;
  /// For each token of the replacement, the parameter it names, or -1.
  std::vector<int32_t> parameterOf;
  /// The bytes the replacement's spellings point into.
  std::string storage;
  /// Its text with every macro in it replaced, where that needs no tokens
  /// (see Expander::Flatten), as found when the table was at `flatAt`.
  mutable std::string flat;
  mutable uint64_t flatAt = 0;
  mutable bool flattens = false;
};

class Definitions {
 public:
  /// The macro of that name, or null. It stays valid until
  /// ReleaseRetired, also when it is replaced or removed meanwhile.
  const MacroDefinition* Find(std::string_view name) const {
    const std::shared_ptr<MacroDefinition>* found = table_.Find(name);
    return found ? found->get() : nullptr;
  }

  /// Carries out a #define whose tokens, after the directive's name, are
  /// `line`: NAME replacement, or NAME(parameters) replacement with the
  /// parenthesis touching the name. A malformed one fails.
  void Define(const std::vector<PpToken>& line);
  void DefineBuiltin(std::string_view name, MacroDefinition::Builtin builtin);
  /// #undef: removes the macro of that name, if there is one.
  void Undefine(std::string_view name);

  /// Calls `visit` with the name of every macro defined now.
  template <class Visit>
  void ForEachName(Visit visit) const {
    table_.ForEachName(visit);
  }

  /// Grows with every change of the table: a text found with the macros of
  /// one generation holds until the next.
  uint64_t generation() const { return generation_; }

  /// A macro replaced or removed may still be in use (an #undef among the
  /// arguments of its call), and tokens of its replacement may still wait
  /// to be read: it is kept until the preprocessor says none is left.
  void ReleaseRetired() { retired_.clear(); }

 private:
  /// Keeps the macro of that name, if any, in retired_.
  void Retire(std::string_view name);
  MacroDefinition& Add(std::string_view name);

  NameTable<std::shared_ptr<MacroDefinition>> table_;
  std::vector<std::shared_ptr<MacroDefinition>> retired_;
  uint32_t nextId_ = 1;
  uint64_t generation_ = 1;
};
