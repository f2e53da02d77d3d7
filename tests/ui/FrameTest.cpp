// The drawn frame: geometry, painting and the frame's behaviour on real windows.
#include <gtest/gtest.h>

#include <vector>

#include "UiTestSupport.h"
#include "ui/ColorDlg.h"
#include "ui/DlgMsg.h"
#include "ui/DlgMsgYesNo.h"
#include "ui/res/resource.h"

namespace tessary {
namespace {

using frame::CaptionPart;
using uitest::resourcePixel;
using uitest::screenPoint;
using uitest::Surface;

// --- geometry -----------------------------------------------------------------------------------

TEST(FrameGeometry, MainHitTestFollowsTheTableInOrder) {
    const RECT w{100, 50, 800, 550};  // 700 x 500
    const LONG L = w.left, T = w.top, R = w.right, B = w.bottom;
    struct Case {
        LONG x, y;
        std::optional<LRESULT> expected;
    };
    const std::vector<Case> cases = {
        {L + 300, T + 4, HTCAPTION},
        {L + 300, T + 43, HTCAPTION},
        {L, T + 4, HTCAPTION},
        {R - 1, T + 10, HTCAPTION},
        {R - 40, T + 20, HTCAPTION},
        {L + 300, T + 44, {}},
        {L + 14, T, HTTOP},
        {L + 300, T + 3, HTTOP},
        {R - 15, T + 3, HTTOP},
        {L, T, HTTOPLEFT},
        {L + 13, T + 3, HTTOPLEFT},
        {R - 14, T, HTTOPRIGHT},
        {R - 1, T + 3, HTTOPRIGHT},
        {L, T + 44, HTLEFT},
        {L + 3, B - 15, HTLEFT},
        {L + 4, T + 100, {}},
        {L, B - 14, HTBOTTOMLEFT},
        {L + 13, B - 1, HTBOTTOMLEFT},
        {R - 4, T + 100, HTRIGHT},
        {R - 1, B - 15, HTRIGHT},
        {R - 5, T + 100, {}},
        {R - 14, B - 14, HTBOTTOMRIGHT},
        {R - 1, B - 1, HTBOTTOMRIGHT},
        {L + 14, B - 4, HTBOTTOM},
        {R - 15, B - 1, HTBOTTOM},
        {L + 300, B - 5, {}},
        {R, T + 100, {}},
        {L + 300, B, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frame::mainHitTest(w, POINT{c.x, c.y}), c.expected)
            << "at " << c.x - L << "," << c.y - T;
    }
}

TEST(FrameGeometry, CaptionButtonsOfBothVariants) {
    const int W = 700;
    struct Case {
        int x, y;
        CaptionPart main, dialog;
    };
    const std::vector<Case> cases = {
        {W - 82, 8, CaptionPart::Minimize, CaptionPart::None},
        {W - 59, 31, CaptionPart::Minimize, CaptionPart::None},
        {W - 58, 20, CaptionPart::MaxRestore, CaptionPart::None},
        {W - 35, 20, CaptionPart::MaxRestore, CaptionPart::None},
        {W - 34, 8, CaptionPart::Close, CaptionPart::Close},
        {W - 11, 31, CaptionPart::Close, CaptionPart::Close},
        {W - 10, 20, CaptionPart::None, CaptionPart::None},
        {W - 20, 7, CaptionPart::None, CaptionPart::None},
        {W - 20, 32, CaptionPart::None, CaptionPart::None},
        {8, 8, CaptionPart::Icon, CaptionPart::None},
        {41, 31, CaptionPart::Icon, CaptionPart::None},
        {42, 20, CaptionPart::None, CaptionPart::None},
        {W / 2, 20, CaptionPart::None, CaptionPart::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frame::mainCaptionPartAt(POINT{c.x, c.y}, W), c.main) << c.x << "," << c.y;
        EXPECT_EQ(frame::dialogCaptionPartAt(POINT{c.x, c.y}, W), c.dialog) << c.x << "," << c.y;
    }
}

TEST(FrameGeometry, ClientAreaInsets) {
    const RECT w{10, 20, 710, 520};
    const RECT main = frame::mainClientRect(w, 1);
    EXPECT_EQ(main.left, 15);
    EXPECT_EQ(main.top, 61);
    EXPECT_EQ(main.right, 705);
    EXPECT_EQ(main.bottom, 515);
    const RECT dialog = frame::dialogClientRect(w);
    EXPECT_EQ(dialog.left, 14);
    EXPECT_EQ(dialog.top, 60);
    EXPECT_EQ(dialog.right, 706);
    EXPECT_EQ(dialog.bottom, 516);
}

TEST(FrameGeometry, ShapeRoundsTheTopCornersOnly) {
    const int W = 700, H = 500;
    UniqueRegion shape = frame::createFrameRegion(W, H);
    struct Case {
        int x, y;
        bool inside;
    };
    const std::vector<Case> cases = {
        {0, 0, false},        {1, 1, false},     {25, 0, true},        {W - 32, 0, true},
        {W - 2, 0, false},    {W - 2, 1, false}, {W - 2, 20, true},    {W - 1, 20, false},
        {0, 20, true},        {0, H - 1, true},  {W - 2, H - 1, true}, {10, 5, true},
        {W / 2, H / 2, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PtInRegion(shape.get(), c.x, c.y) != 0, c.inside) << c.x << "," << c.y;
    }
}

TEST(FrameGeometry, PicturesForEachStateExistAtTheirSizes) {
    struct Case {
        UINT id;
        int w, h;
    };
    const std::vector<Case> cases = {
        {IDB_BORDER_TILE, 4, 4},
        {IDB_CAPTION_TILE, 2, 40},
        {IDB_MAIN_ICON, 50, 40},
        {IDB_MAIN_ICON_PRESSED, 50, 40},
        {IDB_MAIN_ICON_HOVER, 50, 40},
        {IDB_MAIN_TITLE, 160, 40},
        {155, 90, 40},
        {157, 90, 40},
        {159, 90, 40},
        {161, 90, 40},
        {236, 90, 40},
        {237, 90, 40},
        {239, 90, 40},
        {241, 90, 40},
        {IDB_DLG_CAPTION_LEFT, 20, 40},
        {178, 90, 40},
        {179, 90, 40},
        {180, 90, 40},
        {IDB_TAB, 100, 50},
        {IDB_TAB_SELECTED, 100, 50},
        {IDB_DLG_BUTTON, 70, 25},
        {IDB_DLG_BUTTON_HOVER, 70, 25},
        {IDB_DLG_BUTTON_PRESSED, 70, 25},
        {IDB_DLG_BUTTON_DISABLED, 70, 25},
    };
    std::vector<Case> all = cases;
    for (UINT id = 190; id <= 217; ++id) {
        if (id < 202 || id > 205) all.push_back({id, 68, 48});
    }
    for (const Case& c : all) {
        UniqueBitmap bitmap = loadBitmap(c.id);
        ASSERT_TRUE(bitmap) << c.id;
        const SIZE size = bitmapSize(bitmap.get());
        EXPECT_EQ(size.cx, c.w) << c.id;
        EXPECT_EQ(size.cy, c.h) << c.id;
    }
    // The states a user must tell apart really differ.
    EXPECT_NE(resourcePixel(IDB_MAIN_BUTTONS, 70, 20),
              resourcePixel(IDB_MAIN_BUTTONS_CLOSE, 70, 20));
    EXPECT_NE(resourcePixel(IDB_DLG_CLOSE_HOVER, 60, 12), resourcePixel(IDB_DLG_CLOSE, 60, 12));
    EXPECT_NE(resourcePixel(IDB_DLG_CLOSE_PRESSED, 60, 12),
              resourcePixel(IDB_DLG_CLOSE_HOVER, 60, 12));
    for (UINT normal : {213u, 197u, 193u, 201u, 209u, 217u}) {
        EXPECT_NE(resourcePixel(normal, 4, 4), resourcePixel(normal - 1, 4, 4)) << normal;
        EXPECT_NE(resourcePixel(normal - 1, 4, 4), resourcePixel(normal - 2, 4, 4)) << normal;
    }
}

// --- painting -----------------------------------------------------------------------------------

TEST(FramePaint, MainFramePlacesTitlePiecesAndBorders) {
    const int W = 700, H = 300;
    Surface s(W, H);
    frame::paintMainFrame(s.dc(), W, H, IDB_MAIN_BUTTONS_CLOSE, IDB_MAIN_ICON_HOVER);
    const int title = frame::mainTitleX(W);
    EXPECT_EQ(title, 250);
    for (int y : {5, 20, 35}) {
        EXPECT_EQ(s.pixel(W - 90 + 68, y), resourcePixel(IDB_MAIN_BUTTONS_CLOSE, 68, y));
        EXPECT_EQ(s.pixel(20, y), resourcePixel(IDB_MAIN_ICON_HOVER, 20, y));
        EXPECT_EQ(s.pixel(title + 40, y), resourcePixel(IDB_MAIN_TITLE, 40, y));
        EXPECT_EQ(s.pixel(100, y), resourcePixel(IDB_CAPTION_TILE, 0, y));
        EXPECT_EQ(s.pixel(W - 100, y), resourcePixel(IDB_CAPTION_TILE, 0, y));
    }
    const COLORREF border = resourcePixel(IDB_BORDER_TILE, 1, 1);
    EXPECT_EQ(s.pixel(1, 100), border);
    EXPECT_EQ(s.pixel(W - 2, 200), border);
    EXPECT_EQ(s.pixel(W / 2, H - 2), border);
    EXPECT_EQ(s.pixel(W / 2, H / 2), RGB(1, 2, 3)) << "the client area is not painted";
    EXPECT_EQ(s.pixel(5, H / 2), RGB(1, 2, 3));
}

TEST(FramePaint, NarrowestMainCaptionHasNoFillerAndOddWidthsNoSeam) {
    {
        const int W = 300;
        Surface s(W, 100);
        frame::paintMainFrame(s.dc(), W, 100, IDB_MAIN_BUTTONS, IDB_MAIN_ICON);
        EXPECT_EQ(frame::mainTitleX(W), 50);
        EXPECT_EQ(s.pixel(50, 20), resourcePixel(IDB_MAIN_TITLE, 0, 20));
        EXPECT_EQ(s.pixel(209, 20), resourcePixel(IDB_MAIN_TITLE, 159, 20));
        EXPECT_EQ(s.pixel(49, 20), resourcePixel(IDB_MAIN_ICON, 49, 20));
        EXPECT_EQ(s.pixel(210, 20), resourcePixel(IDB_MAIN_BUTTONS, 0, 20));
    }
    for (int W : {701, 703, 705}) {
        Surface s(W, 100);
        frame::paintMainFrame(s.dc(), W, 100, IDB_MAIN_BUTTONS, IDB_MAIN_ICON);
        for (int x = 50; x < W - 90; ++x) {
            ASSERT_NE(s.pixel(x, 20), RGB(1, 2, 3)) << "gap at x " << x << " of " << W;
        }
    }
}

TEST(FramePaint, DialogCaptionTextIsCentredWithoutABackgroundBox) {
    const int W = 320, H = 150;
    Surface s(W, H);
    frame::paintDialogFrame(s.dc(), W, H, IDB_DLG_CLOSE, L"Tessary Renamer", nullptr);
    EXPECT_EQ(s.pixel(W - 90 + 10, 20), resourcePixel(IDB_DLG_CLOSE, 10, 20));
    EXPECT_EQ(s.pixel(10, 20), resourcePixel(IDB_DLG_CAPTION_LEFT, 10, 20));
    // Columns where the text changed the filler.
    int left = W, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y) {
        const COLORREF tile = resourcePixel(IDB_CAPTION_TILE, 0, y);
        for (int x = 20; x < W - 90; ++x) {
            if (s.pixel(x, y) != tile) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, left) << "no caption text drawn";
    EXPECT_NEAR((left + right) / 2.0, W / 2.0, 3.0);
    EXPECT_GE(top, 13);
    // Between the letters the filler shows through: the text has no box behind it.
    int filler = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (s.pixel(x, y) == resourcePixel(IDB_CAPTION_TILE, 0, y)) ++filler;
        }
    }
    EXPECT_GT(filler, (right - left + 1) * (bottom - top + 1) / 3);
}

// --- the main window's frame on a real window ---------------------------------------------------

class FramedMainWindow : public DialogBase {
  public:
    FramedMainWindow() : DialogBase(0) {}
    MainFrameSkin frame;
    std::vector<WPARAM> commands;

  protected:
    BOOL onInitDialog() override {
        frame.attach(hwnd());
        SetWindowPos(hwnd(), nullptr, 40, 30, 700, 500, SWP_NOZORDER | SWP_FRAMECHANGED);
        frame.applyShape();
        return TRUE;
    }
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (auto r = frame.handle(message, wParam, lParam)) return r;
        if (message == WM_SYSCOMMAND && wParam >= IDM_FRAME_MINIMIZE && wParam <= IDM_FRAME_CLOSE) {
            commands.push_back(wParam);
            return 0;
        }
        return DialogBase::onMessage(message, wParam, lParam);
    }
};

class MainFrameWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::DialogTemplate t(
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
            300, 200, L"main");
        ASSERT_NE(window.createModelessIndirect(nullptr, t.get()), nullptr);
        hwnd = window.hwnd();
    }
    void click(int x, int y) {
        SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(hwnd, x, y));
        SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, screenPoint(hwnd, x, y));
    }
    int width() const {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r.right - r.left;
    }
    FramedMainWindow window;
    HWND hwnd = nullptr;
};

TEST_F(MainFrameWindow, ClientAreaSitsInsideTheDrawnFrame) {
    RECT w{}, c{};
    GetWindowRect(hwnd, &w);
    GetClientRect(hwnd, &c);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&c), 2);
    const int b = GetSystemMetrics(SM_CXBORDER);
    EXPECT_EQ(c.left - w.left, 4 + b);
    EXPECT_EQ(c.top - w.top, 40 + b);
    EXPECT_EQ(w.right - c.right, 4 + b);
    EXPECT_EQ(w.bottom - c.bottom, 4 + b);
}

TEST_F(MainFrameWindow, HitTestMessagesAnswerByArea) {
    const int W = width();
    auto hit = [&](int x, int y) {
        return SendMessageW(hwnd, WM_NCHITTEST, 0, screenPoint(hwnd, x, y));
    };
    EXPECT_EQ(hit(W / 2, 2), HTTOP);
    EXPECT_EQ(hit(W / 2, 5), HTCAPTION) << "5 pixels below the top edge drags";
    EXPECT_EQ(hit(W - 20, 20), HTCAPTION);
    EXPECT_EQ(hit(1, 200), HTLEFT);
    EXPECT_EQ(hit(W - 1, 499), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(W / 2, 200), HTCLIENT) << "the platform answers inside the client area";
}

TEST_F(MainFrameWindow, CaptionButtonsSendTheirCommands) {
    const int W = width();
    click(W - 70, 20);
    click(W - 46, 20);
    click(W - 22, 20);
    EXPECT_EQ(window.commands,
              (std::vector<WPARAM>{IDM_FRAME_MINIMIZE, IDM_FRAME_MAXIMIZE, IDM_FRAME_CLOSE}));
    window.commands.clear();
    // A release over another button than the pressed one, or a press elsewhere, does nothing.
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(hwnd, W - 70, 20));
    SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    EXPECT_TRUE(window.commands.empty());
    SendMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, screenPoint(hwnd, W / 2, 20));
    EXPECT_EQ(window.commands, (std::vector<WPARAM>{IDM_FRAME_MAXIMIZE}));
}

TEST_F(MainFrameWindow, MaximisedCaptionShowsRestoreSetAndRestores) {
    ShowWindow(hwnd, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(hwnd));
    const int W = width();
    SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(window.frame.rightPiece(), static_cast<UINT>(IDB_MAIN_ZOOMED_BUTTONS));
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(hwnd, W - 46, 20));
    EXPECT_EQ(window.frame.rightPiece(), static_cast<UINT>(IDB_MAIN_ZOOMED_BUTTONS_RESTORE));
    click(W - 46, 20);
    SendMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, screenPoint(hwnd, W / 2, 20));
    EXPECT_EQ(window.commands, (std::vector<WPARAM>{IDM_FRAME_RESTORE, IDM_FRAME_RESTORE}));
}

TEST_F(MainFrameWindow, HoverAndPressedPictures) {
    const int W = width();
    struct Case {
        int x, y;
        UINT right, left;
    };
    const std::vector<Case> hover = {
        {W - 70, 20, IDB_MAIN_BUTTONS_MIN, IDB_MAIN_ICON},
        {W - 46, 20, IDB_MAIN_BUTTONS_MAX, IDB_MAIN_ICON},
        {W - 22, 20, IDB_MAIN_BUTTONS_CLOSE, IDB_MAIN_ICON},
        {20, 20, IDB_MAIN_BUTTONS, IDB_MAIN_ICON_HOVER},
        {W / 2, 20, IDB_MAIN_BUTTONS, IDB_MAIN_ICON},
    };
    for (const Case& c : hover) {
        SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(hwnd, c.x, c.y));
        EXPECT_EQ(window.frame.rightPiece(), c.right) << c.x;
        EXPECT_EQ(window.frame.leftPiece(), c.left) << c.x;
    }
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(hwnd, 20, 20));
    EXPECT_EQ(window.frame.leftPiece(), static_cast<UINT>(IDB_MAIN_ICON_PRESSED));
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    EXPECT_EQ(window.frame.leftPiece(), static_cast<UINT>(IDB_MAIN_ICON));
    SendMessageW(hwnd, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_EQ(window.frame.rightPiece(), static_cast<UINT>(IDB_MAIN_BUTTONS));
}

TEST_F(MainFrameWindow, ShapeFollowsTheSize) {
    SetWindowPos(hwnd, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    window.frame.applyShape();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 798, 599));
    EXPECT_FALSE(PtInRegion(region, 799, 300));
    DeleteObject(region);
}

// --- the dialog frame on the message dialogs -----------------------------------------------------

TEST(DialogFrame, OpensWithTitleFrameAndShape) {
    CDlgMsg dialog;
    dialog.setText(L"x");
    ASSERT_NE(dialog.createModeless(nullptr), nullptr);
    HWND hwnd = dialog.hwnd();
    EXPECT_EQ(uitest::windowText(hwnd), L"Tessary批量改名器");
    RECT w{}, c{};
    GetWindowRect(hwnd, &w);
    GetClientRect(hwnd, &c);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&c), 2);
    EXPECT_EQ(c.left - w.left, 4);
    EXPECT_EQ(c.top - w.top, 40);
    EXPECT_EQ(w.right - c.right, 4);
    EXPECT_EQ(w.bottom - c.bottom, 4);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, screenPoint(hwnd, 60, 20)), HTCAPTION);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, screenPoint(hwnd, 1, 60)), HTBORDER);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}

TEST(DialogFrame, CloseButtonHoverPressAndRelease) {
    CDlgMsgYesNo dialog;
    dialog.setText(L"您要退出本系统吗？");
    ASSERT_NE(dialog.createModeless(nullptr), nullptr);
    HWND hwnd = dialog.hwnd();
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int W = r.right - r.left;
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    EXPECT_EQ(dialog.frameSkin().rightPiece(), static_cast<UINT>(IDB_DLG_CLOSE_HOVER));
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(hwnd, W / 2, 20));
    EXPECT_EQ(dialog.frameSkin().rightPiece(), static_cast<UINT>(IDB_DLG_CLOSE));
    // Pressed on the close button but released beside it: the dialog stays.
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    EXPECT_EQ(dialog.frameSkin().rightPiece(), static_cast<UINT>(IDB_DLG_CLOSE_PRESSED));
    SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, screenPoint(hwnd, W / 2, 20));
    uitest::pumpMessages();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(dialog.result());
    // Closing by the frame answers "否(&N)".
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, screenPoint(hwnd, W - 22, 20));
    uitest::pumpMessages();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

}  // namespace
}  // namespace tessary
