#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// What the main thread hands to the render thread, in order and without a
// lock: a single-producer, single-consumer ring of records (a kind, a field,
// an offset and the payload bytes).
//
// The producer stages records and publishes them together: the consumer sees
// nothing of a batch until all of it is published, so everything one main
// thread call hands over reaches the same render call. Positions count bytes
// from the ring's creation and never go back; a published position serves as
// the ticket of everything staged before it, and delivered() tells how far
// the consumer has applied.
class AAXHostDeliveryRing {
public:
    enum Kind : uint32_t { Packet, PrivateWrite, Transport, Skip };
    struct Record {
        Kind kind;
        int32_t field;
        uint32_t offset;
        uint32_t size;
        const unsigned char* data;  // size bytes
    };

    // Room for at least four records of largestPayload bytes, and 64 KiB.
    explicit AAXHostDeliveryRing(size_t largestPayload);
    AAXHostDeliveryRing(const AAXHostDeliveryRing&) = delete;
    AAXHostDeliveryRing& operator=(const AAXHostDeliveryRing&) = delete;

    // Producer. stage copies the record and answers false, staging nothing,
    // when the ring lacks the room (publish, and wait for the consumer).
    bool stage(Kind kind, int32_t field, uint32_t offset, const void* data, uint32_t size);
    void publish() { published_.store(staged_, std::memory_order_release); }
    // The position after the last published record (producer only).
    uint64_t published() const { return published_.load(std::memory_order_relaxed); }
    bool hasStaged() const { return staged_ != published(); }

    // Any thread: everything published up to this position has been applied.
    uint64_t delivered() const { return delivered_.load(std::memory_order_acquire); }

    // Consumer: applies every published record in order, then answers the
    // new delivered position. Neither blocks nor allocates.
    template <class Apply>
    uint64_t drain(Apply&& apply);

private:
    static constexpr size_t kHeaderSize = 16;
    static constexpr size_t kAlignment = 16;  // every record, so a wrap always leaves room for a header
    static size_t recordSize(uint32_t payload) {
        return (kHeaderSize + payload + kAlignment - 1) / kAlignment * kAlignment;
    }

    static_assert(std::atomic<uint64_t>::is_always_lock_free, "the render thread must not take a lock");
    size_t capacity_;
    std::unique_ptr<unsigned char[]> bytes_;
    uint64_t staged_ = 0;  // producer only: the end of the staged records
    std::atomic<uint64_t> published_{0};
    std::atomic<uint64_t> delivered_{0};
};

template <class Apply>
uint64_t AAXHostDeliveryRing::drain(Apply&& apply) {
    const uint64_t end = published_.load(std::memory_order_acquire);
    uint64_t at = delivered_.load(std::memory_order_relaxed);
    while (at < end) {
        const unsigned char* header = bytes_.get() + at % capacity_;
        Record record;
        uint32_t kind = 0;
        std::memcpy(&kind, header, 4);
        std::memcpy(&record.field, header + 4, 4);
        std::memcpy(&record.offset, header + 8, 4);
        std::memcpy(&record.size, header + 12, 4);
        record.kind = static_cast<Kind>(kind);
        record.data = header + kHeaderSize;
        // A Skip record fills the end of the buffer; its size counts the bytes skipped.
        if (record.kind != Skip)
            apply(static_cast<const Record&>(record));
        at += record.kind == Skip ? record.size : recordSize(record.size);
    }
    delivered_.store(at, std::memory_order_release);
    return at;
}
