// Device contexts and drawing objects on a memory bitmap.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Paints its client area in one colour through a paint context.
class PaintedWnd : public CWnd
{
public:
    int paints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 128, 255));
        ++paints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWindowDC screen(nullptr);
        ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
        previous = memory.SelectObject(&bitmap);
        ASSERT_NE(previous, nullptr);
    }
    void TearDown() override { memory.SelectObject(previous); }

    CDC memory;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
};

}  // namespace

TEST_F(DrawingTest, SolidFillLeavesItsColourAsTheBackground)
{
    memory.FillSolidRect(0, 0, 20, 10, RGB(10, 20, 30));
    EXPECT_EQ(memory.GetPixel(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(memory.GetBkColor(), RGB(10, 20, 30));
    CRect inner(2, 2, 4, 4);
    memory.FillSolidRect(&inner, RGB(255, 0, 0));
    EXPECT_EQ(memory.GetPixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(memory.GetPixel(4, 4), RGB(10, 20, 30));
}

TEST_F(DrawingTest, BrushesPensAndBitmapsDraw)
{
    CBrush green(RGB(0, 255, 0));
    CRect all(0, 0, 20, 10);
    memory.FillRect(&all, &green);
    EXPECT_EQ(memory.GetPixel(19, 9), RGB(0, 255, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* oldPen = memory.SelectObject(&blue);
    memory.MoveTo(0, 3);
    memory.LineTo(20, 3);
    memory.SelectObject(oldPen);
    EXPECT_EQ(memory.GetPixel(10, 3), RGB(0, 0, 255));
    BITMAP info{};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 10);

    CBrush pattern;
    EXPECT_TRUE(pattern.CreatePatternBrush(&bitmap));
    EXPECT_TRUE(pattern.UnrealizeObject());
    CPoint oldOrigin = memory.SetBrushOrg(3, 4);
    EXPECT_EQ(memory.SetBrushOrg(oldOrigin), CPoint(3, 4));
}

TEST_F(DrawingTest, FontsDescribeThemselvesAndMeasureText)
{
    LOGFONTA description{};
    description.lfHeight = -12;
    lstrcpyA(description.lfFaceName, "Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    LOGFONTA back{};
    ASSERT_TRUE(font.GetLogFont(&back));
    EXPECT_EQ(back.lfHeight, -12);
    CFont* oldFont = memory.SelectObject(&font);
    CSize one = memory.GetTextExtent("W", 1);
    CSize three = memory.GetTextExtent(CString("WWW"));
    memory.SelectObject(oldFont);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(three.cx, 3 * one.cx);
}

TEST_F(DrawingTest, TemporaryWrappersNeverDeleteWhatTheyWrap)
{
    CBitmap* wrapper = memory.SelectObject(previous);
    EXPECT_EQ(wrapper->m_hObject, bitmap.m_hObject);
    AfxDeleteTempMaps();
    BITMAP info{};
    EXPECT_TRUE(bitmap.GetBitmap(&info));  // still alive
    previous = memory.SelectObject(&bitmap);
}

TEST(Painting, PaintHandlerDrawsThroughItsPaintContext)
{
    PaintedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "paint", WS_POPUP, CRect(0, 0, 40, 30), nullptr, 0));
    wnd.ShowWindow(SW_SHOWNA);
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(wnd.paints, 1);
    CClientDC dc(&wnd);
    EXPECT_EQ(dc.GetPixel(20, 15), RGB(0, 128, 255));
    EXPECT_EQ(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE), FALSE);  // the paint context validated it
    wnd.DestroyWindow();
}
