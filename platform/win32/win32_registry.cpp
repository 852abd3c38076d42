// RegOpenKeyExA / RegQueryValueExA / RegCreateKeyExA / RegSetValueExA,
// RegDeleteKeyA, RegEnumKeyExA, SHDeleteKeyA and WriteProfileStringA behind
// the Registry port; every key is closed by its owner.
#include "platform/win32/win32_registry.h"

#include <cstring>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

#include <shlwapi.h>  // after the Windows headers, which it needs

namespace qv {
namespace {

HKEY RootOf(Hive hive) { return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

Status FromError(LONG error) {
  switch (error) {
    case ERROR_SUCCESS:
      return Status::Ok;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return Status::NotFound;
    case ERROR_MORE_DATA:
      return Status::TooLarge;
    default:
      return Status::Failed;
  }
}

Status OpenForWriting(Hive hive, const char* key, RegistryKey& opened) {
  return FromError(::RegCreateKeyExA(RootOf(hive), key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, opened.put(), nullptr));
}

Status SetValue(Hive hive, const char* key, const char* name, DWORD type, const void* data,
                std::size_t size) {
  RegistryKey opened;
  const Status status = OpenForWriting(hive, key, opened);
  if (status != Status::Ok) return status;
  return FromError(::RegSetValueExA(opened.get(), name, 0, type, static_cast<const BYTE*>(data),
                                    static_cast<DWORD>(size)));
}

}  // namespace

Status Win32Registry::KeyExists(Hive hive, const char* key) {
  RegistryKey opened;
  // Any failure to open for reading counts as missing.
  if (::RegOpenKeyExA(RootOf(hive), key, 0, KEY_READ, opened.put()) != ERROR_SUCCESS) {
    return Status::NotFound;
  }
  return Status::Ok;
}

Status Win32Registry::QueryValue(Hive hive, const char* key, const char* name, RegType& type,
                                 void* data, std::size_t capacity, std::size_t& size) {
  RegistryKey opened;
  Status status = FromError(::RegOpenKeyExA(RootOf(hive), key, 0, KEY_QUERY_VALUE, opened.put()));
  if (status != Status::Ok) return status == Status::Failed ? Status::NotFound : status;

  // Ask for the size first: on ERROR_MORE_DATA the system leaves the buffer
  // undefined, and the port promises that nothing is copied then.
  DWORD systemType = REG_NONE;
  DWORD needed = 0;
  status = FromError(::RegQueryValueExA(opened.get(), name, nullptr, &systemType, nullptr, &needed));
  if (status != Status::Ok) return status;
  type = static_cast<RegType>(systemType);
  size = needed;
  if (needed > capacity) return Status::TooLarge;
  if (needed == 0) return Status::Ok;

  DWORD got = needed;
  status = FromError(::RegQueryValueExA(opened.get(), name, nullptr, &systemType,
                                        static_cast<BYTE*>(data), &got));
  type = static_cast<RegType>(systemType);
  size = got;
  return status;
}

Status Win32Registry::SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) {
  const DWORD word = value;
  return SetValue(hive, key, name, REG_DWORD, &word, sizeof(word));
}

Status Win32Registry::SetString(Hive hive, const char* key, const char* name, const char* value) {
  return SetValue(hive, key, name, REG_SZ, value, std::strlen(value) + 1);
}

Status Win32Registry::DeleteTree(Hive hive, const char* key) {
  if (key == nullptr || *key == '\0') return Status::Failed;
  // SHDeleteKeyA removes the key itself with everything below it; it is
  // there on every system the program runs on, unlike RegDeleteTreeA.
  return FromError(static_cast<LONG>(::SHDeleteKeyA(RootOf(hive), key)));
}

Status Win32Registry::CreateKey(Hive hive, const char* key) {
  if (key == nullptr || *key == '\0') return Status::Failed;
  RegistryKey created;
  return FromError(::RegCreateKeyExA(RootOf(hive), key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, created.put(), nullptr));
}

Status Win32Registry::DeleteKey(Hive hive, const char* key) {
  if (key == nullptr || *key == '\0') return Status::Failed;
  {
    RegistryKey opened;
    const Status status = FromError(::RegOpenKeyExA(RootOf(hive), key, 0, KEY_READ, opened.put()));
    if (status != Status::Ok) return status;
    DWORD subkeys = 0;
    if (::RegQueryInfoKeyA(opened.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys != 0) {
      return Status::Failed;
    }
  }
  return FromError(::RegDeleteKeyA(RootOf(hive), key));
}

Status Win32Registry::FirstSubkey(Hive hive, const char* key, char* name, std::size_t capacity) {
  RegistryKey opened;
  if (::RegOpenKeyExA(RootOf(hive), key, 0, KEY_ENUMERATE_SUB_KEYS, opened.put()) != ERROR_SUCCESS)
    return Status::Failed;
  DWORD size = capacity > MAXDWORD ? MAXDWORD : static_cast<DWORD>(capacity);
  const LONG error = ::RegEnumKeyExA(opened.get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr);
  if (error == ERROR_NO_MORE_ITEMS) return Status::NotFound;
  return FromError(error);
}

Status Win32Registry::WriteProfileEntry(const char* section, const char* entry, const char* value) {
  return ::WriteProfileStringA(section, entry, value) ? Status::Ok : Status::Failed;
}

}  // namespace qv
