#pragma once
// Sole ownership of a kernel handle: closed exactly once, never copied.

#include <windows.h>

#include <memory>

namespace framework {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept
    {
        if (handle && handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};

using UniqueHandle = std::unique_ptr<void, KernelHandleCloser>;

}  // namespace framework
