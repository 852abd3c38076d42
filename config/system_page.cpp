// The system page: its sliders and their snapping, the sound and throttle
// boxes, the port and its pad status, the throttle's follow-up, and the
// pointer-sound path fields.
#include "config/system_page.h"

#include <cstring>

#include "config/config_ids.h"
#include "config/path_fields.h"
#include "config/texts.h"
#include "framework/data_exchange.h"
#include "framework/drop_files.h"
#include "framework/message_map.h"
#include "platform/constants.h"
#include "platform/types.h"

namespace qv {
namespace {

constexpr std::int32_t kPortMin = 1;
constexpr std::int32_t kPortMax = 16;

struct SliderSpec {
  int id;
  std::int32_t CMyPropertyPage2::*member;
  int minimum;
  int maximum;
  int ticEvery;
  int arrowStep;
  int pageStep;
};

constexpr SliderSpec kSliders[] = {
    {IDC_SPEED_SLIDER, &CMyPropertyPage2::Speed, 10, 100, 10, 10, 10},
    {IDC_NSPEED_SLIDER, &CMyPropertyPage2::NSpeed, 1, 16, 1, 1, 4},
    {IDC_GSPEED_SLIDER, &CMyPropertyPage2::GSpeed, 1, 16, 1, 1, 4},
    {IDC_DELAY_SLIDER, &CMyPropertyPage2::Delay, 0, 500, 100, 100, 100},
    {IDC_SIKII_SLIDER, &CMyPropertyPage2::Sikii, 100, 30000, 3000, 3000, 3000},
};

// The sliders that rest only on their grid, in the order they are snapped:
// to the nearest multiple of `grid`, half-way going up (a result below the
// slider's minimum is held there by the slider).
struct SnapSpec {
  int id;
  int grid;
};
constexpr SnapSpec kSnaps[] = {
    {IDC_SPEED_SLIDER, 10},
    {IDC_DELAY_SLIDER, 100},
    {IDC_SIKII_SLIDER, 3000},
};

constexpr int kSoundOnTrio[] = {IDC_CURSOR_SOUND_ON_PATH, IDC_CURSOR_SOUND_ON_BROWSE,
                                IDC_CURSOR_SOUND_ON_TEST};
constexpr int kSoundOffTrio[] = {IDC_CURSOR_SOUND_OFF_PATH, IDC_CURSOR_SOUND_OFF_BROWSE,
                                 IDC_CURSOR_SOUND_OFF_TEST};

}  // namespace

CMyPropertyPage2::CMyPropertyPage2(WindowHost& host, PadCapture& capture)
    : CPropertyPage(host, IDD_SYSTEM_PAGE, kSystemPageCaption), capture_(capture) {
  CopyText(padStatusText, kPadMissingText);
}

void CMyPropertyPage2::LoadFrom(const PadSettings& settings, std::int32_t hasZ) {
  Speed = settings.Speed;
  GSpeed = settings.GSpeed;
  NSpeed = settings.NSpeed;
  Delay = settings.Delay;
  Sikii = settings.Sikii;
  HasZ = hasZ;
  Zaxis = settings.Zaxis;
  CursorSoundOn = settings.CursorSoundOn;
  CursorSoundOff = settings.CursorSoundOff;
  std::memcpy(CursorSoundOnFile, settings.CursorSoundOnFile, sizeof CursorSoundOnFile);
  std::memcpy(CursorSoundOffFile, settings.CursorSoundOffFile, sizeof CursorSoundOffFile);
  portNumber = settings.PortID + 1;
}

void CMyPropertyPage2::StoreInto(PadSettings& settings) const {
  settings.Speed = Speed;
  settings.GSpeed = GSpeed;
  settings.NSpeed = NSpeed;
  settings.Delay = Delay;
  settings.Sikii = Sikii;
  settings.Zaxis = Zaxis;
  settings.CursorSoundOn = CursorSoundOn;
  settings.CursorSoundOff = CursorSoundOff;
  std::memcpy(settings.CursorSoundOnFile, CursorSoundOnFile, sizeof CursorSoundOnFile);
  std::memcpy(settings.CursorSoundOffFile, CursorSoundOffFile, sizeof CursorSoundOffFile);
  settings.PortID = portNumber - 1;
}

void CMyPropertyPage2::DoDataExchange(CDataExchange& dx) {
  DDX_Check(dx, IDC_THROTTLE, Zaxis);
  DDX_Check(dx, IDC_CURSOR_SOUND_ON, CursorSoundOn);
  DDX_Text(dx, IDC_CURSOR_SOUND_ON_PATH, CursorSoundOnFile, TextCode::System);
  DDX_Check(dx, IDC_CURSOR_SOUND_OFF, CursorSoundOff);
  DDX_Text(dx, IDC_CURSOR_SOUND_OFF_PATH, CursorSoundOffFile, TextCode::System);
  DDX_Text(dx, IDC_PAD_STATUS, padStatusText);
  // Last, so that a port refused leaves every other member read.
  DDX_Text(dx, IDC_PORT, portNumber);
  DDV_MinMaxInt(dx, portNumber, kPortMin, kPortMax);
}

bool CMyPropertyPage2::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  capture_.state.systemPage.store(GetSafeHwnd());
  DialogControls& c = controls();
  const WindowHandle page = GetSafeHwnd();
  for (const SliderSpec& slider : kSliders) {
    c.SetSliderRange(page, slider.id, slider.minimum, slider.maximum);
    c.SetSliderTicFreq(page, slider.id, slider.ticEvery);
    c.SetSliderLineSize(page, slider.id, slider.arrowStep);
    c.SetSliderPageSize(page, slider.id, slider.pageStep);
    c.SetSliderPos(page, slider.id, this->*slider.member);
  }
  EnableSoundTrios();
  if (Zaxis == 1) EnableDlgItem(IDC_NSPEED_SLIDER, false);
  if (HasZ == 0) EnableDlgItem(IDC_THROTTLE, false);
  NoteThrottleFollows();
  c.SetUpDownBuddy(page, IDC_PORT_SPIN, IDC_PORT);
  c.SetUpDownRange(page, IDC_PORT_SPIN, kPortMin, kPortMax);
  // The arrows start from the port shown. A port outside the range stays
  // as given, so that the first reading reports it.
  if (portNumber >= kPortMin && portNumber <= kPortMax)
    c.SetUpDownPos(page, IDC_PORT_SPIN, portNumber);
  initialised_ = true;
  UpdatePadStatus();
  DragAcceptFiles(true);
  return true;
}

bool CMyPropertyPage2::OnSetActive() {
  capture_.state.captureMode.store(kCaptureSystemPage);
  return CPropertyPage::OnSetActive();
}

void CMyPropertyPage2::OnOK() {
  TakeThrottleStep();
  TakeSliderPositions();
  DragAcceptFiles(false);
  CPropertyPage::OnOK();
}

void CMyPropertyPage2::OnCancel() {
  DragAcceptFiles(false);
  CPropertyPage::OnCancel();
}

void CMyPropertyPage2::TakeSliderPositions() {
  for (const SliderSpec& slider : kSliders)
    this->*slider.member = controls().GetSliderPos(GetSafeHwnd(), slider.id);
}

void CMyPropertyPage2::UpdatePadStatus() {
  if (statusBusy_ || !initialised_) return;
  statusBusy_ = true;
  // A port outside 1..16 is reported, and the probe goes on with it.
  static_cast<void>(UpdateData(true));
  const std::int32_t port = portNumber - 1;
  capture_.state.capturePort.store(port);
  JoyInfoEx sample;
  sample.dwSize = sizeof sample;
  sample.dwFlags = kJoyReturnAll;
  Joystick& joystick = platform().joystick;
  if (port < 0 || joystick.GetPosEx(static_cast<std::uint32_t>(port), sample) != Status::Ok) {
    CopyText(padStatusText, kPadMissingText);
  } else {
    padStatusText[0] = '\0';
    JoyCaps caps;
    const bool hasZ = joystick.GetCaps(static_cast<std::uint32_t>(port), caps) == Status::Ok &&
                      (caps.caps & kJoyCapsHasZ) != 0;
    EnableDlgItem(IDC_THROTTLE, hasZ);
  }
  UpdateData(false);
  statusBusy_ = false;
}

bool CMyPropertyPage2::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                           CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CMyPropertyPage2> kMap[] = {
      OnCommandEntry(IDC_CURSOR_SOUND_ON, &CMyPropertyPage2::OnSoundOnBox),
      OnCommandEntry(IDC_CURSOR_SOUND_OFF, &CMyPropertyPage2::OnSoundOffBox),
      OnCommandEntry(IDC_THROTTLE, &CMyPropertyPage2::OnThrottleBox),
      OnNotifyEntry(IDC_PORT, kEnChange, &CMyPropertyPage2::OnPortChange),
      OnCommandEntry(IDC_CURSOR_SOUND_ON_BROWSE, &CMyPropertyPage2::OnBrowseSoundOn),
      OnCommandEntry(IDC_CURSOR_SOUND_OFF_BROWSE, &CMyPropertyPage2::OnBrowseSoundOff),
      OnCommandEntry(IDC_CURSOR_SOUND_ON_TEST, &CMyPropertyPage2::OnTestSoundOn),
      OnCommandEntry(IDC_CURSOR_SOUND_OFF_TEST, &CMyPropertyPage2::OnTestSoundOff),
  };
  if (DispatchCommandMap(*this, kMap, id, code, extra, handlerInfo)) return true;
  return CPropertyPage::DispatchOwnCommands(id, code, extra, handlerInfo);
}

bool CMyPropertyPage2::DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                                           LResult& result) {
  static constexpr MessageMapEntry<CMyPropertyPage2> kMap[] = {
      OnHScrollEntry(&CMyPropertyPage2::OnHScroll),
      OnDropFilesEntry(&CMyPropertyPage2::OnDropFiles),
      OnMessageEntry(kWmThrottleStep, &CMyPropertyPage2::OnThrottleStep),
  };
  if (DispatchMessageMap(*this, kMap, message, wParam, lParam, result)) return true;
  return CPropertyPage::DispatchOwnMessages(message, wParam, lParam, result);
}

void CMyPropertyPage2::OnHScroll(std::uint32_t, std::int32_t, int) {
  // Every scroll of any slider snaps all three, whatever moved.
  DialogControls& c = controls();
  const WindowHandle page = GetSafeHwnd();
  for (const SnapSpec& snap : kSnaps) {
    const int position = c.GetSliderPos(page, snap.id);
    c.SetSliderPos(page, snap.id, (position + snap.grid / 2) / snap.grid * snap.grid);
  }
  Default();
}

void CMyPropertyPage2::EnableSoundTrios() {
  for (int id : kSoundOnTrio) EnableDlgItem(id, CursorSoundOn == 1);
  for (int id : kSoundOffTrio) EnableDlgItem(id, CursorSoundOff == 1);
}

void CMyPropertyPage2::NoteThrottleFollows() {
  capture_.state.throttleFollows.store(HasZ == 1 && Zaxis == 1 ? 1 : 0);
}

void CMyPropertyPage2::OnSoundOnBox() {
  UpdateData(true);
  EnableSoundTrios();
}

void CMyPropertyPage2::OnSoundOffBox() {
  UpdateData(true);
  EnableSoundTrios();
}

void CMyPropertyPage2::OnThrottleBox() {
  UpdateData(true);
  EnableDlgItem(IDC_NSPEED_SLIDER, Zaxis != 1);
  NoteThrottleFollows();
  UpdateData(false);
}

void CMyPropertyPage2::OnPortChange() { UpdatePadStatus(); }

void CMyPropertyPage2::OnBrowseSoundOn() {
  static_cast<void>(BrowsePath(*this, kCursorSoundOnField, CursorSoundOnFile));
}
void CMyPropertyPage2::OnBrowseSoundOff() {
  static_cast<void>(BrowsePath(*this, kCursorSoundOffField, CursorSoundOffFile));
}
void CMyPropertyPage2::OnTestSoundOn() { TestSound(platform(), CursorSoundOnFile); }
void CMyPropertyPage2::OnTestSoundOff() { TestSound(platform(), CursorSoundOffFile); }

void CMyPropertyPage2::OnDropFiles(CDropFiles& drop) {
  const PathTarget targets[] = {
      {kCursorSoundOnField, CursorSoundOn == 1, CursorSoundOnFile},
      {kCursorSoundOffField, CursorSoundOff == 1, CursorSoundOffFile},
  };
  static_cast<void>(DropOnPathFields(*this, drop, targets, sizeof targets / sizeof targets[0]));
  Default();
}

LResult CMyPropertyPage2::OnThrottleStep(WParam, LParam) {
  TakeThrottleStep();
  return 0;
}

void CMyPropertyPage2::TakeThrottleStep() {
  const std::int32_t step = capture_.state.throttleStep.exchange(0);
  if (step == 0) return;
  NSpeed = step;
  // The trackbar redraws itself when its position is set.
  controls().SetSliderPos(GetSafeHwnd(), IDC_NSPEED_SLIDER, NSpeed);
}

}  // namespace qv
