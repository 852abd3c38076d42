// The button page with its slot poll on a thread of its own, as the
// system's timer runs it: OK pressed while polls keep choosing slots, many
// times over, stores every edit, ends the poll and never hangs.
#include "config/button_page.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "config/config_ids.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "resources/quorvantix_dialogs.h"

namespace qv {
namespace {

// The fixture's own timer, pad and post box stand in for the system's, on
// real threads.
class ButtonPageThreads : public ::testing::Test {
 protected:
  // A periodic timer on a real thread, with a period far shorter than the
  // real one, so that polls run through every step of the page's OK.
  class ThreadTimer final : public MultimediaTimer {
   public:
    ~ThreadTimer() override { Kill(1); }
    std::uint32_t SetPeriodic(std::uint32_t, std::uint32_t, TimerCallback callback,
                              void* context) override {
      stop_.store(false);
      thread_ = std::thread([this, callback, context] {
        while (!stop_.load()) {
          callback(context);
          ++ticks;
          std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
      });
      return 1;
    }
    void Kill(std::uint32_t) override {
      stop_.store(true);
      if (thread_.joinable()) thread_.join();
    }
    std::uint32_t Now() override { return 0; }
    void WaitUntil(bool (*done)(const void*), const void* context) override {
      while (!done(context)) std::this_thread::yield();
    }
    std::atomic<int> ticks{0};

   private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
  };

  // A pad whose button `button` is down at every other read.
  class BlinkingPad final : public Joystick {
   public:
    Status GetCaps(std::uint32_t, JoyCaps&) override { return Status::Ok; }
    Status GetPosEx(std::uint32_t, JoyInfoEx& sample) override {
      sample.dwButtons = (reads_.fetch_add(1) % 2 == 0) ? 1u << button.load() : 0u;
      return Status::Ok;
    }
    std::atomic<int> button{0};

   private:
    std::atomic<int> reads_{0};
  };

  // The poll's posts, kept under a lock until the user-interface thread
  // hands them to the simulated window system, whose queue is that thread's.
  class LockedPosts final : public WindowSystem {
   public:
    explicit LockedPosts(WindowSystem& inner) : inner_(inner) {}
    Status PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                       LParam lParam) override {
      std::lock_guard<std::mutex> lock(mutex_);
      posts_.push_back({window, message, wParam, lParam, 0});
      return Status::Ok;
    }
    void Deliver() {
      std::vector<Msg> posts;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        posts.swap(posts_);
      }
      for (const Msg& m : posts) Ignore(inner_.PostMessage(m.hwnd, m.message, m.wParam, m.lParam));
    }
    Status GetCursorPos(Point& where) override { return inner_.GetCursorPos(where); }
    WindowHandle WindowFromPoint(Point where) override { return inner_.WindowFromPoint(where); }
    Status ScreenToClient(WindowHandle w, Point& where) override {
      return inner_.ScreenToClient(w, where);
    }
    LResult SendMessage(WindowHandle w, std::uint32_t m, WParam wp, LParam lp) override {
      return inner_.SendMessage(w, m, wp, lp);
    }
    Status SendMessageTimeout(WindowHandle w, std::uint32_t m, WParam wp, LParam lp,
                              std::uint32_t ms) override {
      return inner_.SendMessageTimeout(w, m, wp, lp, ms);
    }
    WindowHandle FindWindowByClass(const char* name) override {
      return inner_.FindWindowByClass(name);
    }
    WindowHandle FirstChild(WindowHandle w) override { return inner_.FirstChild(w); }
    void SetForegroundWindow(WindowHandle w) override { inner_.SetForegroundWindow(w); }
    WindowHandle DesktopWindow() override { return inner_.DesktopWindow(); }

   private:
    WindowSystem& inner_;
    std::mutex mutex_;
    std::vector<Msg> posts_;
  };
};

TEST_F(ButtonPageThreads, OkWhilePollsChooseSlotsStoresEveryEditAndEndsThePoll) {
  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  host.RegisterDialogTemplates(sim::rc::kQuorvantixDialogs);
  ThreadTimer timer;
  BlinkingPad pad;
  LockedPosts posts{sim.windows};
  Platform threaded{pad,           timer,        sim.sound,   sim.input,
                    posts,         sim.menus,    sim.shell,   sim.registry,
                    sim.process,   sim.files,    sim.dialogs};

  constexpr int kRuns = 64;
  for (int run = 0; run < kRuns; ++run) {
    PadCapture capture{threaded};
    CMyPropertyPage1 page{host, capture};
    CPropertySheet sheet{host, "Sheet"};
    sheet.AddPage(&page);
    pad.button.store(run % BUTTON_SLOTS);
    const std::string path = "C:\\run" + std::to_string(run) + ".exe";
    int editedSlot = -1;
    host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
      const WindowHandle p = h.ActivePage(s.GetSafeHwnd());
      // Let the poll choose the run's slot, then edit it while the poll
      // keeps posting the same choice.
      while (page.curSlot != run % BUTTON_SLOTS) {
        posts.Deliver();
        h.Pump();
        std::this_thread::yield();
      }
      editedSlot = page.curSlot;
      h.Click(p, IDC_ACTION_LAUNCH);
      h.Type(p, IDC_APP_PATH, path.c_str());
      // Another button from now on: the poll may post a switch at any moment.
      pad.button.store((run + 1) % BUTTON_SLOTS);
      posts.Deliver();
      h.PressSheetButton(s.GetSafeHwnd(), kIdOk);
      // Whatever the poll posted before it stopped finds the page closed.
      posts.Deliver();
      h.Pump();
    };
    ASSERT_EQ(sheet.DoModal(), kIdOk);
    ASSERT_EQ(editedSlot, run % BUTTON_SLOTS);
    EXPECT_EQ(page.ButtonFlags[editedSlot], BA_LAUNCH) << "run " << run;
    EXPECT_EQ(std::string(page.AppPath[editedSlot]), path) << "run " << run;
    const int ticks = timer.ticks.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_EQ(timer.ticks.load(), ticks) << "no poll after OK";
  }
}

}  // namespace
}  // namespace qv
