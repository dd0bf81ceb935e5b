# Sample grids saved as workbooks and read back by python3-xlrd.
add_executable(quillon_xls_samples ${CMAKE_CURRENT_LIST_DIR}/xls_samples.cpp)
target_link_libraries(quillon_xls_samples PRIVATE quillon_core nlohmann_json::nlohmann_json)
add_test(NAME grid.XlsReadBack
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/xls_readback.py
          $<TARGET_FILE:quillon_xls_samples>)
set_tests_properties(grid.XlsReadBack PROPERTIES TIMEOUT 600)
add_test(NAME grid.XlsxReadBack
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/xlsx_readback.py
          $<TARGET_FILE:quillon_xls_samples>)
set_tests_properties(grid.XlsxReadBack PROPERTIES TIMEOUT 600)
