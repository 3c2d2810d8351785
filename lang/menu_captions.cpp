#include "lang/menu_captions.h"

namespace velpiners {

TrayMenuCaptions MenuCaptionsOf(const TextTable& texts) {
    TrayMenuCaptions c;
    c.n1 = texts.Get(TextKey::mNewStick);
    c.newst1 = texts.Get(TextKey::mNewStick) + " (" + texts.Get(TextKey::mConfig) + ")";
    c.nClose = texts.Get(TextKey::mClose);
    c.nLang = texts.Get(TextKey::mLang);
    c.nRus = texts.Get(TextKey::mmRus);
    c.nEng = texts.Get(TextKey::mmEng);
    c.nAbout = texts.Get(TextKey::mAbout);
    c.ndeleteall = texts.Get(TextKey::mDeleteAll);
    c.nHotkey = texts.Get(TextKey::mHotKey);
    c.nHotCreate = texts.Get(TextKey::mNewStick);
    c.destv = texts.Get(TextKey::mDeist);
    c.findSrc = texts.Get(TextKey::mFindSreen);
    c.findTransp = texts.Get(TextKey::mFindTransp);
    c.nStickers = texts.Get(TextKey::mSticks);
    return c;
}

}  // namespace velpiners
