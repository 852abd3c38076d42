// The framework's host in memory, on the simulated platform. The program's
// windows are attached to the simulated window system, so messages that the
// logic or the test sends or posts reach their objects; posted messages and
// window timers pass the application's message filter when the test pumps
// the queue; modal dialogs run while a scripted user acts on them; menu
// tracking plays WM_INITMENUPOPUP to the owner first, as the system does;
// property sheets make their pages' windows when a page is first shown and
// send them the sheet's notifications as the system's sheet does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/menu_template.h"
#include "framework/sim/sim_controls.h"
#include "framework/window_host.h"
#include "platform/sim/sim_platform.h"

namespace qv::sim {

// The system numbers the messages it registers by name from here up; the
// simulated host does the same.
inline constexpr std::uint32_t kFirstRegisteredMessage = 0xC000u;

struct SimWindow {
  CWnd* object = nullptr;
  CDialog* dialog = nullptr;  // set for dialogs and property pages
  WindowHandle parent = 0;
  std::string className;
  std::string title;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  Rect rect;
  std::uint32_t childId = 0;
  bool visible = false;
  bool invalid = false;
  bool destroying = false;
  std::int32_t lastShowCommand = -1;
  int paintMessages = 0;
  bool centred = false;
  WindowHandle centredOn = 0;  // the alternate owner given, 0 for none
  bool ended = false;          // a dialog after EndDialog
  std::intptr_t result = 0;
  bool topmost = false;
  bool enabled = true;
  bool modeless = false;
  bool acceptsFiles = false;
};

// One run of a property sheet, as the user saw it.
struct SimSheetRun {
  WindowHandle handle = 0;
  WindowHandle parent = 0;
  std::string caption;
  bool wizard = false;
  bool applyButton = false;
  std::vector<WindowHandle> pageWindows;  // 0 for a page not shown yet
  int active = -1;
  std::uint32_t wizardButtons = 0;
  std::vector<int> activations;  // page indexes, in the order they became active
  bool parentDisabledWhileRunning = false;
  std::intptr_t result = 0;
  bool finished = false;
};

struct SimDialogRun {
  std::uint32_t templateId = 0;
  WindowHandle parent = 0;
  WindowHandle handle = 0;
  std::intptr_t result = 0;
  bool finished = false;
};

struct SimPaint {
  WindowHandle window = 0;
  std::uint32_t bitmapResource = 0;
  Point at;
  Size size;
};

class SimWindowHost final : public WindowHost {
 public:
  explicit SimWindowHost(SimPlatform& sim);
  ~SimWindowHost();

  Platform& platform() override { return sim_.platform; }
  void SetApplication(CWinApp* app) override { app_ = app; }
  CWinApp* Application() override { return app_; }

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
  DialogControls& Controls() override { return controls; }
  Status CreateModeless(CDialog& dialog, std::uint32_t templateId, WindowHandle parent) override;
  std::intptr_t RunPropertySheet(CPropertySheet& sheet, WindowHandle parent) override;

  void DragAcceptFiles(WindowHandle window, bool accept) override;
  std::uint32_t DropFileCount(DropHandle drop) override;
  std::size_t DropFileName(DropHandle drop, std::uint32_t index, char* text,
                           std::size_t capacity) override;
  void FinishDrop(DropHandle drop) override;
  Point DropPoint(DropHandle drop) override;

  // Pumps until a quit request; when the queue runs dry, `onIdle` acts as the
  // user. Returns the quit code, or -1 when the queue is empty, no quit was
  // asked for and there is no user to act (a real loop would wait forever).
  int RunMessageLoop(CWinApp& app) override;
  void PostQuit(int exitCode) override;
  std::uint32_t RegisterWindowMessage(const char* name) override;

  // --- The test's side ---
  SimPlatform& sim() { return sim_; }
  const SimWindow* Window(WindowHandle window) const;
  // A live window by title; 0 when none.
  WindowHandle FindByTitle(const std::string& title) const;
  int LiveWindows() const;
  // Delivers the posted messages, each offered to the application's filter
  // first; returns how many were taken from the queue.
  int Pump();
  // Moves the platform's clock on, firing multimedia timers, window timers
  // (queued WM_TIMER) and pumping the queue after every millisecond.
  void Advance(std::uint32_t ms);
  bool HasTimer(WindowHandle window, std::uint32_t id) const;

  // The program's menu resources, loaded through the simulated menus.
  void RegisterMenu(std::uint32_t resourceId, const MenuTemplatePopup* popups, std::size_t count);
  // Controls that dialogs of a template start with; a dialog of a template
  // has no others.
  void RegisterDialogTemplate(std::uint32_t templateId, std::vector<ControlSpec> controls);
  // Every dialog of a resource script, from its generated table.
  void RegisterDialogTemplates(const DialogTemplateSpec* templates, std::size_t count);
  template <std::size_t N>
  void RegisterDialogTemplates(const DialogTemplateSpec (&templates)[N]) {
    RegisterDialogTemplates(templates, N);
  }
  void AddBitmap(std::uint32_t resourceId, Size size) { bitmaps_[resourceId] = size; }
  int LiveBitmaps() const { return static_cast<int>(liveBitmaps_.size()); }

  // The user, on a dialog's controls: the control changes as the system
  // would change it, then the dialog gets the notification.
  void Click(WindowHandle dialog, int id);
  void Type(WindowHandle dialog, int id, const char* text);
  void DragSlider(WindowHandle dialog, int id, int position);
  void SpinUpDown(WindowHandle dialog, int id, int delta);
  // A key pressed while control `id` has the focus, as the loop takes it:
  // the application's filter first (true: taken there); else the dialog
  // manager (Tab moves the focus) and the control. `keyData` is the
  // message's key data (the scan code in bits 16..23).
  bool PressKey(WindowHandle dialog, int id, std::uint32_t message, WParam key,
                LParam keyData = 0);
  // Files dropped on a window (names in the system's code page), through the
  // queue as the shell posts them.
  void DropFiles(WindowHandle window, std::vector<std::string> names, Point at = {});
  int UnfinishedDrops() const { return static_cast<int>(drops_.size()); }

  // The user on a running property sheet. Selecting a tab or pressing a
  // button goes through the pages' notifications as the system's sheet does
  // (false: refused, the sheet stays as it was). Closing is Cancel.
  bool SelectPage(WindowHandle sheet, int index);
  bool PressSheetButton(WindowHandle sheet, std::intptr_t button);
  // The running sheet's record, its active page's window, 0 when none.
  SimSheetRun* SheetRun(WindowHandle sheet);
  WindowHandle ActivePage(WindowHandle sheet);

  SimDialogControls controls;
  std::vector<SimDialogRun> dialogRuns;
  // The user while a modal dialog is up (after its initialisation). A dialog
  // still open when it returns is closed as with Esc.
  std::function<void(SimWindowHost&, CDialog&)> onDialog;
  // The user while a property sheet is up (after its initialisation). A
  // sheet still open when it returns is cancelled.
  std::function<void(SimWindowHost&, CPropertySheet&)> onSheet;
  std::vector<SimSheetRun> sheetRuns;
  std::function<bool()> onIdle;
  std::vector<SimPaint> paints;
  // Refuses the creation of matching windows (as the system might).
  std::function<bool(const WindowCreateParams&)> refuseCreate;
  bool failMemoryContext = false;
  bool quitPosted = false;
  int quitCode = 0;
  Rect workArea{0, 0, 1280, 994};
  Rect screen{0, 0, 1280, 1024};

 private:
  void Release(BitmapKind, BitmapHandle bitmap) override;
  struct WindowTimer {
    WindowHandle window;
    std::uint32_t id;
    std::uint32_t interval;
    std::uint32_t nextDue;
  };
  WindowHandle NewWindow(CWnd& wnd, SimWindow record);
  LResult Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
  LResult FromSystem(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
  void DeliverQueued(const Msg& msg);
  void SendDestroy(WindowHandle window);
  void SendNcDestroy(WindowHandle window);
  std::vector<WindowHandle> ChildrenOf(WindowHandle window) const;
  SimWindow* Find(WindowHandle window);
  WindowHandle NewDialogWindow(CDialog& dialog, std::uint32_t templateId, SimWindow record);
  bool ActivatePage(SimSheetRun& run, CPropertySheet& sheet, int index);
  LResult NotifyPage(WindowHandle page, WindowHandle sheet, std::uint32_t code);
  bool LeavePage(SimSheetRun& run);
  bool ChangePage(WindowHandle sheet, int index);
  void EndSheet(SimSheetRun& run, std::intptr_t result);
  LResult SheetMessage(WindowHandle sheet, std::uint32_t message, WParam wParam, LParam lParam);
  const std::vector<ControlSpec>* TemplateOf(std::uint32_t templateId) const;

  SimPlatform& sim_;
  CWinApp* app_ = nullptr;
  std::map<WindowHandle, SimWindow> windows_;
  std::vector<WindowTimer> timers_;
  std::map<std::uint32_t, std::vector<ControlSpec>> templates_;
  std::map<WindowHandle, std::size_t> sheets_;  // running sheet -> index in sheetRuns
  std::map<DropHandle, std::vector<std::string>> drops_;
  std::map<DropHandle, Point> dropPoints_;
  DropHandle nextDrop_ = 0xD000;
  std::uint32_t queueSerial_ = 0;
  std::map<std::uint32_t, Size> bitmaps_;
  std::map<BitmapHandle, std::uint32_t> liveBitmaps_;
  std::map<std::string, std::uint32_t> registered_;
  WindowHandle nextWindow_ = 0x20000;
  BitmapHandle nextBitmap_ = 0xB000;
  int depth_ = 0;
  int pumpDepth_ = -1;
};

}  // namespace qv::sim
