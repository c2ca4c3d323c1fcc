#pragma once
// A binary file. Open reports failure through its result (and the optional
// exception record); the other operations throw CFileException.
#include "framework/CFileException.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT
    {
        begin = 0,
        current = 1,
        end = 2
    };

    CFile();
    // Opens or throws CFileException.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    // Closes an open file without throwing.
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    HANDLE m_hFile;

    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // The bytes read; fewer than nCount at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // All nCount bytes, or a CFileException (a short write counts as a full disk).
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Close();
    // Closes without throwing, whatever the state.
    virtual void Abort();
    virtual void Flush();
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    ULONGLONG GetPosition() const;
    const CString& GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;

private:
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName;
};
