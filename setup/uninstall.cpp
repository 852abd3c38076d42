// The uninstall as a run of small steps. Unlike the install it does not stop
// at a failure: each counted failure clears the result, and the run goes on.
// It never removes what the install did not make: registry keys go one at a
// time (a key with subkeys stays), folders only when empty, and the folder
// above the install folder only when it is the maker's by name.
#include "setup/uninstall.h"

#include <iterator>
#include <optional>
#include <string>

#include "platform/constants.h"
#include "product/product.h"
#include "setup/install_paths.h"
#include "setup/product_files.h"
#include "setup/removal_entry.h"
#include "setup/setup_names.h"
#include "setup/shortcut.h"
#include "setup/texts.h"
#include "setup/version_rule.h"

namespace qv {
namespace {

// The install record's value can be read into this much, terminator included.
constexpr std::size_t kInstallPathCapacity = kMaxPath + 1;

class UninstallRun {
 public:
  explicit UninstallRun(SetupContext& setup)
      : setup_(setup), platform_(setup.platform), registry_(setup.platform.registry) {}

  bool Run() {
    ProgressSession progress(setup_.progress, kUninstallCaption);
    progress.Step(0, kDeletingSettingsText);
    RemoveUserSettings();
    progress.Position(5);
    if (!Succeeded(registry_.KeyExists(Hive::LocalMachine, kProductRegistryKey))) {
      setup_.Tell(kAlreadyRemovedText, kMbOk | kMbIconExclamation);
      return false;
    }
    UseSourceFolder();
    const std::optional<std::string> folderText = ReadFolderText();
    progress.Message(kDeletingShortcutsText);
    const int csidl =
        ApplyVersionRule(platform_.process.VersionWord(), registry_, RuleUse::Uninstall);
    if (folderText) {
      RemoveFromFileSystem(*folderText, csidl, progress);
    } else {
      setup_.Tell(kInstallPathUnreadableText, kMbOk | kMbIconExclamation);
      result_ = false;
    }
    progress.Position(80);
    progress.Message(kDeletingRegistryText);
    RemoveMachineKeys();
    UnregisterUninstall(platform_);  // an entry left behind harms nothing
    progress.Step(100, kDoneText);
    platform_.process.Wait(kDoneDisplayMs);
    return result_;
  }

 private:
  // The resident program's sections below its key, the key, and the maker's
  // key once nothing else is below it. Nothing here touches the result.
  void RemoveUserSettings() {
    if (!Succeeded(registry_.KeyExists(Hive::CurrentUser, kMakerRegistryKey))) return;
    for (const char* section : kSettingsSections) {
      const std::string key = std::string(kProductRegistryKey) + "\\" + section;
      Ignore(registry_.DeleteKey(Hive::CurrentUser, key.c_str()));
    }
    Ignore(registry_.DeleteKey(Hive::CurrentUser, kProductRegistryKey));
    char first[kMaxPath + 1];
    if (registry_.FirstSubkey(Hive::CurrentUser, kMakerRegistryKey, first, sizeof(first)) ==
        Status::NotFound)
      Ignore(registry_.DeleteKey(Hive::CurrentUser, kMakerRegistryKey));
  }

  // A relative folder text was taken from the setup program's folder by the
  // install; the uninstall takes it from the same place.
  void UseSourceFolder() {
    char program[kMaxPath + 1] = {};
    if (!Succeeded(platform_.process.ModulePath(program, sizeof(program)))) return;
    Ignore(platform_.files.SetCurrentFolder(FolderOf(program).c_str()));
  }

  // The folder text the install recorded; none when it is missing, is no
  // string, or gives paths over the limit.
  std::optional<std::string> ReadFolderText() {
    char data[kInstallPathCapacity] = {};
    RegType type = RegType::None;
    std::size_t size = 0;
    if (!Succeeded(registry_.QueryValue(Hive::LocalMachine, kProductRegistryKey, kInstallPathValue,
                                        type, data, sizeof(data), size)) ||
        type != RegType::String)
      return std::nullopt;
    std::string text(data, size);
    text = text.substr(0, text.find('\0'));
    if (!FitsPathLimit(InstallFolderOf(text))) return std::nullopt;
    return text;
  }

  void RemoveFromFileSystem(const std::string& folderText, int csidl, ProgressSession& progress) {
    const std::string installFolder = InstallFolderOf(folderText);
    RemoveLinks(installFolder, csidl);
    progress.Step(20, kDeletingFilesText);
    RemoveFiles(installFolder, progress);
    Count(platform_.files.RemoveFolder(installFolder.c_str()));
    progress.Position(75);
    RemoveMakerFolder(folderText);
  }

  void RemoveLinks(const std::string& installFolder, int csidl) {
    for (auto link = std::rbegin(kLinks); link != std::rend(kLinks); ++link) {
      if (!UpdateShortcut(platform_, installFolder, link->target, link->name, csidl,
                          ShortcutMode::Delete))
        result_ = false;
    }
  }

  void RemoveFiles(const std::string& installFolder, ProgressSession& progress) {
    for (const RemovedFile& file : kRemovedFiles) {
      const std::string path = installFolder + file.name;
      const Status removed = platform_.files.Remove(path.c_str());
      if (file.counted) Count(removed);
      if (file.positionAfter != 0) progress.Position(file.positionAfter);
    }
  }

  // The folder the user chose holds the install folder; it goes (when
  // empty) only when it is the maker's folder that the default text names,
  // never a folder of the user's that happens to be empty now.
  void RemoveMakerFolder(const std::string& folderText) {
    const std::string folder = WithoutTrailingSeparator(folderText);
    if (!SameName(LastPiece(folder), kMakerKey)) return;
    Ignore(platform_.files.RemoveFolder(folder.c_str()));
  }

  // The product's key, and the maker's once it holds no other product.
  void RemoveMachineKeys() {
    Ignore(registry_.DeleteKey(Hive::LocalMachine, kProductRegistryKey));
    if (!Succeeded(registry_.KeyExists(Hive::LocalMachine, kMakerRegistryKey))) {
      result_ = false;
      return;
    }
    char first[kMaxPath + 1];
    if (!Succeeded(registry_.FirstSubkey(Hive::LocalMachine, kMakerRegistryKey, first,
                                         sizeof(first))))
      Ignore(registry_.DeleteKey(Hive::LocalMachine, kMakerRegistryKey));
  }

  static bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
      };
      if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
  }

  void Count(Status status) {
    if (!Succeeded(status)) result_ = false;
  }

  SetupContext& setup_;
  Platform& platform_;
  Registry& registry_;
  bool result_ = true;
};

}  // namespace

bool UninstallProduct(SetupContext& setup) { return UninstallRun(setup).Run(); }

}  // namespace qv
