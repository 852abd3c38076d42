// End to end under Wine, on a desktop with a task bar: the help command of
// the icon's menu opens the system's help viewer on the program's help file,
// showing the topics its contents file lists, and a topic opened from there
// shows its Japanese text on a system whose code page is not Japanese.
//
// The system's viewer (HELP_FINDER) opens its "Help Topics" dialog, whose
// contents page is the contents file. Wine's viewer has no such dialog: for
// HELP_FINDER it shows the help file's contents topic, which the generator
// makes from the same outline as the contents file; so here the contents
// topic is checked against the contents file, line by line.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"
#include "tests/wine/e2e/task_bar.h"

namespace {

using namespace qv::e2e;

constexpr int kViewerTextId = 0x701;  // the viewer's rich edit control

std::wstring FromShiftJis(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int length = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), &wide[0],
                                           static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length : 0);
  return wide;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

struct ContentsEntry {
  std::wstring title;
  bool topic;  // a topic, or else a book (a heading)
};

// The contents file's books and topics, in order.
std::vector<ContentsEntry> ContentsFile() {
  std::string program = ResidentProgram();
  std::string bytes;
  if (!ReadTextFile(program.substr(0, program.rfind('\\') + 1) + "QUORVNTX.cnt", bytes)) return {};
  std::vector<ContentsEntry> entries;
  for (const std::wstring& line : Lines(FromShiftJis(bytes))) {
    if (line.empty() || line[0] < L'1' || line[0] > L'9') continue;  // ":Base" and the like
    const std::size_t start = line.find(L' ') + 1;
    const std::size_t equals = line.find(L'=');
    entries.push_back({line.substr(start, equals - start), equals != std::wstring::npos});
  }
  return entries;
}

// The viewer's text as the user could copy it: Wine's rich edit control
// hands its own Unicode text to the clipboard, which any process reads
// (its window text would pass through this system's code page).
std::wstring ViewerText(HWND text) {
  if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }
  ::SendMessageW(text, EM_SETSEL, 0, -1);
  ::SendMessageW(text, WM_COPY, 0, 0);
  ::SendMessageW(text, EM_SETSEL, 0, 0);
  std::wstring copied;
  if (!::OpenClipboard(nullptr)) return copied;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      copied = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return copied;
}

// From the first hiragana to the last of the unified ideographs.
int JapaneseCharacters(const std::wstring& text) {
  constexpr wchar_t kFirstKana = 0x3040;
  constexpr wchar_t kLastIdeograph = 0x9FFF;
  int count = 0;
  for (wchar_t c : text) count += (c >= kFirstKana && c <= kLastIdeograph) ? 1 : 0;
  return count;
}

// The box around the first run of link-green pixels in the viewer's text:
// the first link of the page.
bool FirstLinkOnScreen(HWND text, RECT& link) {
  RECT area{};
  ::GetWindowRect(text, &area);
  const ScreenPicture picture = CaptureScreen(area);
  auto green = [&](int x, int y) {
    const std::uint32_t p = picture.At(x, y);
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return g > r + 40 && g > b + 40;
  };
  for (int y = 0; y < picture.height; ++y) {
    int left = -1, right = -1;
    for (int x = 0; x < picture.width; ++x) {
      if (!green(x, y)) continue;
      if (left < 0) left = x;
      right = x;
    }
    if (left < 0) continue;
    int bottom = y;
    while (bottom + 1 < picture.height && green(left, bottom + 1)) ++bottom;
    link = RECT{area.left + left, area.top + y, area.left + right + 1, area.top + bottom + 1};
    return true;
  }
  return false;
}

TEST_CASE(the_help_command_opens_the_contents_and_a_topic_shows_its_japanese_text) {
  TaskBar bar;
  if (!CHECK(bar.Find())) return;
  const std::vector<ContentsEntry> contents = ContentsFile();
  if (!CHECK(contents.size() > 10)) return;

  ClearSettings();
  Resident program;
  // No splash: a key pressed while it is up closes it, in the menu's loop too,
  // and the menu would never see the key that chooses the help.
  if (!CHECK(program.Start(kPadAtRest, kNoSplash)))
    return;
  RECT icon{};
  if (!CHECK(bar.WaitForNewIcon(icon))) return;
  HWND menu = nullptr;
  if (!CHECK(OpenIconMenu(icon, menu))) return;
  SendKey('H', false);  // "ヘルプ(&H)"
  SendKey('H', true);

  HWND viewer = nullptr;
  HWND text = nullptr;
  std::vector<std::wstring> shown;
  CHECK(WaitUntil(
      [&] {
        viewer = FindTopLevel(0, L"MS_WINHELP", nullptr);
        if (viewer == nullptr || !::IsWindowVisible(viewer)) return false;
        text = ::GetDlgItem(viewer, kViewerTextId);
        shown = Lines(ViewerText(text));
        return !shown.empty();
      },
      30000));
  if (!CHECK(text != nullptr)) return;
  // The contents topic: its title, then the contents file's lines.
  std::vector<std::wstring> expected{L"目次"};
  for (const ContentsEntry& entry : contents) expected.push_back(entry.title);
  CHECK(shown == expected);
  if (shown != expected) {
    for (const std::wstring& line : shown) std::printf("  shown: %ls\n", line.c_str());
  }
  Pump(500);
  SaveScreen("help-contents.bmp");

  // The first topic, opened from its entry. Wine's viewer places a link's
  // hot zone by counting the bytes of the text before it, where the rich
  // edit control counts characters, so on a page of Japanese text only the
  // far end of the first link lies inside its zone; the system's viewer
  // takes a click anywhere on a link.
  RECT link{};
  if (!CHECK(FirstLinkOnScreen(text, link))) return;
  const POINT target{link.right - (link.right - link.left) / 8, (link.top + link.bottom) / 2};
  std::wstring topicTitle;
  for (const ContentsEntry& entry : contents) {
    if (entry.topic && topicTitle.empty()) topicTitle = entry.title;
  }
  // A click that only brings the viewer forward (it may have lost the front
  // to the icon's menu closing) opens nothing: click again while the
  // contents are still shown.
  std::wstring topic;
  bool opened = false;
  for (int attempt = 0; attempt < 3 && !opened; ++attempt) {
    ::SetCursorPos(target.x, target.y);
    Pump(200);
    SendClick();
    opened = WaitUntil(
        [&] {
          topic = ViewerText(text);
          return Lines(topic).size() > 1 && Lines(topic)[0] == topicTitle;
        },
        5000);
  }
  CHECK(opened);
  CHECK(JapaneseCharacters(topic) > 100);
  Pump(500);
  SaveScreen("help-topic.bmp");

  ::PostMessageW(viewer, WM_CLOSE, 0, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(viewer); }, 10000));
  program.Stop();
  CHECK(program.closedCleanly());
}

}  // namespace

int main(int argc, char** argv) { return RunOnTaskBarDesktop(argc, argv); }
