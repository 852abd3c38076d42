// End to end under Wine: setup.exe, started from a copy of the unpacked
// distribution archive from another current folder, driven as a user would:
// Install, the licence page, Next, a folder typed on the folder page, Finish,
// then Uninstall and Yes. What the install made is checked through the
// system (files, registry, the links read back through the shell), and that
// the uninstall takes it all away; Cancel and No are the native tests'.
// Pictures of both wizard pages and the progress dialog go to the artefacts.
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

using qv::e2e::RunningSetup;

const char* const kProductFiles[] = {"Quorvantix.exe", "QUORVNTX.hlp", "QUORVNTX.cnt", "ReadMe.txt",
                                     "license.txt"};
// The links and the installed file each points at.
const struct {
  const wchar_t* name;
  const char* target;
} kLinks[] = {{L"Quorvantix", "Quorvantix.exe"},
              {L"Quorvantixのヘルプ", "QUORVNTX.hlp"},
              {L"ライセンス規約", "license.txt"},
              {L"README", "readme.txt"}};
// The wizard's buttons (the framework's ids, not in the headers MinGW has).
constexpr int kWizBack = 12323, kWizNext = 12324, kWizFinish = 12325;
// The setup program's controls (setup/resource_ids.h).
constexpr int kInstallButton = 1000;
constexpr int kUninstallButton = 1001;
constexpr int kFolderEdit = 1003;
constexpr int kLicenceText = 1005;
// A message box's text, the system's own id for it.
constexpr int kMessageBoxTextId = 0xFFFF;
const wchar_t kLicenceTitle[] = L"Quorvantixﾗｲｾﾝｽ規約";
const wchar_t kBoxTitle[] = L"setup";
const wchar_t kProductKey[] = L"SOFTWARE\\Nerrow Lab\\Quorvantix";
const wchar_t kMakerKey[] = L"SOFTWARE\\Nerrow Lab";
const wchar_t kRemovalKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvantix";
// Typed without its separator, which Finish adds. Named for the maker, so
// that the uninstall removes it once it is empty (a folder of the user's
// would stay).
const char kTypedFolder[] = "C:\\QvWizardE2E\\Nerrow Lab";
const char kInstallFolder[] = "C:\\QvWizardE2E\\Nerrow Lab\\Quorvantix\\";

std::string FolderOf(const std::string& file) { return file.substr(0, file.rfind('\\')); }

using qv::e2e::Distribution;

// The text of a window of the setup program's: asked of the window itself,
// since GetWindowText gives another process's controls as empty.
std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  ::SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

// The running setup program, its main dialog, and the windows it shows.
struct WizardRun : RunningSetup {
  using RunningSetup::RunningSetup;
  void Press(int button) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
  // The next message box: its text; answered with `answer`.
  std::wstring Answer(int answer) {
    const HWND box = WaitFor(kBoxTitle);
    if (box == nullptr) return L"<no message box>";
    const std::wstring text = TextOf(::GetDlgItem(box, kMessageBoxTextId));
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    qv::e2e::WaitUntil([&] { return !::IsWindow(box); }, 5000);
    return text;
  }
  // Back at the idle main dialog once it takes input again.
  bool Idle() {
    return qv::e2e::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }, 15000);
  }
};

// After a moment, so that what the last change asked for has been painted.
void Picture(HWND window, const char* name, std::uint32_t settleMs = 300) {
  qv::e2e::Pump(settleMs);
  RECT area{};
  ::GetWindowRect(window, &area);
  if (!qv::e2e::SaveBmp(qv::e2e::CaptureScreen(area), qv::e2e::ArtifactFile(name)))
    std::printf("  could not save %s\n", name);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool KeyExists(const wchar_t* key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

// A string value as the system's ANSI code page spells it; "<none>" when
// there is no such string.
std::string Value(const wchar_t* key, const wchar_t* name) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "<none>";
  wchar_t wide[300] = {};
  DWORD bytes = sizeof wide - sizeof(wchar_t);
  DWORD type = 0;
  const LONG got =
      ::RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(wide), &bytes);
  ::RegCloseKey(opened);
  if (got != ERROR_SUCCESS || type != REG_SZ) return "<none>";
  char text[600] = {};
  ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

std::wstring ProgramGroup() {
  wchar_t programs[MAX_PATH] = {};
  ::SHGetSpecialFolderPathW(nullptr, programs, CSIDL_COMMON_PROGRAMS, FALSE);
  return std::wstring(programs) + L"\\Nerrow Lab";
}

// A link's target, read back through the shell; empty when it cannot be read.
std::string LinkTarget(const std::wstring& file) {
  qv::ComPtr<IShellLinkA> link;
  qv::ComPtr<IPersistFile> persist;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.put())) ||
      FAILED(persist->Load(file.c_str(), STGM_READ)))
    return "";
  char target[MAX_PATH] = {};
  if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) return "";
  return target;
}

bool SameText(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

void RemoveLeftovers() {
  for (const char* name : kProductFiles) ::DeleteFileA((std::string(kInstallFolder) + name).c_str());
  ::RemoveDirectoryA(kInstallFolder);
  ::RemoveDirectoryA(FolderOf(FolderOf(kInstallFolder)).c_str());
  ::RemoveDirectoryA("C:\\QvWizardE2E");
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProductKey);
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kMakerKey);
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kRemovalKey);
}

// The licence page: its text, Next alone, the focus in the text with
// nothing selected.
void CheckLicencePage(HWND sheet) {
  const HWND page = qv::e2e::CurrentSheetPage(sheet);
  const HWND text = ::GetDlgItem(page, kLicenceText);
  CHECK(TextOf(text).size() > 500);
  qv::e2e::WaitUntil([&] { return FocusOf(sheet) == text; }, 5000);
  CHECK(FocusOf(sheet) == text);
  DWORD start = 1, end = 1;
  ::SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  CHECK_EQ(start, 0u);
  CHECK_EQ(end, 0u);
  CHECK(!::IsWindowEnabled(::GetDlgItem(sheet, kWizBack)));
  CHECK(::IsWindowEnabled(::GetDlgItem(sheet, kWizNext)));
}

TEST_CASE(the_wizard_installs_into_a_typed_folder_and_the_uninstall_takes_it_all_away) {
  RemoveLeftovers();
  const qv::ComScope com;
  Distribution dist;
  WizardRun run(dist);
  CHECK(run.dialog != nullptr);
  if (!run.dialog) return;

  run.Press(kInstallButton);
  const HWND sheet = run.WaitFor(kLicenceTitle);
  CHECK(sheet != nullptr);
  if (!sheet) return;
  CheckLicencePage(sheet);
  Picture(sheet, "setup-wizard-license.bmp");
  const HWND licence = qv::e2e::CurrentSheetPage(sheet);
  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  qv::e2e::WaitUntil([&] { return qv::e2e::CurrentSheetPage(sheet) != licence; }, 5000);
  const HWND folderPage = qv::e2e::CurrentSheetPage(sheet);
  CHECK(folderPage != licence);
  const HWND edit = ::GetDlgItem(folderPage, kFolderEdit);
  CHECK(TextOf(edit) == L"C:\\Program Files\\Nerrow Lab\\");
  CHECK(::IsWindowVisible(::GetDlgItem(sheet, kWizFinish)));
  ::SetWindowTextA(edit, kTypedFolder);
  Picture(sheet, "setup-wizard-folder.bmp");
  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  const HWND progress = run.WaitFor(L"ｲﾝｽﾄｰﾙ", 10000);
  // The install takes a while under Wine and ends with half a second on its
  // last message: the picture shows one of its steps.
  if (progress != nullptr) Picture(progress, "setup-progress.bmp", 150);
  CHECK(progress != nullptr);
  CHECK(run.Answer(IDOK) == L"ｲﾝｽﾄｰﾙは正常に完了しました。");
  CHECK(run.Idle());

  for (const char* name : kProductFiles)
    CHECK(qv::e2e::FileExists(std::string(kInstallFolder) + name));
  CHECK(Value(kProductKey, L"InstallPath") == std::string(kTypedFolder) + "\\");
  CHECK(Value(kRemovalKey, L"DisplayName") == "Quorvantix");
  CHECK(SameText(Value(kRemovalKey, L"UninstallString"), dist.setup));
  for (const auto& link : kLinks) {
    const std::string target = LinkTarget(ProgramGroup() + L"\\" + link.name + L".lnk");
    CHECK(SameText(target, std::string(kInstallFolder) + link.target));
  }

  run.Press(kUninstallButton);
  CHECK(run.Answer(IDYES) == L"Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？");
  CHECK(run.Answer(IDOK) == L"ｱﾝｲﾝｽﾄｰﾙは正常に完了しました。");
  CHECK(run.Idle());
  for (const char* name : kProductFiles)
    CHECK(!qv::e2e::FileExists(std::string(kInstallFolder) + name));
  CHECK(!qv::e2e::FileExists(kInstallFolder));
  CHECK(!qv::e2e::FileExists(kTypedFolder));
  CHECK(::GetFileAttributesW(ProgramGroup().c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(!KeyExists(kProductKey));
  CHECK(!KeyExists(kMakerKey));
  CHECK(!KeyExists(kRemovalKey));

  run.Press(kUninstallButton);
  CHECK(run.Answer(IDYES) == L"Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？");
  CHECK(run.Answer(IDOK) == L"Quorvantixは既に削除されています。");
  CHECK(run.Answer(IDOK) == L"ｱﾝｲﾝｽﾄｰﾙはいくつかのﾌｧｲﾙを削除出来ませんでした。");
  CHECK(run.Idle());
  run.Press(IDOK);
  DWORD code = 1;
  CHECK(run.process.Wait(10000, code));
  CHECK_EQ(code, 0u);
  RemoveLeftovers();
}

}  // namespace

RUN_TESTS()
