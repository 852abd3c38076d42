// The simulated file-open dialog: what it was asked to show, and the
// answer the test scripted for it.
#include "platform/sim/sim_devices.h"

#include <cstring>

namespace qv::sim {
namespace {

// The system's filter form ends at the first empty string.
std::string FilterOf(const char* filter) {
  std::string out;
  if (filter == nullptr) return out;
  for (const char* p = filter; *p != '\0'; p += std::strlen(p) + 1) {
    out.append(p);
    out.push_back('\0');
  }
  out.push_back('\0');
  return out;
}

}  // namespace

Status SimDialogs::OpenFileName(WindowHandle owner, const char* title, const char* filter,
                                std::uint32_t flags, char* path, std::size_t capacity) {
  openFileRequests.push_back({owner, title != nullptr ? title : "", FilterOf(filter), flags});
  log_.Add(EffectKind::FileDialog, owner, FileDialogFields{flags}, title);
  if (!openFileAnswer) return Status::NotFound;
  const std::string answer = *openFileAnswer;
  openFileAnswer.reset();
  if (capacity == 0 || answer.size() + 1 > capacity) return Status::TooLarge;
  std::memcpy(path, answer.c_str(), answer.size() + 1);
  return Status::Ok;
}

}  // namespace qv::sim
