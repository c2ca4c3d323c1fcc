// The Windows-only part of CString: text from the program's string table.
#include "framework/AfxGlobals.h"
#include "framework/CString.h"

#include <vector>

BOOL CString::LoadString(UINT id)
{
    // LoadStringA cuts a long text to the buffer; grow until it fits.
    for (int size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(static_cast<size_t>(size));
        int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer.data(), size);
        if (length <= 0) {
            Empty();
            return FALSE;
        }
        if (length < size - 1) {
            m_str.assign(buffer.data(), static_cast<size_t>(length));
            return TRUE;
        }
    }
    Empty();
    return FALSE;
}
