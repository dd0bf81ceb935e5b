# Converts the sample A files into .xls and .xlsx workbooks, with and without
# number cells, and reads them back with xlrd and openpyxl.
add_test(NAME XlsxAndNumberCellsReadBack
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/xlsx_check.py
          $<TARGET_FILE:quillon-cli> ${PROJECT_SOURCE_DIR}/samples)
set_tests_properties(XlsxAndNumberCellsReadBack PROPERTIES TIMEOUT 600)
