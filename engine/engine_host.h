// What the engine needs from the view that owns it: the icon's pictures,
// the view state that the polling callback writes when it stops itself, the
// favourites command, and the message that a program could not be started.
// The engine names nothing of the shell; the host maps these to its own
// resources, commands and texts.
#pragma once

namespace qv {

// The notification icon's pictures: running, paused (by the user or by the
// pad failing), running with a button latched in hold mode.
enum class IconPicture { Active, Paused, Holding };

class EngineHost {
 public:
  EngineHost() = default;
  EngineHost(const EngineHost&) = delete;
  EngineHost& operator=(const EngineHost&) = delete;

  // Shows one of the pictures; safe from either thread.
  virtual void SetNotifyIcon(IconPicture picture) = 0;
  // The tick stopped polling by itself: timerRunning = 0, padError as given.
  virtual void PollingStoppedByTick(bool padError) = 0;
  // A favourites button was released: the favourites menu is to open, on
  // the user-interface thread (posted there, never called into).
  virtual void PostFavoritesCommand() = 0;
  // A program or document could not be started. Called on the tick's
  // thread; shows the message and returns when the user has answered it,
  // so that no tick runs meanwhile.
  virtual void ShowLaunchFailure() = 0;

 protected:
  virtual ~EngineHost() = default;
};

}  // namespace qv
