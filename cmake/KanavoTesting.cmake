# One place that registers a test executable with its labels and environment,
# so `ctest -L core` (or gui, fuzz) runs one set.
find_package(GTest REQUIRED)
include(GoogleTest)

set(KANAVO_TEST_DATA_DIR "${PROJECT_SOURCE_DIR}/tests/data")

# kanavo_add_gtest(NAME <target> LABEL <label> SOURCES <files...> [LIBS <libs...>])
function(kanavo_add_gtest)
  cmake_parse_arguments(ARG "" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${ARG_NAME} PRIVATE KANAVO_TEST_DATA_DIR="${KANAVO_TEST_DATA_DIR}")
  gtest_discover_tests(${ARG_NAME}
    PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# kanavo_add_qtest(NAME <target> SOURCES <files...> [LIBS <libs...>])
# One Qt Test executable per test file, run on the offscreen platform.
function(kanavo_add_qtest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} Qt6::Test)
  target_compile_definitions(${ARG_NAME} PRIVATE KANAVO_TEST_DATA_DIR="${KANAVO_TEST_DATA_DIR}")
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
