#include "device/SubscribedHandles.h"

#include <utility>

void SubscribedHandles::Replace(std::vector<DWORD> handles)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_handles.swap(handles);
}

void SubscribedHandles::Clear()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_handles.clear();
}
