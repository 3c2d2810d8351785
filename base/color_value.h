// A colour as the stored formats and the messages carry it: 0x00BBGGRR, red in the low byte; a set high
// byte names a system colour, which is looked up before any per-channel arithmetic.
#pragma once

#include <cstdint>

namespace velpiners {

using ColorValue = std::int32_t;

}  // namespace velpiners
