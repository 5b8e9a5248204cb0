// Owned.hpp: sole ownership of an object whose type the owner may only name. The way to delete
// the object is taken along when ownership is handed over, where its type is complete, so the
// owner can be declared (and destroyed) without seeing that type.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

namespace base
{
template <typename T>
class Owned
{
public:
    Owned() = default;
    Owned(std::nullptr_t) {}
    template <typename U>
    Owned(std::unique_ptr<U> object)
        : object_(object.release(), [](T* p) { std::default_delete<U>()(static_cast<U*>(p)); })
    {}

    // The object, made by T's default constructor first when there is none yet.
    T& orMake()
    {
        if (!object_)
            *this = Owned(std::make_unique<T>());
        return *object_;
    }

    T* get() const { return object_.get(); }
    T& operator*() const { return *object_; }
    T* operator->() const { return object_.get(); }
    explicit operator bool() const { return object_ != nullptr; }
    void reset() { object_.reset(); }

private:
    std::unique_ptr<T, void (*)(T*)> object_{nullptr, nullptr};
};
} // namespace base
