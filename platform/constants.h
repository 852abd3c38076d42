// The system's numbers that the program's behaviour is defined in: messages,
// flag words, virtual keys, joystick flags. Plain constants so that portable
// code and its tests can use them; the Win32 side checks each against the
// system headers at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/types.h"

namespace qv {

// Window messages.
inline constexpr std::uint32_t kWmCreate = 0x0001;
inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmPaint = 0x000F;
inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr std::uint32_t kWmSetIcon = 0x0080;
inline constexpr WParam kIconSmall = 0;
inline constexpr WParam kIconBig = 1;
inline constexpr std::uint32_t kWmQueryEndSession = 0x0011;
inline constexpr std::uint32_t kWmEndSession = 0x0016;
inline constexpr std::uint32_t kWmNcLButtonDown = 0x00A1;
inline constexpr std::uint32_t kWmNcRButtonDown = 0x00A4;
inline constexpr std::uint32_t kWmNcMButtonDown = 0x00A7;
inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmKeyUp = 0x0101;
inline constexpr std::uint32_t kWmSysKeyDown = 0x0104;
inline constexpr std::uint32_t kWmSysKeyUp = 0x0105;
inline constexpr std::uint32_t kWmInitDialog = 0x0110;
inline constexpr std::uint32_t kWmCommand = 0x0111;
inline constexpr std::uint32_t kWmTimer = 0x0113;
inline constexpr std::uint32_t kWmHScroll = 0x0114;
inline constexpr std::uint32_t kWmVScroll = 0x0115;
inline constexpr std::uint32_t kWmInitMenuPopup = 0x0117;
inline constexpr std::uint32_t kWmMouseMove = 0x0200;
inline constexpr std::uint32_t kWmLButtonDown = 0x0201;
inline constexpr std::uint32_t kWmLButtonUp = 0x0202;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
inline constexpr std::uint32_t kWmRButtonDown = 0x0204;
inline constexpr std::uint32_t kWmRButtonUp = 0x0205;
inline constexpr std::uint32_t kWmMButtonDown = 0x0207;
inline constexpr std::uint32_t kWmMouseWheel = 0x020A;
inline constexpr std::uint32_t kWmUser = 0x0400;
inline constexpr std::uint32_t kWmNotifyIcon = kWmUser + 10;
// The start of the message numbers that a program may give its own meanings.
inline constexpr std::uint32_t kWmApp = 0x8000;

// Scroll-bar requests.
inline constexpr std::uint32_t kSbLineUp = 0;
inline constexpr std::uint32_t kSbLineDown = 1;

// Key flags of mouse messages.
inline constexpr std::uint32_t kMkShift = 0x0004;
inline constexpr std::uint32_t kMkControl = 0x0008;

// Synthesised mouse input flags.
inline constexpr std::uint32_t kMouseMove = 0x0001;
inline constexpr std::uint32_t kMouseLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseRightDown = 0x0008;
inline constexpr std::uint32_t kMouseRightUp = 0x0010;
inline constexpr std::uint32_t kMouseMiddleDown = 0x0020;
inline constexpr std::uint32_t kMouseMiddleUp = 0x0040;
inline constexpr std::uint32_t kMouseWheel = 0x0800;
inline constexpr std::int32_t kWheelDelta = 120;

// Synthesised keyboard input flags.
inline constexpr std::uint32_t kKeyEventExtendedKey = 0x0001;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x0002;

// Virtual keys.
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12;
inline constexpr std::uint8_t kVkPause = 0x13;
inline constexpr std::uint8_t kVkLeft = 0x25;
inline constexpr std::uint8_t kVkUp = 0x26;
inline constexpr std::uint8_t kVkRight = 0x27;
inline constexpr std::uint8_t kVkDown = 0x28;

// Joystick.
inline constexpr std::uint32_t kJoyReturnAll = 0xFF;
inline constexpr std::uint32_t kJoyCapsHasZ = 0x0001;
inline constexpr std::uint32_t kJoyCapsHasPov = 0x0010;
inline constexpr std::uint32_t kJoyPovCentered = 0xFFFF;

// Sound.
inline constexpr std::uint32_t kSndAsync = 0x0001;

// Show commands.
inline constexpr std::int32_t kSwHide = 0;
inline constexpr std::int32_t kSwShow = 5;
inline constexpr std::int32_t kSwShowDefault = 10;

// Message boxes.
inline constexpr std::uint32_t kMbOk = 0x0000;
inline constexpr std::uint32_t kMbYesNo = 0x0004;
inline constexpr std::uint32_t kMbIconExclamation = 0x0030;
inline constexpr std::uint32_t kMbIconInformation = 0x0040;
inline constexpr std::int32_t kIdYes = 6;
inline constexpr std::int32_t kIdNo = 7;

// Help viewer.
inline constexpr std::uint32_t kHelpFinder = 11;

// Menus.
inline constexpr std::uint32_t kMfString = 0x0000;
inline constexpr std::uint32_t kMfGrayed = 0x0001;
inline constexpr std::uint32_t kMfDisabled = 0x0002;
inline constexpr std::uint32_t kMfPopup = 0x0010;
inline constexpr std::uint32_t kMfSeparator = 0x0800;
inline constexpr std::uint32_t kMfByPosition = 0x0400;
inline constexpr std::uint32_t kMfEnabled = 0x0000;
inline constexpr std::uint32_t kTpmLeftAlign = 0x0000;
inline constexpr std::uint32_t kTpmLeftButton = 0x0000;
inline constexpr std::uint32_t kTpmRightButton = 0x0002;

// Window styles.
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080u;

// Platform version word: top bit set on the 9x family.
inline constexpr std::uint32_t kVersion9xBit = 0x80000000u;

// Largest path the system's ANSI file functions take, terminator included.
inline constexpr std::size_t kMaxPath = 260;

}  // namespace qv
