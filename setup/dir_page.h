// The wizard's second page (template 106): the folder to install into,
// typed or picked with Browse; Finish starts the install.
#pragma once

#include <cstddef>
#include <string>

#include "framework/property_page.h"
#include "platform/constants.h"

namespace qv {

class CPropertySheet;

// The edit takes 260 characters; in the system's code page those can be
// more bytes than the path limit allows. The member holds them all, so that
// the install refuses a text that is too long instead of getting it cut.
inline constexpr std::size_t kFolderTextCapacity = 3 * kMaxPath + 2;
inline constexpr int kFolderTextMaxChars = static_cast<int>(kMaxPath);

class CPropertyDir final : public CPropertyPage {
 public:
  // `messageTitle` heads the page's message box (the program's file name).
  CPropertyDir(WindowHost& host, std::string messageTitle);

  // The folder text, a path in the system's code page.
  char m_strDir[kFolderTextCapacity] = {};
  CPropertySheet* m_pSheet = nullptr;

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  bool OnWizardFinish() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;

 private:
  void OnBrowse();
  // Ends the text with one "\" unless it is empty or ends with one already.
  void EndWithSeparator();

  std::string messageTitle_;
};

}  // namespace qv
