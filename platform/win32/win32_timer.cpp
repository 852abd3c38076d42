// timeSetEvent / timeKillEvent / timeGetTime, and the wait that keeps the
// user interface alive.
#include "platform/win32/win32_timer.h"

#include "platform/win32/win32_api.h"

namespace qv {
namespace {

// Runs on the system's timer thread. The slot outlives the timer: a callback
// that had already started when the timer was killed may still read it, so
// a freed slot keeps its callback until SetPeriodic hands it out again, and
// slots are handed out in turn so that this is as late as possible.
void CALLBACK TimerTrampoline(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
  auto* slot = reinterpret_cast<Win32MultimediaTimer::Slot*>(user);
  const TimerCallback callback = slot->callback.load(std::memory_order_acquire);
  if (callback != nullptr) callback(slot->context.load(std::memory_order_acquire));
}

}  // namespace

Win32MultimediaTimer::~Win32MultimediaTimer() {
  for (Slot& slot : slots_) {
    const std::uint32_t id = slot.id.exchange(0);
    if (id != 0) ::timeKillEvent(id);
  }
}

std::uint32_t Win32MultimediaTimer::SetPeriodic(std::uint32_t periodMs, std::uint32_t resolutionMs,
                                                TimerCallback callback, void* context) {
  if (callback == nullptr) return 0;
  for (std::size_t tried = 0; tried < kSlotCount; ++tried) {
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) % kSlotCount;
    if (slot.id.load() != 0) continue;
    slot.context.store(context, std::memory_order_release);
    slot.callback.store(callback, std::memory_order_release);
    const MMRESULT id = ::timeSetEvent(periodMs, resolutionMs, &TimerTrampoline,
                                       reinterpret_cast<DWORD_PTR>(&slot),
                                       TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    slot.id.store(id);
    return id;
  }
  return 0;
}

void Win32MultimediaTimer::Kill(std::uint32_t id) {
  if (id == 0) return;
  for (Slot& slot : slots_) {
    std::uint32_t expected = id;
    if (slot.id.compare_exchange_strong(expected, 0)) {
      ::timeKillEvent(id);
      return;
    }
  }
  // Not one of ours (or already killed): pass it on, the system ignores
  // identifiers it does not know.
  ::timeKillEvent(id);
}

std::uint32_t Win32MultimediaTimer::Now() { return ::timeGetTime(); }

void Win32MultimediaTimer::WaitUntil(bool (*done)(const void* context), const void* context) {
  // Every message is dispatched while waiting: a tick may be blocked in a
  // synchronous send to a window of this thread, or be showing a message box
  // for as long as the user takes, and the icon, its menu and the end of
  // the session must keep working meanwhile. A quit request taken from the
  // queue here is put back for the message loop when the wait is over.
  // The condition is looked at again at least this often when no message comes.
  constexpr DWORD kLookAgainMs = 1;
  bool quit = false;
  int quitCode = 0;
  while (!done(context)) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kLookAgainMs, QS_ALLINPUT);
    MSG msg;
    while (!done(context) && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        continue;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  if (quit) ::PostQuitMessage(quitCode);
}

}  // namespace qv
