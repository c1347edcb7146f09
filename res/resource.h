// Identifiers of the setup's resources, shared by the resource script and the code.
#pragma once

// String table
#define IDS_CANCEL_BUTTON          1
#define IDS_FINISH_BUTTON          2
#define IDS_CONFIRM_QUIT           3
#define IDS_INVALID_TARGET_FOLDER  5
#define IDS_TARGET_FOLDER_LABEL    6
#define IDS_INSTALL_FAILED         7
#define IDS_BROWSE_TITLE           8
#define IDS_CONFIRM_ASSOCIATIONS   9
#define IDS_VIEWER_RUNNING        10
#define IDS_CANNOT_CREATE_FOLDER  11
#define IDS_BACK_BUTTON           12
#define IDS_NEXT_BUTTON           13

// Shell texts of an installation (301 to 314)
#include "res/shell_strings.h"

// Dialog templates of the wizard pages
#define IDD_WELCOME       101
#define IDD_ASSOCIATIONS  104
#define IDD_WHATS_NEW     108
#define IDD_READY         109
#define IDD_FINISH        110

// Controls of the wizard pages. Ids are unique to their page, except 1000, which each
// page uses for its own edit control.
// Welcome page (101)
#define IDC_TARGET_FOLDER         1000
#define IDC_BROWSE                1009
#define IDC_START_MENU_SHORTCUT   1012
#define IDC_DESKTOP_SHORTCUT      1011
#define IDC_WELCOME_HEADING       1013
#define IDC_CURRENT_USER          1016
#define IDC_ALL_USERS             1017
#define IDC_NO_SHORTCUTS          1019
#define IDC_THUMBNAILS_SHORTCUT   1021
#define IDC_EULA_LINK             1045
#define IDC_WELCOME_TEXT          1056
// What's new page (108)
#define IDC_RELEASE_NOTES         1000
// Associations page (104)
#define IDC_ASSOCIATE_ALL_USERS   1037
#define IDC_FILE_TYPE_LIST        1579
#define IDC_SELECT_ALL            1080
#define IDC_SELECT_NONE           1081
#define IDC_IMAGES_ONLY           1091
#define IDC_WRITE_ASSOCIATIONS    3311
// Ready page (109)
#define IDC_INI_CUSTOM_FOLDER     1000
#define IDC_FOLDER_LINE           1010
#define IDC_READY_HEADING         1014
#define IDC_INI_IN_PROGRAM_FOLDER 1038
#define IDC_INI_IN_APPDATA        1039
#define IDC_INI_CUSTOM            1040
#define IDC_INI_BROWSE            1042
#define IDC_INSTALLING            1044
// Finish page (110)
#define IDC_FINISH_HEADING        1015
#define IDC_START_VIEWER          1020
#define IDC_SHOW_FAQ              1022

// Artwork
#define IDI_SETUP   111
#define IDB_BANNER  113

// Embedded data
#define IDR_RELEASE_NOTES  217
#define IDR_PAYLOAD       1974
