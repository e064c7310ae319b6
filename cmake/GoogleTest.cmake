# GoogleTest.cmake - GoogleTest for the cross build, one Wine process per
# test program.
#
# include(cmake/GoogleTest.cmake) after project() (it includes Wine.cmake).
# It builds gtest, gtest_main, gmock and gmock_main from the machine's
# sources (/usr/src/googletest, Debian package "googletest"; override with
# -DVMTOOL_GOOGLETEST_DIR=...) with the cross compiler, and calls
# enable_testing().
#
#   add_wine_test(NAME <name>
#                 SOURCES <file>...
#                 [LIBS <lib>...]            # extra target_link_libraries
#                 [ARGS <arg>...]            # arguments for the test program
#                 [TIMEOUT <seconds>]        # ctest TIMEOUT property
#                 [LABELS <label>...])
#
# creates the console executable <name> (bin/<name>.exe), links it with
# gtest_main and gmock (PRIVATE, plus LIBS) and registers exactly one ctest
# test <name> that runs the whole program through tools/wine-run, working
# directory = the directory of the executable. With main() of your own, link
# gtest instead: add_wine_test(... NO_GTEST_MAIN LIBS gtest ...).
include_guard(GLOBAL)
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

set(VMTOOL_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${VMTOOL_GOOGLETEST_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${VMTOOL_GOOGLETEST_DIR} (run tools/setup.sh)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# Our -Wall/-Wextra (added by the project after this file) never reach
# GoogleTest: its directory takes the compile options of this moment.
add_subdirectory("${VMTOOL_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)

enable_testing()

function(add_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "NO_GTEST_MAIN" "NAME;TIMEOUT" "SOURCES;LIBS;ARGS;LABELS")
  if(NOT arg_NAME OR NOT arg_SOURCES)
    message(FATAL_ERROR "add_wine_test: NAME and SOURCES are required")
  endif()
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "add_wine_test(${arg_NAME}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()

  add_executable(${arg_NAME} ${arg_SOURCES})
  if(arg_NO_GTEST_MAIN)
    target_link_libraries(${arg_NAME} PRIVATE ${arg_LIBS})
  else()
    target_link_libraries(${arg_NAME} PRIVATE gtest_main gmock ${arg_LIBS})
  endif()

  add_test(NAME ${arg_NAME}
           COMMAND ${arg_NAME} ${arg_ARGS}
           WORKING_DIRECTORY $<TARGET_FILE_DIR:${arg_NAME}>)
  if(arg_TIMEOUT)
    set_tests_properties(${arg_NAME} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
  if(arg_LABELS)
    set_tests_properties(${arg_NAME} PROPERTIES LABELS "${arg_LABELS}")
  endif()
endfunction()
