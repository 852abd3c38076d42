/* The configuration dialog's dialog templates and control ids. The resource
   script and the C++ both include this header, so that each number is
   written once. */
#ifndef QV_CONFIG_CONFIG_IDS_H
#define QV_CONFIG_CONFIG_IDS_H

/* The button registration page. */
#define IDD_BUTTON_PAGE 103

/* Which slot is edited, and the key a key button types. */
#define IDC_SLOT_LABEL 1027
#define IDC_KEY_NAME 1064

/* The fourteen action radio buttons, in the page's tab order. */
#define IDC_ACTION_NONE 1004
#define IDC_ACTION_LEFT 1005
#define IDC_ACTION_RIGHT 1006
#define IDC_ACTION_MIDDLE 1007
#define IDC_ACTION_WHEEL_UP 1008
#define IDC_ACTION_WHEEL_DOWN 1009
#define IDC_ACTION_WHEEL_STICK 1010
#define IDC_ACTION_SCROLL_STICK 1029
#define IDC_ACTION_ARROW_STICK 1015
#define IDC_ACTION_ACCEL 1011
#define IDC_ACTION_DECEL 1051
#define IDC_ACTION_FAVORITES 1055
#define IDC_ACTION_KEY 1063
#define IDC_ACTION_LAUNCH 1059

/* The program a launch button starts. */
#define IDC_APP_PATH 1060
#define IDC_APP_BROWSE 1061

/* The extension check boxes. */
#define IDC_EXT_DOUBLE 1012
#define IDC_EXT_HOLD 1052
#define IDC_EXT_SHIFT 1013
#define IDC_EXT_CTRL 1014
#define IDC_EXT_ALT 1062

/* The press and release sounds: the switch, the file, browse and test. */
#define IDC_PRESS_SOUND 1037
#define IDC_PRESS_SOUND_PATH 1031
#define IDC_PRESS_SOUND_BROWSE 1032
#define IDC_PRESS_SOUND_TEST 1033
#define IDC_RELEASE_SOUND 1038
#define IDC_RELEASE_SOUND_PATH 1034
#define IDC_RELEASE_SOUND_BROWSE 1035
#define IDC_RELEASE_SOUND_TEST 1036

/* The system page. */
#define IDD_SYSTEM_PAGE 104

/* The pointer-motion sliders and the throttle option. */
#define IDC_SPEED_SLIDER 1016
#define IDC_NSPEED_SLIDER 1022
#define IDC_GSPEED_SLIDER 1018
#define IDC_DELAY_SLIDER 1030
#define IDC_SIKII_SLIDER 1053
#define IDC_THROTTLE 1054

/* The pointer sounds: the switch, the file, browse and test. */
#define IDC_CURSOR_SOUND_ON 1038
#define IDC_CURSOR_SOUND_ON_PATH 1040
#define IDC_CURSOR_SOUND_ON_BROWSE 1043
#define IDC_CURSOR_SOUND_ON_TEST 1044
#define IDC_CURSOR_SOUND_OFF 1039
#define IDC_CURSOR_SOUND_OFF_PATH 1041
#define IDC_CURSOR_SOUND_OFF_BROWSE 1045
#define IDC_CURSOR_SOUND_OFF_TEST 1046

/* The pad port, its arrows, and whether a pad answers there. */
#define IDC_PORT 1047
#define IDC_PORT_SPIN 1049
#define IDC_PAD_STATUS 1050

#endif
