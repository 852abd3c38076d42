// Case folding of Shift-JIS names for the simulated registry and files.
#include "platform/sim/fold_case.h"

#include <cstddef>

#include "platform/text.h"

namespace qv::sim {
namespace {

// A run of capitals in one lead byte's row and where its small letters
// start; `gap` is a trail byte the small letters skip (0x7F is never a
// trail byte, and the Cyrillic small letters step over it).
struct CaseRun {
  unsigned char lead;
  unsigned char firstCapital;
  unsigned char lastCapital;
  unsigned char firstSmall;
  unsigned char gap;
};

constexpr CaseRun kDoubleByteRuns[] = {
    {0x82, 0x60, 0x79, 0x81, 0x00},  // full-width Latin Ａ..Ｚ, ａ..ｚ
    {0x83, 0x9F, 0xB6, 0xBF, 0x00},  // Greek Α..Ω, α..ω
    {0x84, 0x40, 0x60, 0x70, 0x7F},  // Cyrillic А..Я, а..я
};

unsigned char SmallTrail(unsigned char lead, unsigned char trail) {
  for (const CaseRun& run : kDoubleByteRuns) {
    if (lead != run.lead || trail < run.firstCapital || trail > run.lastCapital) continue;
    unsigned small = run.firstSmall + (trail - run.firstCapital);
    if (run.gap != 0 && small >= run.gap) ++small;
    return static_cast<unsigned char>(small);
  }
  return trail;
}

}  // namespace

std::string FoldCase(std::string name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLeadByte(byte) && i + 1 < name.size()) {
      const auto trail = static_cast<unsigned char>(name[i + 1]);
      name[i + 1] = static_cast<char>(SmallTrail(byte, trail));
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      name[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return name;
}

}  // namespace qv::sim
