// The Win32 host: window classes, the one window procedure and the one
// dialog procedure, the message loop, timers, painting and modal dialogs.
#include "framework/win32/win32_window_host.h"

#include <cstddef>
#include <string>

#include "framework/dialog.h"
#include "framework/message_map.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "framework/win32/win32_procs.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

#include <commctrl.h>
#include <shellapi.h>

// The host's operations are named after the system's; the headers would turn
// those names into their A forms. The system's are called by W names here.
#undef DefWindowProc
#undef LoadBitmap
#undef RegisterWindowMessage
#undef SetWindowText

namespace qv {

static_assert(sizeof(NmHdr) == sizeof(NMHDR) && offsetof(NmHdr, code) == offsetof(NMHDR, code) &&
                  offsetof(NmHdr, idFrom) == offsetof(NMHDR, idFrom),
              "the portable notify header must keep the system's layout");

namespace {

constexpr wchar_t kDefaultClass[] = L"QuorvantixWnd";

// The application whose filter sees the messages of every loop: a hook
// procedure gets no context of its own, and there is one application per
// process.
CWinApp* g_application = nullptr;

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::UnhookWindowsHookEx(h); }
};
using HookOwner = UniqueHandle<HookTraits>;

// One hook for the application's lifetime: the system's own loops (modal
// dialogs, message boxes, tracked menus) offer it each message they take.
HookOwner g_filterHook;

// BeginPaint and its EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window_, &paint_); }
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// Window class names are plain ASCII.
std::wstring AsciiToWide(const char* text) {
  std::wstring wide;
  for (const char* p = text; *p; ++p) wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return wide;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    CWnd* wnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      wnd = static_cast<CWnd*>(create->lpCreateParams);
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wnd));
      if (wnd != nullptr) wnd->BindHandle(FromHwnd(hwnd));
    }
    if (wnd == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const LResult result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      wnd->HandleFinalMessage();
    }
    return result;
  } catch (...) {
    // Nothing may unwind into the system's code.
    return 0;
  }
}

namespace {

// Both dialog procedures: `bound` is the object that WM_INITDIALOG names.
INT_PTR DialogProcFor(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialog* bound) {
  try {
    CDialog* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_INITDIALOG) {
      dialog = bound;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
      if (dialog != nullptr) dialog->BindHandle(FromHwnd(hwnd));
    }
    if (dialog == nullptr) return FALSE;
    const LResult result = dialog->WindowProc(message, wParam, lParam);
    const bool defaulted = dialog->TakeDefaulted();
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      dialog->HandleFinalMessage();
      return FALSE;
    }
    // WM_INITDIALOG answers whether the system sets the focus.
    if (message == WM_INITDIALOG) return result != 0 ? TRUE : FALSE;
    if (defaulted) return FALSE;
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

FilterSource SourceOf(int code) {
  switch (code) {
    case MSGF_DIALOGBOX:
      return FilterSource::DialogLoop;
    case MSGF_MESSAGEBOX:
      return FilterSource::MessageBoxLoop;
    default:
      return FilterSource::MenuLoop;
  }
}

// The system's loops offer their messages here; the application's filter
// sees them as it sees those of the program's own loops.
LRESULT CALLBACK MessageFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && g_application != nullptr) {
    try {
      const MSG* m = reinterpret_cast<const MSG*>(lParam);
      Msg msg{FromHwnd(m->hwnd), m->message, m->wParam, m->lParam, static_cast<std::uint32_t>(m->time)};
      if (g_application->ProcessMessageFilter(SourceOf(code), msg)) return 1;
    } catch (...) {
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DialogProcFor(hwnd, message, wParam, lParam,
                       message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr);
}

INT_PTR CALLBACK FrameworkPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CPropertyPage* page = nullptr;
  if (message == WM_INITDIALOG && lParam != 0) {
    page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    if (page != nullptr) page->MarkShown(true);
    // The system makes the first page, and activates it, inside
    // PropertySheetW, before the host has the sheet's window: the sheet
    // learns it here, so that what the page sends the sheet on its first
    // activation (its wizard buttons) reaches it.
    CPropertySheet* sheet = page != nullptr ? page->GetSheet() : nullptr;
    if (sheet != nullptr && sheet->GetSafeHwnd() == 0) sheet->BindHandle(FromHwnd(::GetParent(hwnd)));
  }
  if (message == WM_NOTIFY && lParam != 0 &&
      reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE)) {
    // The sheet sizes a page in its own font's units; the page gets room
    // for the whole of its template in the page's own.
    // (A wizard's pages keep the size the wizard gives them.)
    const auto* shown = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (shown != nullptr && shown->GetSheet() != nullptr && shown->GetSheet()->IsWizardMode())
      shown = nullptr;
    RECT area{};
    ::GetWindowRect(hwnd, &area);
    const SIZE need = shown != nullptr
                          ? PageTemplatePixels(hwnd, ::GetModuleHandleW(nullptr),
                                               static_cast<WORD>(shown->templateId()))
                          : SIZE{0, 0};
    if (need.cx > area.right - area.left || need.cy > area.bottom - area.top)
      ::SetWindowPos(hwnd, nullptr, 0, 0, need.cx, need.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return DialogProcFor(hwnd, message, wParam, lParam, page);
}

void Win32WindowHost::SetApplication(CWinApp* app) {
  g_application = app;
  if (app != nullptr && !g_filterHook)
    g_filterHook.reset(
        ::SetWindowsHookExW(WH_MSGFILTER, MessageFilterHook, nullptr, ::GetCurrentThreadId()));
  if (app == nullptr) g_filterHook.reset();
}
CWinApp* Win32WindowHost::Application() { return g_application; }

Status Win32WindowHost::CreateWindowFor(CWnd& wnd, const WindowCreateParams& params) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const std::wstring className =
      params.className != nullptr ? AsciiToWide(params.className) : std::wstring(kDefaultClass);
  const std::string key = params.className != nullptr ? params.className : "";
  if (!classes_.count(key)) {
    WNDCLASSW windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = FrameworkWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.hIcon = nullptr;
    windowClass.lpszClassName = className.c_str();
    if (::RegisterClassW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
      return Status::Failed;
    classes_.insert(key);
  }
  const std::wstring title = ProgramToWide(params.title != nullptr ? params.title : "");
  const HMENU menuOrId =
      (params.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(params.childId))
                                : nullptr;
  const HWND hwnd = ::CreateWindowExW(params.exStyle, className.c_str(), title.c_str(),
                                      params.style, params.x, params.y, params.width,
                                      params.height, ToHwnd(params.parent), menuOrId, instance, &wnd);
  return hwnd != nullptr ? Status::Ok : Status::Failed;
}

void Win32WindowHost::DestroyWindow(WindowHandle window) { ::DestroyWindow(ToHwnd(window)); }

void Win32WindowHost::ReleaseWindow(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (!::IsWindow(hwnd)) return;
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd);
}

CWnd* Win32WindowHost::FromHandle(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd == nullptr) return nullptr;
  // Only windows of the program's own procedures carry an object.
  const WNDPROC proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  const DLGPROC dialogProc = reinterpret_cast<DLGPROC>(::GetWindowLongPtrW(hwnd, DWLP_DLGPROC));
  if (proc == FrameworkWindowProc || dialogProc == FrameworkDialogProc ||
      dialogProc == FrameworkPageProc)
    return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // A subclassed window of the system's (the property sheet).
  return static_cast<CWnd*>(::GetPropW(hwnd, kObjectProperty));
}

bool Win32WindowHost::IsWindow(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != FALSE; }

WindowHandle Win32WindowHost::ParentOf(WindowHandle window) {
  return FromHwnd(::GetParent(ToHwnd(window)));
}

bool Win32WindowHost::IsChildWindow(WindowHandle window) {
  return (::GetWindowLongPtrW(ToHwnd(window), GWL_STYLE) & WS_CHILD) != 0;
}

LResult Win32WindowHost::DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam,
                                       LParam lParam) {
  const HWND hwnd = ToHwnd(window);
  if (const auto original = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kOriginalProcProperty)))
    return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32WindowHost::SetTopmost(WindowHandle window) {
  ::SetWindowPos(ToHwnd(window), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowHost::SetWindowText(WindowHandle window, const char* text) {
  ::SetWindowTextW(ToHwnd(window), ProgramToWide(text != nullptr ? text : "").c_str());
}

void Win32WindowHost::ShowWindow(WindowHandle window, std::int32_t showCommand) {
  ::ShowWindow(ToHwnd(window), showCommand);
}

void Win32WindowHost::UpdateWindow(WindowHandle window) { ::UpdateWindow(ToHwnd(window)); }

void Win32WindowHost::Invalidate(WindowHandle window) {
  ::InvalidateRect(ToHwnd(window), nullptr, TRUE);
}

void Win32WindowHost::RedrawWindow(WindowHandle window) {
  ::RedrawWindow(ToHwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void Win32WindowHost::CenterWindow(WindowHandle window, WindowHandle alternateOwner) {
  const HWND hwnd = ToHwnd(window);
  RECT own{};
  if (!::GetWindowRect(hwnd, &own)) return;
  RECT area{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  HWND centre = alternateOwner != 0 ? ToHwnd(alternateOwner) : ::GetWindow(hwnd, GW_OWNER);
  // An owner that is not on the screen does not count.
  if (centre != nullptr && centre != ::GetDesktopWindow() &&
      (!::IsWindowVisible(centre) || ::IsIconic(centre)))
    centre = nullptr;
  RECT around = area;
  if (centre != nullptr) ::GetWindowRect(centre, &around);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  LONG x = around.left + (around.right - around.left - width) / 2;
  LONG y = around.top + (around.bottom - around.top - height) / 2;
  if (x + width > area.right) x = area.right - width;
  if (x < area.left) x = area.left;
  if (y + height > area.bottom) y = area.bottom - height;
  if (y < area.top) y = area.top;
  ::SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Status Win32WindowHost::SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs) {
  return OkOrFailed(::SetTimer(ToHwnd(window), id, intervalMs, nullptr) != 0);
}

void Win32WindowHost::KillTimer(WindowHandle window, std::uint32_t id) {
  ::KillTimer(ToHwnd(window), id);
}

OwnedBitmap Win32WindowHost::LoadBitmap(std::uint32_t resourceId) {
  const HBITMAP bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(static_cast<WORD>(resourceId)));
  return OwnedBitmap(*this, reinterpret_cast<BitmapHandle>(bitmap));
}

Status Win32WindowHost::BitmapSize(BitmapHandle bitmap, Size& size) {
  BITMAP info{};
  if (::GetObjectW(reinterpret_cast<HBITMAP>(bitmap), sizeof info, &info) == 0) return Status::Failed;
  size = Size{info.bmWidth, info.bmHeight};
  return Status::Ok;
}

void Win32WindowHost::Release(BitmapKind, BitmapHandle bitmap) {
  ::DeleteObject(reinterpret_cast<HBITMAP>(bitmap));
}

Status Win32WindowHost::PaintBitmap(WindowHandle window, BitmapHandle bitmap, Point at) {
  PaintScope paint(ToHwnd(window));
  MemoryDc memory(::CreateCompatibleDC(paint.dc()));
  if (!memory) return Status::Failed;
  Size size;
  if (!Succeeded(BitmapSize(bitmap, size))) return Status::Failed;
  const Selection selected(memory.get(), reinterpret_cast<HBITMAP>(bitmap));
  ::BitBlt(paint.dc(), at.x, at.y, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
  return Status::Ok;
}

Status Win32WindowHost::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                                     WindowHandle owner) {
  // The system sends WM_INITMENUPOPUP to the owner itself.
  return platform_.menus.TrackPopupMenu(menu, flags, where, owner);
}

void Win32WindowHost::InitCommonControls() {
  [[maybe_unused]] static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES |
                                  ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&init) != FALSE;
  }();
}

std::intptr_t Win32WindowHost::DoModal(CDialog& dialog, std::uint32_t templateId,
                                       WindowHandle parent) {
  InitCommonControls();
  return ::DialogBoxParamW(::GetModuleHandleW(nullptr),
                           MAKEINTRESOURCEW(static_cast<WORD>(templateId)), ToHwnd(parent),
                           FrameworkDialogProc, reinterpret_cast<LPARAM>(&dialog));
}

void Win32WindowHost::EndDialog(WindowHandle dialog, std::intptr_t result) {
  ::EndDialog(ToHwnd(dialog), result);
}

Status Win32WindowHost::CreateModeless(CDialog& dialog, std::uint32_t templateId,
                                       WindowHandle parent) {
  InitCommonControls();
  const HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(static_cast<WORD>(templateId)),
                                         ToHwnd(parent), FrameworkDialogProc,
                                         reinterpret_cast<LPARAM>(&dialog));
  if (hwnd == nullptr) return Status::Failed;
  modeless_.insert(FromHwnd(hwnd));
  return Status::Ok;
}

bool Win32WindowHost::FilterAndDialogs(CWinApp* app, MSG& m) {
  Msg msg{FromHwnd(m.hwnd), m.message, m.wParam, m.lParam, static_cast<std::uint32_t>(m.time)};
  try {
    if (app != nullptr && app->ProcessMessageFilter(FilterSource::ProgramLoop, msg)) return true;
  } catch (...) {
  }
  for (auto it = modeless_.begin(); it != modeless_.end();) {
    const HWND dialog = ToHwnd(*it);
    if (!::IsWindow(dialog)) {
      it = modeless_.erase(it);
      continue;
    }
    if (::IsDialogMessageW(dialog, &m)) return true;
    ++it;
  }
  return false;
}

int Win32WindowHost::RunMessageLoop(CWinApp& app) {
  MSG m{};
  for (;;) {
    const BOOL got = ::GetMessageW(&m, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(m.wParam);
    if (got == -1) return -1;
    if (!FilterAndDialogs(&app, m)) {
      ::TranslateMessage(&m);
      ::DispatchMessageW(&m);
    }
  }
}

void Win32WindowHost::DragAcceptFiles(WindowHandle window, bool accept) {
  ::DragAcceptFiles(ToHwnd(window), accept ? TRUE : FALSE);
}

std::uint32_t Win32WindowHost::DropFileCount(DropHandle drop) {
  // This index asks for the number of files instead of a name.
  constexpr UINT kCountQuery = 0xFFFFFFFFu;
  return ::DragQueryFileW(reinterpret_cast<HDROP>(drop), kCountQuery, nullptr, 0);
}

std::size_t Win32WindowHost::DropFileName(DropHandle drop, std::uint32_t index, char* text,
                                          std::size_t capacity) {
  if (capacity == 0) return 0;
  text[0] = '\0';
  const HDROP hdrop = reinterpret_cast<HDROP>(drop);
  const UINT length = ::DragQueryFileW(hdrop, index, nullptr, 0);
  if (length == 0) return 0;
  std::wstring wide(length + 1, L'\0');
  ::DragQueryFileW(hdrop, index, &wide[0], length + 1);
  // The system's code page, cut at a character boundary to fit.
  return FromWide(CodePageOf(TextCode::System), wide.c_str(), text, capacity);
}

void Win32WindowHost::FinishDrop(DropHandle drop) { ::DragFinish(reinterpret_cast<HDROP>(drop)); }

Point Win32WindowHost::DropPoint(DropHandle drop) {
  POINT at{};
  ::DragQueryPoint(reinterpret_cast<HDROP>(drop), &at);
  return {at.x, at.y};
}

void Win32WindowHost::PostQuit(int exitCode) { ::PostQuitMessage(exitCode); }

std::uint32_t Win32WindowHost::RegisterWindowMessage(const char* name) {
  return ::RegisterWindowMessageA(name);
}

}  // namespace qv
