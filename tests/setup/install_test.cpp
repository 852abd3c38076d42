// The install on the simulated platform: what a default install leaves
// behind, the progress it shows, each step's failure, the version rule, and
// folder texts that are empty, too long or without a drive letter.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/constants.h"
#include "setup/install.h"
#include "setup/install_paths.h"
#include "setup/version_rule.h"
#include "tests/setup/setup_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Install, DefaultFolderGivesFilesRecordEntryAndLinks) {
  SetupRig rig;
  ASSERT_TRUE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));

  for (const char* name : kFileNames)
    EXPECT_EQ(rig.sim.files.Contents(kDefaultInstall + name), name) << name;
  auto& registry = rig.sim.registry;
  EXPECT_EQ(registry.TypeOf(Hive::LocalMachine, kProduct, "InstallPath"), RegType::String);
  EXPECT_EQ(registry.String(Hive::LocalMachine, kProduct, "InstallPath"),
            "C:\\Program Files\\Nerrow Lab\\");
  EXPECT_EQ(registry.String(Hive::LocalMachine, kRemoval, "DisplayName"), "Quorvantix");
  // The setup program where it ran, not a copy in the install folder.
  EXPECT_EQ(registry.String(Hive::LocalMachine, kRemoval, "UninstallString"), "D:\\Dist\\setup.exe");
  EXPECT_TRUE(registry.profile.empty());  // an NT-family system

  EXPECT_THAT(rig.sim.files.Names(rig.Group()),
              ElementsAre(kLinkFiles[0], kLinkFiles[1], kLinkFiles[2], kLinkFiles[3]));
  const auto readMe = rig.sim.shell.ShortcutAt(rig.Group() + "\\README.lnk");
  ASSERT_TRUE(readMe.has_value());
  EXPECT_EQ(readMe->target, "C:\\Program Files\\Nerrow Lab\\Quorvantix\\readme.txt");
  EXPECT_EQ(readMe->workingFolder, "C:\\Program Files\\Nerrow Lab\\Quorvantix");
  EXPECT_EQ(rig.sim.shell.ShortcutAt(rig.Group() + "\\" + kLinkFiles[1])->description,
            "Quorvantixのヘルプ");

  EXPECT_THAT(rig.Messages(), IsEmpty());
  EXPECT_EQ(rig.sim.process.waitedMs, 500u);
  EXPECT_THAT(rig.progress.events,
              ElementsAre("open ｲﾝｽﾄｰﾙ", "pos 0", "text ｲﾝｽﾄｰﾙ先ﾃﾞｨﾚｸﾄﾘ作成中...", "pos 10",
                          "text ﾌｧｲﾙをｺﾋﾟｰしています...", "pos 40", "pos 60", "pos 70", "pos 75",
                          "pos 80", "text ﾚｼﾞｽﾄﾘを設定しています...", "pos 85", "pos 90",
                          "text ｼｮｰﾄｶｯﾄ作成中...", "pos 100", "text 完了", "close"));
}

TEST(Install, AgainOverAnInstallReplacesFilesAndLinks) {
  SetupRig rig;
  ASSERT_TRUE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
  ASSERT_TRUE(Succeeded(rig.sim.files.Remove((kDist + "\\Quorvantix.exe").c_str())));
  rig.sim.files.AddFile(kDist + "\\Quorvantix.exe", 0, "newer");
  EXPECT_TRUE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
  EXPECT_EQ(rig.sim.files.Contents(kDefaultInstall + "Quorvantix.exe"), "newer");
  EXPECT_EQ(rig.sim.files.Names(rig.Group()).size(), 4u);
}

TEST(Install, EachMissingFileStopsAtItsMessageBeforeAnyKeyOrLink) {
  const char* messages[] = {"Quorvantix.exeのｺﾋﾟｰは失敗しました", "QUORVNTX.hlpのｺﾋﾟｰは失敗しました",
                            "QUORVNTX.cntのｺﾋﾟｰは失敗しました", "ReadMe.txtのｺﾋﾟｰは失敗しました",
                            "License.txtのｺﾋﾟｰは失敗しました"};
  for (int missing = 0; missing < 5; ++missing) {
    SCOPED_TRACE(kFileNames[missing]);
    SetupRig rig;
    ASSERT_TRUE(Succeeded(rig.sim.files.Remove((kDist + "\\" + kFileNames[missing]).c_str())));
    EXPECT_FALSE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
    EXPECT_THAT(rig.Messages(), ElementsAre(messages[missing]));
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(rig.sim.files.IsFile(kDefaultInstall + kFileNames[i]), i < missing) << i;
    EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kMaker));
    EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kRemoval));
    EXPECT_FALSE(rig.sim.files.IsFolder(rig.Group()));
    EXPECT_EQ(rig.progress.events.back(), "close");
  }
}

TEST(Install, RegistryFailureStopsBeforeTheLinks) {
  for (const char* refused : {kMaker, kProduct}) {
    SCOPED_TRACE(refused);
    SetupRig rig;
    rig.sim.registry.Refuse(Hive::LocalMachine, refused);
    EXPECT_FALSE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
    EXPECT_THAT(rig.Messages(), ElementsAre("ﾚｼﾞｽﾄﾘの設定は失敗しました"));
    EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kRemoval));
    EXPECT_FALSE(rig.sim.files.IsFolder(rig.Group()));
  }
}

TEST(Install, FailedLinksStopTheFirstThreeButTheReadMeIsStillTried) {
  SetupRig rig;
  rig.sim.shell.failShortcuts = true;
  EXPECT_FALSE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
  EXPECT_EQ(rig.sim.shell.shortcutSaves, 2);
  EXPECT_THAT(rig.Messages(), ElementsAre("ｼｮｰﾄｶｯﾄ作成は失敗しました"));
  // Nothing is undone.
  EXPECT_TRUE(rig.sim.files.IsFile(kDefaultInstall + "license.txt"));
  EXPECT_TRUE(rig.sim.registry.Has(Hive::LocalMachine, kProduct, "InstallPath"));

  SetupRig unresolved;
  unresolved.sim.shell.specialFolders.clear();
  EXPECT_FALSE(InstallProduct(unresolved.setup, "C:\\Program Files\\Nerrow Lab\\"));
  EXPECT_THAT(unresolved.Messages(), ElementsAre("ｼｮｰﾄｶｯﾄ作成は失敗しました"));
}

TEST(Install, VersionRuleChoosesTheProgramsFolderAndTheProfileEntry) {
  EXPECT_EQ(ProgramGroupRuleFor(0x0A280105).csidl, kCsidlCommonPrograms);  // NT 5.1
  EXPECT_EQ(ProgramGroupRuleFor(0x80000003).csidl, kCsidlCommonPrograms);  // 9x below 4
  EXPECT_EQ(ProgramGroupRuleFor(kWindows95).csidl, kCsidlPrograms);
  EXPECT_FALSE(ProgramGroupRuleFor(kWindows95).compatibilityEntry);
  EXPECT_TRUE(ProgramGroupRuleFor(kWindows98).compatibilityEntry);
  EXPECT_FALSE(ProgramGroupRuleFor(0x0A280105).compatibilityEntry);

  for (std::uint32_t word : {kWindows95, kWindows98}) {
    SetupRig rig;
    rig.sim.process.versionWord = word;
    ASSERT_TRUE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
    EXPECT_EQ(rig.sim.files.Names(rig.Group(kUserPrograms)).size(), 4u);
    EXPECT_FALSE(rig.sim.files.IsFolder(rig.Group(kCommonPrograms)));
    if (word == kWindows98) {
      EXPECT_EQ(rig.sim.registry.profile["compatibility95\\quorvant"], "0x00000002");
    } else {
      EXPECT_TRUE(rig.sim.registry.profile.empty());
    }
  }
}

TEST(Install, EmptyFolderTextInstallsBesideTheSetupProgram) {
  SetupRig rig;
  ASSERT_TRUE(InstallProduct(rig.setup, ""));
  EXPECT_TRUE(rig.sim.files.IsFile(kDist + "\\Quorvantix\\Quorvantix.exe"));
  EXPECT_TRUE(rig.sim.registry.Has(Hive::LocalMachine, kProduct, "InstallPath"));
  EXPECT_EQ(rig.sim.registry.String(Hive::LocalMachine, kProduct, "InstallPath"), "");
}

TEST(Install, FolderTextOverThePathLimitIsRefusedBeforeAnythingIsTouched) {
  // "Quorvantix\" and the longest file name, "Quorvantix.exe", follow the
  // text; with the terminator 260 bytes are the most a path may take.
  constexpr std::size_t kPathLimit = 260;
  constexpr std::size_t kLongestName = sizeof("Quorvantix.exe") - 1;
  constexpr std::size_t kProductFolder = sizeof("Quorvantix\\") - 1;
  const std::string root = "C:\\";
  // The longest folder name that fits, with room left for its separator.
  const std::size_t name = kPathLimit - 1 - kLongestName - kProductFolder - root.size() - 1;
  const std::string fits = root + std::string(name, 'a') + "\\";
  const std::string over = root + std::string(fits.size() - root.size(), 'a') + "\\";
  ASSERT_EQ(InstallFolderOf(fits).size() + kLongestName, kPathLimit - 1);

  SetupRig rig;
  EXPECT_FALSE(InstallProduct(rig.setup, over.c_str()));
  EXPECT_THAT(rig.Messages(), ElementsAre("ｲﾝｽﾄｰﾙ先ﾌｫﾙﾀﾞのﾊﾟｽが長すぎます。\n"
                                          "ﾌｧｲﾙのﾊﾟｽが260ﾊﾞｲﾄに収まるﾌｫﾙﾀﾞを指定して下さい。"));
  EXPECT_THAT(rig.progress.events, IsEmpty());
  EXPECT_EQ(rig.sim.files.CurrentFolder(), "C:\\Windows");
  EXPECT_FALSE(rig.sim.files.IsFolder(over));
  EXPECT_EQ(rig.sim.registry.ValueCount(), 0);

  SetupRig edge;
  EXPECT_TRUE(InstallProduct(edge.setup, fits.c_str()));
  EXPECT_TRUE(edge.sim.files.IsFile(InstallFolderOf(fits) + "Quorvantix.exe"));
}

TEST(Install, FolderPathsAreMadeLevelByLevelWhereTheTextPointsOnly) {
  SetupRig rig;
  Files& files = rig.sim.files;
  Ignore(rig.sim.files.SetCurrentFolder("D:\\Dist"));

  // "ソ" ends in 0x5C, which is no separator.
  CreateFolderPath(files, "C:\\ソフト\\\\Tools\\");
  EXPECT_THAT(rig.sim.files.Names("C:\\ソフト"), ElementsAre("Tools"));
  EXPECT_FALSE(rig.sim.files.IsFolder("C:\\\x83")) << "no folder of the lead byte alone";
  // A root-relative text stays on the current drive's root.
  CreateFolderPath(files, "\\Apps\\Quorvantix\\");
  EXPECT_TRUE(rig.sim.files.IsFolder("D:\\Apps\\Quorvantix"));
  EXPECT_FALSE(rig.sim.files.IsFolder("D:\\Dist\\Apps"));
  // A network path makes nothing of its server and share.
  rig.sim.files.AddFolder("\\\\srv\\share");
  CreateFolderPath(files, "\\\\srv\\share\\pub\\Quorvantix\\");
  EXPECT_TRUE(rig.sim.files.IsFolder("\\\\srv\\share\\pub\\Quorvantix"));
  EXPECT_FALSE(rig.sim.files.IsFolder("D:\\Dist\\srv"));
  EXPECT_FALSE(rig.sim.files.IsFolder("D:\\srv"));
}

}  // namespace
}  // namespace qv::test
