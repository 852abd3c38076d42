// The configuration sheet: its pages, the pad poll they share, and the
// sheet's place on the screen. It lives on the stack of one setup cycle.
#pragma once

#include <string>

#include "config/button_page.h"
#include "config/pad_capture.h"
#include "config/system_page.h"
#include "framework/property_sheet.h"

namespace qv {

class CMyPropertySheet : public CPropertySheet {
 public:
  explicit CMyPropertySheet(WindowHost& host, CWnd* parent = nullptr);

  // Made before the pages and gone after them: its destructor stops the
  // poll that the pages started.
  PadCapture capture;
  CMyPropertyPage1 buttonPage;
  CMyPropertyPage2 systemPage;

 protected:
  // Centred on the desktop and above every other window.
  bool OnInitDialog() override;

 private:
  static std::string Caption();
};

}  // namespace qv
