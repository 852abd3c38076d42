// The button page worked like a user on the real template: slots chosen on
// the pad, edits kept across slots and returned on OK, the action radio
// rules, the key capture, and what typed text survives.
#include "config/button_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/config_ids.h"
#include "config/config_sheet.h"
#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "platform/constants.h"
#include "resources/quorvantix_dialogs.h"
#include "tests/config/key_data.h"

namespace qv {
namespace {

class ButtonPage : public ::testing::Test {
 protected:
  void SetUp() override {
    host.RegisterDialogTemplates(sim::rc::kQuorvantixDialogs);
    settings.ButtonFlags[2] = BA_RIGHT | BX_DOUBLE | BX_CTRL;
    settings.ButtonFlags[4] = BA_KEY;
    settings.KeyChar[4] = 0x41;
    CopyText(settings.PressSoundFile[2], "C:\\slot3.wav");
    settings.PressSound[2] = 1;
  }

  // Runs the sheet with `user` acting on it; the sheet's result.
  std::intptr_t Run(const std::function<void()>& user) {
    sheet.buttonPage.LoadFrom(settings);
    host.onSheet = [&](sim::SimWindowHost&, CPropertySheet&) { user(); };
    return sheet.DoModal();
  }
  WindowHandle Page() { return host.ActivePage(sheet.GetSafeHwnd()); }
  sim::SimControl& At(int id) { return host.controls.At(Page(), id); }
  // A pad button pressed and released over two polls each.
  void PadButton(std::initializer_list<int> down) {
    for (int b : down) sim.joystick.Press(b);
    host.Advance(200);
    sim.joystick.SetButtons(0);
    host.Advance(200);
  }
  bool Ok() { return host.PressSheetButton(sheet.GetSafeHwnd(), kIdOk); }
  int Checked() {
    int n = 0;
    for (int id : {IDC_ACTION_NONE, IDC_ACTION_LEFT, IDC_ACTION_RIGHT, IDC_ACTION_MIDDLE,
                   IDC_ACTION_WHEEL_UP, IDC_ACTION_WHEEL_DOWN, IDC_ACTION_WHEEL_STICK,
                   IDC_ACTION_SCROLL_STICK, IDC_ACTION_ARROW_STICK, IDC_ACTION_ACCEL,
                   IDC_ACTION_DECEL, IDC_ACTION_FAVORITES, IDC_ACTION_KEY, IDC_ACTION_LAUNCH})
      n += At(id).check;
    return n;
  }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  PadSettings settings;
  CMyPropertySheet sheet{host};
  CMyPropertyPage1& page = sheet.buttonPage;
};

TEST_F(ButtonPage, TheSheetOpensCentredTopmostOnSlotOneWithoutApply) {
  Run([&] {
    const sim::SimWindow* window = host.Window(sheet.GetSafeHwnd());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->centred);
    EXPECT_TRUE(window->topmost);
    EXPECT_EQ(host.SheetRun(sheet.GetSafeHwnd())->caption, "Quorvantix セットアップ");
    EXPECT_FALSE(host.SheetRun(sheet.GetSafeHwnd())->applyButton);
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン  1");
    EXPECT_EQ(At(IDC_ACTION_LEFT).check, 1);
    EXPECT_FALSE(At(IDC_APP_PATH).enabled);
    EXPECT_FALSE(At(IDC_PRESS_SOUND_PATH).enabled);
  });
}

TEST_F(ButtonPage, TheLowestButtonHeldAtTheLastPollBeforeTheReleaseIsChosen) {
  Run([&] {
    PadButton({2});
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン  3");
    EXPECT_EQ(At(IDC_ACTION_RIGHT).check, 1);
    EXPECT_EQ(At(IDC_EXT_DOUBLE).check, 1);
    EXPECT_EQ(At(IDC_EXT_CTRL).check, 1);
    EXPECT_EQ(At(IDC_PRESS_SOUND_PATH).text, "C:\\slot3.wav");
    EXPECT_TRUE(At(IDC_PRESS_SOUND_PATH).enabled);
    PadButton({1, 4});
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン  2");
    PadButton({15});
    sim.joystick.Press(4);
    host.Advance(200);
    sim.joystick.Press(1);
    host.Advance(200);
    sim.joystick.Release(4);
    host.Advance(200);
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン 16") << "nothing chosen while a button is held";
    sim.joystick.Release(1);
    host.Advance(200);
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン  2");
  });
}

TEST_F(ButtonPage, EditsSurviveSlotSwitchesAndComeBackOnOkOnly) {
  Run([&] {
    host.Click(Page(), IDC_ACTION_LAUNCH);
    host.Type(Page(), IDC_APP_PATH, "C:\\pad.exe");
    PadButton({2});
    host.Click(Page(), IDC_PRESS_SOUND);
    EXPECT_FALSE(At(IDC_PRESS_SOUND_BROWSE).enabled);
    host.Click(Page(), IDC_RELEASE_SOUND);
    host.Type(Page(), IDC_RELEASE_SOUND_PATH, "up.wav");
    PadButton({0});
    EXPECT_EQ(At(IDC_APP_PATH).text, "C:\\pad.exe");
    EXPECT_EQ(At(IDC_ACTION_LAUNCH).check, 1);
    EXPECT_TRUE(At(IDC_APP_PATH).enabled);
    EXPECT_TRUE(Ok());
  });
  PadSettings out;
  page.StoreInto(out);
  EXPECT_EQ(out.ButtonFlags[0], BA_LAUNCH);
  EXPECT_STREQ(out.AppPath[0], "C:\\pad.exe");
  EXPECT_EQ(out.PressSound[2], 0);
  EXPECT_EQ(out.ReleaseSound[2], 1);
  EXPECT_STREQ(out.ReleaseSoundFile[2], "up.wav");
  EXPECT_EQ(sim.timer.LiveCount(), 0) << "OK stops the slot poll";

  CMyPropertySheet again{host};
  again.buttonPage.LoadFrom(settings);
  host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
    h.Click(h.ActivePage(s.GetSafeHwnd()), IDC_ACTION_NONE);
    h.PressSheetButton(s.GetSafeHwnd(), kIdCancel);
  };
  EXPECT_EQ(again.DoModal(), kIdCancel);
  EXPECT_EQ(sim.timer.LiveCount(), 0) << "Cancel stops the slot poll";
}

TEST_F(ButtonPage, ActionRadiosLeaveOneActionAndClearWhatTheyRuleOut) {
  constexpr std::uint32_t kUnusedActionBit = 0x8000u;  // above BA_KEY
  settings.ButtonFlags[0] = BA_WHEEL_UP | BA_LEFT | BX_SHIFT | BX_ALT | BX_HOLD | kUnusedActionBit;
  settings.ButtonFlags[1] = BA_LEFT | BX_DOUBLE;
  Run([&] {
    EXPECT_EQ(At(IDC_ACTION_LEFT).check, 1) << "the first action in the shown order";
    EXPECT_EQ(Checked(), 1);
    host.Click(Page(), IDC_ACTION_FAVORITES);
    EXPECT_EQ(page.ButtonFlags[0], BA_FAVORITES);
    host.Click(Page(), IDC_ACTION_LEFT);
    EXPECT_EQ(page.ButtonFlags[0], BA_LEFT);
    for (int id : {IDC_EXT_DOUBLE, IDC_EXT_HOLD, IDC_EXT_SHIFT, IDC_EXT_CTRL, IDC_EXT_ALT}) {
      EXPECT_TRUE(At(id).enabled) << id;
      EXPECT_EQ(At(id).check, 0) << id;
    }
    host.Click(Page(), IDC_EXT_HOLD);
    host.Click(Page(), IDC_EXT_DOUBLE);
    EXPECT_EQ(page.ButtonFlags[0], BA_LEFT | BX_HOLD | BX_DOUBLE) << "not exclusive";

    PadButton({1});
    host.Click(Page(), IDC_ACTION_SCROLL_STICK);
    EXPECT_EQ(page.ButtonFlags[1], BA_SCROLL_STICK | BX_DOUBLE);
    EXPECT_EQ(At(IDC_EXT_DOUBLE).check, 1);
    EXPECT_FALSE(At(IDC_EXT_DOUBLE).enabled);
    host.Click(Page(), IDC_ACTION_WHEEL_UP);
    EXPECT_EQ(page.ButtonFlags[1], BA_WHEEL_UP);
    EXPECT_FALSE(At(IDC_EXT_HOLD).enabled);
    EXPECT_TRUE(At(IDC_EXT_SHIFT).enabled);
    EXPECT_EQ(Checked(), 1);
  });
}

TEST_F(ButtonPage, WithTheKeyActionTheKeyboardTypesTheSlotsKey) {
  Run([&] {
    const WindowHandle p = Page();
    // Keys pass on while the slot types no key.
    EXPECT_FALSE(host.PressKey(p, IDC_ACTION_LEFT, kWmKeyDown, 0x41));
    PadButton({4});
    EXPECT_EQ(At(IDC_KEY_NAME).text, "A");
    EXPECT_TRUE(host.PressKey(p, IDC_ACTION_KEY, kWmKeyDown, 0x10, KeyData(0x2A, kKeyDataExtended)));
    EXPECT_EQ(page.KeyChar[4], 0x10);
    EXPECT_EQ(page.KeyCode[4], 0x2A);
    EXPECT_EQ(At(IDC_KEY_NAME).text, "SHIFT");
    EXPECT_TRUE(host.PressKey(p, IDC_ACTION_KEY, kWmKeyUp, 0x10,
                             KeyData(0x2A, kKeyDataGoingUp | kKeyDataExtended)));
    EXPECT_EQ(page.KeyChar[4], 0x10) << "a key coming up is swallowed";
    EXPECT_TRUE(host.PressKey(p, IDC_ACTION_KEY, kWmSysKeyDown, 0x12, KeyData(0x38, kKeyDataAltHeld)));
    EXPECT_EQ(At(IDC_KEY_NAME).text, "ALT");
    EXPECT_EQ(page.KeyCode[4], 0x38) << "the extended and context bits are not kept";
    EXPECT_TRUE(host.PressKey(p, IDC_ACTION_KEY, kWmKeyDown, kVkTab, KeyData(0x0F)));
    EXPECT_EQ(At(IDC_KEY_NAME).text, "TAB");
    EXPECT_EQ(host.controls.Focus(p), IDC_ACTION_KEY) << "Tab did not move the focus";
    EXPECT_TRUE(host.PressKey(p, IDC_ACTION_KEY, kWmKeyDown, 0xF4, KeyData(0x29)));
    EXPECT_EQ(page.KeyChar[4], 0xF4);
    EXPECT_EQ(At(IDC_KEY_NAME).text, "") << "an unnamed code is stored, shown empty";
    host.Click(p, IDC_ACTION_MIDDLE);
    EXPECT_EQ(At(IDC_KEY_NAME).text, "");
    EXPECT_EQ(page.KeyChar[4], 0xF4);
    page.KeyChar[4] = 0xDC;
    host.Click(p, IDC_ACTION_KEY);
    EXPECT_EQ(At(IDC_KEY_NAME).text, "\\");
  });
}

TEST_F(ButtonPage, TypedTextIsReplacedByWritingStepsAndKeptByReadingSteps) {
  settings.PressSound[0] = 1;
  CopyText(settings.PressSoundFile[0], "old.wav");
  Run([&] {
    host.Type(Page(), IDC_PRESS_SOUND_PATH, "new.wav");
    host.Click(Page(), IDC_ACTION_RIGHT);
    EXPECT_EQ(At(IDC_PRESS_SOUND_PATH).text, "old.wav");
    host.Type(Page(), IDC_PRESS_SOUND_PATH, "new.wav");
    host.Click(Page(), IDC_RELEASE_SOUND);
    EXPECT_EQ(At(IDC_PRESS_SOUND_PATH).text, "new.wav");
    EXPECT_TRUE(At(IDC_RELEASE_SOUND_TEST).enabled);
    // Longer than the member holds, ending in a double-byte character.
    host.Click(Page(), IDC_ACTION_LAUNCH);
    host.Type(Page(), IDC_APP_PATH, (std::string(258, 'a') + "ア").c_str());
    EXPECT_TRUE(Ok());
  });
  EXPECT_STREQ(page.PressSoundFile[0], "new.wav");
  EXPECT_EQ(page.ReleaseSound[0], 1);
  EXPECT_EQ(std::string(page.AppPath[0]), std::string(258, 'a')) << "cut before the character";
}

TEST_F(ButtonPage, WithoutAPadOnlyTheFirstSlotIsEditedAndAllElseWorks) {
  sim.joystick.Unplug();
  Run([&] {
    PadButton({2});
    EXPECT_EQ(At(IDC_SLOT_LABEL).text, "ボタン  1");
    host.Click(Page(), IDC_ACTION_ACCEL);
    EXPECT_TRUE(Ok());
  });
  EXPECT_EQ(page.ButtonFlags[0], BA_ACCEL);
}

TEST_F(ButtonPage, PathFieldsTakeDropsByTheirConditionsBrowseAndTest) {
  settings.ButtonFlags[0] = BA_LAUNCH;
  Run([&] {
    const WindowHandle w = Page();
    host.DropFiles(w, {"C:\\x.WAV"}, {300, 170});
    EXPECT_EQ(At(IDC_PRESS_SOUND_PATH).text, "") << "its sound is off";
    host.Click(w, IDC_PRESS_SOUND);
    host.DropFiles(w, {"C:\\x.WAV"}, {300, 170});
    EXPECT_EQ(At(IDC_PRESS_SOUND_PATH).text, "C:\\x.WAV");
    host.DropFiles(w, {"C:\\tool.wav"}, {100, 330});
    EXPECT_EQ(At(IDC_APP_PATH).text, "C:\\tool.wav") << "the program field takes any file";
    host.Type(w, IDC_APP_PATH, "typed");
    host.DropFiles(w, {"C:\\a.exe", "C:\\b.exe"}, {100, 330});
    EXPECT_EQ(At(IDC_APP_PATH).text, "C:\\tool.wav") << "the slot is shown again after any drop";
    sim.dialogs.openFileAnswer = "C:\\Tools\\run.exe";
    host.Click(w, IDC_APP_BROWSE);
    host.Click(w, IDC_PRESS_SOUND_TEST);
    EXPECT_TRUE(Ok());
  });
  page.StoreInto(settings);
  EXPECT_STREQ(settings.AppPath[0], "C:\\Tools\\run.exe");
  EXPECT_STREQ(settings.PressSoundFile[0], "C:\\x.WAV");
  ASSERT_FALSE(sim.dialogs.openFileRequests.empty());
  EXPECT_EQ(sim.dialogs.openFileRequests.back().title, "アプリケーション選択");
  static constexpr char kAll[] = "All File(*.*) \0 *.*\0";
  EXPECT_EQ(sim.dialogs.openFileRequests.back().filter, std::string(kAll, sizeof kAll));
  int played = 0;
  for (const auto& effect : sim.log.All())
    played += effect.kind == sim::EffectKind::Sound && std::string(effect.text) == "C:\\x.WAV";
  EXPECT_EQ(played, 1);
}

}  // namespace
}  // namespace qv
