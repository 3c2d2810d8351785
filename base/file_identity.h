// Size and last write time of a file: what tells whether the file on disk is still the one that was read.
#pragma once

#include <cstdint>

namespace velpiners {

struct FileIdentity {
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;
    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.size == b.size && a.writeTime == b.writeTime;
    }
    friend bool operator!=(const FileIdentity& a, const FileIdentity& b) { return !(a == b); }
};

}  // namespace velpiners
