// The one-step exchange between a dialog's members and its controls: text,
// whole numbers, check boxes, radio groups, trackbars and up-down controls,
// with range validation. A refused value is reported in a message box, the
// control gets the focus, and the rest of the exchange is skipped.
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

  // A field whose text was no number waits for the range check that follows
  // it, so that the user is told the range; without one, the next exchange
  // step (or Finish) reports it as no number.
  void NoteNoNumber(int id) { noNumberId_ = id; }
  bool TakeNoNumber(int id);
  void ReportPendingNoNumber();
  // The end of the exchange; UpdateData calls it.
  void Finish() { ReportPendingNoNumber(); }

  CDialog* const m_pDlgWnd;
  const bool m_bSaveAndValidate;
  int m_idLastControl = 0;

 private:
  bool failed_ = false;
  int noNumberId_ = 0;
};

void DDX_Text(CDataExchange& dx, int id, char* text, std::size_t capacity,
              TextCode code = TextCode::Program);
template <std::size_t N>
void DDX_Text(CDataExchange& dx, int id, char (&text)[N], TextCode code = TextCode::Program) {
  DDX_Text(dx, id, text, N, code);
}
// A whole number in an edit field: the field's whole text, blanks around it
// and a sign allowed; anything else leaves the member as it was and is
// refused (with the range of a DDV_MinMaxInt that follows).
void DDX_Text(CDataExchange& dx, int id, std::int32_t& value);
// 0 or 1 (2 for an indeterminate box).
void DDX_Check(CDataExchange& dx, int id, std::int32_t& value);
// The index of the checked button of the radio group that starts at
// `firstId` (-1 for none).
void DDX_Radio(CDataExchange& dx, int firstId, std::int32_t& value);
// A trackbar's position.
void DDX_Slider(CDataExchange& dx, int id, std::int32_t& value);
// An up-down control's position.
void DDX_UpDown(CDataExchange& dx, int id, std::int32_t& value);
// Validates the value just read; does nothing when writing the controls.
void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minimum,
                   std::int32_t maximum);

}  // namespace qv
