// The resident program's fixed names and numbers; its texts are in
// shell/texts.txt.
#pragma once

#include <cstdint>

namespace qv {

// The application title (string 57344), also the frame's title, the icon's
// tip and the title of the program's message boxes.
inline constexpr char kAppTitle[] = "Quorvantix";
inline constexpr std::uint32_t IDS_APP_TITLE = 57344;
inline constexpr char kInstanceMutexName[] = "hQuorvantixInstance";
// The maker's key of the per-user profile.
inline constexpr char kMakerKey[] = "Nerrow Lab";
inline constexpr char kHelpFileName[] = "QUORVNTX.hlp";
// Broadcast to every top-level window when the task bar has been made again.
inline constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";

inline constexpr std::uint32_t IDR_POPUP_MENU = 128;
inline constexpr std::uint32_t IDD_ABOUTBOX = 100;
inline constexpr std::uint32_t IDB_SPLASH = 105;

}  // namespace qv
