#pragma once
// Maps Win32 handles to the framework objects wrapping them. Permanent
// entries belong to objects that attached a handle themselves; a handle
// without one gets a temporary wrapper, which lives until the message loop
// next goes idle (AfxDeleteTempMaps) and never destroys the handle.
#include <cstddef>
#include <unordered_map>

// How many temporary wrappers exist in all maps together, so that the
// message loop can tell without a look at the queue that it has none to drop.
struct CHandleMapTemporaries
{
    static inline std::size_t count = 0;
};

// Obj is the wrapper class made for temporaries; Member is its handle field,
// which may be declared in a base class Owner.
template <class Obj, class Handle, class Owner, Handle Owner::*Member>
class CHandleMap
{
public:
    Obj* FromHandlePermanent(Handle handle) const
    {
        auto found = m_permanent.find(handle);
        return found == m_permanent.end() ? nullptr : found->second;
    }

    Obj* FromHandle(Handle handle)
    {
        if (!handle)
            return nullptr;
        if (Obj* permanent = FromHandlePermanent(handle))
            return permanent;
        auto found = m_temporary.find(handle);
        if (found != m_temporary.end())
            return found->second;
        Obj* wrapper = new Obj;
        wrapper->*Member = handle;
        m_temporary.emplace(handle, wrapper);
        ++CHandleMapTemporaries::count;
        return wrapper;
    }

    void SetPermanent(Handle handle, Obj* object) { m_permanent[handle] = object; }

    void RemoveHandle(Handle handle, const Obj* object)
    {
        auto found = m_permanent.find(handle);
        if (found != m_permanent.end() && found->second == object)
            m_permanent.erase(found);
    }

    void DeleteTemp()
    {
        if (m_temporary.empty())
            return;
        auto temporaries = std::move(m_temporary);
        m_temporary.clear();
        CHandleMapTemporaries::count -= temporaries.size();
        for (auto& entry : temporaries) {
            entry.second->*Member = nullptr;
            delete entry.second;
        }
    }

    // The maps outlive every static object of the program (global controls
    // are destroyed after main returns), so they are never freed.
    static CHandleMap& Instance()
    {
        static CHandleMap* map = new CHandleMap;
        return *map;
    }

private:
    std::unordered_map<Handle, Obj*> m_permanent;
    std::unordered_map<Handle, Obj*> m_temporary;
};
