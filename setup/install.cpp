// The install as a run of small steps, each reporting on the progress
// display; a step that fails shows its message and ends the run.
#include "setup/install.h"

#include <iterator>
#include <string>

#include "platform/constants.h"
#include "setup/install_paths.h"
#include "setup/product_files.h"
#include "setup/removal_entry.h"
#include "setup/setup_names.h"
#include "setup/shortcut.h"
#include "setup/texts.h"
#include "setup/version_rule.h"

namespace qv {
namespace {

// The read-me's link, the last of kLinks; the links before it are made
// in one run.
constexpr std::size_t kReadMeLink = 3;
static_assert(kReadMeLink + 1 == std::size(kLinks));

class InstallRun {
 public:
  InstallRun(SetupContext& setup, const char* folderText)
      : setup_(setup), platform_(setup.platform), folderText_(folderText),
        installFolder_(InstallFolderOf(folderText_)) {}

  bool Run() {
    if (!FitsPathLimit(installFolder_)) return Fail(kFolderTooLongText);
    UseSourceFolder();
    ProgressSession progress(setup_.progress, kInstallCaption);
    progress.Step(0, kCreatingFolderText);
    CreateFolderPath(platform_.files, installFolder_);
    progress.Step(10, kCopyingFilesText);
    if (!CopyFiles(progress)) return false;
    progress.Message(kSettingRegistryText);
    if (!WriteInstallRecord()) return Fail(kRegistryFailedText);
    progress.Position(85);
    RegisterUninstall(platform_);  // the product works without its entry
    progress.Position(90);
    progress.Message(kCreatingShortcutsText);
    if (!CreateLinks()) return Fail(kShortcutFailedText);
    progress.Step(100, kDoneText);
    platform_.process.Wait(kDoneDisplayMs);
    return true;
  }

 private:
  bool Fail(const char* message) {
    setup_.Tell(message, kMbOk);
    return false;
  }

  // The product's files lie beside the setup program; with its folder as
  // the current one they are found by their bare names, whatever folder the
  // program was started from.
  void UseSourceFolder() {
    char program[kMaxPath + 1] = {};
    if (!Succeeded(platform_.process.ModulePath(program, sizeof(program)))) return;
    Ignore(platform_.files.SetCurrentFolder(FolderOf(program).c_str()));
  }

  bool CopyFiles(ProgressSession& progress) {
    for (const ProductFile& file : kProductFiles) {
      const std::string target = installFolder_ + file.name;
      if (!Succeeded(platform_.files.Copy(file.name, target.c_str()))) return Fail(file.copyFailure);
      progress.Position(file.positionAfterCopy);
    }
    return true;
  }

  // The maker's key, the product's key and the folder text in it. Without
  // the folder text an uninstall could not find the files, so a failed write
  // fails the install too.
  bool WriteInstallRecord() {
    Registry& registry = platform_.registry;
    return Succeeded(registry.CreateKey(Hive::LocalMachine, kMakerRegistryKey)) &&
           Succeeded(registry.CreateKey(Hive::LocalMachine, kProductRegistryKey)) &&
           Succeeded(registry.SetString(Hive::LocalMachine, kProductRegistryKey, kInstallPathValue,
                                        folderText_.c_str()));
  }

  // The first three links stop at the first that fails; the read-me's link
  // is tried on its own either way.
  bool CreateLinks() {
    const int csidl =
        ApplyVersionRule(platform_.process.VersionWord(), platform_.registry, RuleUse::Install);
    bool made = true;
    for (std::size_t i = 0; i < kReadMeLink && made; ++i) made = Create(kLinks[i], csidl);
    const bool readMeMade = Create(kLinks[kReadMeLink], csidl);
    return made && readMeMade;
  }

  bool Create(const LinkEntry& link, int csidl) {
    return UpdateShortcut(platform_, installFolder_, link.target, link.name, csidl,
                          ShortcutMode::Create);
  }

  SetupContext& setup_;
  Platform& platform_;
  const std::string folderText_;
  const std::string installFolder_;
};

}  // namespace

bool InstallProduct(SetupContext& setup, const char* folderText) {
  return InstallRun(setup, folderText).Run();
}

}  // namespace qv
