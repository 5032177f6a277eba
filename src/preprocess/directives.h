// The directives the preprocessor knows, in one table: the name as written
// after #, and what it is. (Preprocessing mode refuses any other name where
// it is read; the plain reading carries out #define and #include and passes
// over every other line that begins with #.)
#pragma once

#include <string_view>

enum class Directive {
  kUnknown,
  kDefine,
  kInclude,
  kUndef,
  kIf,
  kIfdef,
  kIfndef,
  kElif,
  kElifdef,
  kElifndef,
  kElse,
  kEndif,
  kError,
  kWarning,
  kPragma,
  kIncludeNext,
  kImport,
  kLine,
  kIdent,
};

/// Every directive by its name.
inline constexpr struct {
  std::string_view name;
  Directive directive;
} kDirectives[] = {
    {"define", Directive::kDefine},     {"include", Directive::kInclude},
    {"undef", Directive::kUndef},       {"if", Directive::kIf},
    {"ifdef", Directive::kIfdef},       {"ifndef", Directive::kIfndef},
    {"elif", Directive::kElif},         {"elifdef", Directive::kElifdef},
    {"elifndef", Directive::kElifndef}, {"else", Directive::kElse},
    {"endif", Directive::kEndif},       {"error", Directive::kError},
    {"warning", Directive::kWarning},   {"pragma", Directive::kPragma},
    {"include_next", Directive::kIncludeNext}, {"import", Directive::kImport},
    {"line", Directive::kLine},         {"ident", Directive::kIdent},
    {"sccs", Directive::kIdent},
};

/// The directive named `name`; kUnknown for every other name.
constexpr Directive LookupDirective(std::string_view name) {
  for (const auto& entry : kDirectives)
    if (entry.name == name) return entry.directive;
  return Directive::kUnknown;
}

/// The name of a known directive, as written after the # (a C string).
constexpr const char* DirectiveName(Directive directive) {
  for (const auto& entry : kDirectives)
    if (entry.directive == directive) return entry.name.data();
  return "";
}

/// The directives that open, continue or close a conditional group.
constexpr bool IsConditional(Directive directive) {
  return directive >= Directive::kIf && directive <= Directive::kEndif;
}
/// The directives that open a conditional group.
constexpr bool OpensGroup(Directive directive) {
  return directive == Directive::kIf || directive == Directive::kIfdef ||
         directive == Directive::kIfndef;
}
