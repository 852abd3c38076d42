// The application object: start and end of the program, its main window,
// the message filter every queued message passes before dispatch, the
// command line, the profile root and the standard exit command.
#pragma once

#include <string>
#include <vector>

#include "framework/cmd_target.h"
#include "framework/message_filter.h"
#include "framework/window_host.h"

namespace qv {

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  // `appTitle` is the application's title (the program's text).
  CWinApp(WindowHost& host, const char* appTitle);
  ~CWinApp() override;

  // False ends the program at once (ExitInstance still runs).
  virtual bool InitInstance() { return true; }
  // Returns the process's exit code.
  virtual int ExitInstance();
  // Offers a queued message before it is dispatched; true when it was taken.
  // The default offers it to the window it is for and then to each of that
  // window's parents, up to the first window that is no child (the owner of
  // a pop-up, a message box say, does not pre-translate its messages).
  virtual bool PreTranslateMessage(Msg& msg);
  // The one filter of every loop: the hosts offer it each message that any
  // loop takes, the program's own and the system's (modal dialogs, message
  // boxes, tracked menus, through one hook for the application's lifetime).
  // A message offered twice is seen once. The application-wide filter sees
  // every message; windows pre-translate those of the program's own loops
  // and of modal dialogs.
  bool ProcessMessageFilter(FilterSource source, Msg& msg);

  // InitInstance, the message loop, ExitInstance.
  int Run();

  // The frame's exit command: closes the main window, which ends the loop.
  void OnAppExit();

  // Profile root: "Software\<maker>\<application title>".
  void SetRegistryKey(const char* maker);
  const std::string& RegistryRoot() const { return registryRoot_; }
  const char* AppTitle() const { return appTitle_.c_str(); }

  WindowHost& host() const { return host_; }

  CWnd* m_pMainWnd = nullptr;
  // The arguments after the program's name.
  std::vector<std::string> m_args;
  int m_exitCode = 0;

 protected:
  // The program's filter for every loop (the default takes nothing).
  virtual bool PreTranslateAppMessage(Msg&) { return false; }
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;

 private:
  WindowHost& host_;
  std::string appTitle_;
  std::string registryRoot_;
  RepeatGate repeats_;
};

}  // namespace qv
