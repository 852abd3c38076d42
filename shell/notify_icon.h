// The one notification-area icon of the process: its record, its current
// picture and the shell calls that add, change and delete it.
//
// The picture is changed from both threads: the user-interface thread
// (pause, resume) and the polling tick (hold latches, the pad failing). A
// mutex covers the record update and the shell call together, so the two
// never interleave and the icon shown is always the one in the record. The
// user-interface thread never waits for a tick while it holds the mutex, so
// a tick waiting here cannot deadlock with a pause. Only one icon handle is
// alive at a time: the old picture is destroyed before the new one is
// loaded (the shell keeps its own copy of what it shows).
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/shell.h"

namespace qv {

class NotifyIcon {
 public:
  explicit NotifyIcon(Shell& shell) : shell_(shell) {}
  NotifyIcon(const NotifyIcon&) = delete;
  NotifyIcon& operator=(const NotifyIcon&) = delete;

  // Fills the record for `window` with `picture` and adds the icon.
  void AddNotifyIcon(WindowHandle window, std::uint32_t picture);
  // Shows another picture; ignored while there is no icon.
  void SetNotifyIcon(std::uint32_t picture);
  void RemoveNotifyIcon();
  // The task bar was made again (Explorer restarted): the icon is added anew
  // with the picture it had.
  void AddAgain();

  std::uint32_t picture();
  bool present();

 private:
  void LoadPicture(std::uint32_t picture);

  Shell& shell_;
  std::mutex mutex_;
  NotifyIconRecord record_;
  OwnedIcon pictureIcon_;
  std::uint32_t picture_ = 0;
  bool present_ = false;
};

}  // namespace qv
