# Converts the sample A files with quillon-cli and reads the workbook back
# with xlrd, a reader nobody here wrote.
add_test(NAME ConvertSamplesReadBackWithXlrd
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/convert_check.py
          $<TARGET_FILE:quillon-cli> ${PROJECT_SOURCE_DIR}/samples)
