#include "ui/error_box.h"

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

std::string SystemErrorText(unsigned long code) {
    char buffer[512];
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                    buffer, sizeof buffer, nullptr);
    while (length > 0 && (static_cast<unsigned char>(buffer[length - 1]) <= ' ' || buffer[length - 1] == '.')) {
        --length;
    }
    if (length == 0) return "System error " + std::to_string(code);
    return std::string(buffer, length);
}

}  // namespace velpiners
