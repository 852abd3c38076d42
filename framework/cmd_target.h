// Command routing: objects that take commands (menu items, control
// notifications) and menu-update queries through tables from command ids to
// handler members, and the update record that greys or enables one item.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/messages.h"
#include "platform/menus.h"

namespace qv {

class CCmdTarget;

// Filled by a probe: OnCmdMsg with a handler-info record only asks whether a
// handler exists (and who has it) without calling it.
struct CmdHandlerInfo {
  CCmdTarget* target = nullptr;
};

// One menu item being asked whether it is enabled, while its pop-up opens.
class CCmdUI {
 public:
  CCmdUI(Menus& menus, MenuHandle menu, std::int32_t index, std::uint32_t id)
      : m_nID(id), m_nIndex(index), m_menu(menu), menus_(menus) {}

  void Enable(bool on = true);
  // Whether an update handler decided the item's state.
  bool enableChanged() const { return enableChanged_; }

  const std::uint32_t m_nID;
  const std::int32_t m_nIndex;
  const MenuHandle m_menu;

 private:
  Menus& menus_;
  bool enableChanged_ = false;
};

// One line of a command table: a command handler for (id, notification code)
// or an update handler for id.
template <class T>
struct CommandMapEntry {
  std::uint32_t id;
  std::uint32_t code;
  void (T::*onCommand)();
  void (T::*onUpdate)(CCmdUI*);
};

template <class T>
constexpr CommandMapEntry<T> OnCommandEntry(std::uint32_t id, void (T::*handler)()) {
  return {id, CN_COMMAND, handler, nullptr};
}
template <class T>
constexpr CommandMapEntry<T> OnNotifyEntry(std::uint32_t id, std::uint32_t code,
                                           void (T::*handler)()) {
  return {id, code, handler, nullptr};
}
template <class T>
constexpr CommandMapEntry<T> OnUpdateEntry(std::uint32_t id, void (T::*handler)(CCmdUI*)) {
  return {id, CN_UPDATE_COMMAND_UI, nullptr, handler};
}

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Routes a command (code = its notification code), an update query
  // (code = CN_UPDATE_COMMAND_UI, extra = the CCmdUI) or a probe (handlerInfo
  // given). Returns whether someone took it. The default asks only this
  // object's own table; windows that route further override it.
  virtual bool OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                        CmdHandlerInfo* handlerInfo);

 protected:
  // This object's own command table; each class with a table overrides this
  // and hands on to its base class when its table has no line for the id.
  virtual bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                   CmdHandlerInfo* handlerInfo);

  template <class T, std::size_t N>
  static bool DispatchCommandMap(T& target, const CommandMapEntry<T> (&map)[N], std::uint32_t id,
                                 std::uint32_t code, void* extra, CmdHandlerInfo* handlerInfo) {
    for (const CommandMapEntry<T>& entry : map) {
      if (entry.id != id) continue;
      if (code == CN_UPDATE_COMMAND_UI) {
        if (!entry.onUpdate || handlerInfo) continue;
        (target.*entry.onUpdate)(static_cast<CCmdUI*>(extra));
        return true;
      }
      if (!entry.onCommand || entry.code != code) continue;
      if (handlerInfo) {
        handlerInfo->target = &target;
        return true;
      }
      (target.*entry.onCommand)();
      return true;
    }
    return false;
  }
};

}  // namespace qv
