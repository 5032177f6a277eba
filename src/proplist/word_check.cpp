#include "proplist/word_check.h"

#include "base/diagnostics.h"
#include "preprocess/preprocessor.h"

void WordCheck::RefuseName(const Token& word) const {
  const std::string_view text = word.name;
  if (const MacroDefinition* macro = stage_.FindMacro(text)) {
    NearName none(text);
    Fail(word, macro->functionLike ? "a macro with parameters, named without arguments"
                                    : "a macro's name inside its own replacement, which C leaves a name",
         none);
  }
  NearName near(text);
  stage_.ForEachMacroName([&](std::string_view name) { near.Consider(name); });
  Fail(word, "not defined", near);
}

std::string WordCheck::Message(const Token& word, std::string_view what, std::string_view nearest) {
  return "'" + std::string(word.name) + "' is " + std::string(what) + NearName::DidYouMean(nearest);
}

void WordCheck::Fail(const Token& word, std::string_view what, const NearName& near) {
  FatalErrorOnLine(word.line, "%s", Message(word, what, near.nearest()).c_str());
}

WordCheck::Nearest& WordCheck::NearestOf(const void* list) {
  // A run meets a few lists only.
  for (auto& [known, nearest] : nearest_)
    if (known == list) return nearest;
  return nearest_.emplace_back(list, Nearest{}).second;
}

void WordCheck::Warn(const Token& word, std::string_view what, std::string_view nearest) const {
  PrintWarning(file_.c_str(), static_cast<long>(word.line), Message(word, what, nearest).c_str());
}
