// Finding the resources a dump shows, those of the types the converter writes
// (source/resource_types.h), inside a compiled resource file (.res) or a
// Windows PE image (a plug-in DLL, 32- or 64-bit). Resource compilers store
// user-defined type names upper-cased: VORL, TZAV, LSTR.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "source/resource_types.h"

namespace dump {

/// A resource's name: a number (what the converter always writes), or a
/// string some other tool gave it.
struct ResourceName {
  bool isNumber = true;
  std::uint16_t number = 0;
  std::string text;  ///< a string name, printable ASCII ('?' for anything else)
};

/// One resource found, its data still inside the file's bytes.
struct FoundResource {
  const ResourceType* type;
  ResourceName name;
  std::span<const std::uint8_t> data;
  std::uint64_t offset;  ///< where the data starts in the file
};

/// Every resource of the converter's types in the file, in file order (.res) or
/// directory order (PE). Throws DumpError, naming the offset, when the file is
/// neither kind or when anything in it points outside it or loops.
std::vector<FoundResource> FindResources(std::span<const std::uint8_t> file);

/// The two readers behind FindResources, for files already told apart.
std::vector<FoundResource> FindInResFile(std::span<const std::uint8_t> file);
std::vector<FoundResource> FindInPeImage(std::span<const std::uint8_t> file);

/// The type a stored type name stands for (compared without regard to case),
/// or null when it is none of the converter's.
const ResourceType* TypeFromName(const std::u16string& name);

/// The converter's types as a message names them: "VORL, TZAV or LSTR".
std::string TypeNamesForMessage();

/// A name read from the file as the text a comment or header may hold.
std::string PrintableName(const std::u16string& name);

}  // namespace dump
