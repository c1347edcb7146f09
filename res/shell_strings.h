// Identifiers of the texts an installation leaves in the shell (res/shell_strings.rc),
// shared by the setup and the uninstaller.
#pragma once

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
