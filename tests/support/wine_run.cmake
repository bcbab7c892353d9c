# The runner keeps the tests' unmanaged Wine prefix apart from a run as on a desktop.
add_test(NAME wine_run_prefix_tests
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine_run_prefix_test.sh ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh)
set_tests_properties(wine_run_prefix_tests PROPERTIES TIMEOUT 60)
