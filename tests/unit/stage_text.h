// Test helper: preprocessing mode's stage over text in memory, and the text
// it hands the lexer.
#pragma once

#include <string>
#include <string_view>

#include "base/diagnostics.h"
#include "base/locale.h"
#include "base/platform.h"
#include "preprocess/preprocessor.h"

/// What the stage made of a source (named in.r): the text the lexer would
/// read, or the report of the failure that ended it (file:line: message).
struct StageResult {
  std::string text;
  std::string failure;
};

inline StageResult Preprocess(const std::string& source, Language language = kLocaleEnglish,
                              const PreprocessorSetup& setup = {}, const std::string& name = "in.r") {
  StageResult result;
  platform::Disk disk;
  const Locale locale(language);
  try {
    Preprocessor stage(locale, disk, setup);
    stage.StartText(source, name);
    std::string_view text;
    int32_t line = 0;
    while (stage.NextText(text, line)) result.text += text;
  } catch (const Failure& failure) {
    result.failure = failure.file() + ":" + std::to_string(failure.line()) + ": " + failure.message();
  }
  return result;
}

/// The message alone of a failure report of Preprocess.
inline std::string MessageOf(const std::string& failure) {
  const std::size_t colon = failure.find(": ");
  return colon == std::string::npos ? failure : failure.substr(colon + 2);
}

/// A text written count times over, for sources nested deeply.
inline std::string Repeated(const std::string& text, int count) {
  std::string repeated;
  for (int i = 0; i < count; ++i) repeated += text;
  return repeated;
}
