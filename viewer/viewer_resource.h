// Identifiers of the viewer's resources.
#pragma once

// Icon groups. Other programs name them by their position (registry DefaultIcon values,
// shell links), which follows the numeric order of these ids: keep them contiguous and
// in this order.
#define IDI_VIEWER         1  // index 0: the application
#define IDI_IMAGE_FILE     2  // index 1
#define IDI_CAMERA_FILE    3  // index 2
#define IDI_ANIMATION_FILE 4  // index 3
#define IDI_DOCUMENT_FILE  5  // index 4
#define IDI_SYMBOL_FILE    6  // index 5
#define IDI_PAGES_FILE     7  // index 6
#define IDI_THUMBNAILS     8  // index 7: the thumbnail view
#define IDI_AUDIO_FILE     9  // index 8
#define IDI_VIDEO_FILE    10  // index 9

// Strings
#define IDS_CANNOT_SHOW      1
#define IDS_NO_IMAGE         2
#define IDS_THUMBNAILS_TITLE 3
#define IDS_NO_IMAGES_HERE   4
