// The folder browser: the page's top-level window as owner, so that the
// whole wizard waits for the browse dialog, not only the page.
#include "setup/folder_browser.h"

#include "platform/constants.h"

namespace qv {

WindowHandle TopLevelWindowOf(WindowHost& host, WindowHandle window) {
  while (window != 0 && host.IsChildWindow(window)) {
    const WindowHandle parent = host.ParentOf(window);
    if (parent == 0) break;
    window = parent;
  }
  return window;
}

CFolderBrowser::CFolderBrowser(CWnd& page)
    : shell_(page.platform().shell), owner_(TopLevelWindowOf(page.host(), page.GetSafeHwnd())) {}

std::string CFolderBrowser::Run(const char* title, std::uint32_t flags) {
  char path[kMaxPath + 1] = {};
  if (!Succeeded(shell_.BrowseForFolder(owner_, title, flags, path, sizeof(path)))) return {};
  return path;
}

}  // namespace qv
