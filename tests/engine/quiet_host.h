// An engine host that ignores everything the engine tells it, for tests
// that look only at what the engine did through the platform.
#pragma once

#include "engine/engine_host.h"

namespace qv::test {

class QuietHost final : public EngineHost {
 public:
  void SetNotifyIcon(IconPicture) override {}
  void PollingStoppedByTick(bool) override {}
  void PostFavoritesCommand() override {}
  void ShowLaunchFailure() override {}
};

}  // namespace qv::test
