// End to end under Wine: setup.exe started from a distribution folder, a
// copy of the distribution archive as the package's check unpacked it, from
// another current folder; its main dialog, its resources, and the install
// and uninstall it runs.
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

namespace {

using qv::e2e::Distribution;
using qv::e2e::RunningSetup;

// The setup program's ids (setup/resource_ids.h): the main dialog's buttons
// and the string resources of two closing messages and the confirmation.
constexpr int kInstallButton = 1000;
constexpr int kUninstallButton = 1001;
constexpr UINT kInstallDoneString = 1;
constexpr UINT kUninstallFailedString = 4;
constexpr UINT kConfirmUninstallString = 7;

void SavePicture(HWND window, const char* name) {
  RECT area{};
  ::GetWindowRect(window, &area);
  qv::e2e::Pump(300);
  if (!qv::e2e::SaveBmp(qv::e2e::CaptureScreen(area), qv::e2e::ArtifactFile(name)))
    std::printf("  could not save %s\n", name);
}

std::wstring VersionString(const std::string& file, const wchar_t* name) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(file.c_str(), &ignored);
  std::vector<char> data(size);
  if (size == 0 || !::GetFileVersionInfoA(file.c_str(), 0, size, data.data())) return L"";
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041103a4\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), path.c_str(), &value, &length)) return L"";
  return static_cast<const wchar_t*>(value);
}

std::wstring ResourceString(const std::string& file, UINT id) {
  const qv::ModuleOwner module(::LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  wchar_t text[256] = {};
  if (module) ::LoadStringW(module.get(), id, text, static_cast<int>(std::size(text)));
  return text;
}

TEST_CASE(the_program_carries_its_version_record_and_strings) {
  const std::string setup = qv::e2e::SetupProgram();
  CHECK(VersionString(setup, L"FileVersion") == L"1, 0, 0, 3");
  CHECK(VersionString(setup, L"FileDescription") == L"Quorvantix Setup Program.");
  CHECK(VersionString(setup, L"CompanyName") == L"Nerrow-Lab");
  CHECK(VersionString(setup, L"InternalName") == L"SETUP");
  CHECK(VersionString(setup, L"OriginalFilename") == L"SETUP.EXE");
  CHECK(ResourceString(setup, kInstallDoneString) == L"ｲﾝｽﾄｰﾙは正常に完了しました。");
  CHECK(ResourceString(setup, kUninstallFailedString) ==
        L"ｱﾝｲﾝｽﾄｰﾙはいくつかのﾌｧｲﾙを削除出来ませんでした。");
  CHECK(ResourceString(setup, kConfirmUninstallString) ==
        L"Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？");
}

TEST_CASE(the_main_dialog_shows_its_buttons_and_exit_ends_the_program) {
  Distribution dist;
  RunningSetup run(dist);
  CHECK(run.dialog != nullptr);
  if (!run.dialog) return;
  CHECK(::GetDlgItem(run.dialog, kInstallButton) != nullptr);
  CHECK(::GetDlgItem(run.dialog, kUninstallButton) != nullptr);
  CHECK((::GetWindowLongW(run.dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0);
  SavePicture(run.dialog, "setup-main.bmp");
  ::PostMessageW(run.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  DWORD code = 1;
  CHECK(run.process.Wait(10000, code));
  CHECK_EQ(code, 0u);
}

}  // namespace

RUN_TESTS()
