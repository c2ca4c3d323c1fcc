#include "device/DeviceDiscovery.h"
#include "device/DravoApi.h"

BOOL DeviceDiscovery::Find(BOOL foundOnce, CList<void*, void*>& handles, int& count, int* answer)
{
    const DravoApi& library = DravoApi::Active();
    count = foundOnce ? library.update() : library.find();
    if (answer)
        *answer = count;
    for (int index = 0; index < count && index < MaxDevices; ++index) {
        DWORD handle = 0;
        library.retrieve(index, &handle);
        if (handle != 0)
            handles.AddTail(ToEntry(handle));
    }
    if (!handles.IsEmpty())
        return TRUE;
    count = 0;
    return FALSE;
}
