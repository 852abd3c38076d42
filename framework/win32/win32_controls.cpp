// A dialog's controls through user32 and the common controls; the program's
// text goes through the wide functions, converted from its code page.
#include <string>
#include <vector>

#include "framework/win32/win32_window_host.h"

#include "framework/messages.h"
#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

#include <commctrl.h>

namespace qv {

static_assert(kEmLimitText == EM_LIMITTEXT && kPbmSetPos == PBM_SETPOS,
              "control messages must match the system's");

namespace {

LRESULT SendItem(WindowHandle dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendDlgItemMessageW(ToHwnd(dialog), id, message, wParam, lParam);
}

}  // namespace

void Win32DialogControls::SetText(WindowHandle dialog, int id, const char* text, TextCode code) {
  const std::wstring wide = ToWide(CodePageOf(code), text != nullptr ? text : "");
  ::SetDlgItemTextW(ToHwnd(dialog), id, wide.c_str());
}

std::size_t Win32DialogControls::GetText(WindowHandle dialog, int id, char* text,
                                         std::size_t capacity, TextCode code) {
  if (capacity == 0) return 0;
  text[0] = '\0';
  const HWND control = ::GetDlgItem(ToHwnd(dialog), id);
  if (control == nullptr) return 0;
  const int length = ::GetWindowTextLengthW(control);
  std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  ::GetWindowTextW(control, wide.data(), static_cast<int>(wide.size()));
  return FromWide(CodePageOf(code), wide.data(), text, capacity);
}

void Win32DialogControls::SetCheck(WindowHandle dialog, int id, int state) {
  ::CheckDlgButton(ToHwnd(dialog), id, static_cast<UINT>(state));
}

int Win32DialogControls::GetCheck(WindowHandle dialog, int id) {
  return static_cast<int>(::IsDlgButtonChecked(ToHwnd(dialog), id));
}

void Win32DialogControls::Enable(WindowHandle dialog, int id, bool enable) {
  ::EnableWindow(::GetDlgItem(ToHwnd(dialog), id), enable ? TRUE : FALSE);
}

bool Win32DialogControls::IsEnabled(WindowHandle dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(ToHwnd(dialog), id)) != FALSE;
}

void Win32DialogControls::SetFocus(WindowHandle dialog, int id) {
  // Through the dialog manager, so that the default button follows.
  ::SendMessageW(ToHwnd(dialog), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(::GetDlgItem(ToHwnd(dialog), id)), TRUE);
}

WindowHandle Win32DialogControls::ControlWindow(WindowHandle dialog, int id) {
  return FromHwnd(::GetDlgItem(ToHwnd(dialog), id));
}

void Win32DialogControls::SetSliderRange(WindowHandle dialog, int id, int minimum, int maximum) {
  SendItem(dialog, id, TBM_SETRANGEMIN, FALSE, minimum);
  SendItem(dialog, id, TBM_SETRANGEMAX, TRUE, maximum);
}

void Win32DialogControls::SetSliderTicFreq(WindowHandle dialog, int id, int frequency) {
  SendItem(dialog, id, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void Win32DialogControls::SetSliderLineSize(WindowHandle dialog, int id, int step) {
  SendItem(dialog, id, TBM_SETLINESIZE, 0, step);
}

void Win32DialogControls::SetSliderPageSize(WindowHandle dialog, int id, int step) {
  SendItem(dialog, id, TBM_SETPAGESIZE, 0, step);
}

void Win32DialogControls::SetSliderPos(WindowHandle dialog, int id, int position) {
  SendItem(dialog, id, TBM_SETPOS, TRUE, position);
}

int Win32DialogControls::GetSliderPos(WindowHandle dialog, int id) {
  return static_cast<int>(SendItem(dialog, id, TBM_GETPOS, 0, 0));
}

void Win32DialogControls::SetUpDownBuddy(WindowHandle dialog, int id, int buddyId) {
  SendItem(dialog, id, UDM_SETBUDDY,
           reinterpret_cast<WPARAM>(::GetDlgItem(ToHwnd(dialog), buddyId)), 0);
}

void Win32DialogControls::SetUpDownRange(WindowHandle dialog, int id, int lower, int upper) {
  SendItem(dialog, id, UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void Win32DialogControls::SetUpDownPos(WindowHandle dialog, int id, int position) {
  SendItem(dialog, id, UDM_SETPOS32, 0, position);
}

int Win32DialogControls::GetUpDownPos(WindowHandle dialog, int id) {
  return static_cast<int>(SendItem(dialog, id, UDM_GETPOS32, 0, 0));
}

}  // namespace qv

namespace qv {
namespace {

// The buttons of the group that starts at `first`, as the dialog manager
// walks it: siblings in creation order until the next WS_GROUP.
template <class Visit>
void ForEachRadio(HWND dialog, int firstId, Visit visit) {
  HWND control = ::GetDlgItem(dialog, firstId);
  int index = 0;
  for (bool first = true; control != nullptr; control = ::GetWindow(control, GW_HWNDNEXT)) {
    if (!first && (::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP)) break;
    first = false;
    if (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (!visit(control, index)) return;
      ++index;
    }
  }
}

}  // namespace

int Win32DialogControls::GetRadioIndex(WindowHandle dialog, int firstId) {
  int checked = -1;
  ForEachRadio(ToHwnd(dialog), firstId, [&](HWND control, int index) {
    if (::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      checked = index;
      return false;
    }
    return true;
  });
  return checked;
}

void Win32DialogControls::SetRadioIndex(WindowHandle dialog, int firstId, int index) {
  ForEachRadio(ToHwnd(dialog), firstId, [&](HWND control, int at) {
    ::SendMessageW(control, BM_SETCHECK, at == index ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
  });
}

int Win32DialogControls::IdOf(WindowHandle control) {
  return ::GetDlgCtrlID(ToHwnd(control));
}

void Win32DialogControls::MapDialogRect(WindowHandle dialog, Rect& rect) {
  RECT mapped{rect.left, rect.top, rect.right, rect.bottom};
  ::MapDialogRect(ToHwnd(dialog), &mapped);
  rect = {mapped.left, mapped.top, mapped.right, mapped.bottom};
}

}  // namespace qv
