# Reads the build constants from their one header, so that the executable's name and the
# program agree on the version.
file(STRINGS "${CMAKE_CURRENT_SOURCE_DIR}/app/build_constants.h" _setup_name_line
     REGEX "^#define LUMETRA_SETUP_FILE_NAME ")
string(REGEX REPLACE "^#define LUMETRA_SETUP_FILE_NAME \"(.*)\\.exe\"$" "\\1"
       LUMETRA_SETUP_BASENAME "${_setup_name_line}")
if(NOT LUMETRA_SETUP_BASENAME)
    message(FATAL_ERROR "LUMETRA_SETUP_FILE_NAME not found in app/build_constants.h")
endif()
