#pragma once
// Shows the wait cursor for the lifetime of the object (nesting allowed).
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows it again after something (a message box) changed the cursor.
    void Restore();
};
