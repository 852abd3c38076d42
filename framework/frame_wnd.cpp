// Frame creation with its view, command routing and menu-item updates.
#include "framework/frame_wnd.h"

#include "framework/messages.h"
#include "framework/win_app.h"
#include "platform/constants.h"

namespace qv {
namespace {

// The child-window id of the frame's view, the first (and only) one it has.
constexpr std::uint32_t kFirstViewId = 0xE900;

}  // namespace

void CView::OnInitialUpdate() { Invalidate(); }

Status CFrameWnd::LoadFrame(const WindowCreateParams& params, CView* view) {
  view_ = view;
  const Status status = CreateEx(params);
  if (!Succeeded(status)) view_ = nullptr;
  return status;
}

int CFrameWnd::OnCreate() {
  if (CWnd::OnCreate() == -1) return -1;
  if (view_ == nullptr) return 0;
  WindowCreateParams child;
  child.style = kWsChild | kWsVisible;
  child.parent = GetSafeHwnd();
  child.childId = kFirstViewId;
  if (!Succeeded(view_->CreateEx(child))) {
    view_ = nullptr;
    return -1;
  }
  return 0;
}

void CFrameWnd::InitialUpdateFrame() {
  if (view_ != nullptr) view_->OnInitialUpdate();
}

bool CFrameWnd::OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                         CmdHandlerInfo* handlerInfo) {
  if (view_ != nullptr && view_->GetSafeHwnd() != 0 &&
      view_->OnCmdMsg(id, code, extra, handlerInfo))
    return true;
  if (DispatchOwnCommands(id, code, extra, handlerInfo)) return true;
  return app_.OnCmdMsg(id, code, extra, handlerInfo);
}

void CFrameWnd::OnInitMenuPopup(MenuHandle menu, std::uint32_t, bool systemMenu) {
  if (systemMenu) return;
  Menus& menus = platform().menus;
  const std::int32_t count = menus.ItemCount(menu);
  for (std::int32_t index = 0; index < count; ++index) {
    const std::uint32_t state = menus.ItemState(menu, index);
    if (state & (kMfSeparator | kMfPopup)) continue;
    const std::uint32_t id = menus.ItemId(menu, index);
    if (id == 0) continue;
    CCmdUI update(menus, menu, index, id);
    OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &update, nullptr);
    if (update.enableChanged()) continue;
    // No update handler decided: an item is usable exactly when some object
    // of the chain has a command handler for it.
    CmdHandlerInfo probe;
    update.Enable(OnCmdMsg(id, CN_COMMAND, nullptr, &probe));
  }
}

void CFrameWnd::PostNcDestroy() {
  view_ = nullptr;
  if (app_.m_pMainWnd == this) {
    app_.m_pMainWnd = nullptr;
    host().PostQuit(0);
  }
}

}  // namespace qv
