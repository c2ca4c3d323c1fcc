#pragma once
// Base of every object with a message map. A map is a table of entries, each
// naming a message (or a command or notification with its control id) and a
// small thunk that unpacks the message's parameters and calls the handler
// member; the map of a class chains to the map of its base class.
#include "framework/CObject.h"

class CCmdTarget;

// One message on its way to a handler; the handler's result goes to result.
struct AFX_MSGCALL
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// Returns FALSE only when a handler declines the message (the _EX entries).
typedef BOOL (*AFX_PMSG)(CCmdTarget* target, AFX_MSGCALL& call);

enum AfxEntryKind : UINT
{
    AfxEntryEnd,
    AfxEntryMessage,          // a window message by number
    AfxEntryRegistered,       // a message registered at run time, by variable
    AfxEntryCommand,          // WM_COMMAND: notification code and id range
    AfxEntryNotify,           // WM_NOTIFY: notification code and id range
    AfxEntryReflectCommand,   // a control's own WM_COMMAND notification, reflected by its parent
    AfxEntryReflectNotify,    // a control's own WM_NOTIFY, reflected by its parent
    AfxEntryReflectMessage,   // a control's own colour, scroll or draw message, reflected
};

struct AFX_MSGMAP_ENTRY
{
    UINT nKind;
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    const UINT* pnRegistered;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The key under which the seven WM_CTLCOLOR... messages find their one handler.
const UINT AFX_WM_CTLCOLOR = 0x0019;

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // The first entry, from this class's map down to the base maps, that
    // takes the message; null when none does.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT kind, UINT message, UINT code = 0, UINT id = 0) const;
    // Finds and calls the handler; FALSE when there is none or it declined.
    BOOL DispatchToMap(UINT kind, UINT message, UINT code, UINT id, AFX_MSGCALL& call);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
