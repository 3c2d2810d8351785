// Today's date as a new sticker's date line shows it, read from the local clock.
#pragma once

#include <windows.h>

#include <string>

#include "sticker/sticker_state.h"

namespace velpiners {

[[nodiscard]] inline std::string TodayText() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return FormatStickerDate(now.wDay, now.wMonth, now.wYear);
}

}  // namespace velpiners
