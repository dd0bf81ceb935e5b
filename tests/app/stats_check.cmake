# Converts the sample A files into the statistics workbook and reads it back
# with xlrd, checking figures worked out from the decoded tables.
add_test(NAME StatisticsWorkbookReadBackWithXlrd
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/stats_check.py
          $<TARGET_FILE:quillon-cli> ${PROJECT_SOURCE_DIR}/samples)
