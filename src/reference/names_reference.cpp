// Writing the reference of the language's names from the property rows and
// the name lists, as Markdown and as a manual page section.
//
// Both are written from one plain model: a form is text in which a
// placeholder stands in angle brackets ("Kind { <kind> }"), and prose marks
// literal text with `backquotes` and placeholders with *stars*, as Markdown
// does; the manual page turns both into its fonts.
#include "reference/names_reference.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <span>
#include <sstream>
#include <vector>

#include "proplist/name_lists.h"
#include "proplist/property_rows.h"

namespace {

/// How the placeholders of the forms read, in the prose markup.
struct Term {
  const char* word;
  const char* meaning;
};

constexpr Term kTerms[] = {
    {"number", "numbers and macros, combined with `+ - * / | <<` and parentheses"},
    {"integer", "one number, or a macro defined as one (arithmetic written on one line is folded "
                "into it)"},
    {"text", "the text of a string literal"},
    {"code, type, creator, ext, class, event",
     "four characters in single quotes (an extension of three letters ends in a blank: "
     "`'TIF '`)"},
    {"kind, name", "one of the names of the property's list (see the names below)"},
    {"case", "one case of a filter (see below the properties)"},
    {"...", "more of the same, separated by commas"},
};

constexpr const char* kIntroduction =
    "A property list (`resource 'Vorl'` or `'TzAv'`) holds its properties between two braces, "
    "separated by commas: each is a keyword and its value in braces. Keywords and names are "
    "matched exactly, case and all.";

/// A four-character code's characters, in natural order.
std::string CodeText(std::uint32_t code) {
  const std::array<char, 4> text = CodeCharacters(code);
  return std::string(text.data(), text.size());
}

/// The form of `row`'s value, placeholders in angle brackets.
std::string ValueForm(const PropertyRow& row) {
  using enum RecordLayout;
  switch (row.layout) {
    case kNone: return "{ ... }";
    case kKind: return "{ <kind> }";
    case kVersion:
    case kNumber: return "{ <number> }";
    case kCode: return "{ '<code>' }";
    case kLengthPrefixed:
    case kZeroTerminated: return "{ \"<text>\" }";
    case kModes:
    case kFlagByte: return "{ <name>, ... }";
    case kFilterCase: return "{ { <case>, ... } }";
    case kWordPair: return row.nested ? "{ { <integer>, <integer> } }" : "{ <integer>, <integer> }";
    case kWords: return "{ { <integer>, ... } }";
    case kFileType: return "{ '<type>', '<creator>' }";
    case kCodeList: {
      // Extensions are the codes not reversed.
      const std::string entry = row.pairs      ? "'<type>', '<creator>'"
                                : row.reversed ? "'<type>'"
                                               : "'<ext>'";
      const bool many = row.form == GroupForm::kMany;
      return "{ { " + entry + (many ? ", ... }" : " }") + ", ... }";
    }
    case kTerminology: return "{ '<class>', '<event>', <integer>, \"<text>\" }";
    case kFormatExtension: return "{ <integer>, <integer>, <name>, ... } '<code>' }";
  }
  return "";
}

/// The key `row`'s records are stored under, or what stands for none.
std::string KeyOf(const PropertyRow& row) {
  if (row.layout == RecordLayout::kNone) return "none: skipped, with a notice";
  return "`'" + CodeText(row.key) + "'`";
}

/// What the forms of some rows leave to be said, in the prose markup; empty
/// for the others.
std::string FormNote(const PropertyRow& row) {
  if (row.layout == RecordLayout::kFilterCase) {
    const std::span<const NameList> lists = NameListsOf(row);
    std::string items;
    for (const NameList& list : lists)
      items += (items.empty() ? "" : ", ") + std::string(list.place);
    return "In `" + std::string(row.keyword) + "` a *case* is " + std::to_string(lists.size()) +
           " items separated by commas: " + items +
           ", each a name of its list below; the value holds exactly " +
           std::to_string(kFilterCaseCount) + " cases.";
  }
  if (row.layout == RecordLayout::kFormatExtension) {
    const std::string count = std::to_string(row.names.size());
    return "In `" + std::string(row.keyword) + "` the names end in `}`, which the *code* and a "
           "second `}` follow: `" + std::string(row.keyword) + " { 1, 0, input, output } 'SIGN' }`. "
           "At most " + count + " names stand there; after the " + count +
           "th and a comma the *code* follows at once, and one `}` ends the value.";
  }
  return "";
}

/// A list's title: the property, and the place where the names stand.
std::string ListTitle(const NameList& list) {
  std::string title = list.row->keyword;
  if (!list.place.empty()) title += ": " + std::string(list.place);
  return title;
}

/// What a list says of the words that are none of its names, in the prose markup.
std::string ListRule(const NameList& list) {
  std::string rule = list.othersFail ? "Anything else there fails the conversion."
                                     : "Another word sets nothing.";
  if (list.takesNumber) rule += " An *integer* may stand in place of a name: its low byte.";
  return rule;
}

/// What a name of the list stands for: a kind's code, else its bits in
/// hexadecimal, with as many digits (in pairs) as the list's largest needs.
std::string NameValue(const NameList& list, const NamedBits& named) {
  if (list.row->layout == RecordLayout::kKind) return "'" + CodeText(named.bits) + "'";
  unsigned largest = 0;
  for (const NamedBits& other : list.names) largest |= other.bits;
  int digits = 2;
  while (digits < 8 && (largest >> (4 * digits)) != 0) digits += 2;
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, named.bits);
  return text;
}

const char* ValueHeading(const NameList& list) {
  return list.row->layout == RecordLayout::kKind ? "Code" : "Value";
}

// ---------------------------------------------------------------------------
// The manual page's markup.

/// Text escaped for the manual page: backslashes, minus signs and quotes,
/// which groff would otherwise turn into typographic ones.
std::string ManEscape(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\') escaped += "\\e";
    else if (c == '-') escaped += "\\-";
    else if (c == '\'') escaped += "\\(aq";
    else if (c == '"') escaped += "\\(dq";
    else escaped += c;
  }
  return escaped;
}

/// Prose markup in the manual page's fonts: `literal` bold, *placeholder*
/// italic. A star inside backquotes is literal. (Every piece of prose begins
/// with a letter or a backquote, never with a control character.)
std::string ManProse(std::string_view text) {
  enum Font { kRoman, kLiteral, kPlaceholder };
  static constexpr const char* kFontStart[] = {"", "\\fB", "\\fI"};
  std::string out;
  std::string run;
  Font font = kRoman;
  auto switchTo = [&](Font next) {
    out += font == kRoman ? ManEscape(run) : kFontStart[font] + ManEscape(run) + "\\fP";
    run.clear();
    font = next;
  };
  for (const char c : text) {
    if (c == '`') switchTo(font == kLiteral ? kRoman : kLiteral);
    else if (c == '*' && font != kLiteral) switchTo(font == kPlaceholder ? kRoman : kPlaceholder);
    else run += c;
  }
  switchTo(kRoman);
  return out;
}

/// A form in the manual page's fonts: the literal text bold, placeholders italic.
std::string ManForm(std::string_view form) {
  std::string out;
  std::string run;
  auto flush = [&](const char* font) {
    if (!run.empty()) out += std::string(font) + ManEscape(run) + "\\fP";
    run.clear();
  };
  for (const char c : form) {
    if (c == '<') {
      flush("\\fB");
    } else if (c == '>') {
      flush("\\fI");
    } else {
      run += c;
    }
  }
  flush("\\fB");
  return out;
}

/// A form as plain text, placeholders as their words.
std::string PlainForm(std::string_view form) {
  std::string out;
  for (const char c : form)
    if (c != '<' && c != '>') out += c;
  return out;
}

/// Where a page says how it came to be.
constexpr const char* kOrigin =
    "Written by names_reference from the tables the converter and VorlDump read "
    "(src/source/keywords.def, src/proplist/value_names.h); do not edit it by hand. "
    "After changing a table: cmake --build build --target reference";

}  // namespace

std::string ReferenceMarkdown() {
  std::ostringstream md;
  md << "# The names of the language\n\n<!-- " << kOrigin << " -->\n\n" << kIntroduction << "\n\n";
  md << "In the forms of the values:\n\n";
  for (const Term& term : kTerms) {
    std::string words;
    std::string_view rest = term.word;
    // Each word of a term in italics, except the ellipsis, which is literal.
    if (rest == "...") {
      words = "`...`";
    } else {
      while (!rest.empty()) {
        const std::size_t comma = rest.find(", ");
        words += (words.empty() ? "*" : ", *") + std::string(rest.substr(0, comma)) + "*";
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
      }
    }
    md << "- " << words << ": " << term.meaning << (&term == &std::end(kTerms)[-1] ? ".\n" : ";\n");
  }
  md << "\n## Properties\n\n| Property | Value | Key |\n|---|---|---|\n";
  for (const PropertyRow& row : PropertyRows()) {
    md << "| `" << row.keyword << "` | `" << row.keyword << " " << PlainForm(ValueForm(row))
       << "` | " << KeyOf(row) << " |\n";
  }
  for (const PropertyRow& row : PropertyRows()) {
    if (const std::string note = FormNote(row); !note.empty()) md << "\n" << note << "\n";
  }
  md << "\n## Names\n";
  for (const NameList& list : NameLists()) {
    md << "\n### " << ListTitle(list) << "\n\n" << ListRule(list) << "\n\n| Name | "
       << ValueHeading(list) << " |\n|---|---|\n";
    for (const NamedBits& named : list.names)
      md << "| `" << named.name << "` | `" << NameValue(list, named) << "` |\n";
  }
  return md.str();
}

std::string ReferenceManSection() {
  std::ostringstream man;
  man << ".SH PROPERTIES\n.\\\" " << kOrigin << "\n" << ManProse(kIntroduction)
      << "\nThe properties and the forms of their values:\n.PP\n.RS\n.nf\n";
  for (const PropertyRow& row : PropertyRows())
    man << ManForm(std::string(row.keyword) + " " + ValueForm(row)) << "\n";
  man << ".fi\n.RE\n.PP\nIn these forms:\n";
  for (const Term& term : kTerms) {
    man << ".TP\n" << (std::string_view(term.word) == "..." ? ".B " : ".I ") << ManEscape(term.word)
        << "\n" << ManProse(term.meaning) << ".\n";
  }
  for (const PropertyRow& row : PropertyRows()) {
    if (const std::string note = FormNote(row); !note.empty())
      man << ".PP\n" << ManProse(note) << "\n";
  }
  man << ".PP\nThe names each list accepts, with their values:\n";
  for (const NameList& list : NameLists()) {
    man << ".TP\n.B " << ManEscape(ListTitle(list)) << "\n";
    // A name is never hyphenated (\%): it is to be written as it stands.
    std::string names;
    for (const NamedBits& named : list.names) {
      names += (names.empty() ? "\\%" : ", \\%") + ManEscape(named.name) + " (" +
               ManEscape(NameValue(list, named)) + ")";
    }
    man << names << ".\n" << ManProse(ListRule(list)) << "\n";
  }
  return man.str();
}

std::optional<std::string> WithPropertiesSection(std::string_view page, std::string_view section) {
  constexpr std::string_view kHeading = ".SH PROPERTIES\n";
  std::size_t start = page.starts_with(kHeading) ? 0 : page.find("\n" + std::string(kHeading));
  if (start == std::string_view::npos) return std::nullopt;
  if (start != 0) ++start;
  std::size_t end = page.find("\n.SH ", start + kHeading.size() - 1);
  end = end == std::string_view::npos ? page.size() : end + 1;
  std::string result(page.substr(0, start));
  result += section;
  result += page.substr(end);
  return result;
}

namespace {

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int RunNamesReference(int argc, const char* const* argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const bool check = !args.empty() && args[0] == "--check";
  if (args.size() != (check ? 2u : 1u)) {
    std::cerr << "Usage: names_reference [--check] <doc folder>\n";
    return 2;
  }
  const std::string folder(args.back());
  const std::string markdownPath = folder + "/properties.md";
  const std::string pagePath = folder + "/VorlTool.1";

  const std::optional<std::string> page = ReadFile(pagePath);
  if (!page) {
    std::cerr << "names_reference: " << pagePath << " cannot be read\n";
    return 1;
  }
  const std::optional<std::string> newPage = WithPropertiesSection(*page, ReferenceManSection());
  if (!newPage) {
    std::cerr << "names_reference: " << pagePath << " has no line \".SH PROPERTIES\"\n";
    return 1;
  }
  const std::string markdown = ReferenceMarkdown();

  struct Output {
    const std::string& path;
    const std::string& text;
  };
  int status = 0;
  for (const Output& output : {Output{markdownPath, markdown}, Output{pagePath, *newPage}}) {
    if (ReadFile(output.path) == output.text) continue;
    if (check) {
      std::cerr << "names_reference: " << output.path
                << " is not what the tables give; after changing a table, rebuild the target "
                   "reference (cmake --build build --target reference)\n";
      status = 1;
    } else if (!WriteFile(output.path, output.text)) {
      std::cerr << "names_reference: " << output.path << " cannot be written\n";
      status = 1;
    } else {
      std::cout << "names_reference: wrote " << output.path << "\n";
    }
  }
  return status;
}
