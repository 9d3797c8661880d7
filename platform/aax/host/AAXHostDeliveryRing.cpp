#include "AAXHostDeliveryRing.h"

namespace {

constexpr size_t kMinimumCapacity = 64 * 1024;

void putHeader(unsigned char* at, uint32_t kind, int32_t field, uint32_t offset, uint32_t size) {
    std::memcpy(at, &kind, 4);
    std::memcpy(at + 4, &field, 4);
    std::memcpy(at + 8, &offset, 4);
    std::memcpy(at + 12, &size, 4);
}

}  // namespace

AAXHostDeliveryRing::AAXHostDeliveryRing(size_t largestPayload) {
    capacity_ = kMinimumCapacity;
    while (capacity_ < 4 * recordSize(static_cast<uint32_t>(largestPayload)))
        capacity_ *= 2;
    bytes_.reset(new unsigned char[capacity_]());
}

bool AAXHostDeliveryRing::stage(Kind kind, int32_t field, uint32_t offset, const void* data, uint32_t size) {
    const size_t needed = recordSize(size);
    const size_t start = staged_ % capacity_;
    // A record never wraps: one that does not fit before the end of the
    // buffer goes to its start, behind a Skip record over the rest.
    const size_t skip = start + needed > capacity_ ? capacity_ - start : 0;
    const uint64_t free = capacity_ - (staged_ - delivered_.load(std::memory_order_acquire));
    if (skip + needed > free)
        return false;
    if (skip > 0) {
        putHeader(bytes_.get() + start, Skip, 0, 0, static_cast<uint32_t>(skip));
        staged_ += skip;
    }
    unsigned char* at = bytes_.get() + staged_ % capacity_;
    putHeader(at, kind, field, offset, size);
    if (size > 0)
        std::memcpy(at + kHeaderSize, data, size);
    staged_ += needed;
    return true;
}
