// The settings record in the real registry: what the engine saves is laid
// out as the program's profile must be (as reg.exe shows it), loads back
// unchanged, and values of the wrong type fall back to their defaults.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/engine.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "tests/engine/quiet_host.h"
#include "tests/wine/check.h"

#include <shlwapi.h>  // after the Windows headers, which it needs

namespace {

constexpr char kRoot[] = "Software\\Nerrow Lab\\Quorvantix";

void ForgetProfile() { ::SHDeleteKeyA(HKEY_CURRENT_USER, kRoot); }

// What `reg query` prints for one section, in lower case.
std::string RegQuery(const char* section) {
  const std::string command =
      std::string("reg query \"HKCU\\") + kRoot + "\\" + section + "\" 2>&1";
  std::string output;
  if (FILE* pipe = _popen(command.c_str(), "r")) {
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) output += line;
    _pclose(pipe);
  }
  for (char& c : output) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return output;
}

// One value line of reg's output: name, type and data separated by blanks.
bool Shows(const std::string& output, const char* name, const char* type, const char* data) {
  std::string lower[3] = {name, type, data};
  for (std::string& s : lower)
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::size_t at = 0;
  while ((at = output.find(lower[0], at)) != std::string::npos) {
    const std::size_t end = output.find('\n', at);
    const std::string line = output.substr(at, end == std::string::npos ? end : end - at);
    std::size_t typeAt = line.find(lower[1]);
    if (typeAt != std::string::npos && line.find(lower[2], typeAt + lower[1].size()) != std::string::npos &&
        (line.size() == lower[0].size() || line[lower[0].size()] == ' ' || line[lower[0].size()] == '\t'))
      return true;
    at += lower[0].size();
  }
  return false;
}

TEST_CASE(SavedProfileHasTheProgramsLayout) {
  ForgetProfile();
  qv::Win32Platform system;
  qv::test::QuietHost host;
  qv::Engine engine(system.platform(), host);
  engine.LoadSettings();  // an empty profile: the defaults
  engine.settings.PortID = 2;
  engine.settings.ButtonFlags[31] = qv::BA_KEY | qv::BX_CTRL;
  engine.settings.KeyChar[31] = 0x43;
  engine.settings.KeyCode[31] = 0x2E;
  engine.settings.CursorSoundOn = 1;
  std::strcpy(engine.settings.AppPath[0], "C:\\windows\\notepad.exe");
  std::strcpy(engine.settings.PressSoundFile[4], "C:\\sounds\\ding.wav");
  engine.SaveSettings();

  const std::string buttons = RegQuery("Buttons");
  CHECK(Shows(buttons, "PortID", "REG_DWORD", "0x2"));
  CHECK(Shows(buttons, "GSpeed", "REG_DWORD", "0x4"));
  CHECK(Shows(buttons, "NSpeed", "REG_DWORD", "0x1"));
  CHECK(Shows(buttons, "Speed", "REG_DWORD", "0x14"));
  CHECK(Shows(buttons, "Delay", "REG_DWORD", "0x12c"));
  CHECK(Shows(buttons, "Sikii", "REG_DWORD", "0xbb8"));
  CHECK(Shows(buttons, "Zaxis", "REG_DWORD", "0x0"));
  CHECK(Shows(buttons, "Button01", "REG_DWORD", "0x1"));
  CHECK(Shows(buttons, "Button03", "REG_DWORD", "0x40001"));
  CHECK(Shows(buttons, "Button07", "REG_DWORD", "0x10020"));
  CHECK(Shows(buttons, "Button09", "REG_DWORD", "0x0"));
  CHECK(Shows(buttons, "Button32", "REG_DWORD", "0x22000"));
  CHECK(buttons.find("button33") == std::string::npos);

  const std::string soundOn = RegQuery("SoundOn");
  CHECK(Shows(soundOn, "Cursol", "REG_DWORD", "0x1"));
  CHECK(Shows(soundOn, "CursolFile", "REG_SZ", ""));
  CHECK(Shows(soundOn, "Button05", "REG_DWORD", "0x0"));
  CHECK(Shows(soundOn, "File05", "REG_SZ", "c:\\sounds\\ding.wav"));
  const std::string soundOff = RegQuery("SoundOff");
  CHECK(Shows(soundOff, "Cursol", "REG_DWORD", "0x0"));
  CHECK(Shows(soundOff, "File32", "REG_SZ", ""));
  CHECK(Shows(RegQuery("AP"), "Button01", "REG_SZ", "c:\\windows\\notepad.exe"));
  CHECK(Shows(RegQuery("Char"), "Key32", "REG_DWORD", "0x43"));
  CHECK(Shows(RegQuery("Code"), "Key32", "REG_DWORD", "0x2e"));

  // And it loads back as it was saved.
  qv::Engine reloaded(system.platform(), host);
  reloaded.LoadSettings();
  CHECK_EQ(reloaded.settings.PortID, 2);
  CHECK_EQ(reloaded.settings.ButtonFlags[31], qv::BA_KEY | qv::BX_CTRL);
  CHECK_EQ(reloaded.settings.KeyChar[31], 0x43);
  CHECK_EQ(reloaded.settings.KeyCode[31], 0x2E);
  CHECK(std::strcmp(reloaded.settings.AppPath[0], "C:\\windows\\notepad.exe") == 0);
  CHECK(std::strcmp(reloaded.settings.PressSoundFile[4], "C:\\sounds\\ding.wav") == 0);
  ForgetProfile();
}

TEST_CASE(ValuesOfTheWrongKindFallBackToDefaults) {
  ForgetProfile();
  HKEY key = nullptr;
  CHECK(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Nerrow Lab\\Quorvantix\\Buttons", 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS);
  const char text[] = "8";
  ::RegSetValueExA(key, "GSpeed", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  const unsigned char shortValue[2] = {5, 0};
  ::RegSetValueExA(key, "NSpeed", 0, REG_BINARY, shortValue, sizeof shortValue);
  const DWORD sikii = 9000;
  ::RegSetValueExA(key, "Sikii", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&sikii), sizeof sikii);
  ::RegCloseKey(key);

  CHECK(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Nerrow Lab\\Quorvantix\\AP", 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS);
  const std::string longPath = "C:\\" + std::string(400, 'p');
  ::RegSetValueExA(key, "Button01", 0, REG_SZ, reinterpret_cast<const BYTE*>(longPath.c_str()),
                   static_cast<DWORD>(longPath.size() + 1));
  ::RegCloseKey(key);

  qv::Win32Platform system;
  qv::test::QuietHost host;
  qv::Engine engine(system.platform(), host);
  engine.LoadSettings();
  CHECK_EQ(engine.settings.GSpeed, 4);
  CHECK_EQ(engine.settings.NSpeed, 1);
  CHECK_EQ(engine.settings.Sikii, 9000);
  CHECK_EQ(std::strlen(engine.settings.AppPath[0]), 259u);
  CHECK(std::strncmp(engine.settings.AppPath[0], longPath.c_str(), 259) == 0);
  ForgetProfile();
}

}  // namespace

RUN_TESTS()
