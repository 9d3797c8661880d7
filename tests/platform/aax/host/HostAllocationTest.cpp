// Counts heap allocations while the host renders, to show that the render
// path (packet delivery, render procedure, meters, transport) allocates
// nothing after setup.

#include <atomic>
#include <cstdlib>
#include <new>

#include "TestGainHost.h"

namespace {
std::atomic<bool> gCounting{false};
std::atomic<int> gAllocations{0};
}  // namespace

// The replacement pair below is matched (new with malloc, delete with free);
// GCC's inliner cannot see that and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (gCounting.load()) gAllocations.fetch_add(1);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using HostAllocation = TestGainHost;

TEST_F(HostAllocation, RenderingAllocatesNothing) {
    auto instance = make(AAXHostVariant::Stereo);
    Buffers audio(2, 512);
    instance->process(audio.inputs.data(), audio.outputs.data(), 512);  // first block and timer
    gAllocations = 0;
    gCounting = true;
    for (int block = 0; block < 200; ++block) {
        instance->process(audio.inputs.data(), audio.outputs.data(), 1 + block % 512);
    }
    gCounting = false;
    EXPECT_EQ(0, gAllocations.load());
    // The counter is live: an allocation made while counting is seen.
    gCounting = true;
    std::string id = std::string(kTestGainParameterID) + std::string(40, ' ');
    gCounting = false;
    EXPECT_GT(gAllocations.load(), 0);
}
