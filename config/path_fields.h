// The path fields that both configuration pages share: a sound file or a
// program, filled by typing, by the file-open dialog, or by dropping one file
// from the shell onto the field's region of the page; sounds can be tried.
// The pages own the members; these steps fill and play them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_ids.h"
#include "config/texts.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "platform/types.h"

namespace qv {

class CDialog;
class CDropFiles;

enum class PathKind {
  Sound,    // takes only ".wav" files from a drop
  Program,  // takes any file
};

struct PathField {
  int fieldId;
  int browseId;
  int testId;  // 0: no test button
  const char* title;
  // In the framework's syntax: description and pattern separated by "|",
  // the list ended by "||".
  const char* filter;
  PathKind kind;
  // The field in the template's dialog units (left, top, right, bottom).
  Rect layout;
  // Where a drop lands on the field, in client pixels with the bounds
  // included, when the dialog units have the size of the pages' font on a
  // screen of 96 dots per inch (kReferenceBaseX by kReferenceBaseY).
  Rect referenceRegion;
};

// 4 dialog units across and 8 down, in pixels, at the pages' font on a
// screen of 96 dots per inch.
inline constexpr std::int32_t kReferenceBaseX = 7;
inline constexpr std::int32_t kReferenceBaseY = 12;

inline constexpr char kSoundFilter[] = "WAV File (*.wav) | *.wav||";
inline constexpr char kProgramFilter[] = "All File(*.*) | *.*||";

// The button page's three.
inline constexpr PathField kPressSoundField{
    IDC_PRESS_SOUND_PATH, IDC_PRESS_SOUND_BROWSE, IDC_PRESS_SOUND_TEST, kSoundFileTitle,
    kSoundFilter,         PathKind::Sound,        {160, 112, 221, 126}, {280, 168, 382, 189}};
inline constexpr PathField kReleaseSoundField{
    IDC_RELEASE_SOUND_PATH, IDC_RELEASE_SOUND_BROWSE, IDC_RELEASE_SOUND_TEST, kSoundFileTitle,
    kSoundFilter,           PathKind::Sound,          {160, 155, 221, 169},   {280, 233, 382, 254}};
// The program field's region is the field itself.
inline constexpr PathField kProgramField{
    IDC_APP_PATH,     IDC_APP_BROWSE,    0, kProgramFileTitle, kProgramFilter, PathKind::Program,
    {19, 216, 108, 230}, {33, 324, 189, 345}};
// The system page's two.
inline constexpr PathField kCursorSoundOnField{
    IDC_CURSOR_SOUND_ON_PATH, IDC_CURSOR_SOUND_ON_BROWSE, IDC_CURSOR_SOUND_ON_TEST,
    kSoundFileTitle,          kSoundFilter,               PathKind::Sound,
    {48, 168, 152, 182},      {85, 252, 266, 273}};
inline constexpr PathField kCursorSoundOffField{
    IDC_CURSOR_SOUND_OFF_PATH, IDC_CURSOR_SOUND_OFF_BROWSE, IDC_CURSOR_SOUND_OFF_TEST,
    kSoundFileTitle,           kSoundFilter,                PathKind::Sound,
    {48, 188, 152, 202},       {85, 282, 266, 303}};

// One field of a page as a drop sees it: whether its condition holds now,
// and the member a drop fills.
struct PathTarget {
  const PathField& field;
  bool condition;
  Text& member;
};

// The framework's filter in the system's form: each "|" becomes a zero, and
// the list ends in two zeros whatever the text's own end was.
[[nodiscard]] std::string SystemFilter(const char* filter);

// The file name's extension as the runtime's path splitter gives it: from
// the last dot of the name after the last separator on; empty for none.
// Double-byte characters of the program's code page are stepped over whole.
[[nodiscard]] std::string PathExtension(const char* path);

// The field's drop region on `page`, in client pixels, bounds included.
[[nodiscard]] Rect DropRegion(CDialog& page, const PathField& field);

// The file-open dialog for the field, owned by the page. True when the user
// confirmed a file that fits the member; the member then holds its full path
// and the page has written its controls. Cancel, and a path of more than 259
// bytes, change nothing.
bool BrowsePath(CDialog& page, const PathField& field, Text& member);

// Plays the member as a wave sound without waiting; an empty member plays
// nothing. A missing or unreadable file is the sound service's business.
void TestSound(Platform& platform, const Text& member);

// A drop of exactly one file of at most 259 bytes, at a point of the page:
// each target in turn whose condition holds, whose region holds the point and
// (sound fields) whose extension rule the file meets takes the path. True
// when a member changed; the page then has written its controls. A drop of
// more files, or of a longer name, changes nothing.
bool DropOnPathFields(CDialog& page, const CDropFiles& drop, const PathTarget* targets,
                      std::size_t count);

}  // namespace qv
