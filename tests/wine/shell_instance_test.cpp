// One running copy at a time, with the real program under Wine: a second
// copy ends at once while the first runs on; the first ends on a close
// request to its frame; afterwards a new copy starts normally.
#include <string>

#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"
#include "tests/wine/shell_program.h"

namespace {

// The resident program's frame: the framework's window class, its title.
HWND WaitForFrame(HANDLE process, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < timeoutMs) {
    const HWND frame = ::FindWindowW(L"QuorvantixWnd", L"Quorvantix");
    if (frame != nullptr) return frame;
    if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
    ::Sleep(50);
  }
  return nullptr;
}

bool EndedWithin(HANDLE process, DWORD timeoutMs, DWORD& exitCode) {
  if (::WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return false;
  ::GetExitCodeProcess(process, &exitCode);
  return true;
}

void CloseProgram(HANDLE process, HWND frame) {
  ::PostMessageW(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  if (!CHECK(EndedWithin(process, 20000, code))) {
    ::TerminateProcess(process, 9);
    return;
  }
  CHECK_EQ(code, 0u);
}

TEST_CASE(SecondCopyEndsAtOnceWhileTheFirstRunsOn) {
  const std::wstring program = qvtest::ResidentProgramPath();
  CHECK(::GetFileAttributesW(program.c_str()) != INVALID_FILE_ATTRIBUTES);
  qvtest::StartedProgram first = qvtest::StartResidentProgram(L"");
  CHECK(first.ok);
  if (!first.ok) return;
  const HWND frame = WaitForFrame(first.process.get(), 30000);
  CHECK(frame != nullptr);
  if (!frame) {
    ::TerminateProcess(first.process.get(), 9);
    return;
  }
  // The frame puts nothing on the screen.
  const LONG_PTR style = ::GetWindowLongPtrW(frame, GWL_STYLE);
  CHECK((style & WS_POPUP) != 0);
  CHECK((style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) == 0);
  RECT rect{};
  ::GetWindowRect(frame, &rect);
  CHECK_EQ(rect.right - rect.left, 0);
  CHECK((::GetWindowLongPtrW(frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);

  qvtest::StartedProgram second = qvtest::StartResidentProgram(L"");
  CHECK(second.ok);
  if (second.ok) {
    DWORD code = 1;
    CHECK(EndedWithin(second.process.get(), 20000, code));
    CHECK_EQ(code, 0u);
    if (::WaitForSingleObject(second.process.get(), 0) != WAIT_OBJECT_0)
      ::TerminateProcess(second.process.get(), 9);
  }
  CHECK_EQ(::WaitForSingleObject(first.process.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CHECK(::IsWindow(frame));
  CloseProgram(first.process.get(), frame);
}

TEST_CASE(ANewCopyStartsAfterTheFirstHasEnded) {
  qvtest::StartedProgram again = qvtest::StartResidentProgram(L"");
  CHECK(again.ok);
  if (!again.ok) return;
  const HWND frame = WaitForFrame(again.process.get(), 30000);
  CHECK(frame != nullptr);
  if (!frame) {
    ::TerminateProcess(again.process.get(), 9);
    return;
  }
  CloseProgram(again.process.get(), frame);
}

}  // namespace

RUN_TESTS()
