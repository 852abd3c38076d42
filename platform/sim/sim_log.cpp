// Recording of effects in the simulated platform.
#include "platform/sim/sim_log.h"

#include "platform/text.h"

namespace qv::sim {

void Log::Add(EffectKind kind, WindowHandle window, std::int64_t a, std::int64_t b,
              std::int64_t c, std::int64_t d, const char* text) {
  if (!recording_) return;
  Effect e;
  e.kind = kind;
  e.window = window;
  e.a = a;
  e.b = b;
  e.c = c;
  e.d = d;
  if (text) CopyText(e.text, text);
  effects_.push_back(e);
}

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
