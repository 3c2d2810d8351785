#include "store/database_watch.h"

namespace velpiners {
namespace {

constexpr std::uint64_t kFnvOffsetBasis = 0xCBF29CE484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001B3ULL;

}  // namespace

std::uint64_t Fnv1a64(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = kFnvOffsetBasis;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= data[i];
        hash *= kFnvPrime;
    }
    return hash;
}

bool ChangedByAnotherWriter(const DatabaseState& known, const DatabaseState& now) {
    if (!now.exists) return false;
    if (!known.exists) return true;
    return now.size != known.size || now.hash != known.hash;
}

}  // namespace velpiners
