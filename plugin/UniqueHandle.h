#pragma once
// A Windows file handle that closes itself.

#include <memory>

struct HandleCloser {
    void operator()(void* handle) const;
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Takes over what a call returned; the invalid handle value becomes null.
UniqueHandle adoptHandle(void* handle);
