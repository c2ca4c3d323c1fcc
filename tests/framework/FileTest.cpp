// Files: open modes, reading and writing, failures as CFileException; the
// file dialog's filter, options and result.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = {};
        ::GetTempPathA(sizeof folder, folder);
        char name[MAX_PATH] = {};
        ASSERT_NE(::GetTempFileNameA(folder, "fwt", 0, name), 0u);
        path = name;
    }
    void TearDown() override { ::DeleteFileA(path); }

    void WriteBytes(size_t count)
    {
        std::vector<unsigned char> data(count);
        for (size_t i = 0; i < count; ++i)
            data[i] = static_cast<unsigned char>(i);
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(data.data(), static_cast<UINT>(count));
        file.Close();
    }

    CString path;
};

}  // namespace

TEST_F(FileTest, WrittenBytesReadBackWithTheirLength)
{
    WriteBytes(204);
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 204u);
    unsigned char buffer[300] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 204u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[203], 203);
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    file.Close();
}

TEST_F(FileTest, CreateTruncatesUnlessAskedNotTo)
{
    WriteBytes(50);
    {
        CFile keep(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(keep.GetLength(), 50u);
    }
    CFile truncate(path, CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(truncate.GetLength(), 0u);
}

TEST_F(FileTest, OpeningAMissingFileReportsTheCauseAndTheSystemText)
{
    CString missing = path + ".none";
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_STREQ(error.m_strFileName, missing);
    char text[256] = {};
    EXPECT_TRUE(error.GetErrorMessage(text, sizeof text));
    EXPECT_GT(strlen(text), 0u);
    EXPECT_THROW(CFile(missing, CFile::modeRead), CFileException);
}

TEST_F(FileTest, FailedReadsAndWritesThrow)
{
    WriteBytes(10);
    CFile readOnly(path, CFile::modeRead);
    char byte = 1;
    try {
        readOnly.Write(&byte, 1);
        FAIL() << "write to a read-only file succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::accessDenied);
        EXPECT_STREQ(e.m_strFileName, path);
    }
    readOnly.Close();
    EXPECT_THROW(readOnly.Read(&byte, 1), CFileException);
    EXPECT_THROW(readOnly.GetLength(), CFileException);
    readOnly.Abort();  // closing twice is harmless
}

TEST(FileDialog, FilterOptionsAndChosenPath)
{
    Seams::Override seams;
    OPENFILENAMEA seen{};
    std::string filter;
    BOOL sawOpen = FALSE;
    seams->fileDialog = [&](OPENFILENAMEA& ofn, BOOL open) {
        seen = ofn;
        sawOpen = open;
        for (const char* p = ofn.lpstrFilter; *p; p += strlen(p) + 1)
            filter += std::string(p) + "|";
        lstrcpynA(ofn.lpstrFile, "C:\\users\\me\\colour.dat", static_cast<int>(ofn.nMaxFile));
        return TRUE;
    };
    char folder[] = "C:\\users\\me";
    CFileDialog dlg(FALSE, "dat", nullptr, 0x880006, "Data File(*.dat)|*.dat||");
    dlg.m_ofn.lpstrInitialDir = folder;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(sawOpen);
    EXPECT_EQ(filter, "Data File(*.dat)|*.dat|");
    EXPECT_STREQ(seen.lpstrDefExt, "dat");
    EXPECT_STREQ(seen.lpstrInitialDir, folder);
    EXPECT_EQ(seen.Flags & 0x880006u, 0x880006u);
    EXPECT_STREQ(dlg.GetPathName(), "C:\\users\\me\\colour.dat");
    EXPECT_STREQ(dlg.GetFileName(), "colour.dat");
    EXPECT_STREQ(dlg.GetFileExt(), "dat");

    seams->fileDialog = [](OPENFILENAMEA&, BOOL) { return FALSE; };
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(cancelled.GetPathName().IsEmpty());
}
