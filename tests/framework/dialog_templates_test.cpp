// Dialogs built from the resource script's own templates: the ids, kinds and
// styles of the real page, its radio group as the script groups it, and an
// id the template lacks reported instead of made up.
#include <gtest/gtest.h>

#include <vector>

#include "config/config_ids.h"
#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "resources/quorvantix_dialogs.h"

namespace qv {
namespace {

constexpr int kNotInTemplate = 4242;

TEST(DialogTemplates, TheButtonPageHasTheScriptsControlsAndNoOthers) {
  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  host.RegisterDialogTemplates(sim::rc::kQuorvantixDialogs);
  CDialog page(host, IDD_BUTTON_PAGE);
  std::vector<int> unknown;
  host.controls.onUnknownControl = [&](WindowHandle, std::uint32_t, int id) {
    unknown.push_back(id);
  };
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    EXPECT_EQ(h.controls.At(w, IDC_SLOT_LABEL).style & sim::kEsReadOnly, sim::kEsReadOnly);
    h.Type(w, IDC_SLOT_LABEL, "x");
    EXPECT_EQ(h.controls.At(w, IDC_SLOT_LABEL).text, "") << "a read-only field takes no typing";
    const std::vector<int> group = h.controls.RadioGroupOf(w, IDC_ACTION_KEY);
    EXPECT_EQ(group.size(), 14u) << "the key-name field between two buttons splits no group";
    h.Click(w, IDC_ACTION_LEFT);
    h.Click(w, IDC_ACTION_LAUNCH);
    EXPECT_EQ(h.controls.At(w, IDC_ACTION_LEFT).check, 0);
    EXPECT_EQ(h.controls.At(w, IDC_ACTION_LEFT).kind, sim::ControlKind::AutoRadioButton);
    h.controls.At(w, kNotInTemplate);
  };
  page.DoModal();
  EXPECT_EQ(unknown, std::vector<int>{kNotInTemplate}) << "an unknown id is reported, not made up";
}

}  // namespace
}  // namespace qv
