#include "framework/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const AFX_MSGMAP_ENTRY kNoEntries[] = {{AfxEntryEnd, 0, 0, 0, 0, nullptr, nullptr}};
const AFX_MSGMAP kRootMap = {nullptr, kNoEntries};

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT kind, UINT message, UINT code, UINT id)
{
    if (entry.nKind != kind)
        return false;
    switch (kind) {
    case AfxEntryRegistered:
        return entry.pnRegistered && *entry.pnRegistered == message && message != 0;
    case AfxEntryCommand:
    case AfxEntryNotify:
        return entry.nCode == code && id >= entry.nID && id <= entry.nLastID;
    case AfxEntryReflectCommand:
    case AfxEntryReflectNotify:
        return entry.nCode == code;
    default:
        return entry.nMessage == message;
    }
}

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    return &kRootMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT kind, UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nKind != AfxEntryEnd; ++entry) {
            if (Matches(*entry, kind, message, code, id))
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchToMap(UINT kind, UINT message, UINT code, UINT id, AFX_MSGCALL& call)
{
    const AFX_MSGMAP_ENTRY* entry = FindEntry(kind, message, code, id);
    return entry && entry->pfn(this, call);
}
