// The button page: its exchange with the controls, the redisplay of a slot,
// the slot switch, the action and extension clicks, the key capture and the
// page's life from its initialisation to OK or Cancel.
#include "config/button_page.h"

#include <cstdio>
#include <cstring>

#include "config/button_actions.h"
#include "config/config_ids.h"
#include "config/key_capture.h"
#include "config/key_names.h"
#include "config/path_fields.h"
#include "config/texts.h"
#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "platform/message_words.h"

namespace qv {
namespace {

template <typename T, std::size_t N>
void CopyArray(T (&target)[N], const T (&source)[N]) {
  std::memcpy(target, source, sizeof target);
}

template <std::size_t N>
void CopyTexts(Text (&target)[N], const Text (&source)[N]) {
  for (std::size_t i = 0; i < N; ++i) CopyText(target[i], source[i]);
}

bool ValidSlot(int slot) { return slot >= 0 && slot < BUTTON_SLOTS; }

// The member of each extension box, in the order of kExtensionBoxes.
using ExtensionMember = std::int32_t CMyPropertyPage1::*;
constexpr ExtensionMember kExtensionMembers[] = {
    &CMyPropertyPage1::extDouble, &CMyPropertyPage1::extHold, &CMyPropertyPage1::extShift,
    &CMyPropertyPage1::extCtrl,   &CMyPropertyPage1::extAlt,
};
static_assert(sizeof kExtensionMembers / sizeof kExtensionMembers[0] == kExtensionBoxCount);

}  // namespace

// A sound's field and the buttons that its switch enables with it.
struct CMyPropertyPage1::SoundTrio {
  int field;
  int browse;
  int test;
};

namespace {

constexpr CMyPropertyPage1::SoundTrio kPressSoundTrio = {
    IDC_PRESS_SOUND_PATH, IDC_PRESS_SOUND_BROWSE, IDC_PRESS_SOUND_TEST};
constexpr CMyPropertyPage1::SoundTrio kReleaseSoundTrio = {
    IDC_RELEASE_SOUND_PATH, IDC_RELEASE_SOUND_BROWSE, IDC_RELEASE_SOUND_TEST};

}  // namespace

CMyPropertyPage1::CMyPropertyPage1(WindowHost& host, PadCapture& capture)
    : CPropertyPage(host, IDD_BUTTON_PAGE, kButtonPageCaption), capture_(capture) {}

void CMyPropertyPage1::LoadFrom(const PadSettings& settings) {
  curSlot = 0;
  PortID = settings.PortID;
  CopyArray(ButtonFlags, settings.ButtonFlags);
  CopyArray(KeyChar, settings.KeyChar);
  CopyArray(KeyCode, settings.KeyCode);
  CopyArray(PressSound, settings.PressSound);
  CopyArray(ReleaseSound, settings.ReleaseSound);
  CopyTexts(AppPath, settings.AppPath);
  CopyTexts(PressSoundFile, settings.PressSoundFile);
  CopyTexts(ReleaseSoundFile, settings.ReleaseSoundFile);
}

void CMyPropertyPage1::StoreInto(PadSettings& settings) const {
  CopyArray(settings.ButtonFlags, ButtonFlags);
  CopyArray(settings.KeyChar, KeyChar);
  CopyArray(settings.KeyCode, KeyCode);
  CopyArray(settings.PressSound, PressSound);
  CopyArray(settings.ReleaseSound, ReleaseSound);
  CopyTexts(settings.AppPath, AppPath);
  CopyTexts(settings.PressSoundFile, PressSoundFile);
  CopyTexts(settings.ReleaseSoundFile, ReleaseSoundFile);
}

void CMyPropertyPage1::DoDataExchange(CDataExchange& dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Text(dx, IDC_SLOT_LABEL, slotLabel);
  DDX_Text(dx, IDC_KEY_NAME, keyNameText);
  DDX_Check(dx, IDC_EXT_DOUBLE, extDouble);
  DDX_Check(dx, IDC_EXT_HOLD, extHold);
  DDX_Check(dx, IDC_EXT_SHIFT, extShift);
  DDX_Check(dx, IDC_EXT_CTRL, extCtrl);
  DDX_Check(dx, IDC_EXT_ALT, extAlt);
  DDX_Check(dx, IDC_PRESS_SOUND, pressSoundOn);
  // Paths are the file system's names, in the system's code page; a text
  // too long for its member is cut at a character boundary.
  DDX_Text(dx, IDC_PRESS_SOUND_PATH, pressSoundPath, TextCode::System);
  DDX_Check(dx, IDC_RELEASE_SOUND, releaseSoundOn);
  DDX_Text(dx, IDC_RELEASE_SOUND_PATH, releaseSoundPath, TextCode::System);
  DDX_Text(dx, IDC_APP_PATH, appPathText, TextCode::System);
}

void CMyPropertyPage1::ShowButton(int slot) {
  if (!ValidSlot(slot)) return;
  for (const ActionRadio& radio : kActionRadios) CheckDlgButton(radio.id, 0);
  std::snprintf(slotLabel, sizeof slotLabel, kSlotLabelFormat, slot + 1);
  keyNameText[0] = '\0';

  const std::uint32_t shown = ShownAction(ButtonFlags[slot]);
  EnableFor(shown);
  if (shown == BA_KEY) CopyText(keyNameText, KeyName(KeyChar[slot]));

  const ActionRadio& radio = RadioOf(shown);
  CheckDlgButton(radio.id, 1);
  platform().windows.SetForegroundWindow(controls().ControlWindow(GetSafeHwnd(), radio.id));

  for (int i = 0; i < kExtensionBoxCount; ++i)
    this->*kExtensionMembers[i] = (ButtonFlags[slot] & kExtensionBoxes[i].bit) != 0 ? 1 : 0;

  EnableSoundTrio(kPressSoundTrio, pressSoundOn == 1);
  EnableSoundTrio(kReleaseSoundTrio, releaseSoundOn == 1);
  UpdateData(false);
}

void CMyPropertyPage1::EnableFor(std::uint32_t shownAction) {
  const EnableState state = EnableStateOf(shownAction);
  for (const ExtensionBox& box : kExtensionBoxes)
    EnableDlgItem(box.id, (state.extensions & box.bit) != 0);
  EnableDlgItem(IDC_APP_PATH, state.appPath);
  EnableDlgItem(IDC_APP_BROWSE, state.appPath);
}

void CMyPropertyPage1::EnableSoundTrio(const SoundTrio& trio, bool on) {
  EnableDlgItem(trio.field, on);
  EnableDlgItem(trio.browse, on);
  EnableDlgItem(trio.test, on);
}

void CMyPropertyPage1::SelectButton(int slot) {
  if (!ValidSlot(slot)) return;
  UpdateData(true);
  StoreCurrentSlot();
  LoadSlotFields(slot);
  curSlot = slot;
}

void CMyPropertyPage1::StoreCurrentSlot() {
  if (!ValidSlot(curSlot)) return;
  CopyText(AppPath[curSlot], appPathText);
  PressSound[curSlot] = pressSoundOn;
  ReleaseSound[curSlot] = releaseSoundOn;
  CopyText(PressSoundFile[curSlot], pressSoundPath);
  CopyText(ReleaseSoundFile[curSlot], releaseSoundPath);
}

void CMyPropertyPage1::LoadSlotFields(int slot) {
  CopyText(appPathText, AppPath[slot]);
  pressSoundOn = PressSound[slot];
  releaseSoundOn = ReleaseSound[slot];
  CopyText(pressSoundPath, PressSoundFile[slot]);
  CopyText(releaseSoundPath, ReleaseSoundFile[slot]);
}

bool CMyPropertyPage1::OnCommand(WParam wParam, LParam lParam) {
  if (HighWord(wParam) == kBnClicked && ValidSlot(curSlot)) {
    const int id = static_cast<int>(LowWord(wParam));
    for (int i = 0; i < kActionRadioCount; ++i) {
      if (kActionRadios[i].id != id) continue;
      OnActionRadio(i);
      return true;
    }
    for (const ExtensionBox& box : kExtensionBoxes) {
      if (box.id != id) continue;
      OnExtensionBox();
      return true;
    }
    if (id == IDC_PRESS_SOUND || id == IDC_RELEASE_SOUND) {
      OnSoundBox();
      return true;
    }
    if (OnPathButton(id)) return true;
  }
  return CPropertyPage::OnCommand(wParam, lParam);
}

void CMyPropertyPage1::OnActionRadio(int index) {
  ButtonFlags[curSlot] = ChooseAction(ButtonFlags[curSlot], kActionRadios[index]);
  ShowButton(curSlot);
}

void CMyPropertyPage1::OnExtensionBox() {
  UpdateData(true);
  for (int i = 0; i < kExtensionBoxCount; ++i) {
    if (this->*kExtensionMembers[i] == 1)
      ButtonFlags[curSlot] |= kExtensionBoxes[i].bit;
    else
      ButtonFlags[curSlot] &= ~kExtensionBoxes[i].bit;
  }
}

void CMyPropertyPage1::OnSoundBox() {
  UpdateData(true);
  ShowButton(curSlot);
}

bool CMyPropertyPage1::PreTranslateMessage(Msg& msg) {
  if (!ValidSlot(curSlot)) return CPropertyPage::PreTranslateMessage(msg);
  switch (CaptureKey(msg, ButtonFlags[curSlot], KeyChar[curSlot], KeyCode[curSlot])) {
    case KeyCapture::Recorded:
      CopyText(keyNameText, KeyName(KeyChar[curSlot]));
      UpdateData(false);
      return true;
    case KeyCapture::Swallowed:
      return true;
    case KeyCapture::PassOn:
      break;
  }
  return CPropertyPage::PreTranslateMessage(msg);
}

bool CMyPropertyPage1::DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                                           LResult& result) {
  static constexpr MessageMapEntry<CMyPropertyPage1> kMap[] = {
      OnMessageEntry(kWmSelectSlot, &CMyPropertyPage1::OnSelectSlot),
      OnDropFilesEntry(&CMyPropertyPage1::OnDropFiles),
  };
  if (DispatchMessageMap(*this, kMap, message, wParam, lParam, result)) return true;
  return CPropertyPage::DispatchOwnMessages(message, wParam, lParam, result);
}

bool CMyPropertyPage1::OnPathButton(int id) {
  switch (id) {
    case IDC_PRESS_SOUND_BROWSE:
      static_cast<void>(BrowsePath(*this, kPressSoundField, pressSoundPath));
      return true;
    case IDC_RELEASE_SOUND_BROWSE:
      static_cast<void>(BrowsePath(*this, kReleaseSoundField, releaseSoundPath));
      return true;
    case IDC_APP_BROWSE:
      static_cast<void>(BrowsePath(*this, kProgramField, appPathText));
      return true;
    case IDC_PRESS_SOUND_TEST:
      TestSound(platform(), pressSoundPath);
      return true;
    case IDC_RELEASE_SOUND_TEST:
      TestSound(platform(), releaseSoundPath);
      return true;
    default:
      return false;
  }
}

void CMyPropertyPage1::OnDropFiles(CDropFiles& drop) {
  const PathTarget targets[] = {
      {kPressSoundField, pressSoundOn == 1, pressSoundPath},
      {kReleaseSoundField, releaseSoundOn == 1, releaseSoundPath},
      {kProgramField, ValidSlot(curSlot) && (ButtonFlags[curSlot] & BA_LAUNCH) != 0, appPathText},
  };
  static_cast<void>(DropOnPathFields(*this, drop, targets, sizeof targets / sizeof targets[0]));
  ShowButton(curSlot);
  Default();
}

LResult CMyPropertyPage1::OnSelectSlot(WParam slot, LParam) {
  if (closing_ || slot >= static_cast<WParam>(BUTTON_SLOTS)) return 0;
  SelectButton(static_cast<int>(slot));
  ShowButton(static_cast<int>(slot));
  return 0;
}

bool CMyPropertyPage1::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  closing_ = false;
  CaptureState& state = capture_.state;
  state.captureMode.store(kCaptureButtonPage);
  state.buttonPage.store(GetSafeHwnd());
  state.capturedButton.store(0);
  state.capturePort.store(PortID);
  if (!ValidSlot(curSlot)) curSlot = 0;
  LoadSlotFields(curSlot);
  ShowButton(curSlot);
  // Without a timer only the first slot can be edited, as without a pad.
  Ignore(capture_.Start());
  DragAcceptFiles(true);
  return true;
}

bool CMyPropertyPage1::OnSetActive() {
  capture_.state.captureMode.store(kCaptureButtonPage);
  return CPropertyPage::OnSetActive();
}

void CMyPropertyPage1::StopCapture() {
  closing_ = true;
  capture_.Stop();
  DragAcceptFiles(false);
}

void CMyPropertyPage1::OnOK() {
  StopCapture();
  UpdateData(true);
  StoreCurrentSlot();
  CPropertyPage::OnOK();
}

void CMyPropertyPage1::OnCancel() {
  StopCapture();
  CPropertyPage::OnCancel();
}

}  // namespace qv
