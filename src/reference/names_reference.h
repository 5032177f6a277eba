// The reference of the language's names, written from the tables the
// converter and VorlDump read: every property keyword with the form of its
// value, and every name each list accepts. It stands twice in the sources, as
// doc/properties.md and as the PROPERTIES section of doc/VorlTool.1; the
// program names_reference writes both, or checks that they are what the
// tables give, so that a table changed without them fails the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The reference as a Markdown page (doc/properties.md).
std::string ReferenceMarkdown();

/// The reference as the PROPERTIES section of VorlTool's manual page: from
/// its ".SH PROPERTIES" line through the line before the next section.
std::string ReferenceManSection();

/// `page` with its PROPERTIES section (its ".SH PROPERTIES" line up to the
/// next ".SH" line, or the end) replaced by `section`; nothing when the page
/// has no such section.
std::optional<std::string> WithPropertiesSection(std::string_view page, std::string_view section);

/// The program: "names_reference [--check] <doc folder>". Without --check it
/// writes properties.md and the PROPERTIES section of VorlTool.1 in the
/// folder; with it, it only compares them with what the tables give. Returns
/// 0 when written or equal, 1 on a difference or a file that cannot be read
/// or written (one line each on standard error), 2 on a wrong command line.
int RunNamesReference(int argc, const char* const* argv);
