// Numbers of the framework's own: the messages and identifiers that the
// window classes decode or send beyond those in platform/constants.h, and the
// command-routing codes.
#pragma once

#include <cstdint>

#include "framework/framework_ids.h"

namespace qv {

inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmQuit = 0x0012;
inline constexpr std::uint32_t kWmNcCreate = 0x0081;
inline constexpr std::uint32_t kWmNcDestroy = 0x0082;

inline constexpr std::uint32_t kWsChild = 0x40000000u;

// Dialog results and the standard buttons' ids.
inline constexpr std::intptr_t kIdOk = 1;
inline constexpr std::intptr_t kIdCancel = 2;

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
