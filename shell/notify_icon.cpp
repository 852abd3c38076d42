// The notification icon's record and shell calls, serialised between threads.
#include "shell/notify_icon.h"

#include "platform/constants.h"
#include "platform/text.h"
#include "shell/shell_constants.h"

namespace qv {

void NotifyIcon::LoadPicture(std::uint32_t picture) {
  pictureIcon_.reset();
  pictureIcon_ = shell_.LoadSmallIcon(picture);
  record_.icon = pictureIcon_.get();
  picture_ = picture;
}

void NotifyIcon::AddNotifyIcon(WindowHandle window, std::uint32_t picture) {
  std::lock_guard<std::mutex> lock(mutex_);
  record_.size = kNotifyIconRecordSize;
  record_.window = window;
  record_.id = kNotifyIconId;
  record_.flags = kNifMessage | kNifIcon | kNifTip;
  record_.callbackMessage = kWmNotifyIcon;
  CopyText(record_.tip, kAppTitle);
  LoadPicture(picture);
  // A refusal is not reported; the icon counts as present so that later
  // changes and the removal still go to the shell.
  Ignore(shell_.NotifyIcon(NotifyOp::Add, record_));
  present_ = true;
}

void NotifyIcon::SetNotifyIcon(std::uint32_t picture) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!present_) return;
  LoadPicture(picture);
  Ignore(shell_.NotifyIcon(NotifyOp::Modify, record_));
}

void NotifyIcon::RemoveNotifyIcon() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!present_) return;
  Ignore(shell_.NotifyIcon(NotifyOp::Delete, record_));
  present_ = false;
}

void NotifyIcon::AddAgain() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!present_) return;
  Ignore(shell_.NotifyIcon(NotifyOp::Add, record_));
}

std::uint32_t NotifyIcon::picture() {
  std::lock_guard<std::mutex> lock(mutex_);
  return picture_;
}

bool NotifyIcon::present() {
  std::lock_guard<std::mutex> lock(mutex_);
  return present_;
}

}  // namespace qv
