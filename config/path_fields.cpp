// Browse, test and drop of the path fields.
#include "config/path_fields.h"

#include <cstring>

#include "framework/dialog.h"
#include "framework/drop_files.h"
#include "platform/dialogs.h"

namespace qv {
namespace {

constexpr std::uint32_t kBrowseOptions = kOfnFileMustExist | kOfnPathMustExist | kOfnHideReadOnly;

// The dialog units that kReferenceBaseX and kReferenceBaseY measure.
constexpr std::int32_t kBaseUnitsAcross = 4;
constexpr std::int32_t kBaseUnitsDown = 8;

bool Inside(const Rect& region, Point at) {
  return at.x >= region.left && at.x <= region.right && at.y >= region.top &&
         at.y <= region.bottom;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
  const std::size_t length = std::strlen(b);
  if (a.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool Accepts(const PathField& field, const char* path) {
  return field.kind == PathKind::Program || SameIgnoringCase(PathExtension(path), ".wav");
}

}  // namespace

std::string SystemFilter(const char* filter) {
  std::string out;
  for (const char* p = filter; p != nullptr && *p != '\0'; ++p) out.push_back(*p == '|' ? '\0' : *p);
  // "desc|pattern||" gives one zero per string and one for the list; a text
  // without its own end gets both.
  while (out.size() < 2 || out[out.size() - 1] != '\0' || out[out.size() - 2] != '\0')
    out.push_back('\0');
  return out;
}

std::string PathExtension(const char* path) {
  std::size_t nameStart = 0;
  std::size_t lastDot = std::string::npos;
  std::size_t i = 0;
  for (; path[i] != '\0'; ++i) {
    const char c = path[i];
    if (IsShiftJisLeadByte(static_cast<unsigned char>(c)) && path[i + 1] != '\0') {
      ++i;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') {
      nameStart = i + 1;
      lastDot = std::string::npos;
    } else if (c == '.') {
      lastDot = i;
    }
  }
  if (lastDot == std::string::npos || lastDot < nameStart) return {};
  return std::string(path + lastDot, i - lastDot);
}

Rect DropRegion(CDialog& page, const PathField& field) {
  DialogControls& controls = page.controls();
  Rect units{0, 0, kBaseUnitsAcross, kBaseUnitsDown};
  controls.MapDialogRect(page.GetSafeHwnd(), units);
  if (units.right == kReferenceBaseX && units.bottom == kReferenceBaseY)
    return field.referenceRegion;
  Rect region = field.layout;
  controls.MapDialogRect(page.GetSafeHwnd(), region);
  return region;
}

bool BrowsePath(CDialog& page, const PathField& field, Text& member) {
  const std::string filter = SystemFilter(field.filter);
  Text chosen = {};
  if (page.platform().dialogs.OpenFileName(page.GetSafeHwnd(), field.title, filter.c_str(),
                                           kBrowseOptions, chosen, sizeof chosen) != Status::Ok)
    return false;
  std::memcpy(member, chosen, sizeof chosen);
  page.UpdateData(false);
  return true;
}

void TestSound(Platform& platform, const Text& member) {
  if (member[0] != '\0') platform.sound.PlayAsync(member);
}

bool DropOnPathFields(CDialog& page, const CDropFiles& drop, const PathTarget* targets,
                      std::size_t count) {
  if (drop.Count() != 1) return false;
  // Twice the room a member has: a name cut to fit here is still too long
  // for a member, so it is refused instead of becoming another path.
  char path[2 * kTextCapacity];
  const std::size_t length = drop.Name(0, path);
  if (length == 0 || length >= kTextCapacity) return false;
  const Point at = drop.Where();
  bool changed = false;
  for (std::size_t i = 0; i < count; ++i) {
    const PathTarget& target = targets[i];
    if (!target.condition || !Inside(DropRegion(page, target.field), at) ||
        !Accepts(target.field, path))
      continue;
    std::memcpy(target.member, path, length + 1);
    changed = true;
  }
  if (changed) page.UpdateData(false);
  return changed;
}

}  // namespace qv
