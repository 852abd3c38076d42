// Tables from window messages to handler members, beside the command tables:
// scroll messages of trackbars and up-down controls, control notifications
// (WM_NOTIFY), files dropped from the shell, and any other message by number
// (the program's own posted messages among them).
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/messages.h"
#include "platform/types.h"

namespace qv {

class CDropFiles;

// The header every WM_NOTIFY points to, laid out as the system's NMHDR (the
// Win32 host checks it).
struct NmHdr {
  WindowHandle hwndFrom = 0;
  std::uintptr_t idFrom = 0;
  std::uint32_t code = 0;
};

template <class T>
struct MessageMapEntry {
  std::uint32_t message;
  std::uint32_t id;    // WM_NOTIFY: the control's id
  std::uint32_t code;  // WM_NOTIFY: the notification code
  // WM_HSCROLL and WM_VSCROLL: the scroll code, the position it carries and
  // the id of the control that sent it (0 for the window's own scroll bar).
  void (T::*onScroll)(std::uint32_t code, std::int32_t position, int controlId);
  void (T::*onNotify)(const NmHdr& header, LResult& result);
  void (T::*onDropFiles)(CDropFiles& drop);
  LResult (T::*onMessage)(WParam wParam, LParam lParam);
};

template <class T>
constexpr MessageMapEntry<T> OnHScrollEntry(void (T::*handler)(std::uint32_t, std::int32_t, int)) {
  return {kWmHScroll, 0, 0, handler, nullptr, nullptr, nullptr};
}
template <class T>
constexpr MessageMapEntry<T> OnVScrollEntry(void (T::*handler)(std::uint32_t, std::int32_t, int)) {
  return {kWmVScroll, 0, 0, handler, nullptr, nullptr, nullptr};
}
template <class T>
constexpr MessageMapEntry<T> OnNotifyMessageEntry(std::uint32_t id, std::uint32_t code,
                                                  void (T::*handler)(const NmHdr&, LResult&)) {
  return {kWmNotify, id, code, nullptr, handler, nullptr, nullptr};
}
template <class T>
constexpr MessageMapEntry<T> OnDropFilesEntry(void (T::*handler)(CDropFiles&)) {
  return {kWmDropFiles, 0, 0, nullptr, nullptr, handler, nullptr};
}
template <class T>
constexpr MessageMapEntry<T> OnMessageEntry(std::uint32_t message,
                                            LResult (T::*handler)(WParam, LParam)) {
  return {message, 0, 0, nullptr, nullptr, nullptr, handler};
}

}  // namespace qv
