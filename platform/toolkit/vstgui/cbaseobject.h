#pragma once

#include <cstdint>

namespace VSTGUI {

enum CMessageResult : int32_t {
    kMessageUnknown = 0,
    kMessageNotified = 1,
};

// Reference-counted root of the toolkit's objects. The count starts at 1
// (the creator's reference); forget() deletes the object at 0.
class CBaseObject {
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    void remember() { ++refCount_; }
    void forget() {
        if (--refCount_ == 0)
            delete this;
    }
    int32_t getNbReference() const { return refCount_; }

    virtual CMessageResult notify(CBaseObject* /*sender*/, const char* /*message*/) { return kMessageUnknown; }

private:
    int32_t refCount_ = 1;
};

// Owning smart pointer over a CBaseObject: holds one reference.
template <class T>
class SharedPointer {
public:
    SharedPointer() = default;
    // Takes over the creator's reference (no extra remember).
    static SharedPointer adopt(T* object) {
        SharedPointer p;
        p.object_ = object;
        return p;
    }
    SharedPointer(const SharedPointer& o) : object_(o.object_) {
        if (object_)
            object_->remember();
    }
    SharedPointer(SharedPointer&& o) noexcept : object_(o.object_) { o.object_ = nullptr; }
    SharedPointer& operator=(SharedPointer o) noexcept {
        T* t = object_;
        object_ = o.object_;
        o.object_ = t;
        return *this;
    }
    ~SharedPointer() {
        if (object_)
            object_->forget();
    }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

}  // namespace VSTGUI
