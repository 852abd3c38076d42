// The framework's host on Win32: every window and dialog of the program is
// bound to its object in one static window procedure (WM_NCCREATE's creation
// parameter, WM_INITDIALOG's lParam, a page's PROPSHEETPAGE, kept in the
// window's user data), and no exception gets past that procedure into the
// system. Property sheets are the system's own, run modeless inside a loop
// of the host's so that the application's filter sees every message.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "framework/window_host.h"

struct tagMSG;

namespace qv {

class Win32DialogControls final : public DialogControls {
 public:
  void SetText(WindowHandle dialog, int id, const char* text, TextCode code) override;
  std::size_t GetText(WindowHandle dialog, int id, char* text, std::size_t capacity,
                      TextCode code) override;
  void SetCheck(WindowHandle dialog, int id, int state) override;
  int GetCheck(WindowHandle dialog, int id) override;
  void Enable(WindowHandle dialog, int id, bool enable) override;
  bool IsEnabled(WindowHandle dialog, int id) override;
  void SetFocus(WindowHandle dialog, int id) override;
  WindowHandle ControlWindow(WindowHandle dialog, int id) override;
  void SetSliderRange(WindowHandle dialog, int id, int minimum, int maximum) override;
  void SetSliderTicFreq(WindowHandle dialog, int id, int frequency) override;
  void SetSliderLineSize(WindowHandle dialog, int id, int step) override;
  void SetSliderPageSize(WindowHandle dialog, int id, int step) override;
  void SetSliderPos(WindowHandle dialog, int id, int position) override;
  int GetSliderPos(WindowHandle dialog, int id) override;
  void SetUpDownBuddy(WindowHandle dialog, int id, int buddyId) override;
  void SetUpDownRange(WindowHandle dialog, int id, int lower, int upper) override;
  void SetUpDownPos(WindowHandle dialog, int id, int position) override;
  int GetUpDownPos(WindowHandle dialog, int id) override;
  int GetRadioIndex(WindowHandle dialog, int firstId) override;
  void SetRadioIndex(WindowHandle dialog, int firstId, int index) override;
  int IdOf(WindowHandle control) override;
  void MapDialogRect(WindowHandle dialog, Rect& rect) override;
};

class Win32WindowHost final : public WindowHost {
 public:
  explicit Win32WindowHost(Platform& platform) : platform_(platform) {}

  Platform& platform() override { return platform_; }
  void SetApplication(CWinApp* app) override;
  CWinApp* Application() override;

  Status CreateWindowFor(CWnd& wnd, const WindowCreateParams& params) override;
  void DestroyWindow(WindowHandle window) override;
  void ReleaseWindow(WindowHandle window) override;
  CWnd* FromHandle(WindowHandle window) override;
  bool IsWindow(WindowHandle window) override;
  WindowHandle ParentOf(WindowHandle window) override;
  LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam,
                        LParam lParam) override;

  void ShowWindow(WindowHandle window, std::int32_t showCommand) override;
  void UpdateWindow(WindowHandle window) override;
  void Invalidate(WindowHandle window) override;
  void RedrawWindow(WindowHandle window) override;
  void CenterWindow(WindowHandle window, WindowHandle alternateOwner) override;
  void SetTopmost(WindowHandle window) override;
  void SetWindowText(WindowHandle window, const char* text) override;
  bool IsChildWindow(WindowHandle window) override;

  Status SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs) override;
  void KillTimer(WindowHandle window, std::uint32_t id) override;

  OwnedBitmap LoadBitmap(std::uint32_t resourceId) override;
  Status BitmapSize(BitmapHandle bitmap, Size& size) override;
  Status PaintBitmap(WindowHandle window, BitmapHandle bitmap, Point at) override;

  Status TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                      WindowHandle owner) override;

  std::intptr_t DoModal(CDialog& dialog, std::uint32_t templateId, WindowHandle parent) override;
  void EndDialog(WindowHandle dialog, std::intptr_t result) override;
  DialogControls& Controls() override { return controls_; }
  Status CreateModeless(CDialog& dialog, std::uint32_t templateId, WindowHandle parent) override;
  std::intptr_t RunPropertySheet(CPropertySheet& sheet, WindowHandle parent) override;

  void DragAcceptFiles(WindowHandle window, bool accept) override;
  std::uint32_t DropFileCount(DropHandle drop) override;
  std::size_t DropFileName(DropHandle drop, std::uint32_t index, char* text,
                           std::size_t capacity) override;
  void FinishDrop(DropHandle drop) override;
  Point DropPoint(DropHandle drop) override;

  int RunMessageLoop(CWinApp& app) override;
  void PostQuit(int exitCode) override;
  std::uint32_t RegisterWindowMessage(const char* name) override;

 private:
  void Release(BitmapKind, BitmapHandle bitmap) override;
  static void InitCommonControls();
  // The application's filter, then the dialog manager of each modeless
  // dialog: true when the message was taken.
  bool FilterAndDialogs(CWinApp* app, tagMSG& m);

  Platform& platform_;
  std::set<WindowHandle> modeless_;
  Win32DialogControls controls_;
  std::set<std::string> classes_;
};

}  // namespace qv
