// The batch program's allocation functions: blocks of a few megabytes or more are backed by
// large pages where the system offers them. They serve the whole process, the host library
// and the plug-in alike; the plug-in does not rely on them.
//
// A big mesh passes through buffers of tens of megabytes (the scene's arrays, the exporter's
// corner lists, sort orders, index buffers), each fresh from the system. With pages of 4 KB
// every one of them costs the system one page fault per 4 KB; with 2 MB pages, one per 2 MB.
// Everything else is left to malloc, and every block, big or not, is released with free.

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

// AddressSanitizer brings allocation functions of its own, which must stay in place.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVEX_KEEP_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORVEX_KEEP_ALLOCATOR 1
#endif

#if defined(__linux__) && !defined(ORVEX_KEEP_ALLOCATOR)
#include <sys/mman.h>

namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;
constexpr std::size_t kLargeBlock = std::size_t(4) << 20;

// A block of `size` bytes aligned to `alignment` (a power of two), or null.
void* allocate(std::size_t size, std::size_t alignment) noexcept {
    // No block can be this big; rounding such a size up could wrap around to a small one.
    if (size > std::numeric_limits<std::size_t>::max() / 2 ||
        alignment > std::numeric_limits<std::size_t>::max() / 2) {
        return nullptr;
    }
    if (size >= kLargeBlock) {
        const std::size_t rounded = (size + kLargePage - 1) / kLargePage * kLargePage;
        void* block = std::aligned_alloc(alignment > kLargePage ? alignment : kLargePage, rounded);
        if (block != nullptr) {
            madvise(block, rounded, MADV_HUGEPAGE); // only advice: without it the block is as good
        }
        return block;
    }
    if (alignment <= alignof(std::max_align_t)) {
        return std::malloc(size == 0 ? 1 : size);
    }
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    return std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded);
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    void* block = allocate(size, alignment);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

} // namespace

void* operator new(std::size_t size) {
    return allocateOrThrow(size, alignof(std::max_align_t));
}
void* operator new[](std::size_t size) {
    return allocateOrThrow(size, alignof(std::max_align_t));
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size, alignof(std::max_align_t));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size, alignof(std::max_align_t));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocate(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}

#endif
