#pragma once
// Sole ownership of the system's handles: one move-only type per kind, closed exactly once by
// the function of that kind, never copied. Calls that report failure as INVALID_HANDLE_VALUE
// go through OwnFile / OwnFind, so an owner is either empty or holds a real handle.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

template <auto Close>
struct CloseWith {
    template <class Handle>
    void operator()(Handle handle) const noexcept
    {
        if (handle)
            Close(handle);
    }
};

template <class Handle, auto Close>
using UniqueOwner = std::unique_ptr<std::remove_pointer_t<Handle>, CloseWith<Close>>;

using UniqueHandle = UniqueOwner<HANDLE, &::CloseHandle>;   // kernel objects and open files
using UniqueFindHandle = UniqueOwner<HANDLE, &::FindClose>;  // a running directory search
using UniqueRegKey = UniqueOwner<HKEY, &::RegCloseKey>;

inline UniqueHandle OwnFile(HANDLE handle)
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

inline UniqueFindHandle OwnFind(HANDLE handle)
{
    return UniqueFindHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace framework
