// Simulated dialog controls, with the system's clamping of trackbar and
// up-down positions and the up-down control writing its buddy's text.
#include "framework/sim/sim_controls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/text.h"

namespace qv::sim {
namespace {

bool IsRadio(ControlKind kind) {
  return kind == ControlKind::AutoRadioButton || kind == ControlKind::RadioButton;
}

}  // namespace

SimControl& SimDialogControls::At(WindowHandle dialog, int id) {
  auto it = controls_.find({dialog, id});
  if (it != controls_.end()) return it->second;
  auto templated = templated_.find(dialog);
  if (templated != templated_.end()) {
    if (onUnknownControl) {
      onUnknownControl(dialog, templated->second, id);
    } else {
      std::fprintf(stderr, "dialog %u (window 0x%llx) has no control %d\n", templated->second,
                   static_cast<unsigned long long>(dialog), id);
      std::abort();
    }
    unknown_ = SimControl{};
    return unknown_;
  }
  SimControl& control = controls_[{dialog, id}];
  control.handle = nextHandle_++;
  control.order = ++nextOrder_;
  byHandle_[control.handle] = {dialog, id};
  return control;
}

void SimDialogControls::Create(WindowHandle dialog, const ControlSpec& entry) {
  SimControl& control = controls_[{dialog, entry.id}];
  if (control.handle == 0) {
    control.handle = nextHandle_++;
    byHandle_[control.handle] = {dialog, entry.id};
  }
  control.order = ++nextOrder_;
  control.kind = entry.kind;
  control.text = entry.text != nullptr ? entry.text : "";
  control.style = entry.style;
  control.enabled = (entry.style & kWsDisabled) == 0;
}

void SimDialogControls::CreateFromTemplate(WindowHandle dialog, std::uint32_t templateId,
                                           const std::vector<ControlSpec>& entries) {
  templated_[dialog] = templateId;
  for (const ControlSpec& entry : entries) Create(dialog, entry);
}

void SimDialogControls::Forget(WindowHandle dialog) {
  for (auto it = controls_.begin(); it != controls_.end();) {
    if (it->first.first == dialog) {
      byHandle_.erase(it->second.handle);
      it = controls_.erase(it);
    } else {
      ++it;
    }
  }
  focus_.erase(dialog);
  templated_.erase(dialog);
}

WindowHandle SimDialogControls::DialogOf(WindowHandle control) const {
  auto it = byHandle_.find(control);
  return it == byHandle_.end() ? 0 : it->second.first;
}

int SimDialogControls::IdOf(WindowHandle control) {
  auto it = byHandle_.find(control);
  return it == byHandle_.end() ? 0 : it->second.second;
}

namespace {

// The system's MulDiv: the product over the divisor, rounded half away from 0.
std::int32_t MulDiv(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<std::int32_t>(product >= 0 ? (product + half) / denominator
                                                : (product - half) / denominator);
}

}  // namespace

void SimDialogControls::MapDialogRect(WindowHandle, Rect& rect) {
  // A base unit spans 4 dialog units across and 8 down.
  constexpr std::int32_t kUnitsAcross = 4;
  constexpr std::int32_t kUnitsDown = 8;
  rect.left = MulDiv(rect.left, dialogBaseUnits.cx, kUnitsAcross);
  rect.right = MulDiv(rect.right, dialogBaseUnits.cx, kUnitsAcross);
  rect.top = MulDiv(rect.top, dialogBaseUnits.cy, kUnitsDown);
  rect.bottom = MulDiv(rect.bottom, dialogBaseUnits.cy, kUnitsDown);
}

std::vector<std::pair<int, const SimControl*>> SimDialogControls::InOrder(
    WindowHandle dialog) const {
  std::vector<std::pair<int, const SimControl*>> list;
  for (auto it = controls_.lower_bound({dialog, INT32_MIN});
       it != controls_.end() && it->first.first == dialog; ++it)
    list.emplace_back(it->first.second, &it->second);
  std::sort(list.begin(), list.end(),
            [](const auto& a, const auto& b) { return a.second->order < b.second->order; });
  return list;
}

std::vector<int> SimDialogControls::RadioGroupOf(WindowHandle dialog, int id) const {
  // A group runs from a control with WS_GROUP (or the first control) to the
  // next control with WS_GROUP, as the dialog manager counts it.
  std::vector<int> group;
  bool found = false;
  for (const auto& [controlId, control] : InOrder(dialog)) {
    if ((control->style & kWsGroup) && !group.empty()) {
      if (found) break;
      group.clear();
    }
    if (controlId == id) found = true;
    if (IsRadio(control->kind)) group.push_back(controlId);
  }
  return found ? group : std::vector<int>{};
}

int SimDialogControls::GetRadioIndex(WindowHandle dialog, int firstId) {
  At(dialog, firstId);
  const std::vector<int> group = RadioGroupOf(dialog, firstId);
  int index = 0;
  bool counting = false;
  for (int id : group) {
    if (id == firstId) counting = true;
    if (!counting) continue;
    if (At(dialog, id).check) return index;
    ++index;
  }
  return -1;
}

void SimDialogControls::SetRadioIndex(WindowHandle dialog, int firstId, int index) {
  At(dialog, firstId);
  int at = 0;
  bool counting = false;
  for (int id : RadioGroupOf(dialog, firstId)) {
    if (id == firstId) counting = true;
    if (!counting) continue;
    At(dialog, id).check = at == index ? 1 : 0;
    ++at;
  }
}

void SimDialogControls::FocusNextTabStop(WindowHandle dialog) {
  const auto list = InOrder(dialog);
  const int current = Focus(dialog);
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].first == current) start = i + 1;
  for (std::size_t step = 0; step < list.size(); ++step) {
    const auto& [id, control] = list[(start + step) % list.size()];
    if ((control->style & kWsTabStop) && control->enabled) {
      focus_[dialog] = id;
      return;
    }
  }
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
