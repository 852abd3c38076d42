// The uninstall on the simulated platform: after a default install, with
// nothing installed, after a partial install, with things of the user's in
// the way, and with an install record that cannot be used.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/constants.h"
#include "setup/install.h"
#include "setup/uninstall.h"
#include "tests/setup/setup_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kDefaultText[] = "C:\\Program Files\\Nerrow Lab\\";
constexpr char kAlreadyRemoved[] = "Quorvantixは既に削除されています。";

// The resident program's settings, as it writes them for the current user.
void AddUserSettings(SetupRig& rig) {
  for (const char* section : {"Buttons", "SoundOn", "SoundOff", "AP", "Char", "Code"})
    rig.sim.registry.PutDword(Hive::CurrentUser, std::string("Software\\Nerrow Lab\\Quorvantix\\") + section,
                              "Button01", 1);
}

struct Installed : SetupRig {
  explicit Installed(const char* folderText = kDefaultText) {
    AddUserSettings(*this);
    EXPECT_TRUE(InstallProduct(setup, folderText));
    progress.events.clear();
    sim.process.waitedMs = 0;
    Ignore(sim.files.SetCurrentFolder("C:\\Windows"));
  }
};

TEST(Uninstall, AfterADefaultInstallEverythingGoes) {
  Installed rig;
  EXPECT_TRUE(UninstallProduct(rig.setup));

  EXPECT_FALSE(rig.sim.files.IsFolder("C:\\Program Files\\Nerrow Lab"));
  EXPECT_TRUE(rig.sim.files.IsFolder("C:\\Program Files"));
  EXPECT_FALSE(rig.sim.files.IsFolder(rig.Group()));
  EXPECT_TRUE(rig.sim.files.IsFolder(kCommonPrograms));
  for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine})
    EXPECT_FALSE(rig.sim.registry.HasKey(hive, kMaker));
  EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kRemoval));
  EXPECT_TRUE(rig.sim.registry.HasKey(Hive::CurrentUser, "Software"));
  EXPECT_EQ(rig.sim.registry.ValueCount(), 0);
  EXPECT_THAT(rig.Messages(), IsEmpty());
  EXPECT_EQ(rig.sim.process.waitedMs, 500u);
  EXPECT_THAT(rig.progress.events,
              ElementsAre("open ｱﾝｲﾝｽﾄｰﾙ", "pos 0", "text ﾕｰｻﾞ毎の設定情報を削除しています...",
                          "pos 5", "text ｼｮｰﾄｶｯﾄを削除しています...", "pos 20",
                          "text ﾌｧｲﾙを削除しています...", "pos 40", "pos 50", "pos 60", "pos 70",
                          "pos 75", "pos 80", "text ﾚｼﾞｽﾄﾘを削除しています...", "pos 100",
                          "text 完了", "close"));
  // A second run finds nothing to remove.
  EXPECT_FALSE(UninstallProduct(rig.setup));
  EXPECT_THAT(rig.Messages(), ElementsAre(kAlreadyRemoved));
}

TEST(Uninstall, WithNothingInstalledTheUsersSettingsStillGo) {
  SetupRig rig;
  AddUserSettings(rig);
  EXPECT_FALSE(UninstallProduct(rig.setup));
  EXPECT_FALSE(rig.sim.registry.HasKey(Hive::CurrentUser, kMaker));
  EXPECT_THAT(rig.Messages(), ElementsAre(kAlreadyRemoved));
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[0].box.flags, kMbOk | kMbIconExclamation);
  EXPECT_THAT(rig.progress.events,
              ElementsAre("open ｱﾝｲﾝｽﾄｰﾙ", "pos 0", "text ﾕｰｻﾞ毎の設定情報を削除しています...",
                          "pos 5", "close"));
}

TEST(Uninstall, AfterAnInstallStoppedByAMissingFileNothingIsRecorded) {
  SetupRig rig;
  ASSERT_TRUE(Succeeded(rig.sim.files.Remove((kDist + "\\QUORVNTX.cnt").c_str())));
  EXPECT_FALSE(InstallProduct(rig.setup, kDefaultText));
  EXPECT_FALSE(UninstallProduct(rig.setup));
  EXPECT_THAT(rig.Messages(), ElementsAre("QUORVNTX.cntのｺﾋﾟｰは失敗しました", kAlreadyRemoved));
}

TEST(Uninstall, AfterAnInstallWithoutLinksTheRestGoesAndTheResultSaysSo) {
  SetupRig rig;
  rig.sim.shell.failShortcuts = true;
  EXPECT_FALSE(InstallProduct(rig.setup, kDefaultText));
  EXPECT_FALSE(UninstallProduct(rig.setup));
  EXPECT_FALSE(rig.sim.files.IsFolder(kDefaultInstall));
  EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kMaker));
}

TEST(Uninstall, ThingsOfTheUsersStayAndOnlyTheirFolderCounts) {
  Installed rig;
  rig.sim.files.AddFile(kDefaultInstall + "notes.txt");
  rig.sim.files.AddFile(rig.Group() + "\\Other.lnk");
  rig.sim.registry.PutDword(Hive::CurrentUser, "Software\\Nerrow Lab\\Other", "x", 1);
  rig.sim.registry.PutDword(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Extra", "x", 1);
  rig.sim.registry.PutDword(Hive::LocalMachine, "SOFTWARE\\Nerrow Lab\\Other", "x", 1);

  EXPECT_FALSE(UninstallProduct(rig.setup));
  EXPECT_THAT(rig.sim.files.Names(kDefaultInstall), ElementsAre("notes.txt"));
  EXPECT_THAT(rig.sim.files.Names(rig.Group()), ElementsAre("Other.lnk"));
  // Keys go one at a time: those with other subkeys stay, the sections go.
  EXPECT_TRUE(rig.sim.registry.HasKey(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Extra"));
  EXPECT_FALSE(rig.sim.registry.HasKey(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Buttons"));
  EXPECT_TRUE(rig.sim.registry.HasKey(Hive::CurrentUser, "Software\\Nerrow Lab\\Other"));
  EXPECT_TRUE(rig.sim.registry.HasKey(Hive::LocalMachine, "SOFTWARE\\Nerrow Lab\\Other"));
  EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kProduct));
  EXPECT_THAT(rig.Messages(), IsEmpty());
}

TEST(Uninstall, AnotherProductUnderTheMakersKeysKeepsThemWithoutFailing) {
  Installed rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, "Software\\Nerrow Lab\\Other", "x", 1);
  rig.sim.registry.PutDword(Hive::LocalMachine, "SOFTWARE\\Nerrow Lab\\Other", "x", 1);
  EXPECT_TRUE(UninstallProduct(rig.setup));
  for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine})
    EXPECT_TRUE(rig.sim.registry.HasKey(hive, "SOFTWARE\\Nerrow Lab\\Other"));
}

TEST(Uninstall, AFolderOfTheUsersAboveTheInstallFolderStays) {
  Installed rig("D:\\Tools\\");
  EXPECT_TRUE(UninstallProduct(rig.setup));
  EXPECT_FALSE(rig.sim.files.IsFolder("D:\\Tools\\Quorvantix"));
  EXPECT_TRUE(rig.sim.files.IsFolder("D:\\Tools"));
}

TEST(Uninstall, AnUnusableInstallRecordRemovesNothingFromTheFiles) {
  const std::vector<std::uint8_t> wrongType = {'C', ':', '\\', 0};
  for (int bad = 0; bad < 3; ++bad) {
    SCOPED_TRACE(bad);
    Installed rig;
    auto& registry = rig.sim.registry;
    if (bad == 0) {  // the key without the value
      Ignore(registry.DeleteTree(Hive::LocalMachine, kProduct));
      registry.PutDword(Hive::LocalMachine, kProduct, "Other", 1);
    }
    if (bad == 1) registry.Put(Hive::LocalMachine, kProduct, "InstallPath", RegType::Binary, wrongType);
    if (bad == 2) registry.PutString(Hive::LocalMachine, kProduct, "InstallPath", std::string(300, 'x'));

    EXPECT_FALSE(UninstallProduct(rig.setup));
    EXPECT_THAT(rig.Messages(), ElementsAre("ｲﾝｽﾄｰﾙ先ﾌｫﾙﾀﾞの記録が読めません。\n"
                                            "ﾌｧｲﾙとﾌｫﾙﾀﾞは削除しませんでした。"));
    EXPECT_EQ(rig.sim.files.Names(kDefaultInstall).size(), 5u);
    EXPECT_EQ(rig.sim.files.Names(rig.Group()).size(), 4u);
    EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kMaker));
    EXPECT_FALSE(rig.sim.registry.HasKey(Hive::LocalMachine, kRemoval));
  }
}

TEST(Uninstall, LaterNineXVersionsLoseTheProfileEntryAndTheirOwnLinks) {
  SetupRig rig;
  rig.sim.process.versionWord = kWindows98;
  ASSERT_TRUE(InstallProduct(rig.setup, kDefaultText));
  ASSERT_FALSE(rig.sim.registry.profile.empty());
  EXPECT_TRUE(UninstallProduct(rig.setup));
  EXPECT_TRUE(rig.sim.registry.profile.empty());
  EXPECT_FALSE(rig.sim.files.IsFolder(rig.Group(kUserPrograms)));
}

TEST(Uninstall, AnEmptyFolderTextIsFoundBesideTheSetupProgramAgain) {
  Installed rig("");
  ASSERT_EQ(rig.sim.files.CurrentFolder(), "C:\\Windows");
  EXPECT_TRUE(UninstallProduct(rig.setup));
  EXPECT_FALSE(rig.sim.files.IsFolder(kDist + "\\Quorvantix"));
  EXPECT_TRUE(rig.sim.files.IsFile(kDist + "\\Quorvantix.exe"));
}

}  // namespace
}  // namespace qv::test
