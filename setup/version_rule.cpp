// The version rule. The word's top bit marks the 9x family, its low byte is
// the major version and its second byte the minor version; an NT system (or
// a 9x one older than 4) keeps its links for all users.
#include "setup/version_rule.h"

#include "platform/constants.h"
#include "platform/shell.h"
#include "setup/setup_names.h"

namespace qv {
namespace {

constexpr std::uint32_t kFamilyAndMajorMask = kVersion9xBit | kVersionByteMask;
constexpr std::uint32_t kFirstMajorWithLinksPerUser = 4;
constexpr std::uint32_t kFirst9xWithLinksPerUser = kVersion9xBit | kFirstMajorWithLinksPerUser;

}  // namespace

ProgramGroupRule ProgramGroupRuleFor(std::uint32_t versionWord) {
  if ((versionWord & kFamilyAndMajorMask) < kFirst9xWithLinksPerUser)
    return {kCsidlCommonPrograms, false};
  const std::uint32_t minor = (versionWord >> kMinorVersionShift) & kVersionByteMask;
  return {kCsidlPrograms, minor != 0};
}

int ApplyVersionRule(std::uint32_t versionWord, Registry& registry, RuleUse use) {
  const ProgramGroupRule rule = ProgramGroupRuleFor(versionWord);
  if (rule.compatibilityEntry) {
    const char* value = use == RuleUse::Install ? kCompatibilityValue : nullptr;
    Ignore(registry.WriteProfileEntry(kCompatibilitySection, kCompatibilityEntry, value));
  }
  return rule.csidl;
}

}  // namespace qv
