// A horizontal track bar with the ranges, steps and ticks the sticker dialogs use.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/control_win.h"

namespace velpiners {

struct TrackBarSetup {
    int min = 0;
    int max = 10;
    int position = 0;
    int tickFrequency = 1;  // a tick every this many units
    int lineSize = 1;       // arrow keys
    int pageSize = 2;       // Page Up and Page Down, a click beside the thumb
    bool ticksBothSides = false;
    int thumbLength = 0;  // 0: the system's
};

// The window alpha: 1..255 from opaque, a tick every 8 on both sides, a 14-pixel thumb.
inline constexpr TrackBarSetup kTransparencyTrackBar{1, 255, 255, 8, 1, 2, true, 14};
// The hide delay in steps of 20 ms: 1..255, moved 20 at a time, a tick every 8.
inline constexpr TrackBarSetup kHideDelayTrackBar{1, 255, 1, 8, 20, 20, false, 0};

class TrackBar : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, const TrackBarSetup& setup);
    // Moves the thumb (no event), kept within the range. The value stays `position` itself, also outside
    // the range, until the user moves the thumb: a stored value that the bar cannot show (a hide delay of 0)
    // does not change by being shown.
    void SetPosition(int position);
    [[nodiscard]] int Position() const;
    // What SetPosition set, or where the user has moved the thumb since.
    [[nodiscard]] int Value() const { return m_value; }

    // The user moved the thumb.
    std::function<void()> onChange;

    void ApplyDpi(int dpi, HFONT formFont) override;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int m_value = 0;
    int m_thumbLength = 0;
};

}  // namespace velpiners
