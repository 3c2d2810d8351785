// The program's own pictures for a test or benchmark that runs from the program's folder: velpiners.exe
// beside this executable, opened as data (nullptr when it is not there).
#pragma once

#include <windows.h>

#include <string>

namespace velpiners::test {

inline HMODULE LoadProgramBesideThisExe() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path);
    file.resize(file.find_last_of("\\/") + 1);
    return ::LoadLibraryExA((file + "velpiners.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

}  // namespace velpiners::test
