// The system page in a sheet on the simulated host, behind a first page of
// its own as the button page would be, with the sheet's pad poll running.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/config_ids.h"
#include "config/pad_capture.h"
#include "config/system_page.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "platform/constants.h"
#include "resources/quorvantix_dialogs.h"

namespace qv {

class SystemPageRig : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kFirstPage = 900;

  void SetUp() override {
    host.RegisterDialogTemplates(sim::rc::kQuorvantixDialogs);
    host.RegisterDialogTemplate(kFirstPage, {});
    sim.joystick.Caps().caps = kJoyCapsHasZ;
    ASSERT_EQ(capture.Start(), Status::Ok);
  }

  // Runs the sheet with the system page opened; `user` acts on it.
  std::intptr_t Run(const std::function<void(WindowHandle page)>& user) {
    page.LoadFrom(settings, hasZ);
    sheet.AddPage(&first);
    sheet.AddPage(&page);
    host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
      sheetWindow = s.GetSafeHwnd();
      ASSERT_TRUE(h.SelectPage(sheetWindow, 1));
      user(h.ActivePage(sheetWindow));
    };
    const std::intptr_t result = sheet.DoModal();
    if (result == kIdOk) page.StoreInto(settings);
    return result;
  }
  bool PressOk() { return host.PressSheetButton(sheetWindow, kIdOk); }
  sim::SimControl& At(WindowHandle w, int id) { return host.controls.At(w, id); }
  int MessageBoxes(const std::string& text) const {
    int n = 0;
    for (const auto& effect : sim.log.All())
      if (effect.kind == sim::EffectKind::MessageBox && text == effect.text) ++n;
    return n;
  }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Quorvantix"};
  PadCapture capture{sim.platform};
  CPropertyPage first{host, kFirstPage};
  CMyPropertyPage2 page{host, capture};
  CPropertySheet sheet{host, "Quorvantix"};
  PadSettings settings;
  std::int32_t hasZ = 1;
  WindowHandle sheetWindow = 0;
};

}  // namespace qv
