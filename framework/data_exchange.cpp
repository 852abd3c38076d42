// Data exchange with a dialog's controls.
#include "framework/data_exchange.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/texts.h"
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

bool ParseWholeNumber(const char* text, std::int32_t& value) {
  while (*text == ' ' || *text == '\t') ++text;
  char* end = nullptr;
  const long long parsed = std::strtoll(text, &end, 10);
  if (end == text) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  value = static_cast<std::int32_t>(parsed);
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

void DDX_Text(CDataExchange& dx, int id, char* text, std::size_t capacity, TextCode code) {
  if (dx.failed()) return;
  dx.m_idLastControl = id;
  if (dx.m_bSaveAndValidate)
    dx.m_pDlgWnd->GetDlgItemText(id, text, capacity, code);
  else
    dx.m_pDlgWnd->SetDlgItemText(id, text, code);
}

void DDX_Text(CDataExchange& dx, int id, std::int32_t& value) {
  if (dx.failed()) return;
  dx.m_idLastControl = id;
  if (!dx.m_bSaveAndValidate) {
    dx.m_pDlgWnd->SetDlgItemText(id, std::to_string(value).c_str());
    return;
  }
  char text[64] = {};
  dx.m_pDlgWnd->GetDlgItemText(id, text, sizeof text);
  if (!ParseWholeNumber(text, value)) dx.Fail(kDdxParseIntText);
}

void DDX_Check(CDataExchange& dx, int id, std::int32_t& value) {
  if (dx.failed()) return;
  dx.m_idLastControl = id;
  if (dx.m_bSaveAndValidate)
    value = dx.m_pDlgWnd->IsDlgButtonChecked(id);
  else
    dx.m_pDlgWnd->CheckDlgButton(id, value);
}

void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minimum,
                   std::int32_t maximum) {
  if (dx.failed() || !dx.m_bSaveAndValidate) return;
  if (value < minimum || value > maximum)
    dx.Fail(Format2(kDdvMinMaxIntText, minimum, maximum).c_str());
}

}  // namespace qv
