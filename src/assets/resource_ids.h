// Resource identifiers of Vantrel's pictures, icons and pointer.
// Written by tools/make_skin.py together with vantrel.rc and the skin;
// plain #defines so that both C++ and the resource compiler read them.
#ifndef VANTREL_ASSETS_RESOURCE_IDS_H
#define VANTREL_ASSETS_RESOURCE_IDS_H

// Icons: IDI_APP comes first, so it is the executable's icon.
#define IDI_APP                   1
#define IDI_TRAY0                 11
#define IDI_TRAY1                 12
#define IDI_TRAY2                 13

// Cursors.
#define IDC_POINTER               21

// Bitmaps, 24-bit. Magenta (255, 0, 255) marks the see-through pixels of
// the pictures that have some (sound, menu images, sidebar).
#define IDB_MAIN_BACK             101
#define IDB_PAGE_WINDOWS          102
#define IDB_PAGE_OPTIONS          103
#define IDB_PAGE_STATS            104
#define IDB_PAGE_HELP             105
#define IDB_TAB                   106
#define IDB_TAB_HOVER             107
#define IDB_BUTTON                108
#define IDB_BUTTON_HOVER          109
#define IDB_BUTTON_WIDE           110
#define IDB_BUTTON_WIDE_HOVER     111
#define IDB_HELP                  112
#define IDB_HELP_HOVER            113
#define IDB_MINIMISE              114
#define IDB_MINIMISE_HOVER        115
#define IDB_SOUND                 116
#define IDB_SOUND_HOVER           117
#define IDB_CLOSE                 118
#define IDB_CLOSE_HOVER           119
#define IDB_MENU_IMAGES           120
#define IDB_SIDEBAR               121
#define IDB_SOUND_BACK            122

// IDB_MENU_IMAGES holds 15 images of 16x16, left to right, numbered from 1:
// 1 minimise, 2 window list, 3 destroy all, 4 statistics, 5 refresh,
// 6 show the main window, 7 add, 8 options, 9 help, 10 sound, 11 quit,
// 12 information, 13 folder, 14 web, 15 star.
#define VANTREL_MENU_IMAGE_SIZE   16
#define VANTREL_MENU_IMAGE_COUNT  15

#endif  // VANTREL_ASSETS_RESOURCE_IDS_H
