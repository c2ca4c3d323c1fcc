// The framework's exceptions: kinds, causes and their descriptions.
#include "framework/CFileException.h"
#include "framework/CMemoryException.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Exceptions, KindsAreReportedByRunTimeClass)
{
    CFileException file(CFileException::fileNotFound, 2, "a.dat");
    CMemoryException memory;
    const CException& asBase = file;
    EXPECT_TRUE(asBase.IsKindOf(RUNTIME_CLASS(CFileException)));
    EXPECT_TRUE(asBase.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(asBase.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(asBase.IsKindOf(RUNTIME_CLASS(CMemoryException)));
    EXPECT_STREQ(memory.GetRuntimeClass()->m_lpszClassName, "CMemoryException");
    EXPECT_EQ(memory.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CException));
}

TEST(Exceptions, OsErrorsMapToCauses)
{
    EXPECT_EQ(CFileException::OsErrorToException(2), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(3), CFileException::badPath);
    EXPECT_EQ(CFileException::OsErrorToException(5), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(32), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToException(112), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(99999), CFileException::genericException);
    try {
        CFileException::ThrowOsError(5, "x.dat");
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::accessDenied);
        EXPECT_EQ(e.m_lOsError, 5);
        EXPECT_STREQ(e.m_strFileName, "x.dat");
    }
}

TEST(Exceptions, DescriptionsFitTheCallersBuffer)
{
    CFileException e(CFileException::fileNotFound, 2, "C:\\data\\colour.dat");
    char big[256];
    ASSERT_TRUE(e.GetErrorMessage(big, sizeof big));
    EXPECT_GT(strlen(big), 0u);
#ifndef _WIN32
    EXPECT_STREQ(big, "C:\\data\\colour.dat was not found.");
#endif
    // Cut to the buffer, never through a double-byte character.
    char small[6];
    memset(small, 'x', sizeof small);
    ASSERT_TRUE(e.GetErrorMessage(small, sizeof small));
    size_t kept = strlen(small);
    EXPECT_GE(kept, 4u);
    EXPECT_LE(kept, 5u);
    EXPECT_EQ(strncmp(small, big, kept), 0);
    EXPECT_FALSE(e.GetErrorMessage(nullptr, 10));
    EXPECT_FALSE(CException().GetErrorMessage(big, sizeof big));
    EXPECT_FALSE(CMemoryException().GetErrorText().IsEmpty());
}
