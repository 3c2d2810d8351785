#include "base/phase_times.h"

#include <array>

namespace velpiners::phase {
namespace {

bool g_enabled = false;
std::array<Totals, static_cast<std::size_t>(Phase::kCount)> g_totals{};

}  // namespace

void Enable(bool on) { g_enabled = on; }

bool Enabled() { return g_enabled; }

void Reset() { g_totals.fill(Totals{}); }

Totals Get(Phase which) { return g_totals[static_cast<std::size_t>(which)]; }

void Add(Phase which, std::int64_t nanoseconds) {
    Totals& totals = g_totals[static_cast<std::size_t>(which)];
    totals.nanoseconds += nanoseconds;
    ++totals.calls;
}

const char* NameOf(Phase which) {
    switch (which) {
        case Phase::kCreateWindow:
            return "create window";
        case Phase::kFormCreate:
            return "form defaults";
        case Phase::kMeasure:
            return "measure texts";
        case Phase::kLoadPicture:
            return "load icon";
        case Phase::kCompose:
            return "compose skin";
        case Phase::kTint:
            return "copy and tint";
        case Phase::kCaptionDate:
            return "caption, date";
        case Phase::kBodyText:
            return "body text";
        case Phase::kPictures:
            return "pins, icon";
        case Phase::kPresentOwn:
            return "present (ours)";
        case Phase::kLayeredUpdate:
            return "UpdateLayeredWindow";
        case Phase::kPlaceShow:
            return "move and show";
        case Phase::kApplyLayer:
            return "apply layer";
        case Phase::kMenuCaptions:
            return "menu captions";
        case Phase::kWriteDatabase:
            return "write base.db";
        case Phase::kCount:
            break;
    }
    return "?";
}

}  // namespace velpiners::phase
