// Simulated dialog controls, with the system's clamping of trackbar and
// up-down positions and the up-down control writing its buddy's text.
#include "framework/sim/sim_controls.h"

#include <algorithm>

#include "platform/text.h"

namespace qv::sim {

SimControl& SimDialogControls::At(WindowHandle dialog, int id) {
  auto it = controls_.find({dialog, id});
  if (it != controls_.end()) return it->second;
  SimControl& control = controls_[{dialog, id}];
  control.handle = nextHandle_++;
  return control;
}

void SimDialogControls::Create(WindowHandle dialog, const ControlSpec& entry) {
  SimControl& control = At(dialog, entry.id);
  control.kind = entry.kind;
  control.text = entry.text != nullptr ? entry.text : "";
}

void SimDialogControls::Forget(WindowHandle dialog) {
  for (auto it = controls_.begin(); it != controls_.end();) {
    if (it->first.first == dialog)
      it = controls_.erase(it);
    else
      ++it;
  }
  focus_.erase(dialog);
}

void SimDialogControls::SetText(WindowHandle dialog, int id, const char* text, TextCode) {
  At(dialog, id).text = text != nullptr ? text : "";
}

std::size_t SimDialogControls::GetText(WindowHandle dialog, int id, char* text,
                                       std::size_t capacity, TextCode) {
  if (capacity == 0) return 0;
  const std::string& value = At(dialog, id).text;
  return CopyText(text, capacity, value.c_str(), value.size());
}

void SimDialogControls::SetCheck(WindowHandle dialog, int id, int state) {
  At(dialog, id).check = state;
}
int SimDialogControls::GetCheck(WindowHandle dialog, int id) { return At(dialog, id).check; }

void SimDialogControls::Enable(WindowHandle dialog, int id, bool enable) {
  At(dialog, id).enabled = enable;
}
bool SimDialogControls::IsEnabled(WindowHandle dialog, int id) { return At(dialog, id).enabled; }

void SimDialogControls::SetFocus(WindowHandle dialog, int id) {
  At(dialog, id);
  focus_[dialog] = id;
}

int SimDialogControls::Focus(WindowHandle dialog) const {
  auto it = focus_.find(dialog);
  return it == focus_.end() ? 0 : it->second;
}

WindowHandle SimDialogControls::ControlWindow(WindowHandle dialog, int id) {
  return At(dialog, id).handle;
}

void SimDialogControls::SetSliderRange(WindowHandle dialog, int id, int minimum, int maximum) {
  SimControl& c = At(dialog, id);
  c.sliderMin = minimum;
  c.sliderMax = maximum;
  c.sliderPos = std::clamp(c.sliderPos, minimum, std::max(minimum, maximum));
}
void SimDialogControls::SetSliderTicFreq(WindowHandle dialog, int id, int frequency) {
  At(dialog, id).ticFreq = frequency;
}
void SimDialogControls::SetSliderLineSize(WindowHandle dialog, int id, int step) {
  At(dialog, id).lineSize = step;
}
void SimDialogControls::SetSliderPageSize(WindowHandle dialog, int id, int step) {
  At(dialog, id).pageSize = step;
}
void SimDialogControls::SetSliderPos(WindowHandle dialog, int id, int position) {
  SimControl& c = At(dialog, id);
  // A trackbar holds a position outside its range at the nearest end.
  c.sliderPos = std::clamp(position, c.sliderMin, std::max(c.sliderMin, c.sliderMax));
}
int SimDialogControls::GetSliderPos(WindowHandle dialog, int id) { return At(dialog, id).sliderPos; }

void SimDialogControls::SetUpDownBuddy(WindowHandle dialog, int id, int buddyId) {
  At(dialog, id).buddy = buddyId;
}
void SimDialogControls::SetUpDownRange(WindowHandle dialog, int id, int lower, int upper) {
  SimControl& c = At(dialog, id);
  c.upDownLower = lower;
  c.upDownUpper = upper;
}
void SimDialogControls::SetUpDownPos(WindowHandle dialog, int id, int position) {
  SimControl& c = At(dialog, id);
  c.upDownPos = std::clamp(position, std::min(c.upDownLower, c.upDownUpper),
                           std::max(c.upDownLower, c.upDownUpper));
  if (c.buddy != 0) At(dialog, c.buddy).text = std::to_string(c.upDownPos);
}
int SimDialogControls::GetUpDownPos(WindowHandle dialog, int id) { return At(dialog, id).upDownPos; }

}  // namespace qv::sim
