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

// Shell texts of an installation: names of the links (without ".lnk"), their
// descriptions and the browse verb for folders and drives
#define IDS_LINK_VIEWER_VERSIONED     301
#define IDS_LINK_GROUP_THUMBNAILS     302
#define IDS_LINK_UNINSTALL            303
#define IDS_LINK_ABOUT                304
#define IDS_LINK_CHANGES              305
#define IDS_LINK_OPTIONS              306
#define IDS_LINK_PLUGINS              307
#define IDS_LINK_LANGUAGES            308
#define IDS_LINK_HELP                 309
#define IDS_LINK_DESKTOP_VIEWER       310
#define IDS_LINK_DESKTOP_THUMBNAILS   311
#define IDS_DESCRIPTION_VIEWER        312
#define IDS_DESCRIPTION_THUMBNAILS    313
#define IDS_BROWSE_VERB               314

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
