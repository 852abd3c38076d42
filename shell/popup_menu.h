// The notification icon's pop-up menu (menu resource 128) as data. The
// resource script says the same; a test under Wine reads the menu back from
// the program file and compares it with this table.
#pragma once

#include "framework/menu_template.h"
#include "platform/constants.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"

namespace qv {

inline constexpr MenuTemplateItem kPopUpItems[] = {
    {kMenuSetupText, ID_SETUP, 0},
    {kMenuFavoritesText, ID_FAVORITES, 0},
    {nullptr, 0, kMfSeparator},
    {kMenuHelpText, ID_HELP_CONTENTS, 0},
    {kMenuAboutText, ID_APP_ABOUT, 0},
    {nullptr, 0, kMfSeparator},
    {kMenuExitText, ID_APP_EXIT, 0},
};

inline constexpr MenuTemplatePopup kPopUpMenu[] = {
    {"PopUp", kPopUpItems, sizeof kPopUpItems / sizeof kPopUpItems[0]},
};

}  // namespace qv
