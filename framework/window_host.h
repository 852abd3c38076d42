// What the framework's window classes need from the window system: the
// program's own windows bound to their objects, window timers, painting,
// menus tracked for a window, modal dialogs with their controls, and the
// message loop. One host runs on Win32, one in memory on the simulated
// platform.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/menus.h"
#include "platform/owned.h"
#include "platform/platform.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

class CDialog;
class CPropertySheet;
class CWinApp;
class CWnd;

// One message as the message loop takes it from the queue. `time` is the
// queue's time stamp: with the other fields it tells one queued message from
// the next, so that a message offered to the filter twice is seen once.
struct Msg {
  WindowHandle hwnd = 0;
  std::uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  std::uint32_t time = 0;
};

// Where a message offered to the application's filter comes from: a loop of
// the program's own, or a loop of the system's (a modal dialog, a message
// box, a tracked menu) through the message-filter hook.
enum class FilterSource { ProgramLoop, DialogLoop, MessageBoxLoop, MenuLoop };

// A set of files dropped from the shell, as WM_DROPFILES carries it.
using DropHandle = std::uintptr_t;

struct WindowCreateParams {
  std::uint32_t exStyle = 0;
  // Null: the framework's own window class (class style 0, arrow cursor, no
  // background brush, no icon). A named class is registered once, the same way.
  const char* className = nullptr;
  const char* title = "";  // the program's text (Shift-JIS)
  std::uint32_t style = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  WindowHandle parent = 0;  // parent of a child window, owner of a pop-up
  std::uint32_t childId = 0;
};

using BitmapHandle = std::uintptr_t;
class WindowHost;
using OwnedBitmap = Owned<WindowHost, BitmapKind>;

struct Size {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
};

// The controls of a dialog, by dialog window and control id. Text is the
// program's own (code page 932) or a file-system name (the system's ANSI
// code page), as `code` says.
class DialogControls {
 public:
  DialogControls() = default;
  DialogControls(const DialogControls&) = delete;
  DialogControls& operator=(const DialogControls&) = delete;

  virtual void SetText(WindowHandle dialog, int id, const char* text, TextCode code) = 0;
  // Copies at most capacity - 1 bytes and a terminator; returns the length.
  virtual std::size_t GetText(WindowHandle dialog, int id, char* text, std::size_t capacity,
                              TextCode code) = 0;
  virtual void SetCheck(WindowHandle dialog, int id, int state) = 0;
  virtual int GetCheck(WindowHandle dialog, int id) = 0;
  virtual void Enable(WindowHandle dialog, int id, bool enable) = 0;
  virtual bool IsEnabled(WindowHandle dialog, int id) = 0;
  virtual void SetFocus(WindowHandle dialog, int id) = 0;
  virtual WindowHandle ControlWindow(WindowHandle dialog, int id) = 0;
  // Trackbars.
  virtual void SetSliderRange(WindowHandle dialog, int id, int minimum, int maximum) = 0;
  virtual void SetSliderTicFreq(WindowHandle dialog, int id, int frequency) = 0;
  virtual void SetSliderLineSize(WindowHandle dialog, int id, int step) = 0;
  virtual void SetSliderPageSize(WindowHandle dialog, int id, int step) = 0;
  virtual void SetSliderPos(WindowHandle dialog, int id, int position) = 0;
  virtual int GetSliderPos(WindowHandle dialog, int id) = 0;
  // Up-down controls; the buddy shows the position as a whole number.
  virtual void SetUpDownBuddy(WindowHandle dialog, int id, int buddyId) = 0;
  virtual void SetUpDownRange(WindowHandle dialog, int id, int lower, int upper) = 0;
  virtual void SetUpDownPos(WindowHandle dialog, int id, int position) = 0;
  virtual int GetUpDownPos(WindowHandle dialog, int id) = 0;
  // Radio groups: the buttons from `firstId` to the next control that starts
  // a group. The index of the checked one (-1: none); checking one by index
  // unchecks the others (-1 unchecks all).
  virtual int GetRadioIndex(WindowHandle dialog, int firstId) = 0;
  virtual void SetRadioIndex(WindowHandle dialog, int firstId, int index) = 0;
  // The id of a control window (0 when it is no control of a dialog).
  virtual int IdOf(WindowHandle control) = 0;
  // Dialog units of the dialog's template to pixels of its client area, as
  // the dialog's font and the screen's resolution size them.
  virtual void MapDialogRect(WindowHandle dialog, Rect& rect) = 0;

 protected:
  ~DialogControls() = default;
};

class WindowHost {
 public:
  WindowHost() = default;
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  // The ports the host's windows run on.
  virtual Platform& platform() = 0;

  // The application whose message filter sees every message taken from the
  // queue; set by the application object for its lifetime.
  virtual void SetApplication(CWinApp* app) = 0;
  virtual CWinApp* Application() = 0;

  // Creates the window of `wnd`. The object is bound to the window before its
  // first message, so creation reaches OnCreate; fails when the system or
  // OnCreate (-1) refuses.
  [[nodiscard]] virtual Status CreateWindowFor(CWnd& wnd, const WindowCreateParams& params) = 0;
  // Destroys a window and its children: WM_DESTROY parent first, then
  // WM_NCDESTROY children first; after its last message an object is unbound
  // and its PostNcDestroy runs.
  virtual void DestroyWindow(WindowHandle window) = 0;
  // Unbinds the object and destroys the window without another message to
  // the object (for an object that goes away while its window still exists).
  virtual void ReleaseWindow(WindowHandle window) = 0;
  virtual CWnd* FromHandle(WindowHandle window) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  virtual WindowHandle ParentOf(WindowHandle window) = 0;
  // The system's default processing of a message.
  virtual LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam,
                                LParam lParam) = 0;

  virtual void ShowWindow(WindowHandle window, std::int32_t showCommand) = 0;
  // Paints now when part of the window is invalid (a synchronous update).
  virtual void UpdateWindow(WindowHandle window) = 0;
  virtual void Invalidate(WindowHandle window) = 0;
  // Invalidates the whole window and paints it now.
  virtual void RedrawWindow(WindowHandle window) = 0;
  // Centres on `alternateOwner`, or on the owner, or (neither) in the work
  // area of the primary screen.
  virtual void CenterWindow(WindowHandle window, WindowHandle alternateOwner) = 0;
  // Puts the window above every window that is not topmost, without moving,
  // resizing or activating it.
  virtual void SetTopmost(WindowHandle window) = 0;
  virtual void SetWindowText(WindowHandle window, const char* text) = 0;
  // Whether the window is a child window (its parent, not an owner, above it).
  virtual bool IsChildWindow(WindowHandle window) = 0;

  // Window timers: WM_TIMER with the id every `intervalMs`.
  virtual Status SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs) = 0;
  virtual void KillTimer(WindowHandle window, std::uint32_t id) = 0;

  // Bitmap resources of the program.
  virtual OwnedBitmap LoadBitmap(std::uint32_t resourceId) = 0;
  virtual Status BitmapSize(BitmapHandle bitmap, Size& size) = 0;
  // The paint of a WM_PAINT: copies the whole bitmap to the window at `at`
  // through a memory context compatible with the paint context. Failed (and
  // nothing drawn) when that context cannot be made; the window is validated
  // either way.
  [[nodiscard]] virtual Status PaintBitmap(WindowHandle window, BitmapHandle bitmap, Point at) = 0;

  // Tracks a pop-up menu for `owner`, which first receives WM_INITMENUPOPUP
  // (the system sends it; the simulated host plays it) so that the owner's
  // update handlers grey items.
  virtual Status TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                              WindowHandle owner) = 0;

  // Runs a dialog from its template modally; returns the result given to
  // EndDialog, -1 when the dialog cannot be made.
  virtual std::intptr_t DoModal(CDialog& dialog, std::uint32_t templateId, WindowHandle parent) = 0;
  virtual void EndDialog(WindowHandle dialog, std::intptr_t result) = 0;
  virtual DialogControls& Controls() = 0;
  // A modeless dialog from its template, shown as the template says; every
  // loop of the host lets its dialog manager see the dialog's messages.
  // Ended with DestroyWindow.
  [[nodiscard]] virtual Status CreateModeless(CDialog& dialog, std::uint32_t templateId,
                                              WindowHandle parent) = 0;

  // Runs a property sheet modally: its pages as added, the first one shown,
  // the owner disabled meanwhile. Returns kIdOk, kIdCancel (also for closing)
  // or, for a wizard that was finished, kIdWizFinish; -1 when the sheet or a
  // page cannot be made.
  virtual std::intptr_t RunPropertySheet(CPropertySheet& sheet, WindowHandle parent) = 0;

  // Files dropped from the shell: whether a window takes them, and the names
  // of one drop (in the system's code page, cut at a character boundary).
  // FinishDrop releases the drop; CDropFiles does that for its handlers.
  virtual void DragAcceptFiles(WindowHandle window, bool accept) = 0;
  virtual std::uint32_t DropFileCount(DropHandle drop) = 0;
  virtual std::size_t DropFileName(DropHandle drop, std::uint32_t index, char* text,
                                   std::size_t capacity) = 0;
  virtual void FinishDrop(DropHandle drop) = 0;
  // Where the files were let go, in the client coordinates of the window
  // they were dropped on.
  virtual Point DropPoint(DropHandle drop) = 0;

  // Takes messages until a quit request, offering each to the application's
  // PreTranslateMessage before it is dispatched; returns the quit code.
  virtual int RunMessageLoop(CWinApp& app) = 0;
  virtual void PostQuit(int exitCode) = 0;
  // A message number unique in the session for `name` (e.g. "TaskbarCreated").
  virtual std::uint32_t RegisterWindowMessage(const char* name) = 0;

 protected:
  virtual ~WindowHost() = default;
  template <typename, typename>
  friend class Owned;
  virtual void Release(BitmapKind, BitmapHandle bitmap) = 0;
};

}  // namespace qv
