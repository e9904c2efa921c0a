#pragma once
// The one way from a handle to the framework object that holds it, for windows (CWnd) and menus
// (CMenu) alike: each thread keeps a map from the handles its objects hold to the objects. An
// object enters the map when it takes hold of its handle and leaves it when it lets go. Nothing
// is stored in the system's own per-handle data, so a handle that someone else labelled is never
// taken for one of ours, and a lookup never leaves the process (a window property or a menu's
// data would cost a round trip to the window server under some systems).

#include <unordered_map>

namespace framework {

template <class Handle, class Object>
class HandleMap {
public:
    // The object holding handle on this thread, or null.
    static Object* Find(Handle handle)
    {
        if (!handle)
            return nullptr;
        const auto& map = Map();
        const auto found = map.find(handle);
        return found == map.end() ? nullptr : found->second;
    }
    // False when handle is null or held already.
    static bool Add(Handle handle, Object* object)
    {
        return handle && Map().try_emplace(handle, object).second;
    }
    // Only the entry object made: a handle another object holds stays with it.
    static void Remove(Handle handle, const Object* object)
    {
        auto& map = Map();
        const auto found = map.find(handle);
        if (found != map.end() && found->second == object)
            map.erase(found);
    }

private:
    static std::unordered_map<Handle, Object*>& Map()
    {
        thread_local std::unordered_map<Handle, Object*> map;
        return map;
    }
};

}  // namespace framework
