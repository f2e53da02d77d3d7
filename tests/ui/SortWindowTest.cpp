// The main window's list headers: sorting with the user's own text order, and a divider's
// double click sizing a column to its texts.

#include "VarnelDlgSupport.h"
#include "platform/win32/Win32Collator.h"

namespace tessary::uitest {
namespace {

class SortWindowTest : public MainWindowTest {
  protected:
    void addRow(const std::u16string& name, const std::u16string& size) {
        FileListModel& model = window_->model();
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColSize, size);
        window_->modelChanged();
    }
    // A click on a header as the list reports it.
    void clickHeader(int column) {
        NMLISTVIEW click{};
        click.hdr = {item(IDC_FILE_LIST), static_cast<UINT_PTR>(IDC_FILE_LIST),
                     static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageW(hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
        pump();
    }
    std::vector<std::u16string> shown(int column) const {
        std::vector<std::u16string> texts;
        for (int row = 0; row < window_->model().rowCount(); ++row) {
            texts.push_back(listText(row, column));
        }
        return texts;
    }
};

TEST_F(SortWindowTest, HeaderClicksSortTheListInTheUsersOrder) {
    addRow(u"b.txt", u"10 KB");
    addRow(u"A.txt", u"-1 KB");
    addRow(u"c.txt", u"2 KB");
    using Texts = std::vector<std::u16string>;
    // The first click on "文件名" sorts descending, letters regardless of case.
    clickHeader(ColFileName);
    EXPECT_EQ(shown(ColFileName), (Texts{u"c.txt", u"b.txt", u"A.txt"}));
    clickHeader(ColFileName);
    EXPECT_EQ(shown(ColFileName), (Texts{u"A.txt", u"b.txt", u"c.txt"}));
    clickHeader(ColSize);
    EXPECT_EQ(shown(ColSize), (Texts{u"2 KB", u"10 KB", u"-1 KB"}));
    EXPECT_EQ(window_->model().itemValue(2), 2);
    // Genre is not sorted: the order stays.
    clickHeader(ColGenre);
    EXPECT_EQ(shown(ColSize), (Texts{u"2 KB", u"10 KB", u"-1 KB"}));
    EXPECT_EQ(window_->sortOrder().column, ColSize);
}

TEST_F(SortWindowTest, ADividerDoubleClickFitsTheColumnToItsTexts) {
    HWND list = item(IDC_FILE_LIST);
    HWND header = ListView_GetHeader(list);
    auto doubleClickDivider = [&](int column) {
        NMHEADERW click{};
        click.hdr = {header, static_cast<UINT_PTR>(GetDlgCtrlID(header)),
                     static_cast<UINT>(HDN_DIVIDERDBLCLICKW)};
        click.iItem = column;
        SendMessageW(list, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
        pump();
    };
    // Nothing to measure on an empty list: the width stays.
    const int before = ListView_GetColumnWidth(list, ColFileName);
    doubleClickDivider(ColFileName);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFileName), before);

    addRow(u"a.txt", u"1 KB");
    addRow(u"一个相当长的文件名，比列宽更宽一些的那种.txt", u"1 KB");
    window_->model().setText(0, ColExtension, u"txt");
    doubleClickDivider(ColFileName);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFileName),
              ListView_GetStringWidth(list, L"一个相当长的文件名，比列宽更宽一些的那种.txt") + 12);
    // A hidden column's divider sizes the nearest visible column left of it (Extension), and
    // stays hidden itself.
    doubleClickDivider(ColOriginalName);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColExtension),
              ListView_GetStringWidth(list, L"txt") + 12);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColOriginalName), 0);
}

TEST_F(SortWindowTest, AHeaderDroppedAtTheRightLeavesTheHiddenColumnsLast) {
    HWND list = item(IDC_FILE_LIST);
    HWND header = ListView_GetHeader(list);
    // "状态" dragged past the hidden columns, as the list has it when the drag ends.
    int dropped[9] = {0, 1, 2, 3, 7, 8, 5, 6, 4};
    ListView_SetColumnOrderArray(list, 9, dropped);
    NMHEADERW end{};
    end.hdr = {header, static_cast<UINT_PTR>(GetDlgCtrlID(header)), static_cast<UINT>(HDN_ENDDRAG)};
    end.iItem = ColStatus;
    SendMessageW(hwnd(), WM_NOTIFY, end.hdr.idFrom, reinterpret_cast<LPARAM>(&end));
    pump();
    int order[9] = {};
    ListView_GetColumnOrderArray(list, 9, order);
    // Visible columns keep the new order; the hidden ones fill the end from the back in the
    // order they are met.
    EXPECT_EQ(std::vector<int>(order, order + 9), (std::vector<int>{0, 1, 2, 3, 7, 8, 4, 6, 5}));
    EXPECT_EQ(ListView_GetColumnWidth(list, ColOriginalName), 0);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFullPath), 0);
}

TEST_F(SortWindowTest, DividersDragColumnsDownToNothingAndOpenThemAgain) {
    HWND list = item(IDC_FILE_LIST);
    HWND header = ListView_GetHeader(list);
    auto send = [&](UINT message, int x) {
        SendMessageW(header, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, 5));
    };
    auto drag = [&](int from, int to) {
        send(WM_LBUTTONDOWN, from);
        send(WM_MOUSEMOVE, (from + to) / 2);
        send(WM_MOUSEMOVE, to);
        send(WM_LBUTTONUP, to);
        pump();
    };
    auto cursorAt = [&](int x) {
        POINT screen{x, 5};
        ClientToScreen(header, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(header, WM_SETCURSOR, reinterpret_cast<WPARAM>(header),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    auto rightEdge = [&](int column) {
        RECT rect{};
        Header_GetItemRect(header, column, &rect);
        return static_cast<int>(rect.right);
    };
    HINSTANCE module = GetModuleHandleW(nullptr);
    HCURSOR resize = LoadCursorW(module, MAKEINTRESOURCEW(IDC_CURSOR_COLUMN_RESIZE));
    HCURSOR open = LoadCursorW(module, MAKEINTRESOURCEW(IDC_CURSOR_COLUMN_OPEN));
    ASSERT_NE(resize, nullptr);
    ASSERT_NE(open, nullptr);

    // Far past its left edge: width 0, not below.
    const int nameWidth = ListView_GetColumnWidth(list, ColFileName);
    drag(rightEdge(ColFileName), rightEdge(ColFileName) - nameWidth - 60);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFileName), 0);
    EXPECT_EQ(cursorAt(1), open);
    EXPECT_EQ(cursorAt(rightEdge(ColPreview)), resize);
    EXPECT_EQ(cursorAt(rightEdge(ColPreview) / 2), LoadCursorW(nullptr, IDC_ARROW));
    // Its divider still grabs it and opens it again.
    drag(1, 81);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFileName), 80);

    // Losing the pointer halfway leaves the width as it was.
    const int previewWidth = ListView_GetColumnWidth(list, ColPreview);
    send(WM_LBUTTONDOWN, rightEdge(ColPreview));
    send(WM_MOUSEMOVE, rightEdge(ColPreview) + 50);
    SetCapture(hwnd());
    ReleaseCapture();
    send(WM_LBUTTONUP, rightEdge(ColPreview) + 50);
    pump();
    EXPECT_EQ(ListView_GetColumnWidth(list, ColPreview), previewWidth);

    // Right of the last visible column the hidden ones share its divider: the drag widens the
    // visible column and the hidden ones stay hidden.
    const int extensionWidth = ListView_GetColumnWidth(list, ColExtension);
    drag(rightEdge(ColExtension) + 2, rightEdge(ColExtension) + 32);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColExtension), extensionWidth + 30);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColOriginalName), 0);
    EXPECT_EQ(ListView_GetColumnWidth(list, ColFullPath), 0);
}

TEST(UsersTextOrder, KeysCollateAsTheSystemCompares) {
    const Win32Collator collator;
    const std::u16string texts[] = {u"", u"1", u"10", u"9", u"a", u"B", u"c", u"张三", u"李四"};
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            const int system =
                CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, reinterpret_cast<LPCWSTR>(a.c_str()),
                                -1, reinterpret_cast<LPCWSTR>(b.c_str()), -1, nullptr, nullptr, 0);
            const std::string ka = collator.sortKey(a);
            const std::string kb = collator.sortKey(b);
            const int keys = ka < kb ? CSTR_LESS_THAN : (kb < ka ? CSTR_GREATER_THAN : CSTR_EQUAL);
            EXPECT_EQ(keys, system)
                << std::string(a.begin(), a.end()) << " / " << std::string(b.begin(), b.end());
        }
    }
}

}  // namespace
}  // namespace tessary::uitest
