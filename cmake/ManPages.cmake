# The manual pages of VorlTool and VorlDump, as installed. The pages in doc/
# name the version as @PROJECT_VERSION@, filled in here from project(), so
# the installed pages and the packages always tell the same version. Their
# COPYRIGHT section names the copyright notice of LICENSE as
# @VORLTOOL_COPYRIGHT@, so a new year or holder there reaches the pages too.
#
# Windows has no man: there the pages are rendered to plain text with groff
# while building (groff runs on the build host, a cross build included) and
# installed with the README. Without groff no page is installed there.

set(vorl_man_dir ${PROJECT_BINARY_DIR}/man)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE VORLTOOL_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT VORLTOOL_COPYRIGHT)
  message(FATAL_ERROR "LICENSE holds no line beginning with \"Copyright \"")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
set(vorl_man_pages "")
foreach(page VorlTool VorlDump)
  configure_file(${PROJECT_SOURCE_DIR}/doc/${page}.1 ${vorl_man_dir}/${page}.1 @ONLY)
  list(APPEND vorl_man_pages ${vorl_man_dir}/${page}.1)
endforeach()

if(NOT WIN32)
  install(FILES ${vorl_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  find_program(VORL_GROFF groff)
  if(VORL_GROFF)
    set(texts "")
    foreach(page IN LISTS vorl_man_pages)
      get_filename_component(name ${page} NAME_WLE)
      set(text ${vorl_man_dir}/${name}.txt)
      # ASCII without the terminal's bold and underline (grotty -c -b -o -u),
      # so any editor shows it as it stands.
      add_custom_command(OUTPUT ${text}
        COMMAND ${VORL_GROFF} -man -Tascii -P-cbou ${page} > ${text}
        DEPENDS ${page}
        COMMENT "groff: the manual page of ${name} as text")
      list(APPEND texts ${text})
    endforeach()
    add_custom_target(man_page_text ALL DEPENDS ${texts})
    install(FILES ${texts} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  else()
    message(STATUS "groff not found: the manual pages are not installed as text")
  endif()
endif()
