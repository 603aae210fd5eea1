# Google tests found in their programs at test time, with the environment they need.
#
# gtest_discover_tests hands its PROPERTIES on through several CMake calls, and each one
# splits a list again: ENVIRONMENT "A=1;B=2" reached the tests as ENVIRONMENT A=1 and a
# stray B=2, so every variable after the first was lost. The environment is set instead
# by a file of our own that ctest reads after the list of discovered tests.
include(GoogleTest)

function(orv_discover_tests target)
  cmake_parse_arguments(arg "" "" "ENVIRONMENT" ${ARGN})
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(GENERATE OUTPUT ${file} CONTENT
    "if(${target}_TESTS)\n  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT \"${arg_ENVIRONMENT}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
