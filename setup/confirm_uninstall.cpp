// Only Yes goes on; the result picks the closing message.
#include "setup/confirm_uninstall.h"

#include "platform/constants.h"
#include "setup/texts.h"
#include "setup/uninstall.h"

namespace qv {

void ConfirmUninstall(SetupContext& setup) {
  if (setup.Tell(kConfirmUninstallText, kMbYesNo | kMbIconExclamation) != kIdYes) return;
  if (UninstallProduct(setup)) {
    setup.Tell(kUninstallDoneText, kMbOk | kMbIconInformation);
  } else {
    setup.Tell(kUninstallFailedText, kMbOk);
  }
}

}  // namespace qv
