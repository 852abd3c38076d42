// The configuration sheet's button registration page: one pad button's
// action, modifiers, key, program and sounds at a time, the slot chosen by
// pressing that button on the pad. The page edits a working copy that its
// owner fills before the sheet runs and takes back after OK.
#pragma once

#include <cstdint>

#include "config/pad_capture.h"
#include "engine/pad_settings.h"
#include "framework/property_page.h"
#include "platform/text.h"

namespace qv {

class CMyPropertyPage1 : public CPropertyPage {
 public:
  // `capture` is the sheet's slot poll, shared with the system page.
  CMyPropertyPage1(WindowHost& host, PadCapture& capture);

  // The working copy: the owner's part before the run and after OK.
  void LoadFrom(const PadSettings& settings);
  void StoreInto(PadSettings& settings) const;

  std::int32_t curSlot = 0;
  std::int32_t PortID = 0;
  std::uint32_t ButtonFlags[BUTTON_SLOTS] = {};
  std::uint8_t KeyChar[BUTTON_SLOTS] = {};
  std::uint8_t KeyCode[BUTTON_SLOTS] = {};
  std::int32_t PressSound[BUTTON_SLOTS] = {};
  std::int32_t ReleaseSound[BUTTON_SLOTS] = {};
  Text AppPath[BUTTON_SLOTS] = {};
  Text PressSoundFile[BUTTON_SLOTS] = {};
  Text ReleaseSoundFile[BUTTON_SLOTS] = {};

  // The current slot's fields, as the controls show them.
  Text slotLabel = {};
  Text keyNameText = {};
  std::int32_t extDouble = 0;
  std::int32_t extHold = 0;
  std::int32_t extShift = 0;
  std::int32_t extCtrl = 0;
  std::int32_t extAlt = 0;
  std::int32_t pressSoundOn = 0;
  Text pressSoundPath = {};
  std::int32_t releaseSoundOn = 0;
  Text releaseSoundPath = {};
  Text appPathText = {};

  void ShowButton(int slot);
  void SelectButton(int slot);

  bool PreTranslateMessage(Msg& msg) override;

  struct SoundTrio;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnSetActive() override;

  bool OnCommand(WParam wParam, LParam lParam) override;
  bool DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                           LResult& result) override;

 private:
  void OnActionRadio(int index);
  void OnExtensionBox();
  void OnSoundBox();
  LResult OnSelectSlot(WParam slot, LParam);
  // The path fields: browse, test, and files dropped on the page.
  bool OnPathButton(int id);
  void OnDropFiles(CDropFiles& drop);
  void StoreCurrentSlot();
  void LoadSlotFields(int slot);
  void EnableFor(std::uint32_t shownAction);
  void EnableSoundTrio(const SoundTrio& trio, bool on);
  // Stops the poll (waiting for one in progress) and the drops; the end
  // of a run, by OK or Cancel.
  void StopCapture();

  PadCapture& capture_;
  // Set once OK or Cancel has begun: a slot change posted before the poll
  // stopped finds the copy already stored or discarded, and is dropped.
  bool closing_ = false;
};

}  // namespace qv
