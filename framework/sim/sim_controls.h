// The controls of simulated dialogs: text, check state, enable state, focus,
// trackbar and up-down values, kept by dialog and control id. A control comes
// into being at its first use or from a registered template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "framework/window_host.h"

namespace qv::sim {

enum class ControlKind { Edit, Static, PushButton, AutoCheckBox, AutoRadioButton, Slider, UpDown };

struct ControlSpec {
  int id;
  ControlKind kind;
  const char* text;
};

struct SimControl {
  ControlKind kind = ControlKind::Edit;
  std::string text;
  int check = 0;
  bool enabled = true;
  WindowHandle handle = 0;
  int sliderMin = 0, sliderMax = 100, sliderPos = 0;
  int ticFreq = 1, lineSize = 1, pageSize = 0;
  int upDownLower = 0, upDownUpper = 100, upDownPos = 0, buddy = 0;
};

class SimDialogControls final : public DialogControls {
 public:
  void SetText(WindowHandle dialog, int id, const char* text, TextCode code) override;
  std::size_t GetText(WindowHandle dialog, int id, char* text, std::size_t capacity,
                      TextCode code) override;
  void SetCheck(WindowHandle dialog, int id, int state) override;
  int GetCheck(WindowHandle dialog, int id) override;
  void Enable(WindowHandle dialog, int id, bool enable) override;
  bool IsEnabled(WindowHandle dialog, int id) override;
  void SetFocus(WindowHandle dialog, int id) override;
  WindowHandle ControlWindow(WindowHandle dialog, int id) override;
  void SetSliderRange(WindowHandle dialog, int id, int minimum, int maximum) override;
  void SetSliderTicFreq(WindowHandle dialog, int id, int frequency) override;
  void SetSliderLineSize(WindowHandle dialog, int id, int step) override;
  void SetSliderPageSize(WindowHandle dialog, int id, int step) override;
  void SetSliderPos(WindowHandle dialog, int id, int position) override;
  int GetSliderPos(WindowHandle dialog, int id) override;
  void SetUpDownBuddy(WindowHandle dialog, int id, int buddyId) override;
  void SetUpDownRange(WindowHandle dialog, int id, int lower, int upper) override;
  void SetUpDownPos(WindowHandle dialog, int id, int position) override;
  int GetUpDownPos(WindowHandle dialog, int id) override;

  // The test's view.
  SimControl& At(WindowHandle dialog, int id);
  bool Has(WindowHandle dialog, int id) const { return controls_.count({dialog, id}) != 0; }
  int Focus(WindowHandle dialog) const;
  void Create(WindowHandle dialog, const ControlSpec& entry);
  void Forget(WindowHandle dialog);

 private:
  std::map<std::pair<WindowHandle, int>, SimControl> controls_;
  std::map<WindowHandle, int> focus_;
  WindowHandle nextHandle_ = 0x70000;
};

}  // namespace qv::sim
