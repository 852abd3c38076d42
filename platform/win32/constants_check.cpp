// Compile-time proof that our plain constants and records match the Windows
// headers; nothing here runs.
#include <cstddef>

#include "platform/constants.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/menus.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/types.h"
#include "platform/win32/win32_api.h"

#include <commdlg.h>
#include <shlobj.h>  // after the Windows headers, which it needs

namespace qv {
namespace {

#define QV_SAME(ours, theirs) static_assert((ours) == (theirs), #ours " must equal " #theirs)

// Window messages.
QV_SAME(kWmCreate, WM_CREATE);
QV_SAME(kWmDestroy, WM_DESTROY);
QV_SAME(kWmPaint, WM_PAINT);
QV_SAME(kWmClose, WM_CLOSE);
QV_SAME(kWmSetIcon, WM_SETICON);
QV_SAME(kIconSmall, static_cast<WParam>(ICON_SMALL));
QV_SAME(kIconBig, static_cast<WParam>(ICON_BIG));
QV_SAME(kWmQueryEndSession, WM_QUERYENDSESSION);
QV_SAME(kWmEndSession, WM_ENDSESSION);
QV_SAME(kWmNcLButtonDown, WM_NCLBUTTONDOWN);
QV_SAME(kWmNcRButtonDown, WM_NCRBUTTONDOWN);
QV_SAME(kWmNcMButtonDown, WM_NCMBUTTONDOWN);
QV_SAME(kWmKeyDown, WM_KEYDOWN);
QV_SAME(kWmKeyUp, WM_KEYUP);
QV_SAME(kWmSysKeyDown, WM_SYSKEYDOWN);
QV_SAME(kWmSysKeyUp, WM_SYSKEYUP);
QV_SAME(kWmInitDialog, WM_INITDIALOG);
QV_SAME(kWmCommand, WM_COMMAND);
QV_SAME(kWmTimer, WM_TIMER);
QV_SAME(kWmHScroll, WM_HSCROLL);
QV_SAME(kWmVScroll, WM_VSCROLL);
QV_SAME(kWmInitMenuPopup, WM_INITMENUPOPUP);
QV_SAME(kWmMouseMove, WM_MOUSEMOVE);
QV_SAME(kWmLButtonDown, WM_LBUTTONDOWN);
QV_SAME(kWmLButtonUp, WM_LBUTTONUP);
QV_SAME(kWmLButtonDblClk, WM_LBUTTONDBLCLK);
QV_SAME(kWmRButtonDown, WM_RBUTTONDOWN);
QV_SAME(kWmRButtonUp, WM_RBUTTONUP);
QV_SAME(kWmMButtonDown, WM_MBUTTONDOWN);
QV_SAME(kWmMouseWheel, WM_MOUSEWHEEL);
QV_SAME(kWmUser, WM_USER);
QV_SAME(kWmNotifyIcon, WM_USER + 10);
QV_SAME(kWmApp, WM_APP);

// Scroll bars and mouse-message key flags.
QV_SAME(kSbLineUp, SB_LINEUP);
QV_SAME(kSbLineDown, SB_LINEDOWN);
QV_SAME(kMkShift, MK_SHIFT);
QV_SAME(kMkControl, MK_CONTROL);

// Synthesised input.
QV_SAME(kMouseMove, MOUSEEVENTF_MOVE);
QV_SAME(kMouseLeftDown, MOUSEEVENTF_LEFTDOWN);
QV_SAME(kMouseLeftUp, MOUSEEVENTF_LEFTUP);
QV_SAME(kMouseRightDown, MOUSEEVENTF_RIGHTDOWN);
QV_SAME(kMouseRightUp, MOUSEEVENTF_RIGHTUP);
QV_SAME(kMouseMiddleDown, MOUSEEVENTF_MIDDLEDOWN);
QV_SAME(kMouseMiddleUp, MOUSEEVENTF_MIDDLEUP);
QV_SAME(kMouseWheel, MOUSEEVENTF_WHEEL);
QV_SAME(kWheelDelta, WHEEL_DELTA);
QV_SAME(kKeyEventExtendedKey, KEYEVENTF_EXTENDEDKEY);
QV_SAME(kKeyEventKeyUp, KEYEVENTF_KEYUP);

// Virtual keys.
QV_SAME(kVkShift, VK_SHIFT);
QV_SAME(kVkControl, VK_CONTROL);
QV_SAME(kVkMenu, VK_MENU);
QV_SAME(kVkPause, VK_PAUSE);
QV_SAME(kVkLeft, VK_LEFT);
QV_SAME(kVkUp, VK_UP);
QV_SAME(kVkRight, VK_RIGHT);
QV_SAME(kVkDown, VK_DOWN);

// Joystick.
QV_SAME(kJoyReturnAll, JOY_RETURNALL);
QV_SAME(kJoyCapsHasZ, JOYCAPS_HASZ);
QV_SAME(kJoyCapsHasPov, JOYCAPS_HASPOV);
QV_SAME(kJoyPovCentered, JOY_POVCENTERED);

// Sound, show commands, message boxes, help.
QV_SAME(kSndAsync, SND_ASYNC);
QV_SAME(kSwHide, SW_HIDE);
QV_SAME(kSwShow, SW_SHOW);
QV_SAME(kSwShowDefault, SW_SHOWDEFAULT);
QV_SAME(kMbOk, MB_OK);
QV_SAME(kMbIconExclamation, MB_ICONEXCLAMATION);
QV_SAME(kMbYesNo, MB_YESNO);
QV_SAME(kMbIconInformation, MB_ICONINFORMATION);
QV_SAME(kIdYes, IDYES);
QV_SAME(kIdNo, IDNO);
QV_SAME(kHelpFinder, HELP_FINDER);
QV_SAME(kOfnHideReadOnly, OFN_HIDEREADONLY);
QV_SAME(kOfnPathMustExist, OFN_PATHMUSTEXIST);
QV_SAME(kOfnFileMustExist, OFN_FILEMUSTEXIST);

// Menus.
QV_SAME(kMenuNoItem, static_cast<UINT>(-1));
QV_SAME(kMfString, MF_STRING);
QV_SAME(kMfGrayed, MF_GRAYED);
QV_SAME(kMfDisabled, MF_DISABLED);
QV_SAME(kMfPopup, MF_POPUP);
QV_SAME(kMfSeparator, MF_SEPARATOR);
QV_SAME(kMfByPosition, MF_BYPOSITION);
QV_SAME(kMfEnabled, MF_ENABLED);
QV_SAME(kTpmLeftAlign, TPM_LEFTALIGN);
QV_SAME(kTpmLeftButton, TPM_LEFTBUTTON);
QV_SAME(kTpmRightButton, TPM_RIGHTBUTTON);

// Window styles.
QV_SAME(kWsPopup, WS_POPUP);
QV_SAME(kWsVisible, WS_VISIBLE);
QV_SAME(kWsExToolWindow, WS_EX_TOOLWINDOW);

QV_SAME(kMaxPath, MAX_PATH);

// Files.
QV_SAME(kFileAttributeHidden, FILE_ATTRIBUTE_HIDDEN);
QV_SAME(kFileAttributeSystem, FILE_ATTRIBUTE_SYSTEM);
QV_SAME(kFileAttributeDirectory, FILE_ATTRIBUTE_DIRECTORY);
static_assert(sizeof(FileEntry::name) == sizeof(WIN32_FIND_DATAA{}.cFileName), "file name size");

// Registry value types.
QV_SAME(static_cast<DWORD>(RegType::None), REG_NONE);
QV_SAME(static_cast<DWORD>(RegType::String), REG_SZ);
QV_SAME(static_cast<DWORD>(RegType::ExpandString), REG_EXPAND_SZ);
QV_SAME(static_cast<DWORD>(RegType::Binary), REG_BINARY);
QV_SAME(static_cast<DWORD>(RegType::Dword), REG_DWORD);

// Special folders and folder browsing.
QV_SAME(kCsidlPrograms, CSIDL_PROGRAMS);
QV_SAME(kCsidlCommonPrograms, CSIDL_COMMON_PROGRAMS);
QV_SAME(kBifReturnOnlyFsDirs, BIF_RETURNONLYFSDIRS);

// Notification icon.
QV_SAME(kNifMessage, NIF_MESSAGE);
QV_SAME(kNifIcon, NIF_ICON);
QV_SAME(kNifTip, NIF_TIP);
// The first record form ends after a 64-byte tip (later forms widen it).
static_assert(offsetof(NOTIFYICONDATAA, szTip) + sizeof(NotifyIconRecord::tip) ==
                  NOTIFYICONDATAA_V1_SIZE,
              "tip of the first notification record");

// The joystick sample shares the system's layout, field for field.
static_assert(sizeof(JoyInfoEx) == sizeof(JOYINFOEX), "joystick sample size");
#define QV_SAME_FIELD(field)                                                                   \
  static_assert(offsetof(JoyInfoEx, field) == offsetof(JOYINFOEX, field) &&                    \
                    sizeof(JoyInfoEx::field) == sizeof(JOYINFOEX::field),                      \
                "joystick sample field " #field)
QV_SAME_FIELD(dwSize);
QV_SAME_FIELD(dwFlags);
QV_SAME_FIELD(dwXpos);
QV_SAME_FIELD(dwYpos);
QV_SAME_FIELD(dwZpos);
QV_SAME_FIELD(dwRpos);
QV_SAME_FIELD(dwUpos);
QV_SAME_FIELD(dwVpos);
QV_SAME_FIELD(dwButtons);
QV_SAME_FIELD(dwButtonNumber);
QV_SAME_FIELD(dwPOV);
QV_SAME_FIELD(dwReserved1);
QV_SAME_FIELD(dwReserved2);

#undef QV_SAME_FIELD
#undef QV_SAME

}  // namespace
}  // namespace qv
