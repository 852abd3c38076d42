// The configuration sheet's system page: the pointer-motion values on
// sliders, the throttle option, the two pointer sounds and the pad port,
// with whether a pad answers there. While it is the active page, the
// sheet's pad poll moves the step slider with the pad's throttle. The page
// edits a working copy that its owner fills before the sheet runs and takes
// back after OK.
#pragma once

#include <cstdint>

#include "config/pad_capture.h"
#include "engine/pad_settings.h"
#include "framework/property_page.h"
#include "platform/text.h"

namespace qv {

class CMyPropertyPage2 : public CPropertyPage {
 public:
  // `capture` is the sheet's pad poll, shared with the button page.
  CMyPropertyPage2(WindowHost& host, PadCapture& capture);

  // The working copy: the owner's part before the run (with whether the pad
  // on the settings' port has a throttle) and after OK.
  void LoadFrom(const PadSettings& settings, std::int32_t hasZ);
  void StoreInto(PadSettings& settings) const;

  std::int32_t Speed = 0;
  std::int32_t GSpeed = 0;
  std::int32_t NSpeed = 0;
  std::int32_t Delay = 0;
  std::int32_t Sikii = 0;
  std::int32_t HasZ = 0;
  std::int32_t Zaxis = 0;
  std::int32_t CursorSoundOn = 0;
  std::int32_t CursorSoundOff = 0;
  Text CursorSoundOnFile = {};
  Text CursorSoundOffFile = {};
  std::int32_t portNumber = 1;  // 1-based
  Text padStatusText = {};

  // Re-reads the port from the controls, points the poll at it and shows
  // whether a pad answers there.
  void UpdatePadStatus();

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnSetActive() override;

  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;
  bool DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                           LResult& result) override;

 private:
  void OnHScroll(std::uint32_t code, std::int32_t position, int controlId);
  void OnSoundOnBox();
  void OnSoundOffBox();
  void OnThrottleBox();
  void OnPortChange();
  void OnBrowseSoundOn();
  void OnBrowseSoundOff();
  void OnTestSoundOn();
  void OnTestSoundOff();
  void OnDropFiles(CDropFiles& drop);
  LResult OnThrottleStep(WParam, LParam);
  // Moves the step slider to the throttle's last step the poll handed over.
  void TakeThrottleStep();
  void EnableSoundTrios();
  void NoteThrottleFollows();
  void TakeSliderPositions();

  PadCapture& capture_;
  bool statusBusy_ = false;  // writing the port field must not probe again
  bool initialised_ = false;
};

}  // namespace qv
