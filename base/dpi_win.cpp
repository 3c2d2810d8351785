#include "base/dpi_win.h"

#include "base/dpi.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

GetDpiForWindowFn WindowDpiFunction() {
    static const auto function = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return function;
}

GetDpiForMonitorFn MonitorDpiFunction() {
    static const auto function = [] {
        HMODULE shcore = ::LoadLibraryA("shcore.dll");
        return shcore != nullptr ? reinterpret_cast<GetDpiForMonitorFn>(
                                       reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
                                 : nullptr;
    }();
    return function;
}

}  // namespace

int SystemDpi() {
    WindowDc screen(nullptr);
    return SaneDpi(screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : kBaseDpi);
}

int DpiOfWindow(HWND hwnd) {
    if (hwnd != nullptr) {
        if (const GetDpiForWindowFn function = WindowDpiFunction()) {
            const UINT dpi = function(hwnd);
            if (dpi != 0) return SaneDpi(static_cast<int>(dpi));
        }
    }
    return SystemDpi();
}

int DpiOfMonitor(HMONITOR monitor) {
    if (monitor != nullptr) {
        if (const GetDpiForMonitorFn function = MonitorDpiFunction()) {
            UINT x = 0;
            UINT y = 0;
            if (SUCCEEDED(function(monitor, kEffectiveDpi, &x, &y)) && y != 0) return SaneDpi(static_cast<int>(y));
        }
    }
    return SystemDpi();
}

int DpiOfRect(const RECT& rect) { return DpiOfMonitor(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)); }

}  // namespace velpiners
