// Identifiers of the uninstaller's resources. The shell texts it shares with the setup
// (link names, the browse verb) keep their own identifiers, 301 to 314.
#pragma once

#include "res/shell_strings.h"

#define IDI_UNINSTALLER 1

#define IDS_CONFIRM_UNINSTALL    401
#define IDS_VIEWER_RUNNING       402
#define IDS_NOT_INSTALLED        403
#define IDS_REMOVED              404
#define IDS_REMOVED_FOLDER_KEPT  405
#define IDS_INCOMPLETE           406
#define IDS_NO_RESULT            407
