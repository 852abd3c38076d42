// Property sheets on the simulated host: the sheet's window with its pages
// as children, each page's window made when it is first shown, and the
// notifications a page gets from the system's sheet, in the system's order:
// a page is left only when it agrees (PSN_KILLACTIVE), OK applies every page
// that was made, Cancel and closing reset them, and a wizard's buttons do
// only what the page's last PSM_SETWIZBUTTONS allowed.
#include "framework/message_map.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/sim/sim_window_host.h"

namespace qv::sim {
namespace {

// The simulated sheet's size; unlike the system's sheet, its pages do not size it.
constexpr Rect kSheetRect{0, 0, 340, 420};

}  // namespace

SimSheetRun* SimWindowHost::SheetRun(WindowHandle sheet) {
  auto it = sheets_.find(sheet);
  return it == sheets_.end() ? nullptr : &sheetRuns[it->second];
}

WindowHandle SimWindowHost::ActivePage(WindowHandle sheet) {
  SimSheetRun* run = SheetRun(sheet);
  if (run == nullptr || run->active < 0) return 0;
  return run->pageWindows[static_cast<std::size_t>(run->active)];
}

LResult SimWindowHost::NotifyPage(WindowHandle page, WindowHandle sheet, std::uint32_t code) {
  NmHdr header{sheet, 0, code};
  return Deliver(page, kWmNotify, 0, reinterpret_cast<LParam>(&header));
}

bool SimWindowHost::ActivatePage(SimSheetRun& run, CPropertySheet& sheet, int index) {
  CPropertyPage* page = sheet.GetPage(index);
  if (page == nullptr) return false;
  WindowHandle& window = run.pageWindows[static_cast<std::size_t>(index)];
  if (window == 0) {
    SimWindow record;
    record.parent = run.handle;
    record.style = kWsChild;
    record.title = page->Caption() != nullptr ? page->Caption() : "";
    window = NewDialogWindow(*page, page->templateId(), std::move(record));
    page->MarkShown(true);
    Deliver(window, kWmInitDialog, 0, 0);
  }
  if (NotifyPage(window, run.handle, kPsnSetActive) == -1) return false;
  for (std::size_t i = 0; i < run.pageWindows.size(); ++i)
    if (SimWindow* other = Find(run.pageWindows[i])) other->visible = static_cast<int>(i) == index;
  run.active = index;
  run.activations.push_back(index);
  sheet.NoteActivePage(index);
  return true;
}

bool SimWindowHost::LeavePage(SimSheetRun& run) {
  const WindowHandle page = ActivePage(run.handle);
  return page == 0 || NotifyPage(page, run.handle, kPsnKillActive) == 0;
}

void SimWindowHost::EndSheet(SimSheetRun& run, std::intptr_t result) {
  run.result = result;
  run.finished = true;
}

std::intptr_t SimWindowHost::RunPropertySheet(CPropertySheet& sheet, WindowHandle parent) {
  if (sheet.GetPageCount() == 0) return -1;
  SimWindow record;
  record.parent = parent;
  record.visible = true;
  record.title = sheet.Title();
  record.rect = kSheetRect;
  const WindowHandle handle = NewWindow(sheet, std::move(record));
  const std::size_t index = sheetRuns.size();
  SimSheetRun run;
  run.handle = handle;
  run.parent = parent;
  run.caption = sheet.Title();
  run.wizard = sheet.IsWizardMode();
  run.applyButton = sheet.HasApplyButton();
  run.pageWindows.assign(static_cast<std::size_t>(sheet.GetPageCount()), 0);
  sheetRuns.push_back(std::move(run));
  sheets_[handle] = index;
  // The owner is disabled while the sheet runs, as for every modal window.
  SimWindow* owner = Find(parent);
  if (owner != nullptr) owner->enabled = false;

  if (ActivatePage(sheetRuns[index], sheet, 0)) {
    sheet.HandleInitDialog();
    sheetRuns[index].parentDisabledWhileRunning = owner != nullptr && !Find(parent)->enabled;
    if (!sheetRuns[index].finished && onSheet) onSheet(*this, sheet);
    if (!sheetRuns[index].finished) PressSheetButton(handle, kIdCancel);
    if (!sheetRuns[index].finished) EndSheet(sheetRuns[index], kIdCancel);
  } else {
    EndSheet(sheetRuns[index], -1);
  }
  if (SimWindow* after = Find(parent)) after->enabled = true;
  sheets_.erase(handle);
  DestroyWindow(handle);
  return sheetRuns[index].result;
}

bool SimWindowHost::SelectPage(WindowHandle handle, int index) {
  // A wizard shows no tabs to click.
  SimSheetRun* run = SheetRun(handle);
  if (run == nullptr || run->wizard) return false;
  return ChangePage(handle, index);
}

bool SimWindowHost::ChangePage(WindowHandle handle, int index) {
  SimSheetRun* run = SheetRun(handle);
  auto* sheet = run != nullptr ? dynamic_cast<CPropertySheet*>(FromHandle(handle)) : nullptr;
  if (sheet == nullptr || run->finished || index < 0 || index >= sheet->GetPageCount())
    return false;
  if (index == run->active) return true;
  if (!LeavePage(*run)) return false;
  const int before = run->active;
  if (ActivatePage(*run, *sheet, index)) return true;
  // A page that refuses to become active leaves the sheet where it was.
  ActivatePage(*run, *sheet, before);
  return false;
}

bool SimWindowHost::PressSheetButton(WindowHandle handle, std::intptr_t button) {
  SimSheetRun* run = SheetRun(handle);
  auto* sheet = run != nullptr ? dynamic_cast<CPropertySheet*>(FromHandle(handle)) : nullptr;
  if (sheet == nullptr || run->finished) return false;
  const WindowHandle page = ActivePage(handle);
  if (button == kIdOk && !run->wizard) {
    if (!LeavePage(*run)) return false;
    // Applied in the order of the tabs; pages never shown have no window.
    for (WindowHandle made : run->pageWindows)
      if (made != 0) NotifyPage(made, handle, kPsnApply);
    EndSheet(*run, kIdOk);
    return true;
  }
  if (button == kIdCancel) {
    if (page != 0 && NotifyPage(page, handle, kPsnQueryCancel) != 0) return false;
    for (WindowHandle made : run->pageWindows)
      if (made != 0) NotifyPage(made, handle, kPsnReset);
    EndSheet(*run, kIdCancel);
    return true;
  }
  if (!run->wizard) return false;
  if (button == kIdWizFinish) {
    if (!(run->wizardButtons & kPswizbFinish)) return false;
    if (NotifyPage(page, handle, kPsnWizFinish) != 0) return false;
    EndSheet(*run, kIdWizFinish);
    return true;
  }
  const bool next = button == kIdWizNext;
  if (!next && button != kIdWizBack) return false;
  if (!(run->wizardButtons & (next ? kPswizbNext : kPswizbBack))) return false;
  const LResult answer = NotifyPage(page, handle, next ? kPsnWizNext : kPsnWizBack);
  if (answer == -1) return false;
  int target = run->active + (next ? 1 : -1);
  if (answer != 0) {
    target = -1;
    for (int i = 0; i < sheet->GetPageCount(); ++i)
      if (sheet->GetPage(i)->templateId() == static_cast<std::uint32_t>(answer)) target = i;
  }
  if (target < 0 || target >= sheet->GetPageCount()) return false;
  if (!LeavePage(*run)) return false;
  return ActivatePage(*run, *sheet, target);
}

LResult SimWindowHost::SheetMessage(WindowHandle handle, std::uint32_t message, WParam wParam,
                                    LParam lParam) {
  SimSheetRun* run = SheetRun(handle);
  switch (message) {
    case kPsmSetWizButtons:
      run->wizardButtons = static_cast<std::uint32_t>(lParam);
      return 0;
    case kPsmSetCurSel:
      return ChangePage(handle, static_cast<int>(wParam)) ? 1 : 0;
    case kPsmGetCurrentPageHwnd:
      return run->finished ? 0 : static_cast<LResult>(ActivePage(handle));
    case kPsmPressButton: {
      // By PSM_PRESSBUTTON's button number (kPsbtn*); the apply button (4)
      // presses nothing here.
      static constexpr std::intptr_t kButtons[] = {kIdWizBack, kIdWizNext, kIdWizFinish, kIdOk,
                                                   0,          kIdCancel};
      if (wParam < sizeof kButtons / sizeof kButtons[0] && kButtons[wParam] != 0)
        PressSheetButton(handle, kButtons[wParam]);
      return 0;
    }
    case kWmClose:
      PressSheetButton(handle, kIdCancel);
      return 0;
    default:
      return 0;
  }
}

}  // namespace qv::sim
