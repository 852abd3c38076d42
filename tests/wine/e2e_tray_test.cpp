// End to end under Wine, on a virtual desktop with a task bar: the program's
// icon appears in the notification area and changes picture with the
// polling state (running, latched in hold mode, paused by a double click on
// the icon); the right button on the icon opens the pop-up menu, whose About
// command shows the About dialog; ending the program removes the icon, and
// so does the end of the session, before the system has its answer.
// Screenshots go to the artefacts folder.
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "engine/pad_settings.h"
#include "shell/resource_ids.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"
#include "tests/wine/e2e/task_bar.h"

namespace {

using namespace qv::e2e;

enum Picture { kActive, kPaused, kHolding, kPictures };
constexpr WORD kPictureIds[kPictures] = {ICON_ACTIVE, ICON_PAUSED, ICON_HOLDING};
constexpr const char* kPictureNames[kPictures] = {"ICON_ACTIVE", "ICON_PAUSED", "ICON_HOLDING"};

// The side of the icon's pictures in the notification area, in pixels.
constexpr int kIconSide = 16;

// The three pictures as the program holds them, 16 x 16.
struct Pictures {
  qv::ModuleOwner module;
  qv::IconOwner icons[kPictures];

  bool Load() {
    module.reset(::LoadLibraryExA(ResidentProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return false;
    bool all = true;
    for (int i = 0; i < kPictures; ++i) {
      icons[i].reset(static_cast<HICON>(::LoadImageW(module.get(), MAKEINTRESOURCEW(kPictureIds[i]),
                                                     IMAGE_ICON, kIconSide, kIconSide, 0)));
      all = all && icons[i].valid();
    }
    return all;
  }
};

// How many pixels of `now` around the icon's box differ from the empty
// task bar with `icon` drawn into it, at the best of the nearby positions.
int Mismatch(const ScreenPicture& empty, const ScreenPicture& now, const RECT& box, HICON icon) {
  // How far around the box the icon is looked for.
  constexpr int kSlack = 4;
  const RECT area{box.left - kSlack, box.top - kSlack, box.right + kSlack, box.bottom + kSlack};
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  qv::MemoryDc dc(::CreateCompatibleDC(nullptr));
  qv::GdiObjectOwner bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bitmap || bits == nullptr) return w * h;
  HGDIOBJ previous = ::SelectObject(dc.get(), bitmap.get());
  auto* pixels = static_cast<std::uint32_t*>(bits);
  auto inside = [&](int x, int y) {
    return x >= now.area.left && y >= now.area.top && x < now.area.right && y < now.area.bottom;
  };
  // The colour in the low three bytes; the top byte of a pixel means nothing.
  constexpr std::uint32_t kColourBits = 0xFFFFFFu;
  int best = w * h;
  for (int oy = area.top; oy + kIconSide <= area.bottom; ++oy) {
    for (int ox = area.left; ox + kIconSide <= area.right; ++ox) {
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const int sx = area.left + x;
          const int sy = area.top + y;
          pixels[y * w + x] =
              inside(sx, sy) ? empty.At(sx - empty.area.left, sy - empty.area.top) : 0;
        }
      }
      ::DrawIconEx(dc.get(), ox - area.left, oy - area.top, icon, kIconSide, kIconSide, 0, nullptr, DI_NORMAL);
      ::GdiFlush();
      int differ = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const int sx = area.left + x;
          const int sy = area.top + y;
          if (!inside(sx, sy)) continue;
          if ((pixels[y * w + x] & kColourBits) != now.At(sx - now.area.left, sy - now.area.top))
            ++differ;
        }
      }
      if (differ < best) best = differ;
    }
  }
  ::SelectObject(dc.get(), previous);
  return best;
}

struct Tray {
  TaskBar bar;
  RECT icon{};  // the program's icon, once seen
  Pictures pictures;

  // The picture shown now, or kPictures when none of the three is there.
  Picture Shown(bool report = false) const {
    const ScreenPicture now = CaptureScreen(bar.area);
    int best = kPictures;
    int bestScore = 0;
    for (int i = 0; i < kPictures; ++i) {
      const int score = Mismatch(bar.empty, now, icon, pictures.icons[i].get());
      if (report) std::printf("  %s differs in %d pixels\n", kPictureNames[i], score);
      if (best == kPictures || score < bestScore) {
        best = i;
        bestScore = score;
      }
    }
    // A few pixels of leeway for the way the system blends the edges.
    return bestScore <= 8 ? static_cast<Picture>(best) : kPictures;
  }

  bool WaitFor(Picture picture, std::uint32_t timeoutMs) const {
    if (WaitUntil([&] { return Shown() == picture; }, timeoutMs)) return true;
    std::printf("  waiting for %s:\n", kPictureNames[picture]);
    Shown(true);
    return false;
  }

  POINT Centre() const { return qv::e2e::Centre(icon); }

  // Waits until the task bar shows no icon where the program's was.
  bool IconGone() const {
    return WaitUntil(
        [&] {
          int left = 0;
          Changed(bar.empty, CaptureScreen(bar.area), icon, left);
          return left == 0;
        },
        10000);
  }
};

void Click(POINT where, DWORD down, DWORD up, int times) {
  ::SetCursorPos(where.x, where.y);
  Pump(100);
  for (int i = 0; i < times; ++i) {
    SendMouseButton(down);
    SendMouseButton(up);
  }
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(child, text, 256);
    texts.emplace_back(text);
  }
  return texts;
}

TEST_CASE(the_icon_shows_the_polling_state_and_opens_the_menu_and_the_about_box) {
  Tray tray;
  if (!CHECK(tray.bar.Find())) return;
  if (!CHECK(tray.pictures.Load())) return;

  // Button 1 latches in hold mode; its key is one no window minds.
  ClearSettings();
  CHECK(SetSetting("Buttons", "Button01", qv::BA_KEY | qv::BX_HOLD));
  CHECK(SetSetting("Char", "Key01", 0x7Cu));  // F13
  Resident program;
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=0\n"
                           "at 0 x=32767 y=32767\n"
                           "at 6000 buttons=1\n"
                           "at 6300 buttons=0\n")))
    return;

  // The icon appears at the task bar's far end, where nothing was before.
  if (!CHECK(tray.bar.WaitForNewIcon(tray.icon))) return;
  CHECK(tray.WaitFor(kActive, 5000));
  SaveScreen("icon-active.bmp");

  // The scripted press latches button 1.
  CHECK(tray.WaitFor(kHolding, 30000));
  SaveScreen("icon-holding.bmp");

  // A double click on the icon pauses (ending the latch), another resumes.
  Click(tray.Centre(), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
  CHECK(tray.WaitFor(kPaused, 10000));
  SaveScreen("icon-paused.bmp");
  Pump(700);  // past the double-click time: the next two clicks are a pair of their own
  Click(tray.Centre(), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
  CHECK(tray.WaitFor(kActive, 10000));

  // The pop-up menu opens on the right button's press.
  HWND menuWindow = nullptr;
  CHECK(OpenIconMenu(tray.icon, menuWindow));
  SaveScreen("menu.bmp");
  if (!CHECK(menuWindow != nullptr)) return;
  DWORD menuOwner = 0;
  ::GetWindowThreadProcessId(menuWindow, &menuOwner);
  CHECK_EQ(menuOwner, program.id());
  CHECK(VisibleMenu() != nullptr);  // the release over no item leaves it open

  // Its About command shows the About dialog with the version line.
  SendKey('A', false);
  SendKey('A', true);
  HWND about = nullptr;
  CHECK(WaitUntil(
      [&] {
        about = FindTopLevel(program.id(), L"#32770", L"ﾊﾞｰｼﾞｮﾝ情報(Quorvantix)");
        return about != nullptr && ::IsWindowVisible(about);
      },
      10000));
  if (about != nullptr) {
    Pump(300);
    SaveScreen("about.bmp");
    bool version = false;
    for (const std::wstring& text : ChildTexts(about)) version = version || text == L"Quorvantix Version 1.7";
    CHECK(version);
    ::PostMessageW(about, WM_COMMAND, IDOK, 0);
    CHECK(WaitUntil([&] { return !::IsWindow(about); }, 10000));
  }

  // Ending the program takes the icon away.
  program.Stop();
  CHECK(program.closedCleanly());
  CHECK(tray.IconGone());
}

bool InstanceMutexHeld() {
  const qv::KernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, "hQuorvantixInstance"));
  return mutex.valid();
}

TEST_CASE(the_end_of_the_session_ends_the_program_with_its_icon_removed) {
  Tray tray;
  if (!CHECK(tray.bar.Find())) return;
  ClearSettings();
  Resident program;
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=0\n"
                           "at 0 x=32767 y=32767\n",
                           "/Embedding")))
    return;
  if (!CHECK(tray.bar.WaitForNewIcon(tray.icon))) return;
  CHECK(InstanceMutexHeld());

  DWORD_PTR answer = 0;
  CHECK(::SendMessageTimeoutW(program.frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                              SMTO_NORMAL, 10000, &answer) != 0);
  CHECK_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  CHECK(::SendMessageTimeoutW(program.frame(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                              15000, &answer) != 0);
  // The system may end the process once it has the answer: by then the
  // program has done what exit does.
  CHECK(!InstanceMutexHeld());
  CHECK(tray.IconGone());
  CHECK(WaitUntil([&] { return !program.Running(); }, 15000));
}

}  // namespace

int main(int argc, char** argv) { return RunOnTaskBarDesktop(argc, argv); }
