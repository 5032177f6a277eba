# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the staged files of each package,
# before it is packed. For the Debian package only, adds what Debian asks of
# every package and an install does not make (lintian reports each missing
# one as an error): the copyright and a changelog in the documentation folder,
# compressed with gzip -9n as are the manual pages, and, for static programs,
# the note that they are so on purpose.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(package vorltool)
set(doc "${root}/share/doc/${package}")

file(COPY "${CPACK_VORL_DEBIAN_DIR}/copyright" DESTINATION "${doc}")
# One entry, for the version packed; RFC 5322 time, from SOURCE_DATE_EPOCH
# when it is set, as string(TIMESTAMP) reads it.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file("${CPACK_VORL_DEBIAN_DIR}/changelog.in" "${doc}/changelog" @ONLY)

file(GLOB pages "${root}/share/man/man*/*")
foreach(file IN LISTS pages ITEMS "${doc}/changelog")
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

if(CPACK_VORL_STATIC)
  file(COPY "${CPACK_VORL_DEBIAN_DIR}/lintian-overrides" DESTINATION "${root}/share/lintian/overrides")
  file(RENAME "${root}/share/lintian/overrides/lintian-overrides"
              "${root}/share/lintian/overrides/${package}")
endif()
