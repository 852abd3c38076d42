// Numbers of the framework's own: the messages and identifiers that the
// window classes decode or send beyond those in platform/constants.h, and the
// command-routing codes.
#pragma once

#include <cstdint>

#include "framework/framework_ids.h"
#include "platform/constants.h"

namespace qv {

inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmQuit = 0x0012;
inline constexpr std::uint32_t kWmNcCreate = 0x0081;
inline constexpr std::uint32_t kWmNcDestroy = 0x0082;
inline constexpr std::uint32_t kWmNotify = 0x004E;
inline constexpr std::uint32_t kWmDropFiles = 0x0233;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uint32_t kVkTab = 0x09;

inline constexpr std::uint32_t kWsChild = 0x40000000u;

// Dialog results and the standard buttons' ids.
inline constexpr std::intptr_t kIdOk = 1;
inline constexpr std::intptr_t kIdCancel = 2;

// Control messages that a dialog sends its edit fields and progress bars.
inline constexpr std::uint32_t kEmLimitText = 0x00C5;
inline constexpr std::uint32_t kPbmSetPos = kWmUser + 2;

// Property sheets: the buttons a wizard shows, the sheet's own button ids
// (a wizard's DoModal ends with ID_WIZFINISH), the notifications a page gets
// and the messages a page sends its sheet.
inline constexpr std::uint32_t kPswizbBack = 0x1;
inline constexpr std::uint32_t kPswizbNext = 0x2;
inline constexpr std::uint32_t kPswizbFinish = 0x4;
inline constexpr std::uint32_t kPswizbDisabledFinish = 0x8;
inline constexpr std::intptr_t kIdWizBack = ID_WIZBACK;
inline constexpr std::intptr_t kIdWizNext = ID_WIZNEXT;
inline constexpr std::intptr_t kIdWizFinish = ID_WIZFINISH;
inline constexpr std::uint32_t kPsnFirst = static_cast<std::uint32_t>(-200);
inline constexpr std::uint32_t kPsnLast = static_cast<std::uint32_t>(-299);
inline constexpr std::uint32_t kPsnSetActive = static_cast<std::uint32_t>(-200);
inline constexpr std::uint32_t kPsnKillActive = static_cast<std::uint32_t>(-201);
inline constexpr std::uint32_t kPsnApply = static_cast<std::uint32_t>(-202);
inline constexpr std::uint32_t kPsnReset = static_cast<std::uint32_t>(-203);
inline constexpr std::uint32_t kPsnWizBack = static_cast<std::uint32_t>(-206);
inline constexpr std::uint32_t kPsnWizNext = static_cast<std::uint32_t>(-207);
inline constexpr std::uint32_t kPsnWizFinish = static_cast<std::uint32_t>(-208);
inline constexpr std::uint32_t kPsnQueryCancel = static_cast<std::uint32_t>(-209);
inline constexpr std::uint32_t kPsmSetCurSel = kWmUser + 101;
inline constexpr std::uint32_t kPsmPressButton = kWmUser + 113;
inline constexpr std::uint32_t kPsmSetWizButtons = kWmUser + 112;
inline constexpr std::uint32_t kPsmGetCurrentPageHwnd = kWmUser + 118;
// PSM_PRESSBUTTON's button numbers.
inline constexpr std::uint32_t kPsbtnBack = 0;
inline constexpr std::uint32_t kPsbtnNext = 1;
inline constexpr std::uint32_t kPsbtnFinish = 2;
inline constexpr std::uint32_t kPsbtnOk = 3;
inline constexpr std::uint32_t kPsbtnCancel = 5;
// The sheet's header flags that the framework sets for its owner.
inline constexpr std::uint32_t kPshNoApplyNow = 0x00000080u;
inline constexpr std::uint32_t kPshWizard = 0x00000020u;

// Control notifications carried in the high word of WM_COMMAND's wParam.
inline constexpr std::uint32_t kBnClicked = 0;
inline constexpr std::uint32_t kEnChange = 0x0300;

// Command routing: a command (menu item, accelerator, BN_CLICKED and other
// control notifications carry their own code) or a menu-update query.
inline constexpr std::uint32_t CN_COMMAND = 0;
inline constexpr std::uint32_t CN_UPDATE_COMMAND_UI = 0xFFFFFFFFu;

// The application-exit command every program of the framework understands.
inline constexpr std::uint32_t kIdAppExit = ID_APP_EXIT;

}  // namespace qv
