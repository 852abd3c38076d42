// Command routing through the objects' tables, and the menu-item update record.
#include "framework/cmd_target.h"

#include "platform/constants.h"

namespace qv {

void CCmdUI::Enable(bool on) {
  menus_.EnableItem(m_menu, m_nID, on ? kMfEnabled : kMfGrayed);
  enableChanged_ = true;
}

bool CCmdTarget::OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                          CmdHandlerInfo* handlerInfo) {
  return DispatchOwnCommands(id, code, extra, handlerInfo);
}

bool CCmdTarget::DispatchOwnCommands(std::uint32_t, std::uint32_t, void*, CmdHandlerInfo*) {
  return false;
}

}  // namespace qv
