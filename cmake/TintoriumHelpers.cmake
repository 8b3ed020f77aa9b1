# Warnings for our own targets; -Werror only when asked (CI).
function(tintorium_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(TINTORIUM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A GoogleTest executable run by CTest. Qt tests get the offscreen platform.
#   tintorium_add_test(NAME name SOURCES ... LIBS ... [QT])
function(tintorium_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  tintorium_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  # Shared test helpers are included by their path under tests/ ("support/...", "engine/palette/...").
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE tintorium_qt_test_main Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    TINTORIUM_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    TINTORIUM_CORPUS="${PROJECT_SOURCE_DIR}/tests/data/corpus")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(T_QT)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
