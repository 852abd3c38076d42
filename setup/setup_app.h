// The setup program's application object: the version test, then the main
// dialog, run modally; the program ends when it closes.
#pragma once

#include "framework/win_app.h"

namespace qv {

// The oldest systems the product runs on have major version 4.
inline constexpr std::uint32_t kOldestMajorVersion = 4;

class CSetupApp final : public CWinApp {
 public:
  explicit CSetupApp(WindowHost& host);

  // Always false: the program has no message loop after its dialog.
  bool InitInstance() override;
};

}  // namespace qv
