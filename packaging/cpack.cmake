# The release archives, made by cpack in a build folder: on Linux a tar.gz
# (VorlTool-<version>-Linux-<processor>.tar.gz) and a Debian package
# (vorltool_<version>_<architecture>.deb), on Windows (the mingw-w64 cross
# build) a zip (VorlTool-<version>-win64.zip). Each holds what cmake --install
# installs. Configure the release build with -DVORLTOOL_STATIC=ON, so the
# programs run on machines without this one's C++ runtime;
# .ci/release_archives.sh builds all three.

set(CPACK_PACKAGE_NAME VorlTool)
set(CPACK_PACKAGE_VENDOR "The VorlTool developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "convert Macintosh-style resource descriptions to Windows resource scripts")
set(CPACK_PACKAGE_DESCRIPTION
    "VorlTool turns the property list and string lists of an image-editing plug-in,\n"
    "written once in the Macintosh resource language (.r), into a Windows\n"
    "resource script (.rc). VorlDump reads them back from a compiled resource file\n"
    "or a plug-in DLL. A CMake package converts .r files while a plug-in builds.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ DEB)
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})

  # The project, as the copyright holder is named; a distribution that packs
  # it names its own maintainer with -DVORLTOOL_PACKAGE_MAINTAINER=...
  set(VORLTOOL_PACKAGE_MAINTAINER "${CPACK_PACKAGE_VENDOR} <developers@vorltool.invalid>"
      CACHE STRING "The Maintainer field of the Debian package: a name and an address")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORLTOOL_PACKAGE_MAINTAINER}")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # Static programs depend on no other package; dynamic ones on the
  # libraries dpkg-shlibdeps finds they load.
  if(NOT VORLTOOL_STATIC)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  endif()
  # What Debian asks of every package but an install does not make: the
  # copyright and changelog, compressed manual pages.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_extras.cmake)
  set(CPACK_VORL_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR}/debian)
  set(CPACK_VORL_STATIC ${VORLTOOL_STATIC})
endif()

include(CPack)
