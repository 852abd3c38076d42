// The view's start-up, the icon's messages, pause and resume, the menus and
// the help command.
#include "shell/quorvantix_view.h"

#include <string>

#include "config/config_sheet.h"
#include "framework/messages.h"
#include "platform/constants.h"
#include "shell/program_dir.h"
#include "shell/shell_constants.h"
#include "shell/texts.h"

namespace qv {
CQuorvantixView::CQuorvantixView(WindowHost& host)
    : CView(host),
      engine(host.platform(), *this),
      favorites(host.platform()),
      icon(host.platform().shell),
      taskbarCreated_(host.RegisterWindowMessage(kTaskbarCreatedMessage)) {}

CQuorvantixView::~CQuorvantixView() {
  // Normally the window is gone by now; if not, the timer must not call
  // into an engine that is going away.
  if (GetSafeHwnd() != 0) StopAndRemoveIcon();
}

void CQuorvantixView::OnInitialUpdate() { StartView(); }

void CQuorvantixView::StartView() {
  CView::OnInitialUpdate();

  // The program's folder, with its trailing separator.
  char modulePath[kMaxPath] = {};
  if (!Succeeded(platform().process.ModulePath(modulePath, sizeof modulePath))) modulePath[0] = '\0';
  ProgramDirOf(modulePath, programDir, sizeof programDir);

  // The engine reaches this view through the host reference it was made
  // with; the window that its favourites command goes to is noted here.
  mainWindow_.store(host().ParentOf(GetSafeHwnd()));

  engine.ResetMotion();
  engine.LoadSettings();
  engine.DeriveCaps();
  engine.ResetButtonTables();

  icon.AddNotifyIcon(GetSafeHwnd(), ICON_ACTIVE);

  timerRunning.store(1);
  padError.store(0);
  configOpen = 0;
  engine.state.RepeatDeadline = 0;

  // Only Windows 95 itself (9x family, version 4.0) lacks the wheel
  // message that the scroll paths use. The version word's low half holds
  // the major version in its low byte and the minor above it, so 4.0 reads
  // 4 there and 4.10 and later read more.
  constexpr std::uint32_t kMajorMinorMask = 0xFFFFu;
  constexpr std::uint32_t kLastLegacyMajorMinor = 4;
  const std::uint32_t version = platform().process.VersionWord();
  engine.state.LegacyWheel =
      ((version & kVersion9xBit) != 0 && (version & kMajorMinorMask) <= kLastLegacyMajorMinor) ? 1 : 0;

  // The desktop's icon view: first child of the first child of "Progman".
  WindowSystem& windows = platform().windows;
  const WindowHandle progman = windows.FindWindowByClass("Progman");
  const WindowHandle defView = progman != 0 ? windows.FirstChild(progman) : 0;
  engine.state.DesktopListView = defView != 0 ? windows.FirstChild(defView) : 0;

  favorites.ReadFavoritesFolder();

  // Polling starts last: the first ticks then find the icon, the view state
  // and both platform facts in place, and a tick that stops itself at once
  // (no pad) is not overwritten by the state set above.
  if (engine.StartPolling() == 0) {
    timerRunning.store(0);
    platform().dialogs.MessageBox(MainWindow(), kTimerFailureText, kAppTitle,
                                  kMbOk | kMbIconExclamation);
    Ignore(platform().windows.PostMessage(MainWindow(), kWmClose, 0, 0));
  }
}

void CQuorvantixView::TogglePolling() {
  // A double click while a pause still waits for its tick is the same
  // request again, and is not taken twice.
  if (configOpen == 1 || padError.load() == 1 || tickWaits_ > 0 || ending_) return;
  if (timerRunning.load() == 1)
    PausePolling();
  else
    ResumePolling();
}

void CQuorvantixView::PausePolling() {
  StopPollingAndWait();
  // The program may have been ended while the pause waited.
  if (ending_) return;
  // No tick runs after StopPolling returns, so the latches end here alone.
  timerRunning.store(0);
  engine.ReleaseLatchedButtons();
  engine.FlushKeyUps();
  SetNotifyIcon(IconPicture::Paused);
}

void CQuorvantixView::ResumePolling() {
  // State and picture first, so that a first tick that stops itself (the
  // pad gone meanwhile) has the last word.
  timerRunning.store(1);
  SetNotifyIcon(IconPicture::Active);
  if (engine.StartPolling() == 0) {
    // No timer to be had: stay paused, and say so with the picture; another
    // double click tries again.
    timerRunning.store(0);
    SetNotifyIcon(IconPicture::Paused);
  }
}

void CQuorvantixView::StopPollingAndWait() {
  ++tickWaits_;
  engine.StopPolling();
  --tickWaits_;
}

LResult CQuorvantixView::OnNotifyIcon(WParam, LParam lParam) {
  const std::uint32_t mouseMessage = static_cast<std::uint32_t>(lParam);
  if (mouseMessage == kWmLButtonDblClk)
    TogglePolling();
  else if (mouseMessage == kWmRButtonDown)
    OpenPopUpMenu();
  return 0;
}

void CQuorvantixView::OpenPopUpMenu() {
  Point where;
  Ignore(platform().windows.GetCursorPos(where));
  platform().windows.SetForegroundWindow(GetSafeHwnd());
  const OwnedMenu menu = platform().menus.LoadMenuResource(IDR_POPUP_MENU);
  if (!menu) return;
  const MenuHandle popup = platform().menus.SubMenu(menu.get(), 0);
  if (popup == 0) return;
  Ignore(host().TrackPopupMenu(popup, kTpmLeftAlign | kTpmRightButton, where, MainWindow()));
}

void CQuorvantixView::OnFavorites() {
  Point where;
  Ignore(platform().windows.GetCursorPos(where));
  // While the menu is open, a second favourites command (the pad's, taken by
  // the menu's own loop) neither rebuilds nor tracks it again.
  if (favorites.tracking()) return;
  favorites.BuildFavoritesMenu();
  platform().windows.SetForegroundWindow(GetSafeHwnd());
  Ignore(favorites.TrackFavoritesMenu([&](MenuHandle menu) {
    return host().TrackPopupMenu(menu, kTpmLeftAlign | kTpmLeftButton, where, GetSafeHwnd());
  }));
}

void CQuorvantixView::OnHelpContents() {
  const std::string file = std::string(programDir) + kHelpFileName;
  Ignore(platform().dialogs.WinHelp(GetSafeHwnd(), file.c_str(), kHelpFinder, 0));
}

void CQuorvantixView::OnSetup() {
  // A command that reaches the view while the sheet is open (posted, not
  // chosen from the greyed item) opens no second sheet.
  if (configOpen == 1 || ending_) return;
  CMyPropertySheet sheet(host());

  const bool wasRunning = timerRunning.load() == 1;
  if (wasRunning) TogglePolling();
  // The program may have been ended while the pause waited for its tick.
  if (ending_) return;
  configOpen = 1;
  engine.state.MotionFlags = 0;

  // The system fields pass through the cycle as they are.
  PadSettings edited = engine.settings;
  sheet.buttonPage.LoadFrom(edited);
  sheet.systemPage.LoadFrom(edited, engine.caps.HasZ);

  if (sheet.DoModal() == kIdOk) {
    sheet.buttonPage.StoreInto(edited);
    // The port as the system page shows it, 1-based.
    sheet.systemPage.StoreInto(edited);
    engine.ApplySettings(edited);
  }
  configOpen = 0;

  const bool resumeForPad = ProbePadAfterSetup();
  if (wasRunning || resumeForPad) TogglePolling();
}

bool CQuorvantixView::ProbePadAfterSetup() {
  JoyInfoEx sample;
  sample.dwSize = sizeof sample;
  sample.dwFlags = kJoyReturnAll;
  const std::int32_t port = engine.settings.PortID;
  const bool answers =
      port >= 0 &&
      platform().joystick.GetPosEx(static_cast<std::uint32_t>(port), sample) == Status::Ok;
  if (!answers) {
    padError.store(1);
    return false;
  }
  return padError.exchange(0) == 1;
}

void CQuorvantixView::OnUpdateSetup(CCmdUI* commandUI) { commandUI->Enable(configOpen == 0); }

void CQuorvantixView::OnTaskbarCreated() { icon.AddAgain(); }

void CQuorvantixView::SetNotifyIcon(IconPicture picture) {
  static constexpr std::uint32_t kResources[] = {ICON_ACTIVE, ICON_PAUSED, ICON_HOLDING};
  icon.SetNotifyIcon(kResources[static_cast<int>(picture)]);
}

void CQuorvantixView::PostFavoritesCommand() {
  Ignore(platform().windows.PostMessage(MainWindow(), kWmCommand, ID_FAVORITES, 0));
}

void CQuorvantixView::ShowLaunchFailure() {
  platform().dialogs.MessageBox(0, kLaunchFailureText, kAppTitle, kMbOk | kMbIconExclamation);
}

void CQuorvantixView::PollingStoppedByTick(bool stoppedByPadError) {
  timerRunning.store(0);
  padError.store(stoppedByPadError ? 1 : 0);
}

bool CQuorvantixView::OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                               CmdHandlerInfo* handlerInfo) {
  // The favourites items go before the view's own table.
  if (favorites.DispatchFavoriteCommand(id, code, handlerInfo != nullptr, MainWindow())) return true;
  return CView::OnCmdMsg(id, code, extra, handlerInfo);
}

bool CQuorvantixView::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                          CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CQuorvantixView> kMap[] = {
      OnCommandEntry(ID_HELP_CONTENTS, &CQuorvantixView::OnHelpContents),
      OnCommandEntry(ID_FAVORITES, &CQuorvantixView::OnFavorites),
      OnCommandEntry(ID_SETUP, &CQuorvantixView::OnSetup),
      OnUpdateEntry(ID_SETUP, &CQuorvantixView::OnUpdateSetup),
      OnUpdateEntry(ID_APP_EXIT, &CQuorvantixView::OnUpdateSetup),
  };
  if (DispatchCommandMap(*this, kMap, id, code, extra, handlerInfo)) return true;
  return CView::DispatchOwnCommands(id, code, extra, handlerInfo);
}

LResult CQuorvantixView::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  if (message == kWmNotifyIcon) return OnNotifyIcon(wParam, lParam);
  // Handed on by the frame: the session ends when the frame's handler
  // returns, so the timer and the icon go now.
  if (message == kWmEndSession) {
    if (wParam != 0) StopAndRemoveIcon();
    return 0;
  }
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    OnTaskbarCreated();
    return 0;
  }
  return CView::WindowProc(message, wParam, lParam);
}

void CQuorvantixView::OnDestroy() {
  CView::OnDestroy();
  StopAndRemoveIcon();
}

void CQuorvantixView::StopAndRemoveIcon() {
  ending_ = true;
  // StopPolling kills the timer when one exists and, either way, waits for
  // a tick still in progress.
  StopPollingAndWait();
  timerRunning.store(0);
  icon.RemoveNotifyIcon();
}

}  // namespace qv
