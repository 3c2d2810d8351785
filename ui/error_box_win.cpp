#include "ui/error_box_win.h"

#include <windows.h>

namespace velpiners {
namespace {

ErrorSink g_sink = nullptr;

}  // namespace

void ShowErrorBox(const std::string& text) {
    std::string message = text;
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    if (g_sink != nullptr) {
        g_sink(message);
        return;
    }
    ::MessageBoxA(nullptr, message.c_str(), "Velpiners", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

ErrorSink SetErrorSink(ErrorSink sink) {
    ErrorSink previous = g_sink;
    g_sink = sink;
    return previous;
}

}  // namespace velpiners
