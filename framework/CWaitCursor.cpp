#include "framework/CWaitCursor.h"

#include "framework/CWinApp.h"
#include "framework/AfxGlobals.h"

namespace {

// Without an application object the cursor is set directly, and left as it is
// at the end: there is no count to tell the outermost user.
void SetWaitCursor()
{
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

}  // namespace

CWaitCursor::CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
    else
        SetWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}

void CWaitCursor::Restore()
{
    SetWaitCursor();
}
