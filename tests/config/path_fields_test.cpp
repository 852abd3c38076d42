// The path fields: drops by region, condition, extension and count, on
// both pages' layouts and at another screen resolution; browsing, which
// puts unread typed text back; and trying a sound.
#include "config/path_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/data_exchange.h"
#include "tests/config/system_page_rig.h"

namespace qv {
namespace {

using SystemPagePaths = SystemPageRig;

// Inside the system page's two pointer-sound fields, at 96 dots per inch.
constexpr Point kOnField{100, 260};
constexpr Point kOffField{100, 290};

TEST_F(SystemPagePaths, OneWaveFileDroppedOnAFieldWhoseSoundIsOnFillsIt) {
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 0;
  Run([&](WindowHandle w) {
    host.DropFiles(w, {"C:\\a\\x.WAV"}, kOnField);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "C:\\a\\x.WAV");
    host.DropFiles(w, {"C:\\a\\y.wav"}, kOffField);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_OFF_PATH).text, "") << "its sound is off";
    host.DropFiles(w, {"C:\\a\\y.wav", "C:\\a\\z.wav"}, kOnField);
    host.DropFiles(w, {"C:\\a.b\\wav"}, kOnField);
    host.DropFiles(w, {"C:\\a\\y.mp3"}, kOnField);
    host.DropFiles(w, {"C:\\a\\y.wav.bak"}, kOnField);
    host.DropFiles(w, {"C:\\a\\y.wav"}, {84, 260});
    host.DropFiles(w, {"C:\\a\\y.wav"}, {100, 274});
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "C:\\a\\x.WAV") << "none of those lands";
    host.DropFiles(w, {"C:\\a\\edge.wav"}, {266, 273});
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "C:\\a\\edge.wav") << "bounds included";
    EXPECT_TRUE(PressOk());
  });
  EXPECT_STREQ(settings.CursorSoundOnFile, "C:\\a\\edge.wav");
  EXPECT_STREQ(settings.CursorSoundOffFile, "");
  EXPECT_EQ(host.UnfinishedDrops(), 0);
}

TEST_F(SystemPagePaths, APathOf259BytesFitsAndALongerOneIsRefused) {
  settings.CursorSoundOn = 1;
  const std::string fits = "C:\\" + std::string(252, 'a') + ".wav";
  ASSERT_EQ(fits.size(), 259u);
  Run([&](WindowHandle w) {
    host.DropFiles(w, {"C:\\" + std::string(253, 'a') + ".wav"}, kOnField);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "");
    host.DropFiles(w, {fits}, kOnField);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, fits);
    sim.dialogs.openFileAnswer = "C:\\" + std::string(300, 'b') + ".wav";
    host.Click(w, IDC_CURSOR_SOUND_ON_BROWSE);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, fits) << "the dialog's long path is refused";
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(std::string(settings.CursorSoundOnFile), fits);
}

TEST_F(SystemPagePaths, AtAnotherResolutionTheRegionsFollowTheFields) {
  // 144 dots per inch: the dialog units grow by half.
  host.controls.dialogBaseUnits = {10, 18};
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 1;
  Run([&](WindowHandle w) {
    host.DropFiles(w, {"C:\\on.wav"}, kOnField);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "") << "the 96-dpi spot lies off the field";
    host.DropFiles(w, {"C:\\on.wav"}, {130, 380});
    host.DropFiles(w, {"C:\\off.wav"}, {370, 440});
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "C:\\on.wav");
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_OFF_PATH).text, "C:\\off.wav");
  });
}

TEST_F(SystemPagePaths, BrowsingTakesTheChosenFileAndPutsUnreadTypedTextBack) {
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 1;
  CopyText(settings.CursorSoundOffFile, "C:\\old.wav");
  Run([&](WindowHandle w) {
    host.Click(w, IDC_CURSOR_SOUND_ON_BROWSE);  // cancelled
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "");
    host.Type(w, IDC_CURSOR_SOUND_OFF_PATH, "C:\\typed.wav");
    sim.dialogs.openFileAnswer = "C:\\Sounds\\on.wav";
    host.Click(w, IDC_CURSOR_SOUND_ON_BROWSE);
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_ON_PATH).text, "C:\\Sounds\\on.wav");
    EXPECT_EQ(At(w, IDC_CURSOR_SOUND_OFF_PATH).text, "C:\\old.wav");
    EXPECT_TRUE(PressOk());
  });
  ASSERT_EQ(sim.dialogs.openFileRequests.size(), 2u);
  const auto& request = sim.dialogs.openFileRequests.back();
  EXPECT_EQ(request.title, "サウンドファイル選択");
  static constexpr char kSystemForm[] = "WAV File (*.wav) \0 *.wav\0";
  EXPECT_EQ(request.filter, std::string(kSystemForm, sizeof kSystemForm));
  EXPECT_EQ(request.flags, kOfnFileMustExist | kOfnPathMustExist | kOfnHideReadOnly);
  EXPECT_STREQ(settings.CursorSoundOnFile, "C:\\Sounds\\on.wav");
}

TEST_F(SystemPagePaths, TestPlaysTheMemberAndNothingWhenItIsEmpty) {
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 1;
  CopyText(settings.CursorSoundOffFile, "C:\\missing.wav");
  Run([&](WindowHandle w) {
    host.Click(w, IDC_CURSOR_SOUND_ON_TEST);
    host.Type(w, IDC_CURSOR_SOUND_OFF_PATH, "C:\\typed.wav");
    host.Click(w, IDC_CURSOR_SOUND_OFF_TEST);
    host.Click(w, IDC_CURSOR_SOUND_OFF);  // reads the controls: the typed text counts now
    host.Click(w, IDC_CURSOR_SOUND_OFF);
    host.Click(w, IDC_CURSOR_SOUND_OFF_TEST);
  });
  std::string played;
  for (const auto& effect : sim.log.All())
    if (effect.kind == sim::EffectKind::Sound) played += std::string(effect.text) + ";";
  EXPECT_EQ(played, "C:\\missing.wav;C:\\typed.wav;");
  EXPECT_EQ(MessageBoxes("C:\\missing.wav"), 0);
}

// The button page's layout: the family on template 103, with the page's
// conditions given as they stand.
class ButtonLayoutDrops final : public CDialog {
 public:
  explicit ButtonLayoutDrops(WindowHost& host) : CDialog(host, IDD_BUTTON_PAGE) {}
  Text pressSoundPath = {};
  Text releaseSoundPath = {};
  Text appPathText = {};
  bool pressSoundOn = true;
  bool launch = true;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    DragAcceptFiles(true);
    return true;
  }
  void DoDataExchange(CDataExchange& dx) override {
    DDX_Text(dx, IDC_PRESS_SOUND_PATH, pressSoundPath, TextCode::System);
    DDX_Text(dx, IDC_RELEASE_SOUND_PATH, releaseSoundPath, TextCode::System);
    DDX_Text(dx, IDC_APP_PATH, appPathText, TextCode::System);
  }
  bool DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                           LResult& result) override {
    static constexpr MessageMapEntry<ButtonLayoutDrops> kMap[] = {
        OnDropFilesEntry(&ButtonLayoutDrops::OnDropFiles)};
    if (DispatchMessageMap(*this, kMap, message, wParam, lParam, result)) return true;
    return CDialog::DispatchOwnMessages(message, wParam, lParam, result);
  }

 private:
  void OnDropFiles(CDropFiles& drop) {
    const PathTarget targets[] = {{kPressSoundField, pressSoundOn, pressSoundPath},
                                  {kReleaseSoundField, true, releaseSoundPath},
                                  {kProgramField, launch, appPathText}};
    static_cast<void>(DropOnPathFields(*this, drop, targets, sizeof targets / sizeof targets[0]));
  }
};

TEST_F(SystemPagePaths, OnTheButtonLayoutTheProgramFieldTakesAnyFile) {
  ButtonLayoutDrops dialog{host};
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    dialog.pressSoundOn = false;
    h.DropFiles(w, {"C:\\x.WAV"}, {300, 170});
    EXPECT_EQ(At(w, IDC_PRESS_SOUND_PATH).text, "");
    dialog.pressSoundOn = true;
    h.DropFiles(w, {"C:\\x.WAV"}, {300, 170});
    h.DropFiles(w, {"C:\\r.wav"}, {300, 240});
    h.DropFiles(w, {"C:\\tool.wav"}, {100, 330});
    EXPECT_EQ(At(w, IDC_APP_PATH).text, "C:\\tool.wav") << "a wave file is a document too";
    h.DropFiles(w, {"C:\\bin\\tool"}, {33, 345});
    dialog.launch = false;
    h.DropFiles(w, {"C:\\other.exe"}, {100, 330});
    // Over the launch radio button, one row above the field: not the field.
    dialog.launch = true;
    h.DropFiles(w, {"C:\\radio.exe"}, {100, 310});
    d.EndDialog(kIdOk);
  };
  dialog.DoModal();
  EXPECT_STREQ(dialog.pressSoundPath, "C:\\x.WAV");
  EXPECT_STREQ(dialog.releaseSoundPath, "C:\\r.wav");
  EXPECT_STREQ(dialog.appPathText, "C:\\bin\\tool");
}

TEST(PathText, ExtensionsAndFiltersAsTheSystemSpellsThem) {
  EXPECT_EQ(PathExtension("C:\\a\\x.WAV"), ".WAV");
  EXPECT_EQ(PathExtension("C:\\a.b\\wav"), "");
  EXPECT_EQ(PathExtension("x.tar.wav"), ".wav");
  EXPECT_EQ(PathExtension("\x95\x5C.wav"), ".wav") << "a trail byte 0x5C is no separator";
  EXPECT_EQ(PathExtension("C:.wav"), ".wav");
  static constexpr char kAll[] = "All File(*.*) \0 *.*\0";
  EXPECT_EQ(SystemFilter("All File(*.*) | *.*||"), std::string(kAll, sizeof kAll));
  static constexpr char kUnended[] = "a\0b\0";
  EXPECT_EQ(SystemFilter("a|b"), std::string(kUnended, sizeof kUnended));
}

}  // namespace
}  // namespace qv
