// The setup operations on the simulated platform: a distribution folder
// with the five product files beside the setup program, a system drive with
// its programs folders, a progress display that records what it shows, and
// the message boxes from the effect log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "setup/progress.h"
#include "setup/setup_context.h"

namespace qv::test {

inline const std::string kDist = "D:\\Dist";
inline const std::string kCommonPrograms = "C:\\ProgramData\\Start Menu\\Programs";
inline const std::string kUserPrograms = "C:\\Users\\ann\\Start Menu\\Programs";
inline const std::string kDefaultInstall = "C:\\Program Files\\Nerrow Lab\\Quorvantix\\";
inline const char* const kFileNames[] = {"Quorvantix.exe", "QUORVNTX.hlp", "QUORVNTX.cnt",
                                         "ReadMe.txt", "license.txt"};
inline const char* const kLinkFiles[] = {"Quorvantix.lnk", "Quorvantixのヘルプ.lnk",
                                         "ライセンス規約.lnk", "README.lnk"};
// The machine-wide keys as the registry shows them.
inline constexpr char kMaker[] = "SOFTWARE\\Nerrow Lab";
inline constexpr char kProduct[] = "SOFTWARE\\Nerrow Lab\\Quorvantix";
inline constexpr char kRemoval[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvantix";
// Version words of the 9x family: 4.0, and 4.10, which has the compatibility
// entry.
inline constexpr std::uint32_t kWindows95 = 0xC3B60004;
inline constexpr std::uint32_t kWindows98 = 0xC0000A04;

// "open <caption>", "pos <n>", "text <message>", "close", in order.
class RecordingProgress final : public ProgressDisplay {
 public:
  void Open(const char* caption) override { events.push_back(std::string("open ") + caption); }
  void SetPosition(int position) override { events.push_back("pos " + std::to_string(position)); }
  void SetMessage(const char* text) override { events.push_back(std::string("text ") + text); }
  void Close() override { events.push_back("close"); }
  std::vector<std::string> events;
};

struct SetupRig {
  SetupRig() {
    sim.files.AddFolder("C:\\Windows");
    sim.files.AddFolder("C:\\Program Files");
    sim.files.AddFolder(kCommonPrograms);
    sim.files.AddFolder(kUserPrograms);
    sim.files.AddFolder(kDist);
    for (const char* name : kFileNames) sim.files.AddFile(kDist + "\\" + name, 0, name);
    sim.files.AddFile(kDist + "\\setup.exe");
    sim.process.modulePath = kDist + "\\setup.exe";
    sim.shell.specialFolders[kCsidlCommonPrograms] = kCommonPrograms;
    sim.shell.specialFolders[kCsidlPrograms] = kUserPrograms;
    // Started from elsewhere, as from a shortcut or another drive.
    Ignore(sim.files.SetCurrentFolder("C:\\Windows"));
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::MessageBox)) texts.push_back(e.text);
    return texts;
  }
  std::string Group(const std::string& programs = kCommonPrograms) const {
    return programs + "\\Nerrow Lab";
  }

  sim::SimPlatform sim;
  RecordingProgress progress;
  SetupContext setup{sim.platform, progress, 0x4242, "setup"};
};

}  // namespace qv::test
