# Formatting is part of the build's checks: `cmake --build <dir> --target check-format`,
# and the same check runs with the test suite. `bash tools/check-format.sh --fix` mends it.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
if(CLANG_FORMAT)
  add_custom_target(check-format
    COMMAND ${CMAKE_COMMAND} -E env CLANG_FORMAT=${CLANG_FORMAT}
            bash ${PROJECT_SOURCE_DIR}/tools/check-format.sh
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
  if(FERROVA_TESTS)
    add_test(NAME check_format COMMAND bash ${PROJECT_SOURCE_DIR}/tools/check-format.sh)
    set_tests_properties(check_format PROPERTIES ENVIRONMENT "CLANG_FORMAT=${CLANG_FORMAT}")
  endif()
elseif(FERROVA_TESTS)
  message(WARNING "No clang-format: the format check is left out (bash tools/setup.sh test installs it)")
endif()
