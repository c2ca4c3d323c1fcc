// Menus, the wait cursor, and the seams' default-and-restore behaviour.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

TEST(Menus, ItemsStatesDefaultAndTracking)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 32772, "&Setting");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 32771, "E&xit");
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuItemID(2), 32771u);
    menu.EnableMenuItem(32771, MF_BYCOMMAND | MF_GRAYED);
    menu.CheckMenuItem(32772, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(32771, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(32772, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.SetDefaultItem(32772));
    EXPECT_EQ(::GetMenuDefaultItem(menu.m_hMenu, FALSE, 0), 32772u);

    CWnd owner;
    ASSERT_TRUE(CreatePlainWindow(owner));
    Seams::Override seams;
    HMENU tracked = nullptr;
    HWND trackedOwner = nullptr;
    POINT at{};
    seams->trackPopupMenu = [&](HMENU m, UINT, int x, int y, HWND o, LPCRECT) {
        tracked = m;
        trackedOwner = o;
        at = {x, y};
        return TRUE;
    };
    EXPECT_TRUE(menu.TrackPopupMenu(0, 120, 340, &owner));
    EXPECT_EQ(tracked, menu.m_hMenu);
    EXPECT_EQ(trackedOwner, owner.m_hWnd);
    EXPECT_EQ(at.x, 120);
    EXPECT_EQ(at.y, 340);
    owner.DestroyWindow();
}

TEST(Menus, LoadedFromTheResources)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 3);
    EXPECT_EQ(popup->GetMenuItemID(2), static_cast<UINT>(ID_TEST_SECOND));
    HMENU loaded = menu.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(loaded));
    EXPECT_FALSE(menu.LoadMenu(9999));
}

TEST(Menus, SubMenusAndSystemMenusAreBorrowed)
{
    CMenu bar;
    ASSERT_TRUE(bar.CreatePopupMenu());
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, 1, "one");
    ::AppendMenuA(bar.m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "sub");
    CMenu* sub = bar.GetSubMenu(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->m_hMenu, popup);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsMenu(popup));  // the wrapper went, the menu stayed

    CWnd wnd;
    ASSERT_TRUE(CreatePlainWindow(wnd));
    CMenu* system = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(system, nullptr);
    int before = system->GetMenuItemCount();
    system->AppendMenu(MF_SEPARATOR);
    system->AppendMenu(MF_STRING, 0x20, "Keep On Top");
    EXPECT_EQ(wnd.GetSystemMenu(FALSE)->GetMenuItemCount(), before + 2);
    wnd.DestroyWindow();
}

TEST(Seams, RealCallsByDefaultReplacementsRestoredAfterwards)
{
    EXPECT_FALSE(Seams::Current().sleep);
    DWORD slept = 0;
    HWND probe = reinterpret_cast<HWND>(0x1234);
    std::string opened;
    {
        Seams::Override seams;
        seams->sleep = [&](DWORD ms) { slept += ms; };
        seams->foregroundWindow = [&] { return probe; };
        seams->shellExecute = [&](HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT) {
            opened = std::string(verb) + " " + file;
            return reinterpret_cast<HINSTANCE>(33);
        };
        Seams::Sleep(2000);
        Seams::Sleep(500);
        EXPECT_EQ(Seams::GetForegroundWindow(), probe);
        Seams::ShellExecuteA(nullptr, "open", "https://example.invalid/", nullptr, nullptr, SW_SHOWNORMAL);
    }
    EXPECT_EQ(slept, 2500u);
    EXPECT_EQ(opened, "open https://example.invalid/");
    EXPECT_FALSE(Seams::Current().sleep);
    EXPECT_FALSE(Seams::Current().shellExecute);
    Seams::Sleep(1);  // the real one
}

TEST(Seams, ForegroundProbeServesTheWindowWrapper)
{
    CWnd wnd;
    ASSERT_TRUE(CreatePlainWindow(wnd));
    Seams::Override seams;
    seams->foregroundWindow = [&] { return wnd.m_hWnd; };
    EXPECT_EQ(CWnd::GetForegroundWindow(), &wnd);
    wnd.DestroyWindow();
}

TEST(WaitCursor, ShownWhileAliveRestoredOnceTheOutermostEnds)
{
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    ::SetCursor(arrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(::GetCursor(), wait);
        {
            CWaitCursor inner;
            EXPECT_EQ(::GetCursor(), wait);
        }
        EXPECT_EQ(::GetCursor(), wait);
    }
    EXPECT_EQ(::GetCursor(), arrow);
}
