// The wizard's first page (template 107): the licence terms, read with
// PAGE UP and PAGE DOWN; Next goes on, Cancel ends the wizard.
#pragma once

#include <string>

#include "framework/property_page.h"

namespace qv {

class CPropertySheet;

class CPropertyLicense final : public CPropertyPage {
 public:
  explicit CPropertyLicense(WindowHost& host);

  std::string m_strLicense;
  // The sheet the page asks for its wizard buttons; set by its creator.
  CPropertySheet* m_pSheet = nullptr;

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace qv
