// Data exchange with a dialog's controls.
#include "framework/data_exchange.h"

#include <cstdint>
#include <string>

#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/texts.h"
#include "framework/whole_number.h"
#include "framework/win_app.h"
#include "platform/constants.h"

namespace qv {
namespace {

// Replaces "%1" and "%2" the way the framework's messages are formatted.
std::string Format2(const char* pattern, std::int32_t first, std::int32_t second) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
      out += std::to_string(p[1] == '1' ? first : second);
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

// The field's whole text: the buffer grows until the text fits, so that no
// length of text is cut before it is judged.
std::string FieldText(CDialog& dialog, int id) {
  constexpr std::size_t kFirstCapacity = 64;
  std::string text(kFirstCapacity, '\0');
  for (;;) {
    const std::size_t length = dialog.GetDlgItemText(id, &text[0], text.size());
    if (length + 1 < text.size()) {
      text.resize(length);
      return text;
    }
    text.assign(text.size() * 2, '\0');
  }
}

// Every exchange step starts here: false when the exchange has already failed.
bool Begin(CDataExchange& dx, int id) {
  dx.ReportPendingNoNumber();
  if (dx.failed()) return false;
  dx.m_idLastControl = id;
  return true;
}

}  // namespace

void CDataExchange::Fail(const char* text) {
  CWinApp* app = m_pDlgWnd->host().Application();
  m_pDlgWnd->platform().dialogs.MessageBox(m_pDlgWnd->GetSafeHwnd(), text,
                                           app != nullptr ? app->AppTitle() : "",
                                           kMbOk | kMbIconExclamation);
  if (m_idLastControl != 0) m_pDlgWnd->GotoDlgCtrl(m_idLastControl);
  failed_ = true;
}

bool CDataExchange::TakeNoNumber(int id) {
  if (noNumberId_ == 0 || noNumberId_ != id) return false;
  noNumberId_ = 0;
  return true;
}

void CDataExchange::ReportPendingNoNumber() {
  if (noNumberId_ == 0 || failed_) return;
  noNumberId_ = 0;
  Fail(kDdxParseIntText);
}

void DDX_Text(CDataExchange& dx, int id, char* text, std::size_t capacity, TextCode code) {
  if (!Begin(dx, id)) return;
  if (dx.m_bSaveAndValidate)
    dx.m_pDlgWnd->GetDlgItemText(id, text, capacity, code);
  else
    dx.m_pDlgWnd->SetDlgItemText(id, text, code);
}

void DDX_Text(CDataExchange& dx, int id, std::int32_t& value) {
  if (!Begin(dx, id)) return;
  if (!dx.m_bSaveAndValidate) {
    dx.m_pDlgWnd->SetDlgItemText(id, std::to_string(value).c_str());
    return;
  }
  const std::string text = FieldText(*dx.m_pDlgWnd, id);
  std::int32_t parsed = 0;
  if (ParseWholeNumber(text.data(), text.size(), parsed) == WholeNumber::Valid)
    value = parsed;
  else
    dx.NoteNoNumber(id);
}

void DDX_Check(CDataExchange& dx, int id, std::int32_t& value) {
  if (!Begin(dx, id)) return;
  if (dx.m_bSaveAndValidate)
    value = dx.m_pDlgWnd->IsDlgButtonChecked(id);
  else
    dx.m_pDlgWnd->CheckDlgButton(id, value);
}

void DDX_Radio(CDataExchange& dx, int firstId, std::int32_t& value) {
  if (!Begin(dx, firstId)) return;
  DialogControls& controls = dx.m_pDlgWnd->controls();
  if (dx.m_bSaveAndValidate)
    value = controls.GetRadioIndex(dx.m_pDlgWnd->GetSafeHwnd(), firstId);
  else
    controls.SetRadioIndex(dx.m_pDlgWnd->GetSafeHwnd(), firstId, value);
}

void DDX_Slider(CDataExchange& dx, int id, std::int32_t& value) {
  if (!Begin(dx, id)) return;
  DialogControls& controls = dx.m_pDlgWnd->controls();
  if (dx.m_bSaveAndValidate)
    value = controls.GetSliderPos(dx.m_pDlgWnd->GetSafeHwnd(), id);
  else
    controls.SetSliderPos(dx.m_pDlgWnd->GetSafeHwnd(), id, value);
}

void DDX_UpDown(CDataExchange& dx, int id, std::int32_t& value) {
  if (!Begin(dx, id)) return;
  DialogControls& controls = dx.m_pDlgWnd->controls();
  if (dx.m_bSaveAndValidate)
    value = controls.GetUpDownPos(dx.m_pDlgWnd->GetSafeHwnd(), id);
  else
    controls.SetUpDownPos(dx.m_pDlgWnd->GetSafeHwnd(), id, value);
}

void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minimum,
                   std::int32_t maximum) {
  if (dx.failed() || !dx.m_bSaveAndValidate) return;
  // A field that held no number is refused with the range it must be in.
  if (dx.TakeNoNumber(dx.m_idLastControl) || value < minimum || value > maximum)
    dx.Fail(Format2(kDdvMinMaxIntText, minimum, maximum).c_str());
}

}  // namespace qv
