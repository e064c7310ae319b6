# Wine.cmake - run the cross-built Windows programs through Wine.
#
# include(cmake/Wine.cmake) right after project(). It sets:
#   CMAKE_CROSSCOMPILING_EMULATOR  tools/wine-run --build-dir <build dir>, so
#                                  ctest (add_test with a target as COMMAND)
#                                  runs each .exe through Wine
#   VMTOOL_BUILD_DIR               the build tree (= CMAKE_BINARY_DIR)
#   VMTOOL_WINEPREFIX              the private Wine prefix: <build>/wineprefix
#   VMTOOL_TOOLS_DIR               absolute path of tools/
#   CMAKE_RUNTIME_OUTPUT_DIRECTORY <build>/bin (exes and DLLs side by side,
#   CMAKE_LIBRARY_OUTPUT_DIRECTORY  so Wine finds project DLLs next to the exes)
#   CMAKE_ARCHIVE_OUTPUT_DIRECTORY <build>/lib (static and import libraries)
# The output directories are only set when not set before.
# The prefix is created on first use by tools/wine-run (tools/wine-prefix.sh).
include_guard(GLOBAL)

get_filename_component(VMTOOL_TOOLS_DIR "${CMAKE_CURRENT_LIST_DIR}/../tools" ABSOLUTE)
set(VMTOOL_BUILD_DIR "${CMAKE_BINARY_DIR}")
set(VMTOOL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")

if(CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${VMTOOL_TOOLS_DIR}/wine-run;--build-dir;${CMAKE_BINARY_DIR}")
endif()

if(NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
endif()
if(NOT CMAKE_LIBRARY_OUTPUT_DIRECTORY)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
endif()
if(NOT CMAKE_ARCHIVE_OUTPUT_DIRECTORY)
  set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib")
endif()
