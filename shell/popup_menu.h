// The notification icon's pop-up menu (menu resource 128) as data. The
// resource script says the same; a test under Wine reads the menu back from
// the program file and compares it with this table.
#pragma once

#include "engine/engine.h"
#include "framework/menu_template.h"
#include "platform/constants.h"

namespace qv {

inline constexpr MenuTemplateItem kPopUpItems[] = {
    {"セットアップ(S)...", ID_SETUP, 0},
    {"お気に入り(&F)...", ID_FAVORITES, 0},
    {nullptr, 0, kMfSeparator},
    {"ヘルプ(&H)", ID_HELP_CONTENTS, 0},
    {"Quorvantixについて (&A)...", ID_APP_ABOUT, 0},
    {nullptr, 0, kMfSeparator},
    {"終了(&X)", ID_APP_EXIT, 0},
};

inline constexpr MenuTemplatePopup kPopUpMenu[] = {
    {"PopUp", kPopUpItems, sizeof kPopUpItems / sizeof kPopUpItems[0]},
};

}  // namespace qv
