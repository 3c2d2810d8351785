#include "app/command_line.h"

namespace velpiners {
namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads one parameter starting at pos; returns the position after it.
std::size_t NextParameter(std::string_view line, std::size_t pos, std::string& out) {
    out.clear();
    for (;;) {
        while (pos < line.size() && IsSeparator(line[pos])) ++pos;
        // An empty pair of quotes is skipped like a separator.
        if (pos + 1 < line.size() && line[pos] == '"' && line[pos + 1] == '"') {
            pos += 2;
        } else {
            break;
        }
    }
    while (pos < line.size() && !IsSeparator(line[pos])) {
        if (line[pos] == '"') {
            ++pos;
            while (pos < line.size() && line[pos] != '"') out += line[pos++];
            if (pos < line.size()) ++pos;
        } else {
            out += line[pos++];
        }
    }
    return pos;
}

}  // namespace

std::string CommandLineParameter(std::string_view commandLine, int index) {
    std::string parameter;
    std::size_t pos = 0;
    for (int i = 0; i <= index; ++i) {
        pos = NextParameter(commandLine, pos, parameter);
        if (parameter.empty()) return {};
    }
    return parameter;
}

bool WantsAutorun(std::string_view commandLine) {
    return CommandLineParameter(commandLine, 1).find("-autorun") != std::string::npos;
}

}  // namespace velpiners
