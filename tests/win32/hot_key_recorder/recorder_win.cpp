// A stand-in of the hot-key library for the controller's tests: every call to its entry points, and its
// unloading, is appended as a line to a file named like the library with ".log" for ".dll" ("HotKey.log"
// beside a copy named "HotKey.dll"), so a test reads what the program did even after it was freed. Built
// twice: HotKeyRecorder.dll with both entry points, HotKeyHookOnly.dll without HookTablenum.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HINSTANCE g_instance = nullptr;

void Log(const char* line) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(g_instance, path, MAX_PATH);
    if (length < 4 || length >= MAX_PATH) return;
    std::string logPath(path, length - 4);
    logPath += ".log";
    if (FILE* file = std::fopen(logPath.c_str(), "ab")) {
        std::fputs(line, file);
        std::fputs("\n", file);
        std::fclose(file);
    }
}

}  // namespace

extern "C" {

void WINAPI Hook(int mode, int window) {
    char line[64];
    std::snprintf(line, sizeof line, "Hook %d %d", mode, window);
    Log(line);
}

#ifndef VELPINERS_RECORDER_HOOK_ONLY
void WINAPI HookTablenum(int enabled, int index) {
    char line[64];
    std::snprintf(line, sizeof line, "HookTablenum %d %d", enabled, index);
    Log(line);
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    if (reason == DLL_PROCESS_DETACH) Log("unloaded");
    return TRUE;
}

}  // extern "C"
