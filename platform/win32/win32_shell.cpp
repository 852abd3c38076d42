// Shell_NotifyIconW, ShellExecuteA, LoadImageW, the special folders, shell
// links and SHBrowseForFolderW behind the Shell port.
#include "platform/win32/win32_shell.h"

#include <cstring>
#include <string>

#include "platform/text.h"
#include "platform/win32/code_page.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

#include <shlobj.h>  // after the Windows headers, which it needs

namespace qv {

// The first form of the record: every shell version takes it. Its size is
// 88 bytes only on 32-bit Windows; pointers are wider on 64-bit.
// The tip is the program's own text: given to the wide form, so that it
// reads right whatever the system's code page.
#if defined(_M_IX86) || defined(__i386__)
static_assert(NOTIFYICONDATAW_V1_SIZE == 152, "first notification record is 152 bytes");
#endif

Status Win32Shell::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = ToHwnd(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = ToHicon(record.icon);
  char tip[sizeof(record.tip)];
  CopyText(tip, sizeof(tip), record.tip, ::strnlen(record.tip, sizeof(record.tip)));
  // The first form of the record holds 64 units of tip.
  constexpr std::size_t kFirstFormTipUnits = 64;
  ToWide(kProgramCodePage, tip, data.szTip, kFirstFormTipUnits);
  DWORD message = NIM_ADD;
  if (op == NotifyOp::Modify) message = NIM_MODIFY;
  if (op == NotifyOp::Delete) message = NIM_DELETE;
  return OkOrFailed(::Shell_NotifyIconW(message, &data) != FALSE);
}

std::intptr_t Win32Shell::Open(WindowHandle owner, const char* file, std::int32_t showCommand) {
  const HINSTANCE result = ::ShellExecuteA(ToHwnd(owner), nullptr, file, nullptr, nullptr, showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

namespace {

constexpr int kSmallIconSide = 16;

HICON LoadProgramIcon(std::uint32_t resourceId, int width, int height) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(static_cast<WORD>(resourceId)),
                                         IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

}  // namespace

OwnedIcon Win32Shell::LoadSmallIcon(std::uint32_t resourceId) {
  return OwnedIcon(*this, FromHicon(LoadProgramIcon(resourceId, kSmallIconSide, kSmallIconSide)));
}

OwnedIcon Win32Shell::LoadLargeIcon(std::uint32_t resourceId) {
  return OwnedIcon(*this, FromHicon(LoadProgramIcon(resourceId, ::GetSystemMetrics(SM_CXICON),
                                                    ::GetSystemMetrics(SM_CYICON))));
}

void Win32Shell::Release(IconKind, IconHandle icon) { ::DestroyIcon(ToHicon(icon)); }

namespace {

// An item identifier list from the shell, freed with the shell's allocator.
class ItemList {
 public:
  ItemList() = default;
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;
  ~ItemList() { ::CoTaskMemFree(list_); }
  void reset(LPITEMIDLIST list) {
    ::CoTaskMemFree(list_);
    list_ = list;
  }
  LPITEMIDLIST get() const { return list_; }
  LPITEMIDLIST* put() {
    reset(nullptr);
    return &list_;
  }

 private:
  LPITEMIDLIST list_ = nullptr;
};

// "folder\name.lnk" as the wide functions take it: the folder in the
// system's code page, the name in the program's; empty when over the limit.
std::wstring LinkFile(const char* folder, const char* name) {
  std::wstring file = SystemToWide(folder) + L"\\" + ProgramToWide(name) + L".lnk";
  if (file.size() >= MAX_PATH) file.clear();
  return file;
}

}  // namespace

Status Win32Shell::SpecialFolderPath(WindowHandle owner, int csidl, char* path,
                                     std::size_t capacity) {
  ItemList list;
  if (FAILED(::SHGetSpecialFolderLocation(ToHwnd(owner), csidl, list.put()))) return Status::NotFound;
  char found[MAX_PATH];
  if (!::SHGetPathFromIDListA(list.get(), found)) return Status::NotFound;
  if (std::strlen(found) + 1 > capacity) return Status::TooLarge;
  CopyText(path, capacity, found);
  return Status::Ok;
}

Status Win32Shell::SaveShortcut(const char* folder, const char* name, const ShortcutRecord& link) {
  const std::wstring file = LinkFile(folder, name);
  if (file.empty()) return Status::TooLarge;
  const ComScope com;
  ComPtr<IShellLinkA> shellLink;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                shellLink.put())))
    return Status::Failed;
  if (FAILED(shellLink->SetWorkingDirectory(link.workingFolder)) ||
      FAILED(shellLink->SetPath(link.target)))
    return Status::Failed;
  ComPtr<IShellLinkW> wideLink;
  if (FAILED(shellLink->QueryInterface(IID_IShellLinkW, wideLink.put())) ||
      FAILED(wideLink->SetDescription(ProgramToWide(link.description).c_str())))
    return Status::Failed;
  ComPtr<IPersistFile> persist;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, persist.put()))) return Status::Failed;
  return persist->Save(file.c_str(), TRUE) == S_OK ? Status::Ok : Status::Failed;
}

Status Win32Shell::RemoveShortcut(const char* folder, const char* name) {
  const std::wstring file = LinkFile(folder, name);
  if (file.empty()) return Status::TooLarge;
  if (::DeleteFileW(file.c_str())) return Status::Ok;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Status::NotFound
                                                                         : Status::Failed;
}

Status Win32Shell::BrowseForFolder(WindowHandle owner, const char* title, std::uint32_t flags,
                                   char* path, std::size_t capacity) {
  const ComScope com;
  const std::wstring wideTitle = ProgramToWide(title);
  wchar_t displayName[MAX_PATH + 1] = {};
  BROWSEINFOW info{};
  info.hwndOwner = ToHwnd(owner);
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = flags;
  ItemList chosen;
  chosen.reset(::SHBrowseForFolderW(&info));
  if (chosen.get() == nullptr) return Status::NotFound;
  wchar_t wide[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(chosen.get(), wide)) return Status::NotFound;
  // The file functions take the path in the ANSI code page: a folder whose
  // name it cannot spell is refused rather than handed on misspelt.
  BOOL lossy = FALSE;
  char narrow[MAX_PATH * 2];
  const int length = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof(narrow), nullptr,
                                           &lossy);
  if (length <= 0 || lossy) return Status::Failed;
  if (static_cast<std::size_t>(length) > capacity || static_cast<std::size_t>(length) > MAX_PATH)
    return Status::TooLarge;
  std::memcpy(path, narrow, static_cast<std::size_t>(length));
  return Status::Ok;
}

}  // namespace qv
