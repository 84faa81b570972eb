#pragma once

#include <memory>
#include <new>
#include <utility>

namespace quorlex {

// Leaves elements that a vector adds by resizing uninitialized: a raster's every byte is
// written by whoever sizes it, and clearing 36 MB first would double the cost of a decode.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };

    UninitializedAllocator() = default;
    template <typename U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

    template <typename U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

} // namespace quorlex
