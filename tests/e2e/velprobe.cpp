// A small outside program for the end-to-end tests: finds the running controller by its class and talks to
// it over the WM_USER control interface, as any other program would.
//   velprobe wait SECONDS           exit 0 once a "TVelpin" window exists, 1 when none came in time
//   velprobe gone SECONDS           exit 0 once no "TVelpin" window exists, 1 otherwise
//   velprobe send COMMAND [WPARAM]  print the answer to WM_USER with lParam COMMAND
//   velprobe count CLASS            print how many top-level windows of the class exist
//   velprobe close                  post WM_CLOSE to the controller
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/protocol.h"

namespace {

HWND Controller() { return ::FindWindowA("TVelpin", nullptr); }

int WaitFor(bool present, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if ((Controller() != nullptr) == present) return 0;
        ::Sleep(50);
    }
    return 1;
}

struct CountState {
    const char* className;
    int count;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lParam) {
    auto* state = reinterpret_cast<CountState*>(lParam);
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, state->className) == 0) ++state->count;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    const char* verb = argv[1];
    if (std::strcmp(verb, "wait") == 0 && argc >= 3) return WaitFor(true, std::atoi(argv[2]));
    if (std::strcmp(verb, "gone") == 0 && argc >= 3) return WaitFor(false, std::atoi(argv[2]));
    if (std::strcmp(verb, "count") == 0 && argc >= 3) {
        CountState state{argv[2], 0};
        ::EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&state));
        std::printf("%d\n", state.count);
        return 0;
    }
    HWND controller = Controller();
    if (controller == nullptr) {
        std::fprintf(stderr, "velprobe: no TVelpin window\n");
        return 2;
    }
    if (std::strcmp(verb, "send") == 0 && argc >= 3) {
        const LPARAM command = static_cast<LPARAM>(std::strtoul(argv[2], nullptr, 0));
        const WPARAM value = argc >= 4 ? static_cast<WPARAM>(std::strtoul(argv[3], nullptr, 0)) : 0;
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutA(controller, velpiners::protocol::kWmUser, value, command, SMTO_ABORTIFHUNG, 5000,
                                   &answer)) {
            std::fprintf(stderr, "velprobe: no answer\n");
            return 3;
        }
        std::printf("%lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    if (std::strcmp(verb, "close") == 0) {
        ::PostMessageA(controller, WM_CLOSE, 0, 0);
        return 0;
    }
    return 64;
}
