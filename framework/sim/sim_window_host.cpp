// The simulated host: the program's windows, queue, timers, painting, menus
// and modal dialogs in memory.
#include "framework/sim/sim_window_host.h"

#include <algorithm>
#include <cctype>

#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
#include "platform/constants.h"
#include "platform/message_words.h"
#include "platform/text.h"

namespace qv::sim {
namespace {

constexpr std::uint32_t kTbThumbTrack = 5;
constexpr std::uint32_t kSbThumbPosition = 4;

// The size of a dialog whose window was made without one.
constexpr Rect kUnsizedDialogRect{0, 0, 300, 200};

WParam CommandWParam(int id, std::uint32_t code) {
  return MakeWParam(static_cast<std::uint32_t>(id), code);
}

}  // namespace

SimWindowHost::SimWindowHost(SimPlatform& sim) : sim_(sim) {}

SimWindowHost::~SimWindowHost() {
  for (auto& entry : windows_) sim_.windows.Detach(entry.first);
}

SimWindow* SimWindowHost::Find(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* SimWindowHost::Window(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle SimWindowHost::FindByTitle(const std::string& title) const {
  for (const auto& entry : windows_)
    if (entry.second.title == title && !entry.second.destroying) return entry.first;
  return 0;
}

int SimWindowHost::LiveWindows() const { return static_cast<int>(windows_.size()); }

WindowHandle SimWindowHost::NewWindow(CWnd& wnd, SimWindow record) {
  const WindowHandle handle = nextWindow_;
  nextWindow_ += 4;
  record.object = &wnd;
  windows_[handle] = std::move(record);
  // As WM_NCCREATE binds it: before any other message.
  wnd.BindHandle(handle);
  sim_.windows.Attach(handle, [this, handle](std::uint32_t message, WParam wParam, LParam lParam) {
    return FromSystem(handle, message, wParam, lParam);
  });
  return handle;
}

Status SimWindowHost::CreateWindowFor(CWnd& wnd, const WindowCreateParams& params) {
  if (refuseCreate && refuseCreate(params)) return Status::Failed;
  if ((params.style & kWsChild) && !Find(params.parent)) return Status::Failed;
  SimWindow record;
  record.parent = params.parent;
  record.className = params.className != nullptr ? params.className : "";
  record.title = params.title != nullptr ? params.title : "";
  record.style = params.style;
  record.exStyle = params.exStyle;
  record.rect = Rect{params.x, params.y, params.x + params.width, params.y + params.height};
  record.childId = params.childId;
  record.visible = (params.style & kWsVisible) != 0;
  record.invalid = record.visible;
  const WindowHandle handle = NewWindow(wnd, std::move(record));
  if (Deliver(handle, kWmCreate, 0, 0) == -1) {
    // The system destroys a window whose creation was refused.
    DestroyWindow(handle);
    return Status::Failed;
  }
  return Status::Ok;
}

std::vector<WindowHandle> SimWindowHost::ChildrenOf(WindowHandle window) const {
  std::vector<WindowHandle> children;
  for (const auto& entry : windows_)
    if (entry.second.parent == window && (entry.second.style & kWsChild))
      children.push_back(entry.first);
  return children;
}

void SimWindowHost::SendDestroy(WindowHandle window) {
  Deliver(window, kWmDestroy, 0, 0);
  for (WindowHandle child : ChildrenOf(window)) SendDestroy(child);
}

void SimWindowHost::SendNcDestroy(WindowHandle window) {
  for (WindowHandle child : ChildrenOf(window)) SendNcDestroy(child);
  Deliver(window, kWmNcDestroy, 0, 0);
  SimWindow* record = Find(window);
  if (record == nullptr) return;
  CWnd* object = record->object;
  sim_.windows.Detach(window);
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [window](const WindowTimer& t) { return t.window == window; }),
                timers_.end());
  controls.Forget(window);
  windows_.erase(window);
  if (object != nullptr) object->HandleFinalMessage();
}

void SimWindowHost::DestroyWindow(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record == nullptr || record->destroying) return;
  record->destroying = true;
  for (WindowHandle child : ChildrenOf(window)) Find(child)->destroying = true;
  SendDestroy(window);
  SendNcDestroy(window);
}

void SimWindowHost::ReleaseWindow(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record == nullptr) return;
  record->object = nullptr;
  record->dialog = nullptr;
  DestroyWindow(window);
}

CWnd* SimWindowHost::FromHandle(WindowHandle window) {
  SimWindow* record = Find(window);
  return record != nullptr ? record->object : nullptr;
}

bool SimWindowHost::IsWindow(WindowHandle window) { return Find(window) != nullptr; }

WindowHandle SimWindowHost::ParentOf(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record == nullptr) return controls.DialogOf(window);
  return record->parent;
}

bool SimWindowHost::IsChildWindow(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record == nullptr) return controls.DialogOf(window) != 0;
  return (record->style & kWsChild) != 0;
}

void SimWindowHost::SetTopmost(WindowHandle window) {
  if (SimWindow* record = Find(window)) record->topmost = true;
}

void SimWindowHost::SetWindowText(WindowHandle window, const char* text) {
  if (SimWindow* record = Find(window)) record->title = text != nullptr ? text : "";
}

LResult SimWindowHost::Deliver(WindowHandle window, std::uint32_t message, WParam wParam,
                               LParam lParam) {
  SimWindow* record = Find(window);
  if (record == nullptr) return 0;
  if (message == kWmPaint) ++record->paintMessages;
  CWnd* object = record->object;
  CDialog* dialog = record->dialog;
  if (object == nullptr) return DefWindowProc(window, message, wParam, lParam);
  ++depth_;
  const LResult result = object->WindowProc(message, wParam, lParam);
  --depth_;
  // The dialog manager's own default processing: closing means Cancel.
  if (dialog != nullptr && Find(window) != nullptr && dialog->TakeDefaulted() &&
      message == kWmClose)
    Deliver(window, kWmCommand, CommandWParam(static_cast<int>(kIdCancel), kBnClicked), 0);
  if (message == kWmPaint) {
    // A paint handler that did not validate would be asked again at once by
    // the system; here the window simply counts as painted.
    if (SimWindow* after = Find(window)) after->invalid = false;
  }
  return result;
}

LResult SimWindowHost::FromSystem(WindowHandle window, std::uint32_t message, WParam wParam,
                                  LParam lParam) {
  // Messages that arrive while the queue is being pumped, and not from inside
  // a handler, are the queued ones; the rest were sent.
  if (pumpDepth_ >= 0 && depth_ == pumpDepth_) {
    DeliverQueued(Msg{window, message, wParam, lParam});
    return 0;
  }
  return Deliver(window, message, wParam, lParam);
}

void SimWindowHost::DeliverQueued(const Msg& queued) {
  Msg msg = queued;
  // Each message taken from the queue gets a stamp of its own, as the
  // system's time stamps tell queued messages apart.
  msg.time = ++queueSerial_;
  if (app_ != nullptr && app_->ProcessMessageFilter(FilterSource::ProgramLoop, msg)) return;
  Deliver(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int SimWindowHost::Pump() {
  const int outer = pumpDepth_;
  pumpDepth_ = depth_;
  const int delivered = sim_.windows.PumpPosted();
  pumpDepth_ = outer;
  return delivered;
}

void SimWindowHost::Advance(std::uint32_t ms) {
  for (std::uint32_t step = 0; step < ms; ++step) {
    sim_.timer.Advance(1);
    const std::uint32_t now = sim_.timer.Now();
    // Copied: a handler may set or kill timers.
    const std::vector<WindowTimer> due = timers_;
    for (const WindowTimer& timer : due) {
      if (timer.nextDue != now || !HasTimer(timer.window, timer.id)) continue;
      for (WindowTimer& live : timers_)
        if (live.window == timer.window && live.id == timer.id) live.nextDue = now + live.interval;
      const int outer = pumpDepth_;
      pumpDepth_ = depth_;
      DeliverQueued(Msg{timer.window, kWmTimer, timer.id, 0});
      pumpDepth_ = outer;
    }
    Pump();
  }
}

LResult SimWindowHost::DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam,
                                     LParam lParam) {
  SimWindow* record = Find(window);
  if (record == nullptr) return 0;
  if (sheets_.count(window)) return SheetMessage(window, message, wParam, lParam);
  switch (message) {
    case kWmClose:
      DestroyWindow(window);
      return 0;
    case kWmPaint:
      record->invalid = false;
      return 0;
    default:
      return 0;
  }
}

void SimWindowHost::ShowWindow(WindowHandle window, std::int32_t showCommand) {
  SimWindow* record = Find(window);
  if (record == nullptr) return;
  record->lastShowCommand = showCommand;
  const bool visible = showCommand != kSwHide;
  if (visible && !record->visible) record->invalid = true;
  record->visible = visible;
}

void SimWindowHost::UpdateWindow(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record == nullptr || !record->visible || !record->invalid) return;
  Deliver(window, kWmPaint, 0, 0);
}

void SimWindowHost::Invalidate(WindowHandle window) {
  SimWindow* record = Find(window);
  if (record != nullptr && record->visible) record->invalid = true;
}

void SimWindowHost::RedrawWindow(WindowHandle window) {
  Invalidate(window);
  UpdateWindow(window);
}

void SimWindowHost::CenterWindow(WindowHandle window, WindowHandle alternateOwner) {
  SimWindow* record = Find(window);
  if (record == nullptr) return;
  record->centred = true;
  record->centredOn = alternateOwner;
  Rect area = workArea;
  const WindowHandle owner = alternateOwner != 0 ? alternateOwner : record->parent;
  if (owner == sim_.windows.DesktopWindow()) {
    area = screen;
  } else if (const SimWindow* ownerRecord = Find(owner)) {
    area = ownerRecord->rect;
  }
  const std::int32_t width = record->rect.right - record->rect.left;
  const std::int32_t height = record->rect.bottom - record->rect.top;
  std::int32_t x = area.left + (area.right - area.left - width) / 2;
  std::int32_t y = area.top + (area.bottom - area.top - height) / 2;
  // Kept inside the work area, as the framework does.
  x = std::max(workArea.left, std::min(x, workArea.right - width));
  y = std::max(workArea.top, std::min(y, workArea.bottom - height));
  record->rect = Rect{x, y, x + width, y + height};
}

Status SimWindowHost::SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs) {
  if (Find(window) == nullptr || intervalMs == 0) return Status::Failed;
  KillTimer(window, id);
  timers_.push_back(WindowTimer{window, id, intervalMs, sim_.timer.Now() + intervalMs});
  return Status::Ok;
}

void SimWindowHost::KillTimer(WindowHandle window, std::uint32_t id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const WindowTimer& t) { return t.window == window && t.id == id; }),
                timers_.end());
}

bool SimWindowHost::HasTimer(WindowHandle window, std::uint32_t id) const {
  for (const WindowTimer& t : timers_)
    if (t.window == window && t.id == id) return true;
  return false;
}

OwnedBitmap SimWindowHost::LoadBitmap(std::uint32_t resourceId) {
  if (!bitmaps_.count(resourceId)) return {};
  const BitmapHandle bitmap = nextBitmap_++;
  liveBitmaps_[bitmap] = resourceId;
  return OwnedBitmap(*this, bitmap);
}

Status SimWindowHost::BitmapSize(BitmapHandle bitmap, Size& size) {
  auto it = liveBitmaps_.find(bitmap);
  if (it == liveBitmaps_.end()) return Status::Failed;
  size = bitmaps_[it->second];
  return Status::Ok;
}

void SimWindowHost::Release(BitmapKind, BitmapHandle bitmap) { liveBitmaps_.erase(bitmap); }

Status SimWindowHost::PaintBitmap(WindowHandle window, BitmapHandle bitmap, Point at) {
  SimWindow* record = Find(window);
  if (record == nullptr) return Status::Failed;
  record->invalid = false;
  if (failMemoryContext) return Status::Failed;
  auto it = liveBitmaps_.find(bitmap);
  if (it == liveBitmaps_.end()) return Status::Failed;
  paints.push_back(SimPaint{window, it->second, at, bitmaps_[it->second]});
  return Status::Ok;
}

Status SimWindowHost::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                                   WindowHandle owner) {
  Deliver(owner, kWmInitMenuPopup, static_cast<WParam>(menu), 0);
  return sim_.menus.TrackPopupMenu(menu, flags, where, owner);
}

const std::vector<ControlSpec>* SimWindowHost::TemplateOf(std::uint32_t templateId) const {
  auto it = templates_.find(templateId);
  return it == templates_.end() ? nullptr : &it->second;
}

WindowHandle SimWindowHost::NewDialogWindow(CDialog& dialog, std::uint32_t templateId,
                                            SimWindow record) {
  record.dialog = &dialog;
  if (record.rect.right == 0) record.rect = kUnsizedDialogRect;
  const WindowHandle handle = NewWindow(dialog, std::move(record));
  if (const std::vector<ControlSpec>* entries = TemplateOf(templateId))
    controls.CreateFromTemplate(handle, templateId, *entries);
  return handle;
}

Status SimWindowHost::CreateModeless(CDialog& dialog, std::uint32_t templateId,
                                     WindowHandle parent) {
  if (templateId == 0) return Status::Failed;
  SimWindow record;
  record.parent = parent;
  record.visible = true;
  record.modeless = true;
  const WindowHandle handle = NewDialogWindow(dialog, templateId, std::move(record));
  Deliver(handle, kWmInitDialog, 0, 0);
  return Status::Ok;
}

std::intptr_t SimWindowHost::DoModal(CDialog& dialog, std::uint32_t templateId,
                                     WindowHandle parent) {
  if (templateId == 0) return -1;
  SimWindow record;
  record.parent = parent;
  record.visible = true;
  const WindowHandle handle = NewDialogWindow(dialog, templateId, std::move(record));
  const std::size_t run = dialogRuns.size();
  dialogRuns.push_back(SimDialogRun{templateId, parent, handle, 0, false});

  Deliver(handle, kWmInitDialog, 0, 0);
  if (!Find(handle)->ended && onDialog) onDialog(*this, dialog);
  if (!Find(handle)->ended)
    Deliver(handle, kWmCommand, CommandWParam(static_cast<int>(kIdCancel), kBnClicked), 0);
  SimWindow* after = Find(handle);
  const std::intptr_t result = after->ended ? after->result : kIdCancel;
  DestroyWindow(handle);
  dialogRuns[run].result = result;
  dialogRuns[run].finished = true;
  return result;
}

void SimWindowHost::EndDialog(WindowHandle dialog, std::intptr_t result) {
  SimWindow* record = Find(dialog);
  if (record == nullptr) return;
  record->ended = true;
  record->result = result;
}

int SimWindowHost::RunMessageLoop(CWinApp&) {
  for (;;) {
    Pump();
    if (quitPosted) {
      quitPosted = false;
      return quitCode;
    }
    if (!onIdle || !onIdle()) return -1;
  }
}

void SimWindowHost::PostQuit(int exitCode) {
  quitPosted = true;
  quitCode = exitCode;
}

std::uint32_t SimWindowHost::RegisterWindowMessage(const char* name) {
  std::string key = name;
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  auto it = registered_.find(key);
  if (it != registered_.end()) return it->second;
  const std::uint32_t message =
      kFirstRegisteredMessage + static_cast<std::uint32_t>(registered_.size());
  registered_[key] = message;
  return message;
}

void SimWindowHost::RegisterMenu(std::uint32_t resourceId, const MenuTemplatePopup* popups,
                                 std::size_t count) {
  std::vector<MenuTemplatePopup> table(popups, popups + count);
  sim_.menus.RegisterResource(resourceId, [table](SimMenus& menus, MenuHandle top) {
    for (const MenuTemplatePopup& popup : table) {
      OwnedMenu sub = menus.CreatePopupMenu();
      for (std::size_t i = 0; i < popup.count; ++i) {
        const MenuTemplateItem& item = popup.items[i];
        Ignore(menus.AppendItem(sub.get(), item.flags, item.id, TextCode::Program, item.text));
      }
      Ignore(menus.InsertSubMenu(top, -1, std::move(sub), TextCode::Program, popup.title));
    }
  });
}

void SimWindowHost::RegisterDialogTemplate(std::uint32_t templateId,
                                           std::vector<ControlSpec> entries) {
  templates_[templateId] = std::move(entries);
}

void SimWindowHost::RegisterDialogTemplates(const DialogTemplateSpec* templates,
                                            std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    templates_[templates[i].id] =
        std::vector<ControlSpec>(templates[i].controls, templates[i].controls + templates[i].count);
}

void SimWindowHost::Click(WindowHandle dialog, int id) {
  SimControl& control = controls.At(dialog, id);
  if (!control.enabled) return;
  if (control.kind == ControlKind::AutoCheckBox) control.check = control.check ? 0 : 1;
  if (control.kind == ControlKind::AutoRadioButton) {
    // An auto radio button unchecks the others of its group.
    for (int other : controls.RadioGroupOf(dialog, id))
      if (other != id && controls.At(dialog, other).kind == ControlKind::AutoRadioButton)
        controls.At(dialog, other).check = 0;
    control.check = 1;
  }
  Deliver(dialog, kWmCommand, CommandWParam(id, kBnClicked), static_cast<LParam>(control.handle));
}

void SimWindowHost::Type(WindowHandle dialog, int id, const char* text) {
  SimControl& control = controls.At(dialog, id);
  if (!control.enabled || (control.kind == ControlKind::Edit && (control.style & kEsReadOnly)))
    return;
  control.text = text;
  Deliver(dialog, kWmCommand, CommandWParam(id, kEnChange), static_cast<LParam>(control.handle));
}

void SimWindowHost::DragSlider(WindowHandle dialog, int id, int position) {
  SimControl& control = controls.At(dialog, id);
  if (!control.enabled) return;
  controls.SetSliderPos(dialog, id, position);
  const WParam wParam = MakeWParam(kTbThumbTrack, static_cast<std::uint32_t>(control.sliderPos));
  Deliver(dialog, kWmHScroll, wParam, static_cast<LParam>(control.handle));
}

void SimWindowHost::SpinUpDown(WindowHandle dialog, int id, int delta) {
  SimControl& control = controls.At(dialog, id);
  if (!control.enabled) return;
  const int before = control.upDownPos;
  controls.SetUpDownPos(dialog, id, before + delta);
  const int after = controls.At(dialog, id).upDownPos;
  const WParam wParam = MakeWParam(kSbThumbPosition, static_cast<std::uint32_t>(after));
  Deliver(dialog, kWmVScroll, wParam, static_cast<LParam>(control.handle));
  const int buddy = controls.At(dialog, id).buddy;
  if (buddy != 0 && after != before)
    Deliver(dialog, kWmCommand, CommandWParam(buddy, kEnChange),
            static_cast<LParam>(controls.At(dialog, buddy).handle));
}

}  // namespace qv::sim

namespace qv::sim {

bool SimWindowHost::PressKey(WindowHandle dialog, int id, std::uint32_t message, WParam key,
                             LParam keyData) {
  controls.SetFocus(dialog, id);
  Msg msg{controls.ControlWindow(dialog, id), message, key, keyData, ++queueSerial_};
  if (app_ != nullptr && app_->ProcessMessageFilter(FilterSource::ProgramLoop, msg)) return true;
  if (message == kWmKeyDown && key == kVkTab) controls.FocusNextTabStop(dialog);
  return false;
}

void SimWindowHost::DragAcceptFiles(WindowHandle window, bool accept) {
  if (SimWindow* record = Find(window)) record->acceptsFiles = accept;
}

void SimWindowHost::DropFiles(WindowHandle window, std::vector<std::string> names, Point at) {
  SimWindow* record = Find(window);
  // The shell drops only on windows that take files.
  if (record == nullptr || !record->acceptsFiles) return;
  const DropHandle drop = nextDrop_++;
  drops_[drop] = std::move(names);
  dropPoints_[drop] = at;
  Ignore(sim_.windows.PostMessage(window, kWmDropFiles, static_cast<WParam>(drop), 0));
  Pump();
}

std::uint32_t SimWindowHost::DropFileCount(DropHandle drop) {
  auto it = drops_.find(drop);
  return it == drops_.end() ? 0 : static_cast<std::uint32_t>(it->second.size());
}

std::size_t SimWindowHost::DropFileName(DropHandle drop, std::uint32_t index, char* text,
                                        std::size_t capacity) {
  if (capacity == 0) return 0;
  text[0] = '\0';
  auto it = drops_.find(drop);
  if (it == drops_.end() || index >= it->second.size()) return 0;
  const std::string& name = it->second[index];
  return CopyText(text, capacity, name.c_str(), name.size());
}

void SimWindowHost::FinishDrop(DropHandle drop) {
  drops_.erase(drop);
  dropPoints_.erase(drop);
}

Point SimWindowHost::DropPoint(DropHandle drop) {
  auto it = dropPoints_.find(drop);
  return it == dropPoints_.end() ? Point{} : it->second;
}

}  // namespace qv::sim
