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

// Shell texts of an installation (301 to 314)
#include "res/shell_strings.h"

// Dialog templates of the wizard pages
#define IDD_WELCOME       101
#define IDD_ASSOCIATIONS  104
#define IDD_WHATS_NEW     108
#define IDD_READY         109
#define IDD_FINISH        110

// Artwork
#define IDI_SETUP   111
#define IDB_BANNER  113

// Embedded data
#define IDR_RELEASE_NOTES  217
#define IDR_PAYLOAD       1974
