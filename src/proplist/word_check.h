// Preprocessing mode's reading of words that mean nothing where they stand.
// Once the stage has replaced every macro, a name left in a number is a typo
// or a missing #include, and a word that is no property, or no name of the
// list it stands in, was most likely meant as one: the report names the word
// and the nearest one that would mean something there. The plain reading
// has no such check and reads these words as it always has.
//
// It lives with the property lists, which own most of the names it checks;
// the number readers below reach it as the lexer's NameCheck.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/near_name.h"
#include "source/lexer.h"
#include "source/name_table.h"
#include "source/tokens.h"

class Preprocessor;

class WordCheck final : public NameCheck {
 public:
  /// Checks the words of the text `stage` makes of the file named `file`.
  WordCheck(const Preprocessor& stage, std::string file) : stage_(stage), file_(std::move(file)) {}

  /// With a word current where a number must stand, every macro replaced:
  /// fails. An undefined word with "'WORD' is not defined", naming the
  /// nearest macro defined; a macro's name, which C leaves in its own
  /// replacement and where a macro with parameters has no arguments, says so.
  [[noreturn]] void RefuseName(const Token& word) const override;
  /// Fails with "'WORD' is WHAT", naming the nearest of the names `offer`
  /// offers to a NearName.
  template <class Offer>
  [[noreturn]] static void Refuse(const Token& word, std::string_view what, const Offer& offer) {
    NearName near(word.name);
    offer(near);
    Fail(word, what, near);
  }
  /// The name of the list `list` (whose names `offer` offers to a
  /// NearName) nearest the word, or empty where none is near. Sources
  /// repeat the words meant to set nothing, so each word is looked for in
  /// a list once a run. The names must outlive the check.
  template <class Offer>
  std::string_view NearestInList(const Token& word, const void* list, const Offer& offer) {
    Nearest& nearest = NearestOf(list);
    const std::string_view text = word.name;
    if (const std::string_view* found = nearest.Find(text)) return *found;
    NearName near(text);
    offer(near);
    return nearest.Add(text) = near.nearest();
  }
  /// Writes "FILE:LINE: warning: 'WORD' is WHAT (did you mean 'NEAREST'?)"
  /// on standard error.
  void Warn(const Token& word, std::string_view what, std::string_view nearest) const;

 private:
  using Nearest = NameTable<std::string_view>;
  Nearest& NearestOf(const void* list);
  /// "'WORD' is WHAT", and " (did you mean 'NEAREST'?)" where one is near.
  static std::string Message(const Token& word, std::string_view what, std::string_view nearest);
  [[noreturn]] static void Fail(const Token& word, std::string_view what, const NearName& near);

  const Preprocessor& stage_;
  std::string file_;
  /// For each list, the nearest name of each word looked for (empty: none).
  std::vector<std::pair<const void*, Nearest>> nearest_;
};
