#include "tests/win32/heap_quarantine.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace velpiners::test {
namespace {

constexpr unsigned char kFreedMarker = 0xDD;
constexpr std::size_t kMostKeptBlocks = 1 << 16;

struct Kept {
    void* block;
    std::size_t size;
};

// Plain arrays: the quarantine must not allocate through the operators it replaces.
bool g_active = false;
Kept g_kept[kMostKeptBlocks];
std::size_t g_keptCount = 0;
bool g_watching = false;
std::size_t g_largest = 0;

void* Allocate(std::size_t size) {
    if (g_watching && size > g_largest) g_largest = size;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    if (g_active && g_keptCount < kMostKeptBlocks) {
        const std::size_t size = _msize(block);
        std::memset(block, kFreedMarker, size);
        g_kept[g_keptCount++] = Kept{block, size};
        return;
    }
    std::free(block);
}

}  // namespace

Quarantine::Quarantine() {
    g_keptCount = 0;
    g_active = true;
}

Quarantine::~Quarantine() {
    g_active = false;
    for (std::size_t i = 0; i < g_keptCount; ++i) std::free(g_kept[i].block);
    g_keptCount = 0;
}

bool Quarantine::Clean() const {
    for (std::size_t i = 0; i < g_keptCount; ++i) {
        const auto* bytes = static_cast<const unsigned char*>(g_kept[i].block);
        for (std::size_t j = 0; j < g_kept[i].size; ++j)
            if (bytes[j] != kFreedMarker) return false;
    }
    return true;
}

std::size_t Quarantine::KeptBlocks() const { return g_keptCount; }

AllocationWatch::AllocationWatch() {
    g_largest = 0;
    g_watching = true;
}

AllocationWatch::~AllocationWatch() { g_watching = false; }

std::size_t AllocationWatch::Largest() const { return g_largest; }

}  // namespace velpiners::test

void* operator new(std::size_t size) { return velpiners::test::Allocate(size); }
void* operator new[](std::size_t size) { return velpiners::test::Allocate(size); }
void operator delete(void* block) noexcept { velpiners::test::Release(block); }
void operator delete[](void* block) noexcept { velpiners::test::Release(block); }
void operator delete(void* block, std::size_t) noexcept { velpiners::test::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { velpiners::test::Release(block); }
