// Resource ids: the headers of property lists and string lists read them
// alike, terms and all, and refuse them alike, each with its own message.
#include <gtest/gtest.h>

#include <string>

#include "source_text.h"

namespace {

/// The header `header`, from its opening parenthesis on, of a statement of
/// `type` with an empty list, after two macros; it stands on line 3.
Conversion ConvertHeader(const std::string& type, const std::string& header) {
  return ConvertText("in.r", "#define kBase 16000\n#define kOff 10\nresource '" + type + "' " +
                                 header + " { { } };\n");
}

TEST(ResourceIds, BothHeadersTakeTheSameTerms) {
  const struct {
    const char* header;
    const char* id;
  } kCases[] = {
      {"(kBase - kOff - 1, \"name\")", "15989"},
      {"(-kBase - kOff)", "-16010"},
      {"(kBase\n\t- kOff\n\t+ 1)", "15991"},
      // Digits on one line are folded first, as everywhere: 1 + 2 is one term.
      {"(kBase - 1 + 2)", "15997"},
      // A token that is no operator ends the id.
      {"(kBase > 1)", "16000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.header);
    const Conversion vorl = ConvertHeader("Vorl", c.header);
    EXPECT_EQ(vorl.err, "");
    EXPECT_NE(vorl.script.find(std::string("\n") + c.id + "  Vorl  DISCARDABLE\n"), std::string::npos);
    const Conversion strings = ConvertHeader("LStr", c.header);
    EXPECT_EQ(strings.err, "");
    EXPECT_NE(strings.script.find(std::string("\n") + c.id + "\tLStr\tDISCARDABLE\n"), std::string::npos);
  }
}

TEST(ResourceIds, StringListPassesOpeningParenthesesAsPropertyListsDo) {
  const Conversion run = ConvertHeader("LStr", "((kBase + 1))");
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.script.find("\n16001\tLStr\tDISCARDABLE\n"), std::string::npos);
}

TEST(ResourceIds, BothHeadersRefuseWhatTheyCannotReadWhole) {
  const char* const kHeaders[] = {
      "(kBase / 2)", "(kBase | 1)", "(kBase << 1)", "(kBase + kOff * 2)", "(kBase +)",
      "(kBase - \"x\")", "(kBase + -1)", "(-)", "(+5)", "(\"name\")",
  };
  for (const char* header : kHeaders) {
    SCOPED_TRACE(header);
    const Conversion vorl = ConvertHeader("Vorl", header);
    EXPECT_EQ(vorl.status, 1);
    EXPECT_EQ(vorl.err, "GetResourceID: integer expected, line 3\n");
    EXPECT_FALSE(vorl.outputExists);
    const Conversion strings = ConvertHeader("LStr", header);
    EXPECT_EQ(strings.status, 1);
    EXPECT_EQ(strings.err, "integer expected, line 3\n");
    EXPECT_FALSE(strings.outputExists);
  }
}

}  // namespace
