#!/usr/bin/env bash
# The whole way a plug-in developer takes: install VorlTool from a build
# folder into a scratch prefix, check what was installed, build the demo
# plug-in (examples/plugin) for Windows against that prefix with Ninja (its
# resource compiler llvm-windres, which vorl_add_resources gives scripts
# written with --llvm-rc), and check that the DLL holds the bytes intended:
# the name with its trade mark sign and the modes with Bitmap, bytes that
# llvm-rc refuses in a plain script, as written out below, and byte for byte
# the resources that GNU windres makes of the .r file converted here, without
# --llvm-rc, with the options a 64-bit Windows build must give; and that what
# the installed VorlDump reads back from the DLL converts to those resources
# again. Then the rebuild test, with Ninja and with
# Makefiles (rebuild_check.sh); vorl_add_resources with VorlTool added by
# add_subdirectory instead of the installed package; and last PLAIN, input
# paths taken whole, the warning about GNU windres, and --llvm-rc given where
# the resource compiler is llvm-windres under GNU windres's name.
#
#   plugin_check.sh <VorlTool build folder> <scratch folder>
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: plugin_check.sh <VorlTool build folder> <scratch folder>" >&2
  exit 2
fi
ci=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$ci/.." && pwd)
tool_build=$1
mkdir -p "$2"
scratch=$(cd "$2" && pwd)
prefix=$scratch/prefix

fail() {
  echo "plugin_check: $*" >&2
  exit 1
}

# The bytes, in hex, of the resource of type $1 and id $2 in what llvm-readobj
# shows with the arguments after them (a .res file, or --coff-resources and a
# DLL); fails when it holds none.
resource_bytes() {
  local type=$1 id=$2
  shift 2
  llvm-readobj "$@" | awk -v type="$type" -v id="$id" -f "$ci/resource_bytes.awk"
}

echo "-- install into $prefix"
rm -rf "$prefix"
cmake --install "$tool_build" --prefix "$prefix" >/dev/null
for installed in bin/VorlTool bin/VorlDump share/man/man1/VorlTool.1 share/man/man1/VorlDump.1 \
                 lib/cmake/VorlTool/VorlToolConfig.cmake \
                 lib/cmake/VorlTool/VorlToolConfigVersion.cmake \
                 lib/cmake/VorlTool/VorlToolResources.cmake lib/cmake/VorlTool/VorlToolTargets.cmake; do
  [ -f "$prefix/$installed" ] || fail "$installed was not installed"
done
for page in VorlTool VorlDump; do
  warnings=$(groff -ww -man -z "$prefix/share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "the man page of $page does not render cleanly:"$'\n'"$warnings"
done

echo "-- demo plug-in, Ninja"
# The demo is built from a copy, so the rebuild test may touch its files.
source=$scratch/plugin-source
rm -rf "$source"
cp -R "$root/examples/plugin" "$source"
build=$scratch/plugin-ninja
rm -rf "$build"
cmake -S "$source" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_RC_COMPILER=llvm-windres-14 -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$build"
dll=$build/demo_plugin.dll
script=$build/vorl/demo_plugin/demo_plugin.rc
[ -f "$dll" ] || fail "no $dll"

llvm-readobj --coff-exports "$dll" | grep -q 'Name: PluginMain$' ||
  fail "the DLL does not export PluginMain"

# The bytes intended, as the property list in demo_plugin.r gives them: the
# name record ('name' reversed, its length 16, the length byte 15, "Demo
# Filter", the trade mark sign of code page 1252, "...") and the modes record
# ('mode' reversed, its length 4, Bitmap and RGB: 0x9000, high byte first).
name_record=4d494b35656d616e00000000100000000f44656d6f2046696c746572992e2e2e
modes_record=4d494b3565646f6d000000000400000090000000
# The reference: the .r file converted here as vorl_add_resources must
# convert it for this target (_WIN64, which picks the 64-bit entry point, and
# the target's include folder, which holds the version header), but without
# --llvm-rc, compiled by GNU windres with code page 1252, which takes those
# bytes in a string as written. A build that passed other options, or wrote
# other bytes for llvm-windres, would put other bytes into the DLL.
reference_dir=$scratch/reference
rm -rf "$reference_dir"
mkdir -p "$reference_dir"
(cd "$source" &&
  "$prefix/bin/VorlTool" -D_WIN64 -I include -- demo_plugin.r "$reference_dir/demo_plugin.rc" >/dev/null)
(cd "$reference_dir" &&
  x86_64-w64-mingw32-windres -c 1252 -O res -o reference.res demo_plugin.rc)
declare -A reference
for resource in "VORL 16100" "LSTR 16101"; do
  read -r type id <<<"$resource"
  in_dll=$(resource_bytes "$type" "$id" --coff-resources "$dll") ||
    fail "the DLL holds no resource of type $type, id $id"
  reference[$resource]=$(resource_bytes "$type" "$id" "$reference_dir/reference.res") ||
    fail "llvm-rc made no resource of type $type, id $id"
  [ "$in_dll" = "${reference[$resource]}" ] ||
    fail "$type $id differs from GNU windres:"$'\n'"  DLL:     $in_dll"$'\n'"  windres: ${reference[$resource]}"
  echo "$type $id: $(( ${#in_dll} / 2 )) bytes, the same as GNU windres gives"
done
for record in "$name_record" "$modes_record"; do
  grep -qi "$record" <<<"${reference["VORL 16100"]}" ||
    fail "the property list holds no $record:"$'\n'"  ${reference["VORL 16100"]}"
done
# llvm-windres refuses those bytes in a string: the build's script holds the
# modes as a number, as --llvm-rc writes them.
grep -qF '0x0090, "\0\0",' "$script" ||
  fail "the build's script was not written with --llvm-rc for llvm-windres:"$'\n'"$(cat "$script")"
echo "the name holds the trade mark sign (99), the modes Bitmap and RGB (90 00), as intended"

echo "-- VorlDump reads the DLL back"
back=$scratch/dump-back
rm -rf "$back"
mkdir -p "$back"
"$prefix/bin/VorlDump" "$dll" "$back/demo_plugin.r"
(cd "$back" && "$prefix/bin/VorlTool" --llvm-rc demo_plugin.r demo_plugin.rc >/dev/null &&
  llvm-rc -C 1252 -fo demo_plugin.res demo_plugin.rc)
for resource in "VORL 16100" "LSTR 16101"; do
  read -r type id <<<"$resource"
  again=$(resource_bytes "$type" "$id" "$back/demo_plugin.res") ||
    fail "the dump of the DLL converts to no resource of type $type, id $id"
  [ "$again" = "${reference[$resource]}" ] ||
    fail "$type $id read back by VorlDump converts to other bytes:"$'\n'"  again:   $again"$'\n'"  windres: ${reference[$resource]}"
done
echo "the DLL's resources, read back by VorlDump and converted again, are the same"

echo "-- rebuild test"
"$ci/rebuild_check.sh" "$build" "$source"
makefiles=$scratch/plugin-makefiles
rm -rf "$makefiles"
cmake -S "$source" -B "$makefiles" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_RC_COMPILER=llvm-windres-14 -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$makefiles" >/dev/null
"$ci/rebuild_check.sh" "$makefiles" "$source"
echo "-- add_subdirectory"
# A native project that builds VorlTool itself and converts the demo's .r file
# for a library of its own, naming with DEFINITIONS and INCLUDE_DIRECTORIES
# what the Windows build takes from its target and toolchain: with no
# resource compiler there is no --llvm-rc, so the script must be the
# reference, and touching either of the demo's headers must make it again.
subproject=$scratch/subdirectory-source
rm -rf "$subproject"
mkdir -p "$subproject"
cat >"$subproject/CMakeLists.txt" <<END_OF_PROJECT
cmake_minimum_required(VERSION 3.20)
project(VorlSubdirectoryCheck LANGUAGES CXX)
add_subdirectory("$root" vorltool)
add_library(resources_only STATIC code.cpp)
vorl_add_resources(resources_only "$source/demo_plugin.r"
                   DEFINITIONS _WIN64 INCLUDE_DIRECTORIES "$source/include")
END_OF_PROJECT
echo 'int resources_only() { return 0; }' >"$subproject/code.cpp"
subbuild=$scratch/subdirectory-build
rm -rf "$subbuild"
cmake -S "$subproject" -B "$subbuild" -G Ninja >/dev/null
cmake --build "$subbuild" >/dev/null
subscript=$subbuild/vorl/resources_only/demo_plugin.rc
cmp "$subscript" "$reference_dir/demo_plugin.rc" ||
  fail "add_subdirectory: $subscript differs from $reference_dir/demo_plugin.rc"
for header in demo_plugin_ids.h include/demo_version.h; do
  before=$(stat -c %.9Y "$subscript")
  sleep 1
  touch "$source/$header"
  cmake --build "$subbuild" >/dev/null
  [ "$(stat -c %.9Y "$subscript")" != "$before" ] ||
    fail "add_subdirectory: touching $header did not make the script again"
done
echo "the script made by the built tool is the same, and follows both headers"

echo "-- PLAIN, paths taken whole, the warning about GNU windres"
# A project of resources only, against the installed package. Without options
# VorlTool takes every #define of a header, even one that a false #if leaves
# out, so the list's id tells which reading made a script. With options, the
# .r file is named from the working directory by a path holding a blank and
# non-ASCII bytes, which only PLAIN must refuse.
plain=$scratch/plain-source
rm -rf "$plain"
mkdir -p "$plain/Démo plug-in"
cat >"$plain/list_id.h" <<'END_OF_HEADER'
#define kListID 16101
#if 0
#define kListID 16102
#endif
END_OF_HEADER
cat >"$plain/list.r" <<'END_OF_SOURCE'
#include "list_id.h"
resource 'LStr' (kListID, "Messages") {
    {
        "One message."
    }
};
END_OF_SOURCE
cp "$plain/list.r" "$plain/Démo plug-in/list.r"
# A property list with the byte 0x80 in a string, which llvm-windres takes
# only as --llvm-rc writes it, in a file whose name begins with -.
cat >"$plain/-modes.r" <<'END_OF_SOURCE'
resource 'Vorl' (16100) { { Kind { Filter }, SupportedModes { doesSupportBitmap } } };
END_OF_SOURCE
# Macros with parameters, from DEFINITIONS and from the target's definitions.
cat >"$plain/list_macro.r" <<'END_OF_SOURCE'
resource 'LStr' (LIST_ID(3) + LIST_PART(1), "Messages") {
    {
        "One message."
    }
};
END_OF_SOURCE
cat >"$plain/CMakeLists.txt" <<'END_OF_PROJECT'
cmake_minimum_required(VERSION 3.20)
project(VorlPlainCheck LANGUAGES NONE)
find_package(VorlTool REQUIRED)
add_custom_target(resources ALL)
vorl_add_resources(resources PLAIN OUTPUT_DIRECTORY plain list.r)
vorl_add_resources(resources PLAIN OUTPUT_DIRECTORY modes -modes.r)
vorl_add_resources(resources WORKING_DIRECTORY . OUTPUT_DIRECTORY whole "Démo plug-in/list.r")
set_property(TARGET resources APPEND PROPERTY COMPILE_DEFINITIONS "LIST_PART(n)=n")
vorl_add_resources(resources OUTPUT_DIRECTORY macro list_macro.r DEFINITIONS "LIST_ID(n)=16100 + n")
if(REFUSE)
  vorl_add_resources(resources PLAIN WORKING_DIRECTORY . OUTPUT_DIRECTORY refused
                     "Démo plug-in/list.r")
endif()
END_OF_PROJECT
plainbuild=$scratch/plain-build
rm -rf "$plainbuild"
# Configures with the given options and prints what CMake said on standard
# error, its lines joined (CMake wraps a message at blanks); the status is
# CMake's.
configure_plain() {
  local said status=0
  said=$(cmake -S "$plain" -B "$plainbuild" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" "$@" 2>&1 >/dev/null) ||
    status=$?
  printf '%s' "$said" | tr -s '\n ' '  '
  return $status
}
said=$(configure_plain -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres) ||
  fail "the PLAIN check does not configure:"$'\n'"$said"
[ "$(grep -o 'CMake Warning' <<<"$said" | wc -l)" = 1 ] && grep -q 'is GNU windres' <<<"$said" ||
  fail "two calls with GNU windres did not warn about it once:"$'\n'"$said"
# llvm-windres under GNU windres's name, as llvm-mingw installs it.
mkdir -p "$plain/bin"
ln -s "$(command -v llvm-windres-14)" "$plain/bin/x86_64-w64-mingw32-windres"
said=$(configure_plain -DCMAKE_RC_COMPILER="$plain/bin/x86_64-w64-mingw32-windres") ||
  fail "the PLAIN check does not configure with llvm-windres:"$'\n'"$said"
[ -z "$said" ] || fail "llvm-windres was warned about:"$'\n'"$said"
cmake --build "$plainbuild" >/dev/null
grep -q $'^16102\tLStr' "$plainbuild/plain/list.rc" ||
  fail "PLAIN did not read list.r as VorlTool does without options"
grep -q $'^16101\tLStr' "$plainbuild/whole/list.rc" ||
  fail "\"Démo plug-in/list.r\" was not read as a C preprocessor does"
grep -q $'^16104\tLStr' "$plainbuild/macro/list_macro.rc" ||
  fail "macros with parameters did not reach VorlTool from DEFINITIONS and COMPILE_DEFINITIONS"
grep -qF '0x0080, "\0\0",' "$plainbuild/modes/-modes.rc" ||
  fail "-modes.r was not converted with --llvm-rc for llvm-windres:"$'\n'"$(cat "$plainbuild/modes/-modes.rc")"
# Refused where VorlTool gets no --llvm-rc, which would take the path whole.
said=$(configure_plain -DREFUSE=ON -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres) &&
  fail "PLAIN took \"Démo plug-in/list.r\""
grep -q 'holds a blank or a non-ASCII character' <<<"$said" ||
  fail "PLAIN refused \"Démo plug-in/list.r\" with another message:"$'\n'"$said"
echo "PLAIN reads as before and refuses a path holding a blank; with options any path will do;"
echo "GNU windres is warned about once, llvm-windres not, and given scripts written with --llvm-rc"

echo "plugin_check: passed"
