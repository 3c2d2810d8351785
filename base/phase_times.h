// Where the time of a start or of a paint goes: the work of opening, painting and saving stickers is cut into
// named phases, and a measuring program (the benchmarks) can have their wall-clock time and their calls summed.
// Counting is off unless that program switches it on; a scope then reads no clock and costs one test.
// Phases do not nest: each scope wraps one piece of work that no other scope wraps. Single-threaded, like
// the windows that use it.
#pragma once

#include <chrono>
#include <cstdint>

namespace velpiners::phase {

enum class Phase : int {
    kCreateWindow,   // the sticker's window: CreateWindowEx and its first placement
    kFormCreate,     // the sticker's defaults, menu and styles
    kMeasure,        // body text, caption and date measured
    kLoadPicture,    // the sticker's icon fetched
    kCompose,        // the skin compositor (or the background taken from the shared ones)
    kTint,           // the background copied and tinted
    kCaptionDate,    // caption and date lines drawn
    kBodyText,       // body text with its coverage mask
    kPictures,       // pushpin, pins and icon
    kPresentOwn,     // our part of presenting: sizing the window, finding its place
    kLayeredUpdate,  // UpdateLayeredWindow itself
    kPlaceShow,      // the controller moving and showing the new window
    kApplyLayer,     // the posted layer command: reparenting and z-order
    kMenuCaptions,   // the posted language command
    kWriteDatabase,  // base.db built from the table and written
    kCount
};

struct Totals {
    std::int64_t nanoseconds = 0;
    std::int64_t calls = 0;
};

void Enable(bool on);
[[nodiscard]] bool Enabled();
void Reset();
[[nodiscard]] Totals Get(Phase which);
[[nodiscard]] const char* NameOf(Phase which);
void Add(Phase which, std::int64_t nanoseconds);

class Scope {
public:
    explicit Scope(Phase which) : m_which(which), m_on(Enabled()) {
        if (m_on) m_start = std::chrono::steady_clock::now();
    }
    ~Scope() {
        if (m_on)
            Add(m_which,
                std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - m_start)
                    .count());
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    Phase m_which;
    bool m_on;
    std::chrono::steady_clock::time_point m_start{};
};

}  // namespace velpiners::phase
