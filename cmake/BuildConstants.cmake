# Reads the build constants from their one header, so that the executable's name and the
# program agree on the version.
file(STRINGS "${CMAKE_CURRENT_SOURCE_DIR}/app/build_constants.h" _setup_name_line
     REGEX "^#define LUMETRA_SETUP_FILE_NAME ")
string(REGEX REPLACE "^#define LUMETRA_SETUP_FILE_NAME \"(.*)\\.exe\"$" "\\1"
       LUMETRA_SETUP_BASENAME "${_setup_name_line}")
if(NOT LUMETRA_SETUP_BASENAME)
    message(FATAL_ERROR "LUMETRA_SETUP_FILE_NAME not found in app/build_constants.h")
endif()

# The size the icon library is padded to (see plugins/).
file(STRINGS "${CMAKE_CURRENT_SOURCE_DIR}/app/build_constants.h" _icons_size_line
     REGEX "^#define LUMETRA_ICONS_LIBRARY_SIZE ")
string(REGEX REPLACE "^#define LUMETRA_ICONS_LIBRARY_SIZE ([0-9]+)$" "\\1"
       LUMETRA_ICONS_LIBRARY_SIZE "${_icons_size_line}")
if(NOT LUMETRA_ICONS_LIBRARY_SIZE MATCHES "^[0-9]+$")
    message(FATAL_ERROR "LUMETRA_ICONS_LIBRARY_SIZE not found in app/build_constants.h")
endif()
