# The VorlTool package: find_package(VorlTool) gives the imported executable
# VorlTool::VorlTool and the function vorl_add_resources().
#
# VorlTool runs on the build host. In a cross build whose toolchain file keeps
# package searches inside the target's root, find it with
# find_package(VorlTool REQUIRED NO_CMAKE_FIND_ROOT_PATH).
include("${CMAKE_CURRENT_LIST_DIR}/VorlToolTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/VorlToolResources.cmake")
