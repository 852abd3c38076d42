/* The setup program's resource and control ids, and its version record.
   The resource script and the C++ both include this header, so that each
   number is written once. */
#ifndef QV_SETUP_RESOURCE_IDS_H
#define QV_SETUP_RESOURCE_IDS_H

/* The program's icon. */
#define IDR_SETUP_ICON 128

/* Dialog templates. */
#define IDD_SETUP_DIALOG 102
#define IDD_PROPPAGE_DIR 106
#define IDD_PROPPAGE_LICENSE 107
#define IDD_PROGRESS 131

/* Controls. */
#define IDC_INSTALL 1000
#define IDC_UNINSTALL 1001
#define IDC_DIR_EDIT 1003
#define IDC_BROWSE 1004
#define IDC_LICENSE_EDIT 1005
#define IDC_PROGRESS_BAR 1006
#define IDC_PROGRESS_TEXT 1007

/* Strings: the closing messages and the confirmation. */
#define IDS_INSTALL_DONE 1
#define IDS_INSTALL_FAILED 2
#define IDS_UNINSTALL_DONE 3
#define IDS_UNINSTALL_FAILED 4
#define IDS_CONFIRM_UNINSTALL 7

/* The setup program's own version, apart from the product's. */
#define QV_SETUP_VERSION_RECORD 1,0,0,3
#define QV_SETUP_VERSION_RECORD_TEXT "1, 0, 0, 3"
#define QV_SETUP_MANIFEST_VERSION "1.0.0.3"

#endif
