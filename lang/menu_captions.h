// The captions of the tray menu's fixed items in the current language, named after the items they label.
#pragma once

#include <string>

#include "lang/text_table.h"

namespace velpiners {

struct TrayMenuCaptions {
    std::string n1;          // quick new sticker
    std::string newst1;      // new sticker with the dialog: mNewStick + " (" + mConfig + ")"
    std::string nClose;      // exit
    std::string nLang;       // language submenu
    std::string nRus;        // built-in Russian
    std::string nEng;        // built-in English
    std::string nAbout;      // about
    std::string ndeleteall;  // delete all
    std::string nHotkey;     // hot-key submenu
    std::string nHotCreate;  // its create item
    std::string destv;       // actions submenu
    std::string findSrc;     // bring back off-screen stickers
    std::string findTransp;  // make transparent stickers visible
    std::string nStickers;   // stickers submenu
};

[[nodiscard]] TrayMenuCaptions MenuCaptionsOf(const TextTable& texts);

}  // namespace velpiners
