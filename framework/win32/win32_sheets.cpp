// Property sheets on Win32: the common controls' own sheet (wizard mode
// included), made modeless and run in a loop of the host's, so that the
// application's filter and the page holding the focus see every message
// before the sheet's dialog manager does. The sheet's window is subclassed:
// the host learns from it which button ended the run, since a modeless sheet
// reports no result and Wine reports a finished wizard as OK.
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "framework/win32/win32_window_host.h"

#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/win32/win32_procs.h"
#include "framework/win_app.h"
#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

#include <commctrl.h>

namespace qv {

static_assert(kPsnSetActive == static_cast<std::uint32_t>(PSN_SETACTIVE) &&
                  kPsnKillActive == static_cast<std::uint32_t>(PSN_KILLACTIVE) &&
                  kPsnApply == static_cast<std::uint32_t>(PSN_APPLY) &&
                  kPsnReset == static_cast<std::uint32_t>(PSN_RESET) &&
                  kPsnWizBack == static_cast<std::uint32_t>(PSN_WIZBACK) &&
                  kPsnWizNext == static_cast<std::uint32_t>(PSN_WIZNEXT) &&
                  kPsnWizFinish == static_cast<std::uint32_t>(PSN_WIZFINISH) &&
                  kPsnQueryCancel == static_cast<std::uint32_t>(PSN_QUERYCANCEL),
              "sheet notifications must match the system's");
static_assert(kPsmSetWizButtons == PSM_SETWIZBUTTONS && kPsmPressButton == PSM_PRESSBUTTON &&
                  kPsmSetCurSel == PSM_SETCURSEL &&
                  kPsmGetCurrentPageHwnd == PSM_GETCURRENTPAGEHWND,
              "sheet messages must match the system's");
static_assert(kPswizbBack == PSWIZB_BACK && kPswizbNext == PSWIZB_NEXT &&
                  kPswizbFinish == PSWIZB_FINISH && kPswizbDisabledFinish == PSWIZB_DISABLEDFINISH &&
                  kPshNoApplyNow == PSH_NOAPPLYNOW && kPshWizard == PSH_WIZARD,
              "sheet flags must match the system's");
static_assert(kPsbtnBack == PSBTN_BACK && kPsbtnNext == PSBTN_NEXT &&
                  kPsbtnFinish == PSBTN_FINISH && kPsbtnOk == PSBTN_OK &&
                  kPsbtnCancel == PSBTN_CANCEL,
              "sheet buttons must match the system's");

namespace {

constexpr wchar_t kRunProperty[] = L"QvSheetRun";

// The system uses the lowest four bits of WM_SYSCOMMAND's wParam itself; the
// command is in the rest.
constexpr WPARAM kSysCommandMask = 0xFFF0;

// The system's window class of dialogs, and so of a sheet's pages.
constexpr wchar_t kDialogClass[] = L"#32770";

// Dialog templates in memory, read word by word. DLGTEMPLATEEX starts with
// its version 1 and the signature 0xFFFF; DLGTEMPLATE has neither.
constexpr WORD kExtendedTemplateVersion = 1;
constexpr WORD kExtendedTemplateSignature = 0xFFFF;
// Offsets in words. In DLGTEMPLATEEX the version and signature, the help id
// and the extended style come before the style; the style, the control count
// and x, y before the size (cx, cy). In DLGTEMPLATE the style, the extended
// style, the control count and x, y come before the size.
constexpr std::size_t kExtendedStyleWord = 2 + 2 + 2;
constexpr std::size_t kExtendedSizeWord = kExtendedStyleWord + 2 + 1 + 2;
constexpr std::size_t kPlainSizeWord = 2 + 2 + 1 + 2;
// RT_DIALOG, for the wide resource functions.
constexpr WORD kDialogResourceType = 5;

bool IsExtendedTemplate(const WORD* words) {
  return words[0] == kExtendedTemplateVersion && words[1] == kExtendedTemplateSignature;
}

struct SheetRun {
  CPropertySheet* sheet = nullptr;
  WPARAM lastButton = IDCANCEL;
  std::intptr_t result = kIdCancel;
  bool buttonSeen = false;
  bool ended = false;
};

// A modeless sheet that has ended has no current page any more. Asked only
// between messages, after a button that ends it: while a page is being
// changed the sheet answers none as well.
void NoteEnd(HWND hwnd, SheetRun& run) {
  if (run.ended || (!run.buttonSeen && ::IsWindow(hwnd))) return;
  if (::IsWindow(hwnd) && ::SendMessageW(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) return;
  run.ended = true;
  if (run.lastButton == IDOK)
    run.result = kIdOk;
  else if (run.lastButton == static_cast<WPARAM>(kIdWizFinish))
    run.result = kIdWizFinish;
  else
    run.result = kIdCancel;
}

LRESULT CALLBACK SheetSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* run = static_cast<SheetRun*>(::GetPropW(hwnd, kRunProperty));
  const auto original = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kOriginalProcProperty));
  if (original == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (run == nullptr) return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
  try {
    if (message == WM_COMMAND) {
      const WPARAM id = LOWORD(wParam);
      if (id == IDOK || id == IDCANCEL || id == static_cast<WPARAM>(kIdWizFinish)) {
        run->lastButton = id;
        run->buttonSeen = true;
      }
    } else if (message == PSM_PRESSBUTTON &&
               (wParam == PSBTN_OK || wParam == PSBTN_CANCEL || wParam == PSBTN_FINISH)) {
      // Wine presses these without a WM_COMMAND of their own.
      run->lastButton = wParam == PSBTN_OK       ? IDOK
                        : wParam == PSBTN_CANCEL ? IDCANCEL
                                                 : static_cast<WPARAM>(kIdWizFinish);
      run->buttonSeen = true;
    } else if ((message == WM_SYSCOMMAND && (wParam & kSysCommandMask) == SC_CLOSE) ||
               message == WM_CLOSE) {
      run->lastButton = IDCANCEL;
      run->buttonSeen = true;
    }
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      ::RemovePropW(hwnd, kRunProperty);
      ::RemovePropW(hwnd, kObjectProperty);
      ::RemovePropW(hwnd, kOriginalProcProperty);
      run->sheet->HandleFinalMessage();
      return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    return run->sheet->WindowProc(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

// The sheet measures its pages in the dialog units of its own font. A page
// whose own font has larger units (another face, a screen of more dots per
// inch) would be cut off: the sheet, its tabs and its buttons make room for
// the largest page, measured in the units of the page it shows first.
void FitSheetToPages(HWND hwnd, HINSTANCE instance, const std::vector<PROPSHEETPAGEW>& pages) {
  const HWND tab = reinterpret_cast<HWND>(::SendMessageW(hwnd, PSM_GETTABCONTROL, 0, 0));
  const HWND first = reinterpret_cast<HWND>(::SendMessageW(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (tab == nullptr || first == nullptr) return;
  SIZE need{0, 0};
  for (const PROPSHEETPAGEW& page : pages) {
    const SIZE size = PageTemplatePixels(first, instance, LOWORD(page.pszTemplate));
    need.cx = size.cx > need.cx ? size.cx : need.cx;
    need.cy = size.cy > need.cy ? size.cy : need.cy;
  }
  RECT display{};
  ::GetWindowRect(tab, &display);
  ::SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const LONG dx = need.cx - (display.right - display.left);
  const LONG dy = need.cy - (display.bottom - display.top);
  const LONG growX = dx > 0 ? dx : 0;
  const LONG growY = dy > 0 ? dy : 0;
  if (growX == 0 && growY == 0) return;
  const auto grow = [&](HWND window) {
    RECT area{};
    ::GetWindowRect(window, &area);
    ::SetWindowPos(window, nullptr, 0, 0, area.right - area.left + growX,
                   area.bottom - area.top + growY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  grow(hwnd);
  grow(tab);
  // The buttons keep their place at the bottom right; pages stay where the
  // sheet put them.
  wchar_t className[16];
  for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == tab || (::GetClassNameW(child, className, static_cast<int>(std::size(className))) &&
                         std::wstring(className) == kDialogClass))
      continue;
    RECT area{};
    ::GetWindowRect(child, &area);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&area), 2);
    ::SetWindowPos(child, nullptr, area.left + growX, area.top + growY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The sheet is made hidden and shown once its owner's initialisation has
// placed it: made visible, it would first appear where the template puts
// it, at the screen's corner.
int CALLBACK MadeHidden(HWND, UINT message, LPARAM lParam) {
  if (message != PSCB_PRECREATE || lParam == 0) return 0;
  auto* words = reinterpret_cast<WORD*>(lParam);
  auto* style =
      reinterpret_cast<DWORD*>(IsExtendedTemplate(words) ? words + kExtendedStyleWord : words);
  *style &= ~static_cast<DWORD>(WS_VISIBLE);
  return 0;
}

}  // namespace

SIZE PageTemplatePixels(HWND page, HINSTANCE instance, WORD templateId) {
  SIZE size{0, 0};
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(templateId),
                                      MAKEINTRESOURCEW(kDialogResourceType));
  const auto* words =
      found != nullptr ? static_cast<const WORD*>(::LockResource(::LoadResource(instance, found)))
                       : nullptr;
  if (words == nullptr) return size;
  const WORD* cxcy = words + (IsExtendedTemplate(words) ? kExtendedSizeWord : kPlainSizeWord);
  RECT area{0, 0, static_cast<short>(cxcy[0]), static_cast<short>(cxcy[1])};
  ::MapDialogRect(page, &area);
  size.cx = area.right;
  size.cy = area.bottom;
  return size;
}

std::intptr_t Win32WindowHost::RunPropertySheet(CPropertySheet& sheet, WindowHandle parent) {
  InitCommonControls();
  const int count = sheet.GetPageCount();
  if (count == 0) return -1;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  std::vector<PROPSHEETPAGEW> pages(static_cast<std::size_t>(count));
  std::vector<std::wstring> titles(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    CPropertyPage* page = sheet.GetPage(i);
    PROPSHEETPAGEW& entry = pages[static_cast<std::size_t>(i)];
    entry.dwSize = sizeof entry;
    entry.dwFlags = PSP_DEFAULT;
    entry.hInstance = instance;
    entry.pszTemplate = MAKEINTRESOURCEW(static_cast<WORD>(page->templateId()));
    entry.pfnDlgProc = FrameworkPageProc;
    entry.lParam = reinterpret_cast<LPARAM>(page);
    if (page->Caption() != nullptr) {
      titles[static_cast<std::size_t>(i)] = ProgramToWide(page->Caption());
      entry.dwFlags |= PSP_USETITLE;
      entry.pszTitle = titles[static_cast<std::size_t>(i)].c_str();
    }
  }
  const std::wstring caption = ProgramToWide(sheet.Title());
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | sheet.m_psh.dwFlags;
  header.pfnCallback = MadeHidden;
  header.hwndParent = ToHwnd(parent);
  header.hInstance = instance;
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(count);
  header.nStartPage = 0;
  header.ppsp = pages.data();
  const INT_PTR made = ::PropertySheetW(&header);
  if (made == 0 || made == -1) {
    // A page may have bound the sheet to a window that is gone again.
    sheet.BindHandle(0);
    return -1;
  }
  const HWND hwnd = reinterpret_cast<HWND>(made);

  SheetRun run;
  run.sheet = &sheet;
  ::SetPropW(hwnd, kRunProperty, &run);
  ::SetPropW(hwnd, kObjectProperty, &sheet);
  const auto original = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetSubclassProc)));
  ::SetPropW(hwnd, kOriginalProcProperty, reinterpret_cast<HANDLE>(original));
  sheet.BindHandle(FromHwnd(hwnd));
  if (!sheet.IsWizardMode()) FitSheetToPages(hwnd, instance, pages);
  sheet.HandleInitDialog();
  ::ShowWindow(hwnd, SW_SHOW);

  // Modal for its owner, as the system's modal sheet would be.
  const HWND owner = ToHwnd(parent);
  const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  MSG m{};
  for (NoteEnd(hwnd, run); !run.ended; NoteEnd(hwnd, run)) {
    const BOOL got = ::GetMessageW(&m, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // A quit request ends the sheet as closing does, then reaches the
      // outer loop.
      ::SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
      ::PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (FilterAndDialogs(Application(), m)) continue;
    if (::SendMessageW(hwnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&m))) continue;
    ::TranslateMessage(&m);
    ::DispatchMessageW(&m);
  }
  const std::intptr_t result = run.ended ? run.result : kIdCancel;
  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  ::DestroyWindow(hwnd);
  return result;
}

}  // namespace qv
