#pragma once

#include "platform/base/Guid.h"
#include "platform/com/HResult.h"

#include <atomic>
#include <cstdint>

namespace platform {

// The IUnknown identity every object answers to.
inline constexpr Guid IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Base of every reference-counted object. The count is intrusive and starts at zero: the
// first ComPtr that takes the object owns it, and the last release deletes it.
//
// Interfaces are abstract classes that derive virtually from ComObject and name their
// identity in a static `iid`; a class answers for the interfaces it implements in
// interfaceFor(), returning `this` converted to the interface's pointer type.
class ComObject {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    uint32_t addRef() const noexcept { return m_refCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    uint32_t release() const noexcept
    {
        const uint32_t left = m_refCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    uint32_t refCount() const noexcept { return m_refCount.load(std::memory_order_relaxed); }

    // The object seen as interface `iid`, with a reference added for the caller; null and
    // E_NOINTERFACE when it does not implement it.
    HResult queryInterface(const Guid& iid, void** out)
    {
        if (!out)
            return E_POINTER;
        *out = interfaceFor(iid);
        if (!*out)
            return E_NOINTERFACE;
        addRef();
        return S_OK;
    }

protected:
    virtual ~ComObject() = default;
    // Each class adds its own interfaces and defers to its base for the rest.
    virtual void* interfaceFor(const Guid& requested)
    {
        return requested == IID_IUnknown ? this : nullptr;
    }

private:
    mutable std::atomic<uint32_t> m_refCount{0};
};

} // namespace platform
