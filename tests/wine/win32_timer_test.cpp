// The multimedia timer for real: its rate, that a kill followed by a wait
// really stops it, and that the wait keeps the waiting thread's windows
// alive (messages a tick sends, and posted ones) while it keeps a quit
// request for the message loop.
#include <atomic>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_timer.h"
#include "tests/wine/check.h"

namespace {

struct Ticks {
  std::atomic<int> count{0};
  std::atomic<bool> inTick{false};
};

void CountTick(void* context) {
  auto* ticks = static_cast<Ticks*>(context);
  ticks->inTick = true;
  ticks->count.fetch_add(1);
  ::Sleep(2);
  ticks->inTick = false;
}

bool TickFinished(const void* context) { return !static_cast<const Ticks*>(context)->inTick; }

struct Deadline {
  DWORD until;
  explicit Deadline(DWORD ms) : until(::GetTickCount() + ms) {}
};
bool DeadlinePassed(const void* context) {
  return static_cast<LONG>(::GetTickCount() - static_cast<const Deadline*>(context)->until) >= 0;
}

TEST_CASE(a_10ms_timer_ticks_about_every_10ms_until_killed) {
  qv::Win32MultimediaTimer timer;
  Ticks ticks;
  const std::uint32_t id = timer.SetPeriodic(10, 20, &CountTick, &ticks);
  CHECK(id != 0);
  ::Sleep(300);
  timer.Kill(id);
  timer.WaitUntil(&TickFinished, &ticks);
  const int counted = ticks.count.load();
  // 30 expected; loose bounds for a shared, loaded machine.
  CHECK(counted >= 10);
  CHECK(counted <= 45);
  ::Sleep(100);
  CHECK_EQ(ticks.count.load(), counted);
  CHECK(!ticks.inTick.load());
}

TEST_CASE(two_timers_run_side_by_side_and_stop_separately) {
  qv::Win32MultimediaTimer timer;
  Ticks fast;
  Ticks slow;
  const std::uint32_t a = timer.SetPeriodic(10, 10, &CountTick, &fast);
  const std::uint32_t b = timer.SetPeriodic(100, 10, &CountTick, &slow);
  CHECK(a != 0 && b != 0 && a != b);
  ::Sleep(350);
  timer.Kill(a);
  timer.WaitUntil(&TickFinished, &fast);
  const int fastCount = fast.count.load();
  ::Sleep(250);
  timer.Kill(b);
  timer.WaitUntil(&TickFinished, &slow);
  CHECK_EQ(fast.count.load(), fastCount);
  CHECK(slow.count.load() >= 2);
  CHECK(slow.count.load() < fastCount);
}

TEST_CASE(the_clock_follows_real_time) {
  qv::Win32MultimediaTimer timer;
  const std::uint32_t before = timer.Now();
  ::Sleep(50);
  const std::uint32_t elapsed = timer.Now() - before;
  CHECK(elapsed >= 40);
  CHECK(elapsed < 1000);
}

// A window on the test's thread that answers a sent message and counts
// posted ones as they are dispatched.
constexpr UINT kSentByTick = WM_USER + 1;
constexpr UINT kPosted = WM_USER + 2;
constexpr LRESULT kAnswerToTick = 42;
std::atomic<int> g_sentHandled{0};
std::atomic<int> g_postedHandled{0};

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSentByTick) {
    g_sentHandled.fetch_add(1);
    return kAnswerToTick;
  }
  if (message == kPosted) {
    g_postedHandled.fetch_add(1);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct SendingTick {
  qv::Win32MultimediaTimer* timer = nullptr;
  std::uint32_t id = 0;
  HWND window = nullptr;
  std::atomic<LRESULT> answer{0};
  std::atomic<bool> done{false};
  DWORD giveUpAt = 0;
};

// Blocks the timer thread in a synchronous send to the waiting thread's window.
void SendFromTick(void* context) {
  auto* tick = static_cast<SendingTick*>(context);
  if (tick->done) return;
  tick->answer = ::SendMessageW(tick->window, kSentByTick, 0, 0);
  tick->done = true;
}

bool SendDoneOrGaveUp(const void* context) {
  auto* tick = static_cast<const SendingTick*>(context);
  return tick->done || static_cast<LONG>(::GetTickCount() - tick->giveUpAt) >= 0;
}

TEST_CASE(waiting_serves_a_message_sent_by_a_tick_and_posted_ones) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &ProbeProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvTimerProbe";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, L"QvTimerProbe", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
  CHECK(window != nullptr);
  if (!window) return;
  ::PostMessageW(window, kPosted, 0, 0);

  qv::Win32MultimediaTimer timer;
  SendingTick tick;
  tick.window = window;
  tick.giveUpAt = ::GetTickCount() + 5000;
  tick.id = timer.SetPeriodic(10, 10, &SendFromTick, &tick);
  CHECK(tick.id != 0);
  timer.WaitUntil(&SendDoneOrGaveUp, &tick);
  CHECK(tick.done.load());  // false only if the wait let the send deadlock
  CHECK_EQ(tick.answer.load(), kAnswerToTick);
  CHECK_EQ(g_sentHandled.load(), 1);
  timer.Kill(tick.id);
  ::Sleep(30);  // a tick that started before the kill sees `done` and returns

  // The posted message was dispatched by the wait, as the icon's are.
  CHECK_EQ(g_postedHandled.load(), 1);
  MSG msg;
  CHECK(!::PeekMessageW(&msg, window, kPosted, kPosted, PM_REMOVE));
  ::DestroyWindow(window);
}

TEST_CASE(a_quit_request_taken_while_waiting_is_kept_for_the_message_loop) {
  qv::Win32MultimediaTimer timer;
  ::PostQuitMessage(5);
  Deadline soon(100);
  timer.WaitUntil(&DeadlinePassed, &soon);
  MSG msg;
  CHECK(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  CHECK_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  CHECK_EQ(msg.wParam, static_cast<WPARAM>(5));
}

TEST_CASE(waiting_for_a_condition_already_true_returns_at_once) {
  qv::Win32MultimediaTimer timer;
  Deadline past(0);
  const DWORD start = ::GetTickCount();
  timer.WaitUntil(&DeadlinePassed, &past);
  CHECK(::GetTickCount() - start < 100);
  Deadline soon(60);
  timer.WaitUntil(&DeadlinePassed, &soon);
  CHECK(::GetTickCount() - start >= 50);
}

}  // namespace

RUN_TESTS()
