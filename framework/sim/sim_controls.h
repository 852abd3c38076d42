// The controls of simulated dialogs: text, check state, enable state, focus,
// trackbar and up-down values, kept by dialog and control id. A dialog made
// from a registered template has exactly the template's controls, in its
// order, with its styles: asking for any other id is a fault of the test or
// of the program, reported at once. A dialog without a template gets its
// controls at their first use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/window_host.h"

namespace qv::sim {

enum class ControlKind {
  Edit,
  Static,
  PushButton,
  AutoCheckBox,
  AutoRadioButton,
  Slider,
  UpDown,
  CheckBox,
  RadioButton,
  GroupBox,
  Progress,
  Other
};

// The styles the simulated dialog manager acts on.
inline constexpr std::uint32_t kWsGroup = 0x00020000u;
inline constexpr std::uint32_t kWsTabStop = 0x00010000u;
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;
inline constexpr std::uint32_t kEsReadOnly = 0x0800u;

struct ControlSpec {
  int id;
  ControlKind kind;
  const char* text;
  std::uint32_t style = 0;
};

// A dialog template as the resource script has it (tools/rc_dialogs.py
// writes tables of these from the .rc files).
struct DialogTemplateSpec {
  std::uint32_t id;
  const char* caption;
  std::uint32_t style;
  const ControlSpec* controls;
  std::size_t count;
};

struct SimControl {
  ControlKind kind = ControlKind::Edit;
  std::string text;
  int check = 0;
  bool enabled = true;
  std::uint32_t style = 0;
  int order = 0;  // place in the template (creation and tab order)
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
  int GetRadioIndex(WindowHandle dialog, int firstId) override;
  void SetRadioIndex(WindowHandle dialog, int firstId, int index) override;
  int IdOf(WindowHandle control) override;
  void MapDialogRect(WindowHandle dialog, Rect& rect) override;

  // The test's view. At() of an id that a template-made dialog lacks is
  // reported through onUnknownControl (by default the run stops with the
  // dialog and id named).
  SimControl& At(WindowHandle dialog, int id);
  bool Has(WindowHandle dialog, int id) const { return controls_.count({dialog, id}) != 0; }
  int Focus(WindowHandle dialog) const;
  // Controls of a dialog made from a template, in its order.
  void CreateFromTemplate(WindowHandle dialog, std::uint32_t templateId,
                          const std::vector<ControlSpec>& entries);
  void Create(WindowHandle dialog, const ControlSpec& entry);
  void Forget(WindowHandle dialog);
  // The dialog a control window belongs to (0 for none), and its id.
  WindowHandle DialogOf(WindowHandle control) const;
  // The ids of the radio group that `id` belongs to, in template order.
  std::vector<int> RadioGroupOf(WindowHandle dialog, int id) const;
  // The dialog manager's Tab: the focus to the next enabled tab stop.
  void FocusNextTabStop(WindowHandle dialog);
  std::function<void(WindowHandle dialog, std::uint32_t templateId, int id)> onUnknownControl;
  // The dialogs' base units in pixels: the average character width and the
  // height of their font (4 dialog units across, 8 down). 7 by 12 is the
  // configuration pages' 9-point font on a screen of 96 dots per inch.
  Size dialogBaseUnits{7, 12};

 private:
  std::vector<std::pair<int, const SimControl*>> InOrder(WindowHandle dialog) const;

  std::map<std::pair<WindowHandle, int>, SimControl> controls_;
  std::map<WindowHandle, int> focus_;
  std::map<WindowHandle, std::uint32_t> templated_;
  std::map<WindowHandle, std::pair<WindowHandle, int>> byHandle_;
  SimControl unknown_;
  WindowHandle nextHandle_ = 0x70000;
  int nextOrder_ = 0;
};

}  // namespace qv::sim
