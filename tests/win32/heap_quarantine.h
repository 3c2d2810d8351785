// Watching the heap of the Windows tests. While a Quarantine lives, every block the program frees with
// delete is filled with a marker and kept instead of going back to the heap; Clean() then tells whether
// anything wrote into freed memory since (a use-after-free catcher). While an AllocationWatch lives, it
// keeps the largest single block asked of operator new. The global operator new and delete of the test
// program are replaced for this (heap_quarantine.cpp).
#pragma once

#include <cstddef>

namespace velpiners::test {

class Quarantine {
public:
    Quarantine();
    ~Quarantine();  // frees the kept blocks
    Quarantine(const Quarantine&) = delete;
    Quarantine& operator=(const Quarantine&) = delete;

    // True when every kept block still holds only the marker.
    [[nodiscard]] bool Clean() const;
    [[nodiscard]] std::size_t KeptBlocks() const;
};

class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    [[nodiscard]] std::size_t Largest() const;
};

}  // namespace velpiners::test
