#include "plugin/UniqueHandle.h"

#include <windows.h>

void HandleCloser::operator()(void* handle) const {
    CloseHandle(handle);
}

UniqueHandle adoptHandle(void* handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
