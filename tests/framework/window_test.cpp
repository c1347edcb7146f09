#include "framework/window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/static_control.h"
#include "res/resource.h"
#include "tests/support/dialog_host.h"

namespace lumetra {
namespace {

using test::DialogHost;

// Records what reaches it.
class RecordingStatic : public CStatic {
public:
    std::vector<std::string> events;
    bool throwOnTimer = false;

protected:
    void PreSubclassWindow() override {
        events.push_back(m_hWnd ? "PreSubclassWindow with window" : "PreSubclassWindow without window");
    }
    void OnTimer(UINT_PTR) override {
        events.push_back("OnTimer");
        if (throwOnTimer) throw std::runtime_error("handler failed");
    }
    bool OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* result) override {
        events.push_back(message == WM_CTLCOLORSTATIC ? "reflected WM_CTLCOLORSTATIC" : "reflected WM_COMMAND");
        *result = 42;
        return true;
    }
};

class WindowTest : public ::testing::Test {
protected:
    DialogHost page{IDD_WELCOME};
    RecordingStatic control;

    HWND Item(int id) const { return page.item(id); }
    LRESULT ColourRequestFor(HWND child) const {
        return SendMessageW(page.dialog(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child));
    }
};

TEST_F(WindowTest, SubclassingRunsPreSubclassWindowThenRoutesMessages) {
    ASSERT_TRUE(control.SubclassWindow(Item(IDC_EULA_LINK)));
    EXPECT_EQ(CWnd::FromHandlePermanent(Item(IDC_EULA_LINK)), &control);
    SendMessageW(Item(IDC_EULA_LINK), WM_TIMER, 7, 0);
    EXPECT_EQ(control.events, (std::vector<std::string>{"PreSubclassWindow with window", "OnTimer"}));
    EXPECT_FALSE(control.SubclassWindow(Item(IDC_WELCOME_TEXT))) << "one window per object";
}

TEST_F(WindowTest, ParentReflectsOnlyToBoundControls) {
    ASSERT_TRUE(control.SubclassWindow(Item(IDC_EULA_LINK)));
    EXPECT_EQ(ColourRequestFor(Item(IDC_EULA_LINK)), 42);
    SendMessageW(page.dialog(), WM_COMMAND, MAKEWPARAM(IDC_EULA_LINK, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_EULA_LINK)));
    EXPECT_NE(ColourRequestFor(Item(IDC_WELCOME_TEXT)), 42);
    EXPECT_EQ(control.events, (std::vector<std::string>{"PreSubclassWindow with window", "reflected WM_CTLCOLORSTATIC",
                                                        "reflected WM_COMMAND"}));
}

TEST_F(WindowTest, DestroyedWindowReleasesItsObject) {
    ASSERT_TRUE(control.SubclassWindow(Item(IDC_EULA_LINK)));
    HWND window = Item(IDC_EULA_LINK);
    DestroyWindow(window);
    EXPECT_EQ(control.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    EXPECT_TRUE(control.SubclassWindow(Item(IDC_WELCOME_TEXT))) << "the object can be bound again";
}

TEST_F(WindowTest, ExceptionInAHandlerDoesNotLeaveTheWindowProcedure) {
    ASSERT_TRUE(control.SubclassWindow(Item(IDC_EULA_LINK)));
    control.throwOnTimer = true;
    EXPECT_EQ(SendMessageW(Item(IDC_EULA_LINK), WM_TIMER, 7, 0), 0);
    control.throwOnTimer = false;
    SendMessageW(Item(IDC_EULA_LINK), WM_TIMER, 7, 0);
    EXPECT_EQ(control.events.size(), 3u) << "the window still works";
}

TEST_F(WindowTest, DataExchangeBindsAControlOnlyOnce) {
    CWnd dialog;
    dialog.Attach(page.dialog());
    CDataExchange exchange = {&dialog, FALSE};
    EXPECT_TRUE(DDX_Control(&exchange, IDC_EULA_LINK, control));
    EXPECT_TRUE(DDX_Control(&exchange, IDC_WELCOME_TEXT, control));
    EXPECT_EQ(control.GetSafeHwnd(), Item(IDC_EULA_LINK));
    EXPECT_EQ(control.events.size(), 1u) << "PreSubclassWindow ran once";
    dialog.Detach();
}

}  // namespace
}  // namespace lumetra
