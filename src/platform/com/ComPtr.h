#pragma once

#include "platform/com/ComObject.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace platform {

// Owning pointer to a reference-counted object: copying adds a reference, destruction
// releases one.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    explicit ComPtr(T* object) : m_object(object) { retain(); }
    ComPtr(const ComPtr& other) : m_object(other.m_object) { retain(); }
    ComPtr(ComPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    ComPtr(const ComPtr<U>& other) : m_object(other.get()) { retain(); }
    ~ComPtr() { drop(); }

    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }

    // Takes over a reference the caller already holds (from queryInterface).
    static ComPtr adopt(T* object)
    {
        ComPtr p;
        p.m_object = object;
        return p;
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void reset() { ComPtr().swap(*this); }
    void swap(ComPtr& other) noexcept { std::swap(m_object, other.m_object); }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.m_object == b.m_object; }
    friend bool operator==(const ComPtr& a, std::nullptr_t) { return a.m_object == nullptr; }

private:
    void retain()
    {
        if (m_object)
            m_object->addRef();
    }
    void drop()
    {
        if (m_object)
            std::exchange(m_object, nullptr)->release();
    }

    T* m_object = nullptr;
};

// A new object owned by the returned pointer.
template <typename T, typename... Args>
ComPtr<T> makeCom(Args&&... args)
{
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

// The object seen as interface I (which names its identity in I::iid), or null.
template <typename I>
ComPtr<I> queryInterface(ComObject& object)
{
    void* raw = nullptr;
    if (failed(object.queryInterface(I::iid, &raw)))
        return nullptr;
    return ComPtr<I>::adopt(static_cast<I*>(raw));
}

} // namespace platform
