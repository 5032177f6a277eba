# vorl_add_resources: turns resource description files (.r) into resource
# scripts (.rc) at build time and adds the scripts to a target, whose resource
# compiler then builds them into the binary.
#
#   vorl_add_resources(<target> [WORKING_DIRECTORY <dir>] [OUTPUT_DIRECTORY <dir>]
#                      <file.r>...)
#
# Each .r file gets one custom command that runs VorlTool::VorlTool in the
# working directory, the folder that the file's #include paths are taken from
# (default: the .r file's own folder; a relative one is taken from the current
# source folder). The script <name>.rc goes into the output directory (default:
# <current binary folder>/vorl/<target>; a relative one is taken from the
# current binary folder). VorlTool writes a dependency file beside the script
# (VORLTOOL_DEPFILE), so the build reruns the command when the .r file, any
# header it included, or VorlTool itself changes, and only then.
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

function(vorl_add_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "WORKING_DIRECTORY;OUTPUT_DIRECTORY" "")
  if(NOT TARGET ${target})
    message(FATAL_ERROR "vorl_add_resources: there is no target named \"${target}\"")
  endif()
  if(NOT TARGET VorlTool::VorlTool)
    message(FATAL_ERROR "vorl_add_resources: VorlTool::VorlTool is unknown; "
                        "find_package(VorlTool) or add_subdirectory() it first")
  endif()
  if(NOT arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vorl_add_resources: no .r file given for ${target}")
  endif()
  if(CMAKE_GENERATOR MATCHES "^(Visual Studio|Xcode)" AND CMAKE_VERSION VERSION_LESS 3.21)
    message(FATAL_ERROR "vorl_add_resources: the ${CMAKE_GENERATOR} generator tracks "
                        "included files from CMake 3.21 on")
  endif()

  if(arg_OUTPUT_DIRECTORY)
    get_filename_component(output_dir "${arg_OUTPUT_DIRECTORY}" ABSOLUTE
                           BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  else()
    set(output_dir "${CMAKE_CURRENT_BINARY_DIR}/vorl/${target}")
  endif()
  file(MAKE_DIRECTORY "${output_dir}")

  set(scripts "")
  foreach(source IN LISTS arg_UNPARSED_ARGUMENTS)
    get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(arg_WORKING_DIRECTORY)
      get_filename_component(working_dir "${arg_WORKING_DIRECTORY}" ABSOLUTE
                             BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    else()
      get_filename_component(working_dir "${source}" DIRECTORY)
    endif()
    # VorlTool splits its first argument at blanks and at bytes from 128 up,
    # so the .r file is named relative to the working directory, where such
    # characters in the folders above cannot reach it.
    file(RELATIVE_PATH input "${working_dir}" "${source}")
    if(input MATCHES "[^!-~]")
      message(FATAL_ERROR "vorl_add_resources: \"${input}\" (from ${working_dir}) holds a "
                          "blank or a non-ASCII character, which VorlTool's command line "
                          "cannot take in the input path")
    endif()
    get_filename_component(name "${source}" NAME_WLE)
    set(script "${output_dir}/${name}.rc")
    if(script IN_LIST scripts)
      message(FATAL_ERROR "vorl_add_resources: two files would both write ${script}")
    endif()
    list(APPEND scripts "${script}")

    add_custom_command(OUTPUT "${script}"
      COMMAND "${CMAKE_COMMAND}" -E env "VORLTOOL_DEPFILE=${script}.d"
              "$<TARGET_FILE:VorlTool::VorlTool>" "${input}" "${script}"
      DEPENDS "${source}" VorlTool::VorlTool
      DEPFILE "${script}.d"
      WORKING_DIRECTORY "${working_dir}"
      COMMENT "VorlTool: converting ${name}.r"
      VERBATIM)
  endforeach()
  target_sources(${target} PRIVATE ${scripts})
endfunction()

cmake_policy(POP)
