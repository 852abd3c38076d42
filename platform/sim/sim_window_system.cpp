// Simulated windows and messages.
#include "platform/sim/sim_window_system.h"

namespace qv::sim {

Status SimWindowSystem::ScreenToClient(WindowHandle window, Point& where) {
  auto it = origins_.find(window);
  if (it != origins_.end()) {
    where.x -= it->second.x;
    where.y -= it->second.y;
  }
  return OkOrFailed(window != 0);
}

LResult SimWindowSystem::SendMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                     LParam lParam) {
  log_.Add(EffectKind::Send, window, MessageFields{message, wParam, lParam, kForever});
  auto hung = hung_.find(window);
  if (hung != hung_.end() && hung->second) return 0;
  auto it = handlers_.find(window);
  if (it != handlers_.end()) return it->second(message, wParam, lParam);
  return 0;
}

Status SimWindowSystem::SendMessageTimeout(WindowHandle window, std::uint32_t message,
                                           WParam wParam, LParam lParam, std::uint32_t timeoutMs) {
  log_.Add(EffectKind::Send, window, MessageFields{message, wParam, lParam, timeoutMs});
  auto hung = hung_.find(window);
  if (hung != hung_.end() && hung->second) return Status::Failed;
  auto it = handlers_.find(window);
  if (it != handlers_.end()) it->second(message, wParam, lParam);
  return Status::Ok;
}

Status SimWindowSystem::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                  LParam lParam) {
  log_.Add(EffectKind::Post, window, MessageFields{message, wParam, lParam, 0});
  if (handlers_.count(window)) posted_.push_back(Posted{window, message, wParam, lParam});
  return Status::Ok;
}

WindowHandle SimWindowSystem::FindWindowByClass(const char* className) {
  auto it = classes_.find(className);
  return it == classes_.end() ? 0 : it->second;
}

WindowHandle SimWindowSystem::FirstChild(WindowHandle window) {
  auto it = children_.find(window);
  return it == children_.end() ? 0 : it->second;
}

int SimWindowSystem::PumpPosted() {
  int delivered = 0;
  while (!posted_.empty()) {
    const Posted p = posted_.front();
    posted_.erase(posted_.begin());
    auto it = handlers_.find(p.window);
    if (it == handlers_.end()) continue;
    it->second(p.message, p.wParam, p.lParam);
    ++delivered;
  }
  return delivered;
}

}  // namespace qv::sim
