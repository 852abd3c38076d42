// The shell's browse-for-folder dialog, run for a page of a dialog: owned by
// the top-level window that holds the page, starting at the desktop.
#pragma once

#include <cstdint>
#include <string>

#include "framework/wnd.h"

namespace qv {

// The top-level window that holds `window` (itself when it is one).
[[nodiscard]] WindowHandle TopLevelWindowOf(WindowHost& host, WindowHandle window);

class CFolderBrowser {
 public:
  explicit CFolderBrowser(CWnd& page);

  // The chosen folder's file-system path; empty when the user cancels.
  std::string Run(const char* title, std::uint32_t flags);

  WindowHandle owner() const { return owner_; }

 private:
  Shell& shell_;
  WindowHandle owner_;
};

}  // namespace qv
