/* The resident program's resource, control and command ids. The resource
   script and the C++ both include this header, so that each number is
   written once. */
#ifndef QV_SHELL_RESOURCE_IDS_H
#define QV_SHELL_RESOURCE_IDS_H

#include "framework/framework_ids.h"

/* The document template's resources: the pop-up menu, and the program's
   icon, which is also the picture of running. */
#define IDR_MAINFRAME 128
#define IDR_POPUP_MENU IDR_MAINFRAME
#define IDD_ABOUTBOX 100
#define IDB_SPLASH 105
#define IDS_APP_TITLE 57344

/* The notification icon's pictures. */
#define ICON_ACTIVE IDR_MAINFRAME
#define ICON_PAUSED 129
#define ICON_HOLDING 138

/* Commands of the pop-up menu; ID_APP_EXIT is the framework's. */
#define ID_HELP_CONTENTS 32771
#define ID_SETUP 32772
#define ID_FAVORITES 32773
#define ID_APP_ABOUT 57664
/* The favourites menu's items: FAVORITE_ID_BASE + entry index. */
#define FAVORITE_ID_BASE 32775

#endif
