// The uninstall deletes the resident program's settings section by section:
// its list of sections must be exactly the one the program writes.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "product/product.h"
#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

TEST(SettingsSections, AreThoseTheResidentProgramWrites) {
  EngineRig rig;
  rig.engine.SaveSettings();
  const std::string root = std::string(kProfileRoot) + "\\";
  std::set<std::string> written;
  for (const std::string& write : rig.sim.registry.writes) {
    ASSERT_EQ(write.compare(0, root.size(), root), 0) << write;
    const std::string rest = write.substr(root.size());
    written.insert(rest.substr(0, rest.find('\\')));
  }
  const std::set<std::string> listed(std::begin(kSettingsSections), std::end(kSettingsSections));
  EXPECT_EQ(written, listed);
}

}  // namespace
}  // namespace qv::test
