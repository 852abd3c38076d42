/* The product's fixed names and its version, in one place for every layer
   of both programs and for their resource scripts: plain defines, so that
   the resource compiler reads them too, and typed names for C++. */
#ifndef QV_PRODUCT_PRODUCT_H
#define QV_PRODUCT_PRODUCT_H

/* Configured from project(... VERSION ...) in the top CMakeLists.txt. */
#include "product/version.h"

/* The application title: the profile's application key, the string
   resource of the title, the frame's title, the icon's tip, the title of
   the program's message boxes. */
#define QV_APP_TITLE "Quorvantix"
/* The maker's key of the per-user profile. */
#define QV_MAKER_KEY "Nerrow Lab"
/* The per-user profile: the framework's "Software\" prefix, the maker's
   key and the application title. */
#define QV_PROFILE_ROOT "Software\\" QV_MAKER_KEY "\\" QV_APP_TITLE

#ifndef RC_INVOKED
namespace qv {

inline constexpr char kAppTitle[] = QV_APP_TITLE;
inline constexpr char kMakerKey[] = QV_MAKER_KEY;
inline constexpr char kProfileRoot[] = QV_PROFILE_ROOT;
inline constexpr char kVersionText[] = QV_VERSION_TEXT;

/* The sections of the per-user profile: exactly those the resident
   program writes, and those the setup program's uninstall deletes. */
inline constexpr const char* kSettingsSections[] = {"Buttons", "SoundOn", "SoundOff",
                                                    "AP",      "Char",    "Code"};

}  // namespace qv
#endif

#endif
