# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the staged files of each package,
# before it is packed. For the Debian package only, adds what Debian asks of
# every package and an install does not make (lintian reports each missing
# one as an error): the copyright file, in place of LICENSE, and a changelog
# in the documentation folder, compressed with gzip -9n as are the manual
# pages, and, for static programs, the note that they are so on purpose.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(package vorltool)
set(doc "${root}/share/doc/${package}")

# The machine-readable copyright file, made from the LICENSE installed beside
# the README, which it then replaces: the notice's holder and year, and the
# licence's text after it, each line indented by a blank and an empty line
# written " .", as the format asks.
file(READ "${doc}/LICENSE" licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n+(.+[^\n])\n*$")
  message(FATAL_ERROR "${doc}/LICENSE: no \"Copyright (c) \" line followed by the licence's text")
endif()
set(copyright "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" licence "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " licence " ${licence}")
configure_file("${CPACK_VORL_DEBIAN_DIR}/copyright.in" "${doc}/copyright" @ONLY)
file(REMOVE "${doc}/LICENSE")

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
