// The resident program's resources as the built program file carries them:
// the pop-up menu with its seven items in the right Japanese text (read
// through the wide functions, so this holds on a system whose code page is
// not 932), the About dialog, the application title, the version record and
// the manifest, the icons and the splash picture.
#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"
#include "tests/wine/shell_program.h"

namespace {

using qv::ModuleOwner;

// Resource types by number: the RT_ names give the W forms only under UNICODE.
const LPCWSTR kBitmapType = MAKEINTRESOURCEW(2);       // RT_BITMAP
const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);       // RT_DIALOG
const LPCWSTR kIconGroupType = MAKEINTRESOURCEW(14);   // RT_GROUP_ICON
const LPCWSTR kVersionType = MAKEINTRESOURCEW(16);     // RT_VERSION
const LPCWSTR kManifestType = MAKEINTRESOURCEW(24);    // RT_MANIFEST

ModuleOwner OpenProgram() {
  const std::wstring path = qvtest::ResidentProgramPath();
  return ModuleOwner(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

TEST_CASE(PopUpMenuHasTheSevenItemsInJapanese) {
  ModuleOwner program = OpenProgram();
  CHECK(program.valid());
  if (!program) return;
  qv::MenuOwner menu(::LoadMenuW(program.get(), MAKEINTRESOURCEW(128)));
  CHECK(menu.valid());
  if (!menu) return;
  CHECK_EQ(::GetMenuItemCount(menu.get()), 1);
  wchar_t text[128] = {};
  ::GetMenuStringW(menu.get(), 0, text, 128, MF_BYPOSITION);
  CHECK(std::wstring(text) == L"PopUp");
  const HMENU popup = ::GetSubMenu(menu.get(), 0);
  CHECK(popup != nullptr);
  if (!popup) return;

  struct Item {
    const wchar_t* text;
    UINT id;
  };
  const Item expected[] = {
      {L"セットアップ(&S)...", 32772}, {L"お気に入り(&F)...", 32773}, {nullptr, 0},
      {L"ヘルプ(&H)", 32771},         {L"Quorvantixについて (&A)...", 57664}, {nullptr, 0},
      {L"終了(&X)", 57665},
  };
  CHECK_EQ(::GetMenuItemCount(popup), 7);
  for (int i = 0; i < 7; ++i) {
    const UINT state = ::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
    if (expected[i].text == nullptr) {
      CHECK((state & MF_SEPARATOR) != 0);
      continue;
    }
    text[0] = L'\0';
    ::GetMenuStringW(popup, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    if (!CHECK(std::wstring(text) == expected[i].text)) std::printf("  at position %d\n", i);
    CHECK_EQ(::GetMenuItemID(popup, i), expected[i].id);
    CHECK_EQ(state & (MF_GRAYED | MF_DISABLED), 0u);
  }
}

TEST_CASE(AboutDialogTitleAndStringsAreThere) {
  ModuleOwner program = OpenProgram();
  CHECK(program.valid());
  if (!program) return;
  CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(100), kDialogType) != nullptr);
  wchar_t title[64] = {};
  CHECK_EQ(::LoadStringW(program.get(), 57344, title, 64), 10);
  CHECK(std::wstring(title) == L"Quorvantix");
  CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(1), kVersionType) != nullptr);
  CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(1), kManifestType) != nullptr);
}

// System-aware of the screen's resolution, so that a scaled screen gets the
// pages drawn at its size rather than stretched.
TEST_CASE(ManifestDeclaresDpiAwarenessAndTheSystemPageIsThere) {
  ModuleOwner program = OpenProgram();
  CHECK(program.valid());
  if (!program) return;
  CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(104), kDialogType) != nullptr);
  const HRSRC found = ::FindResourceW(program.get(), MAKEINTRESOURCEW(1), kManifestType);
  CHECK(found != nullptr);
  if (!found) return;
  const char* data = static_cast<const char*>(::LockResource(::LoadResource(program.get(), found)));
  const std::string manifest(data, ::SizeofResource(program.get(), found));
  CHECK(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">"
                      "true</dpiAware>") != std::string::npos);
}

TEST_CASE(PicturesAreThere) {
  ModuleOwner program = OpenProgram();
  CHECK(program.valid());
  if (!program) return;
  for (WORD icon : {128, 129, 138}) {
    if (!CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(icon), kIconGroupType) !=
               nullptr))
      std::printf("  icon %u\n", icon);
  }
  CHECK(::FindResourceW(program.get(), MAKEINTRESOURCEW(105), kBitmapType) != nullptr);
}

TEST_CASE(VersionRecordSaysOnePointSeven) {
  ModuleOwner program = OpenProgram();
  CHECK(program.valid());
  if (!program) return;
  const HRSRC found = ::FindResourceW(program.get(), MAKEINTRESOURCEW(1), kVersionType);
  CHECK(found != nullptr);
  if (!found) return;
  const void* data = ::LockResource(::LoadResource(program.get(), found));
  CHECK(data != nullptr);
  if (!data) return;
  // VS_VERSIONINFO: a header of three words, the key L"VS_VERSION_INFO",
  // padding to a 4-byte boundary, then the fixed record.
  const auto* bytes = static_cast<const unsigned char*>(data);
  const std::size_t fixedAt = (6 + sizeof(L"VS_VERSION_INFO") + 3) & ~std::size_t{3};
  const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + fixedAt);
  CHECK_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
  // The major version in the high word, the minor in the low.
  constexpr DWORD kOnePointSeven = (1u << 16) | 7u;
  CHECK_EQ(fixed->dwFileVersionMS, kOnePointSeven);
  CHECK_EQ(fixed->dwProductVersionMS, kOnePointSeven);
}

}  // namespace

RUN_TESTS()
