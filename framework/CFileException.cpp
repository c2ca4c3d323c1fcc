#include "framework/CFileException.h"

#include "framework/CSystemMessage.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG osError, LPCSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case 0: return none;
    case 2: case 6: return fileNotFound;                    // file not found, invalid handle
    case 3: case 15: case 123: case 161: case 206: return badPath;
    case 4: case 36: return tooManyOpenFiles;
    case 5: case 19: case 80: case 82: case 183: return accessDenied;
    case 16: return removeCurrentDir;
    case 21: case 23: case 29: case 30: return hardIO;      // not ready, CRC, write and read faults
    case 25: case 131: return badSeek;
    case 32: return sharingViolation;
    case 33: return lockViolation;
    case 38: return endOfFile;
    case 39: case 112: return diskFull;
    default: return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, LPCSTR fileName)
{
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

BOOL CFileException::GetErrorMessage(LPSTR buffer, UINT maxLength, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    CString text;
    if (m_lOsError > 0)
        text = CSystemMessage::Text(static_cast<DWORD>(m_lOsError));
    if (text.IsEmpty())
        text = CauseText();
    return CopyMessage(text, buffer, maxLength);
}

CString CFileException::CauseText() const
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unexpected error occurred while accessing %s.",
        "%s was not found.",
        "%s contains an incorrect path.",
        "%s could not be opened because there are too many open files.",
        "Access to %s was denied.",
        "An incorrect file handle was associated with %s.",
        "%s could not be removed because it is the current directory.",
        "%s could not be created because the directory is full.",
        "Seek failed on %s.",
        "A hardware I/O error was reported while accessing %s.",
        "A sharing violation occurred while accessing %s.",
        "A locking violation occurred while accessing %s.",
        "Disk full while accessing %s.",
        "An attempt was made to access %s past its end.",
    };
    int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    CString name = m_strFileName.IsEmpty() ? CString("the file") : m_strFileName;
    CString text;
    text.Format(texts[cause], name.GetString());
    return text;
}
