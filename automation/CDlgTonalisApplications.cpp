// The Auto Color page's application lists: the registered applications from
// the registry, and the applications that have a window.
#include "automation/CDlgTonalis.h"

#include "automation/ApplicationName.h"
#include "automation/CProcessSnapshot.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"

#include <cstring>
#include <new>

CString CDlgTonalis::ItemTextOf(const char* name, const char* description)
{
    CString text;
    text.Format("%s (%s)", name, description);
    return text;
}

// ---- Registered applications ------------------------------------------------

void CDlgTonalis::FreeRegisteredApplications()
{
    if (!m_pRegisteredList)
        return;
    while (!m_pRegisteredList->IsEmpty())
        delete static_cast<RegisteredApplicationEntry*>(m_pRegisteredList->RemoveHead());
}

void CDlgTonalis::LoadRegisteredApplications()
{
    FreeRegisteredApplications();
    if (!m_pRegisteredList)
        return;
    char name[MaxNameLength] = {};
    for (DWORD index = 0; EnumKey(index, RegKeyTonalis, name); ++index) {
        DWORD mode = 0;
        const CString key = SettingsLayout::TonalisKey(name);
        if (name[0] == '\0' || !ReadDword(RegValueMode, &mode, key))
            continue;
        auto* entry = new RegisteredApplicationEntry{};
        CopyRecordText(entry->name, sizeof entry->name, name);
        entry->mode = mode;
        char description[RegTextBufferSize + 1] = {};
        if (ReadString(RegValueDescription, description, RegTextBufferSize, key))
            CopyRecordText(entry->description, sizeof entry->description, description);
        m_pRegisteredList->AddTail(entry);
    }
}

BOOL CDlgTonalis::GetRegisteredApplication(int n, ApplicationEntry* out)
{
    if (!m_pRegisteredList || n < 0 || !out)
        return FALSE;
    POSITION pos = m_pRegisteredList->GetHeadPosition();
    for (int i = 0; pos; ++i) {
        const auto* entry = static_cast<const RegisteredApplicationEntry*>(m_pRegisteredList->GetNext(pos));
        if (i != n)
            continue;
        std::memcpy(out->name, entry->name, sizeof out->name);
        out->mode = entry->mode;
        std::memcpy(out->description, entry->description, sizeof out->description);
        return TRUE;
    }
    return FALSE;
}

void CDlgTonalis::FillRegisteredApplications()
{
    ApplicationEntry entry{};
    for (int n = 0; GetRegisteredApplication(n, &entry); ++n) {
        entry.registered = 1;
        AddApplication(entry);
        entry = ApplicationEntry{};
    }
}

// ---- The application list ----------------------------------------------------

// A list that refuses the item leaves the application out.
bool CDlgTonalis::AddApplication(const ApplicationEntry& entry)
{
    auto* data = new (std::nothrow) ApplicationEntry(entry);
    if (!data)
        return false;
    const int item = g_comboApplication.AddString(ItemTextOf(entry.name, entry.description));
    if (item < 0) {
        delete data;
        return false;
    }
    g_comboApplication.SetItemDataPtr(item, data);
    return true;
}

ApplicationEntry* CDlgTonalis::EntryAt(int index)
{
    if (index < 0 || index >= g_comboApplication.GetCount())
        return nullptr;
    void* data = g_comboApplication.GetItemDataPtr(index);
    return data == reinterpret_cast<void*>(static_cast<INT_PTR>(CB_ERR)) ? nullptr : static_cast<ApplicationEntry*>(data);
}

int CDlgTonalis::FindInApplicationList(const char* name)
{
    for (int i = 0; i < g_comboApplication.GetCount(); ++i) {
        const ApplicationEntry* entry = EntryAt(i);
        if (entry && std::strcmp(entry->name, name) == 0)
            return i;
    }
    return -1;
}

int CDlgTonalis::FindApplication(const char* name)
{
    return name ? FindInApplicationList(name) : -1;
}

void CDlgTonalis::FreeApplicationEntries()
{
    if (!g_comboApplication.m_hWnd)
        return;
    for (int i = 0; i < g_comboApplication.GetCount(); ++i) {
        delete EntryAt(i);
        g_comboApplication.SetItemDataPtr(i, nullptr);
    }
}

// Runs inside the system's enumeration: nothing may throw out of it.
BOOL CALLBACK CDlgTonalis::EnumApplicationWindowsProc(HWND hWnd, LPARAM lParam)
{
    const char* wanted = reinterpret_cast<const char*>(lParam);
    if (!wanted && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_SYSMENU))
        return TRUE;
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    try {
        CString name;
        DWORD process = 0;
        if (!IdentifyApplication(hWnd, true, name, &process) || (wanted && name != wanted) ||
            FindInApplicationList(name) >= 0)
            return TRUE;
        CString description;
        CProcessSnapshot::GetFileDescription(process, description);
        if (description.IsEmpty())
            description.LoadString(IDS_NO_DESCRIPTION);
        ApplicationEntry entry{};
        CopyRecordText(entry.name, sizeof entry.name, name);
        entry.mode = ApplicationModeNone;
        CopyRecordText(entry.description, sizeof entry.description, description);
        AddApplication(entry);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}
