// Lists walked by POSITION, pointer arrays, and the geometry types.
#include "framework/CList.h"
#include "framework/CPtrArray.h"
#include "framework/CPtrList.h"
#include "framework/CRect.h"
#include "framework/CenteredRect.h"
#include "framework/CTypedPtrArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<int> Forward(const CList<int, int>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos));
    return out;
}

std::vector<int> Backward(const CList<int, int>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetTailPosition(); pos;)
        out.push_back(list.GetPrev(pos));
    return out;
}

}  // namespace

TEST(CListWalk, AddRemoveAndWalkBothWays)
{
    CList<int, int> list(10);
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(2);
    list.AddTail(3);
    list.AddHead(1);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Backward(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.GetHead(), 1);
    EXPECT_EQ(list.GetTail(), 3);
    EXPECT_EQ(list.RemoveHead(), 1);
    EXPECT_EQ(list.RemoveTail(), 3);
    EXPECT_EQ(Forward(list), (std::vector<int>{2}));
    EXPECT_EQ(Backward(list), (std::vector<int>{2}));
    EXPECT_EQ(list.RemoveHead(), 2);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
}

TEST(CListWalk, FindSetInsertAndRemoveAtPositions)
{
    CList<int, int> list;
    for (int v : {5, 7, 5, 9})
        list.AddTail(v);
    POSITION first = list.Find(5);
    POSITION second = list.Find(5, first);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(list.Find(5, second), nullptr);
    EXPECT_EQ(list.Find(42), nullptr);
    EXPECT_EQ(list.FindIndex(2), second);
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    list.SetAt(second, 6);
    list.InsertBefore(first, 4);
    list.InsertAfter(list.GetTailPosition(), 10);
    EXPECT_EQ(Forward(list), (std::vector<int>{4, 5, 7, 6, 9, 10}));
    list.RemoveAt(first);
    list.RemoveAt(list.GetTailPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_EQ(Forward(list), (std::vector<int>{7, 6, 9}));
    EXPECT_EQ(Backward(list), (std::vector<int>{9, 6, 7}));
    EXPECT_EQ(list.GetCount(), 3);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    list.AddTail(1);
    EXPECT_EQ(Forward(list), (std::vector<int>{1}));
}

TEST(CListWalk, MisuseIsRefusedNotUndefined)
{
    CList<int, int> list;
    EXPECT_THROW(list.RemoveHead(), std::out_of_range);
    EXPECT_THROW(list.RemoveTail(), std::out_of_range);
    EXPECT_THROW(list.GetHead(), std::out_of_range);
    POSITION none = nullptr;
    EXPECT_THROW(list.GetNext(none), std::out_of_range);
    EXPECT_THROW(list.GetAt(nullptr), std::out_of_range);
    EXPECT_THROW(list.RemoveAt(nullptr), std::out_of_range);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CListWalk, PointerListKeepsQueuedRecordsInOrder)
{
    int a = 1, b = 2, c = 3;
    CPtrList queue(10);
    queue.AddTail(&a);
    queue.AddTail(&b);
    queue.AddTail(&c);
    EXPECT_EQ(queue.Find(&b), queue.FindIndex(1));
    EXPECT_EQ(static_cast<int*>(queue.RemoveHead()), &a);
    queue.RemoveAt(queue.Find(&c));
    EXPECT_EQ(queue.GetCount(), 1);
    EXPECT_EQ(static_cast<int*>(queue.GetHead()), &b);
}

TEST(PointerArrays, GrowInsertRemove)
{
    int v[5] = {0, 1, 2, 3, 4};
    CPtrArray array;
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_EQ(array.Add(&v[0]), 0);
    EXPECT_EQ(array.Add(&v[2]), 1);
    array.InsertAt(1, &v[1]);
    array.InsertAt(5, &v[4]);  // beyond the end: grows with nulls
    EXPECT_EQ(array.GetSize(), 6);
    EXPECT_EQ(array[3], nullptr);
    EXPECT_EQ(array[4], nullptr);
    EXPECT_EQ(array.GetAt(5), &v[4]);
    array.SetAt(3, &v[3]);
    array.RemoveAt(4);
    EXPECT_EQ(array.GetCount(), 5);
    EXPECT_EQ(array.GetAt(4), &v[4]);
    array.RemoveAt(0, 2);
    EXPECT_EQ(array.GetAt(0), &v[2]);
    array.SetSize(1);
    EXPECT_EQ(array.GetSize(), 1);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(PointerArrays, TypedAccessAndBoundsRefused)
{
    struct Monitor { int id; };
    Monitor m1{1}, m2{2};
    CTypedPtrArray<CPtrArray, Monitor*> monitors;
    monitors.Add(&m1);
    monitors.Add(&m2);
    EXPECT_EQ(monitors[1]->id, 2);
    monitors.ElementAt(0) = &m2;
    EXPECT_EQ(monitors.GetAt(0)->id, 2);
    EXPECT_THROW(monitors.GetAt(2), std::out_of_range);
    EXPECT_THROW(monitors[-1], std::out_of_range);
    EXPECT_THROW(monitors.RemoveAt(1, 2), std::out_of_range);
    EXPECT_THROW(monitors.SetSize(-1), std::out_of_range);
    EXPECT_EQ(monitors.GetSize(), 2);
}

TEST(Geometry, RectangleArithmetic)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));
    CRect d = r;
    d.DeflateRect(4, 4);
    EXPECT_EQ(d, CRect(14, 24, 106, 66));
    d.OffsetRect(-14, -24);
    EXPECT_EQ(d.TopLeft(), CPoint(0, 0));
    CRect i;
    EXPECT_TRUE(i.IntersectRect(&r, CRect(100, 60, 200, 200)));
    EXPECT_EQ(i, CRect(100, 60, 110, 70));
    EXPECT_FALSE(i.IntersectRect(&r, CRect(200, 200, 300, 300)));
    EXPECT_TRUE(i.IsRectNull());
    CRect u;
    EXPECT_TRUE(u.UnionRect(&r, CRect()));
    EXPECT_EQ(u, r);
    CRect n(5, 5, 1, 1);
    EXPECT_TRUE(n.IsRectEmpty());
    n.NormalizeRect();
    EXPECT_EQ(n, CRect(1, 1, 5, 5));
    EXPECT_EQ(CPoint::FromLParam(static_cast<LPARAM>(0xFFFE0003)), CPoint(3, -2));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
}

// Centred on the owner, but never outside the work area: a dialog of an owner
// near an edge moves in, one larger than the work area shows its caption.
TEST(Geometry, CenteredRectStaysInsideTheWorkArea)
{
    const CRect work(0, 0, 1280, 994);
    EXPECT_EQ(CenteredRect(CSize(200, 100), CRect(100, 100, 501, 401), work), CRect(200, 200, 400, 300));
    EXPECT_EQ(CenteredRect(CSize(300, 200), CRect(-50, 900, 50, 1100), work), CRect(0, 794, 300, 994));
    EXPECT_EQ(CenteredRect(CSize(300, 200), CRect(1200, -80, 1400, 20), work), CRect(980, 0, 1280, 200));
    EXPECT_EQ(CenteredRect(CSize(1500, 1200), work, work), CRect(0, 0, 1500, 1200));
    const CRect second(1280, 30, 2304, 768);
    EXPECT_EQ(CenteredRect(CSize(400, 300), second, second), CRect(1592, 249, 1992, 549));
}
