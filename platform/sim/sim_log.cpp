// Recording of effects in the simulated platform.
#include "platform/sim/sim_log.h"

namespace qv::sim {

std::vector<Effect> Log::Of(EffectKind kind) const {
  std::vector<Effect> out;
  for (const Effect& e : effects_)
    if (e.kind == kind) out.push_back(e);
  return out;
}

std::size_t Log::Count(EffectKind kind) const {
  std::size_t n = 0;
  for (const Effect& e : effects_)
    if (e.kind == kind) ++n;
  return n;
}

}  // namespace qv::sim
