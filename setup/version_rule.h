// Which start-menu programs folder holds the links, and whether the system
// needs the compatibility entry, by the platform version word.
#pragma once

#include <cstdint>

#include "platform/registry.h"

namespace qv {

// The platform version word's major version is its low byte, the minor
// version the byte above.
inline constexpr std::uint32_t kVersionByteMask = 0xFFu;
inline constexpr int kMinorVersionShift = 8;

struct ProgramGroupRule {
  int csidl;                // kCsidlCommonPrograms or kCsidlPrograms
  bool compatibilityEntry;  // the later 9x versions
};

[[nodiscard]] ProgramGroupRule ProgramGroupRuleFor(std::uint32_t versionWord);

enum class RuleUse { Install, Uninstall };

// Writes (install) or removes (uninstall) the compatibility entry where the
// rule asks for it, outcome untested; returns the special folder's id.
int ApplyVersionRule(std::uint32_t versionWord, Registry& registry, RuleUse use);

}  // namespace qv
