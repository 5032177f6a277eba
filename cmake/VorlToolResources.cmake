# vorl_add_resources: turns resource description files (.r) into resource
# scripts (.rc) at build time and adds the scripts to a target, whose resource
# compiler then builds them into the binary.
#
#   vorl_add_resources(<target> [PLAIN] [WORKING_DIRECTORY <dir>]
#                      [OUTPUT_DIRECTORY <dir>] <file.r>...
#                      [DEFINITIONS <name>[=<value>]...]
#                      [INCLUDE_DIRECTORIES <dir>...])
#
# Each .r file gets one custom command that runs VorlTool::VorlTool in the
# working directory, the folder that the file's #include paths are taken from
# first (default: the .r file's own folder; a relative one is taken from the
# current source folder). The script <name>.rc goes into the output directory
# (default: <current binary folder>/vorl/<target>; a relative one is taken from
# the current binary folder). The .r files are named before DEFINITIONS and
# INCLUDE_DIRECTORIES, which take every argument after them.
#
# VorlTool reads the .r files as a C preprocessor does (#if, #ifdef, #elif,
# #else, #endif, #undef, #error, include folders), with what the target's own
# sources are compiled with, in this order:
#   --llvm-rc                          when the resource compiler is LLVM's
#                                      (llvm-rc, or llvm-windres by any name):
#                                      it refuses a byte from 0x80 to 0x9F in
#                                      a string, which --llvm-rc writes as a
#                                      number it takes
#   --preprocess                       always, so the mode is on without a -D
#   -D_WIN64                           when the build is for 64-bit Windows
#                                      (WIN32 and CMAKE_SIZEOF_VOID_P 8)
#   -D<d> for the target's COMPILE_DEFINITIONS, those its linked libraries
#         hand on included: NAME, NAME=VALUE and NAME(PARAMETERS)=VALUE
#   -D<d> for each DEFINITIONS entry (the same forms, a leading -D dropped)
#   -I<dir> for the target's INCLUDE_DIRECTORIES, then each INCLUDE_DIRECTORIES
#         entry (a relative one is taken from the current source folder)
#   --, then the .r file relative to the working directory, and the script.
# The target's properties are read as generator expressions, so what is added
# to them after this call counts too; a definition given only for one compile
# language ($<COMPILE_LANGUAGE:...>) is not passed, a build step having none.
# VorlTool predefines _WIN32 and RC_INVOKED itself.
#
# PLAIN passes no options but --llvm-rc (for LLVM's resource compiler, as
# above): VorlTool reads the file as it does without them, taking only the
# #define lines of included files. Without options its first argument is cut
# at blanks and at bytes from 128 up, so a .r path (relative to the working
# directory) holding one stops the configuration with a message; with options
# VorlTool takes its paths whole and any path will do. A path that begins
# with - is given as ./-..., so that it is not taken for an option.
#
# VorlTool writes a dependency file beside the script (VORLTOOL_DEPFILE), so
# the build reruns the command when the .r file, any header it included
# (through an include folder too), or VorlTool itself changes, and only then.
#
# GNU windres, the resource compiler of mingw-w64 builds, refuses a line the
# scripts hold (an effect plug-in's length line gives "syntax error"), so the
# first call in a configuration warns when CMAKE_RC_COMPILER is GNU windres.
# llvm-windres compiles the scripts in its place, and llvm-rc (-C 1252) where
# the linker reads .res files.
#
# Works with the Ninja and Makefile generators from CMake 3.20 on; the Visual
# Studio and Xcode generators read dependency files from CMake 3.21 on. For
# Ninja, CMake rewrites the dependency file and (in 3.25) drops the escapes of
# '#' and '$': a header path holding one makes the command run every time.

if(CMAKE_VERSION VERSION_LESS 3.20)
  message(FATAL_ERROR "vorl_add_resources needs CMake 3.20 or newer")
endif()

# VorlTool writes absolute paths, which both behaviours of this policy read
# the same; setting it spares projects with an older minimum version the
# warning about it.
cmake_policy(PUSH)
cmake_policy(SET CMP0116 NEW)

# Which resource compiler the build has, asked once in a configuration, in
# the global property _VORL_RC_FAMILY: "llvm" (llvm-rc, or llvm-windres),
# "gnu" (GNU windres) or "other" (rc, or none). llvm-windres answers
# --version as "llvm-windres, compatible with GNU windres", and llvm-mingw
# installs it as <triple>-windres, so a windres is asked; rc and llvm-rc are
# told by their names.
function(_vorl_rc_family result)
  get_property(family GLOBAL PROPERTY _VORL_RC_FAMILY)
  if(NOT family)
    set(family other)
    get_filename_component(rc_name "${CMAKE_RC_COMPILER}" NAME)
    if(rc_name MATCHES "llvm-rc|llvm-windres")
      set(family llvm)
    elseif(rc_name MATCHES "windres")
      execute_process(COMMAND "${CMAKE_RC_COMPILER}" --version
                      OUTPUT_VARIABLE version ERROR_QUIET RESULT_VARIABLE failed)
      if(NOT failed AND version MATCHES "^GNU windres")
        set(family gnu)
      elseif(NOT failed AND version MATCHES "^llvm-windres")
        set(family llvm)
      endif()
    endif()
    set_property(GLOBAL PROPERTY _VORL_RC_FAMILY ${family})
  endif()
  set(${result} ${family} PARENT_SCOPE)
endfunction()

# Warns, once in a configuration, about what would build the scripts wrongly:
# GNU windres as the resource compiler, and a Windows build whose pointer size
# is unknown, where _WIN64 cannot be decided.
function(_vorl_check_toolchain)
  get_property(checked GLOBAL PROPERTY _VORL_TOOLCHAIN_CHECKED)
  if(checked)
    return()
  endif()
  set_property(GLOBAL PROPERTY _VORL_TOOLCHAIN_CHECKED TRUE)
  _vorl_rc_family(family)
  if(family STREQUAL "gnu")
    message(WARNING "vorl_add_resources: the resource compiler ${CMAKE_RC_COMPILER} "
                    "is GNU windres, which refuses lines that VorlTool's scripts hold "
                    "(an effect plug-in's property list gives \"syntax error\"). "
                    "Use llvm-windres (-DCMAKE_RC_COMPILER=llvm-windres, or the name "
                    "of your LLVM version's, such as llvm-windres-14) or, where the "
                    "linker reads .res files, llvm-rc with -C 1252.")
  endif()
  if(WIN32 AND NOT CMAKE_SIZEOF_VOID_P)
    message(WARNING "vorl_add_resources: the pointer size of this Windows build is "
                    "unknown (no C or CXX language is enabled), so _WIN64 is not "
                    "defined for VorlTool; name it in DEFINITIONS for a 64-bit build.")
  endif()
endfunction()

function(vorl_add_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PLAIN" "WORKING_DIRECTORY;OUTPUT_DIRECTORY"
                        "DEFINITIONS;INCLUDE_DIRECTORIES")
  if(NOT TARGET ${target})
    message(FATAL_ERROR "vorl_add_resources: there is no target named \"${target}\"")
  endif()
  if(NOT TARGET VorlTool::VorlTool)
    message(FATAL_ERROR "vorl_add_resources: VorlTool::VorlTool is unknown; "
                        "find_package(VorlTool) or add_subdirectory() it first")
  endif()
  if(NOT arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vorl_add_resources: no .r file given for ${target} (the .r "
                        "files come before DEFINITIONS and INCLUDE_DIRECTORIES)")
  endif()
  if(CMAKE_GENERATOR MATCHES "^(Visual Studio|Xcode)" AND CMAKE_VERSION VERSION_LESS 3.21)
    message(FATAL_ERROR "vorl_add_resources: the ${CMAKE_GENERATOR} generator tracks "
                        "included files from CMake 3.21 on")
  endif()
  if(arg_PLAIN AND (arg_DEFINITIONS OR arg_INCLUDE_DIRECTORIES))
    message(FATAL_ERROR "vorl_add_resources: PLAIN reads ${target}'s .r files without "
                        "options, so DEFINITIONS and INCLUDE_DIRECTORIES cannot be given")
  endif()
  _vorl_check_toolchain()

  if(arg_OUTPUT_DIRECTORY)
    get_filename_component(output_dir "${arg_OUTPUT_DIRECTORY}" ABSOLUTE
                           BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  else()
    set(output_dir "${CMAKE_CURRENT_BINARY_DIR}/vorl/${target}")
  endif()
  file(MAKE_DIRECTORY "${output_dir}")

  set(options "")
  _vorl_rc_family(family)
  if(family STREQUAL "llvm")
    list(APPEND options --llvm-rc)
  endif()
  if(NOT arg_PLAIN)
    # What the target's sources are compiled with. A definition that is not
    # NAME, NAME=VALUE or NAME(PARAMETERS)=VALUE would make VorlTool refuse
    # the whole command line. (No comma may stand in the pattern: it goes
    # into a generator expression.)
    set(takes_definition "^[A-Za-z_][A-Za-z0-9_]*(\\([^)]*\\))?(=|$)")
    set(definitions "$<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>")
    set(definitions "$<FILTER:${definitions},INCLUDE,${takes_definition}>")
    set(folders "$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>")
    list(APPEND options --preprocess)
    if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
      list(APPEND options -D_WIN64)
    endif()
    # $<BOOL:...> would also drop a list that reads as false, such as a lone
    # definition N or OFF.
    list(APPEND options "$<$<NOT:$<STREQUAL:${definitions},>>:-D$<JOIN:${definitions},$<SEMICOLON>-D>>")
    foreach(definition IN LISTS arg_DEFINITIONS)
      string(REGEX REPLACE "^-D" "" definition "${definition}")
      if(NOT definition MATCHES "${takes_definition}")
        message(FATAL_ERROR "vorl_add_resources: \"${definition}\" in DEFINITIONS is not NAME, "
                            "NAME=VALUE or NAME(PARAMETERS)=VALUE (the .r files come before "
                            "DEFINITIONS)")
      endif()
      list(APPEND options "-D${definition}")
    endforeach()
    list(APPEND options "$<$<NOT:$<STREQUAL:${folders},>>:-I$<JOIN:${folders},$<SEMICOLON>-I>>")
    foreach(folder IN LISTS arg_INCLUDE_DIRECTORIES)
      # A generator expression is left to the build, as target_include_directories does.
      if(NOT folder MATCHES "^\\$<")
        get_filename_component(folder "${folder}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        if(EXISTS "${folder}" AND NOT IS_DIRECTORY "${folder}")
          message(FATAL_ERROR "vorl_add_resources: ${folder} in INCLUDE_DIRECTORIES is a "
                              "file (the .r files come before INCLUDE_DIRECTORIES)")
        endif()
      endif()
      list(APPEND options "-I${folder}")
    endforeach()
    list(APPEND options --)
  endif()

  set(scripts "")
  foreach(source IN LISTS arg_UNPARSED_ARGUMENTS)
    get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(arg_WORKING_DIRECTORY)
      get_filename_component(working_dir "${arg_WORKING_DIRECTORY}" ABSOLUTE
                             BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    else()
      get_filename_component(working_dir "${source}" DIRECTORY)
    endif()
    # The .r file is named relative to the working directory. Without options
    # VorlTool splits its first argument at blanks and at bytes from 128 up;
    # the relative path keeps such characters in the folders above out of it.
    file(RELATIVE_PATH input "${working_dir}" "${source}")
    if(arg_PLAIN AND NOT options AND input MATCHES "[^!-~]")
      message(FATAL_ERROR "vorl_add_resources: \"${input}\" (from ${working_dir}) holds a "
                          "blank or a non-ASCII character, which VorlTool's command line "
                          "cannot take in the input path without options (PLAIN)")
    endif()
    if(arg_PLAIN AND input MATCHES "^-")
      set(input "./${input}")
    endif()
    get_filename_component(name "${source}" NAME_WLE)
    set(script "${output_dir}/${name}.rc")
    if(script IN_LIST scripts)
      message(FATAL_ERROR "vorl_add_resources: two files would both write ${script}")
    endif()
    list(APPEND scripts "${script}")

    add_custom_command(OUTPUT "${script}"
      COMMAND "${CMAKE_COMMAND}" -E env "VORLTOOL_DEPFILE=${script}.d"
              "$<TARGET_FILE:VorlTool::VorlTool>" ${options} "${input}" "${script}"
      DEPENDS "${source}" VorlTool::VorlTool
      DEPFILE "${script}.d"
      WORKING_DIRECTORY "${working_dir}"
      COMMENT "VorlTool: converting ${name}.r"
      COMMAND_EXPAND_LISTS
      VERBATIM)
  endforeach()
  target_sources(${target} PRIVATE ${scripts})
endfunction()

cmake_policy(POP)
