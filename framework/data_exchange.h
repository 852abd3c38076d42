// The one-step exchange between a dialog's members and its controls: text,
// whole numbers and check boxes, with range validation. A refused value is
// reported in a message box, the control gets the focus, and the rest of
// the exchange is skipped.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/menus.h"

namespace qv {

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate)
      : m_pDlgWnd(&dialog), m_bSaveAndValidate(saveAndValidate) {}

  // Reports `text` (the program's text), moves the focus to the control last
  // exchanged and marks the exchange failed.
  void Fail(const char* text);
  bool failed() const { return failed_; }

  CDialog* const m_pDlgWnd;
  const bool m_bSaveAndValidate;
  int m_idLastControl = 0;

 private:
  bool failed_ = false;
};

void DDX_Text(CDataExchange& dx, int id, char* text, std::size_t capacity,
              TextCode code = TextCode::Program);
template <std::size_t N>
void DDX_Text(CDataExchange& dx, int id, char (&text)[N], TextCode code = TextCode::Program) {
  DDX_Text(dx, id, text, N, code);
}
// A whole number in an edit field (optional sign, decimal digits, blanks around).
void DDX_Text(CDataExchange& dx, int id, std::int32_t& value);
// 0 or 1 (2 for an indeterminate box).
void DDX_Check(CDataExchange& dx, int id, std::int32_t& value);
// Validates the value just read; does nothing when writing the controls.
void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minimum,
                   std::int32_t maximum);

}  // namespace qv
