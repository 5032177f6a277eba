// The dump as a whole: every property list and string list of a compiled
// resource file or PE image, written back as `resource` statements of the
// resource description language.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "dump/containers.h"
#include "dump/text_rules.h"

namespace dump {

/// One resource as its statement, e.g.
///
///     resource 'Vorl' (16000) {
///         {
///             Kind { Filter },
///             Name { "Sample" }
///         }
///     };
std::string ResourceStatement(const FoundResource& resource, const TextRules& rules);

/// The statements of every resource of the file, a blank line after each.
/// Throws DumpError when the file cannot be read as either kind.
std::string DumpResources(std::span<const std::uint8_t> file, const TextRules& rules);

}  // namespace dump
