// CListBoxEx (wrapped in a skinned scroll frame) over a real window with real input: rows and their data, the
// selection notification, and in-place renaming (Enter, focus loss, Escape, one rename at a time).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "skin/skin_fixture.h"
#include "support/gui_harness.h"
#include "win/resources/resource_ids.h"
#include "win/skin/list_box_ex.h"
#include "win/skin/skin_scroll_wnd.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::test {
namespace {

using skin::CListBoxEx;

constexpr UINT kListId = 0x7A1;
constexpr UINT kOtherListId = 0x7A2;
constexpr int kRows = 30;
constexpr COLORREF kListBackground = RGB(0x18, 0x1B, 0x1F);
constexpr COLORREF kListSelection = RGB(0x00, 0x6A, 0x99);

std::wstring RowText(int i) {
    return L"Step " + std::to_wstring(i);
}

uint32_t RowType(int i) {
    return static_cast<uint32_t>(skin::kListItemKeyUp + i % 3);
}

void Fill(CListBoxEx& list) {
    for (int i = 0; i < kRows; ++i) {
        list.InsertItem(-1, RowType(i), RowText(i), static_cast<uint32_t>(100 + i));
    }
    list.SetCurSel(-1);
    SendMessageW(list.hwnd(), LB_SETTOPINDEX, 0, 0);  // selecting each new row scrolled to the end
}

class ListBoxTest : public ::testing::Test {
public:
    // For the rename endings below.
    HWND CurrentEditor() const { return Editor(list_); }
    void ClickRow(int row) { EXPECT_TRUE(RealClickAt(list_.hwnd(), RowPoint(list_, row))) << "row " << row; }

protected:
    void SetUp() override {
        ASSERT_TRUE(host_.Open(80, 80, 480, 260));
        host_.Record(msg::kListSelChange);
        host_.Record(msg::kListRename);
        ASSERT_TRUE(MakeList(list_, RECT{20, 20, 220, 200}, kListId));
        Fill(list_);
    }

    bool MakeList(CListBoxEx& list, const RECT& rect, UINT id) {
        list.SetInstallDir(SkinDir().wstring());
        if (!list.CreateList(host_.hwnd(), rect, id, WS_VSCROLL)) {
            return false;
        }
        list.SetColors(kListBackground, kListSelection);
        list.SetTextColors(RGB(0xC8, 0xCC, 0xD2), RGB(0xFF, 0xFF, 0xFF));
        // Wrapped, as the program shows its lists: the list box's parent becomes the frame's
        // clipping window, and its drawing and notifications must still work.
        if (!skin_.bitmap) {
            skin_ = ui::LoadBitmapResource(IDB_SCROLL_SKIN);
        }
        return skin::SkinScrollWindow(list.hwnd(), skin_.bitmap.get()) != nullptr;
    }

    // The middle of a row in view, in the list's client area.
    static POINT RowPoint(const CListBoxEx& list, int row) {
        RECT rc{};
        SendMessageW(list.hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    static HWND Editor(const CListBoxEx& list) {
        return FindWindowExW(list.hwnd(), nullptr, L"Edit", nullptr);
    }

    std::vector<HostWindow::Received> Posted(UINT message) {
        PumpFor(std::chrono::milliseconds(50));
        return host_.Of(message);
    }

    HostWindow host_;
    ui::SkinBitmap skin_;
    CListBoxEx list_;
};

TEST_F(ListBoxTest, InsertAndReplaceKeepTheOwnersValueUnderTheTypeAndSelectTheRow) {
    struct Row {
        uint32_t type;
        uint32_t value;
        uint32_t data;
    };
    const Row rows[] = {
        {skin::kListItemPlain, 0xFF123456u, 0xFF123456u},  // a plain row keeps all 32 bits
        {skin::kListItemKeyDown, 0xFF123456u, 0x03123456u},
        {skin::kListItemDelay, 5, 0x04000005u},
        {skin::kListItemIndented, 0x00FFFFFFu, 0x01FFFFFFu},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(list_.InsertItem(4, row.type, L"inserted", row.value), 4);
        EXPECT_EQ(list_.GetItemData(4), row.data) << "type " << row.type;
        EXPECT_EQ(list_.GetCurSel(), 4);
        EXPECT_EQ(list_.GetItemText(5), RowText(4)) << "the old row moved down";

        ASSERT_EQ(list_.ReplaceItem(4, row.type, L"replaced", row.value + 1), 4);
        EXPECT_EQ(list_.GetItemData(4), skin::PackListItemData(row.type, row.value + 1));
        EXPECT_EQ(list_.GetItemText(4), L"replaced");
        EXPECT_EQ(list_.GetCurSel(), 4);
        ASSERT_TRUE(list_.DeleteItem(4));
    }
    EXPECT_EQ(list_.GetCount(), kRows);
    EXPECT_EQ(list_.ReplaceItem(kRows, skin::kListItemDelay, L"past the end", 1), LB_ERR);
    EXPECT_EQ(list_.GetCount(), kRows);
    EXPECT_TRUE(Posted(msg::kListSelChange).empty()) << "changes made by the program are not reported";
}

TEST_F(ListBoxTest, ARealClickOnARowPostsTheListIdAndTheRowToTheParentOrTheNotifyTarget) {
    ASSERT_TRUE(RealClickAt(list_.hwnd(), RowPoint(list_, 3)));
    ASSERT_TRUE(PumpUntil([&] { return !host_.Of(msg::kListSelChange).empty(); }, std::chrono::seconds(3)));
    auto posted = host_.Of(msg::kListSelChange);
    EXPECT_EQ(posted.back().wParam, kListId);
    EXPECT_EQ(posted.back().lParam, 3);
    EXPECT_EQ(list_.GetCurSel(), 3);

    HostWindow target;
    ASSERT_TRUE(target.Open(620, 80, 100, 100, L"KX90 list notify target"));
    target.Record(msg::kListSelChange);
    list_.SetNotifyTarget(target.hwnd(), true);
    host_.Clear();
    ASSERT_TRUE(RealClickAt(list_.hwnd(), RowPoint(list_, 5)));
    ASSERT_TRUE(PumpUntil([&] { return !target.Of(msg::kListSelChange).empty(); }, std::chrono::seconds(3)));
    EXPECT_EQ(target.Of(msg::kListSelChange).back().wParam, kListId);
    EXPECT_EQ(target.Of(msg::kListSelChange).back().lParam, 5);
    EXPECT_TRUE(Posted(msg::kListSelChange).empty()) << "nothing to the parent while a target is set";
    list_.SetNotifyTarget(target.hwnd(), false);
}

// How a rename ends: the typed name is 28 characters, of which the editor takes 20.
struct RenameEnding {
    const char* name;
    std::function<void(ListBoxTest&)> finish;
    bool commits;
    int selectedAfter;
};

class ListRenameTest : public ListBoxTest, public ::testing::WithParamInterface<RenameEnding> {};

TEST_P(ListRenameTest, DoubleClickOpensTheEditorAndTheEndingDecidesTheRow) {
    constexpr int kRow = 2;
    list_.SetRenameByDoubleClick(true);
    const uint32_t data = list_.GetItemData(kRow);
    ASSERT_TRUE(RealDoubleClickAt(list_.hwnd(), RowPoint(list_, kRow)));
    ASSERT_TRUE(PumpUntil([&] { return Editor(list_) != nullptr; }, std::chrono::seconds(3)));
    EXPECT_EQ(list_.RenamingIndex(), kRow);
    EXPECT_EQ(GetFocus(), Editor(list_));
    wchar_t shown[64] = {};
    GetWindowTextW(Editor(list_), shown, 64);
    EXPECT_EQ(std::wstring(shown), RowText(kRow));
    host_.Clear();

    RealType(L"Renamed row with a long name");  // replaces the selected text
    GetParam().finish(*this);
    PumpFor(std::chrono::milliseconds(100));

    EXPECT_EQ(Editor(list_), nullptr) << "the editor is closed";
    EXPECT_EQ(list_.RenamingIndex(), -1);
    EXPECT_EQ(list_.GetCount(), kRows);
    EXPECT_EQ(list_.GetItemData(kRow), data) << "the row keeps its data";
    EXPECT_EQ(list_.GetCurSel(), GetParam().selectedAfter);
    const auto renamed = Posted(msg::kListRename);
    if (GetParam().commits) {
        EXPECT_EQ(list_.GetItemText(kRow), L"Renamed row with a l");
        ASSERT_EQ(renamed.size(), 1u);
        EXPECT_EQ(renamed[0].wParam, kListId);
        EXPECT_EQ(renamed[0].lParam, kRow);
    } else {
        EXPECT_EQ(list_.GetItemText(kRow), RowText(kRow));
        EXPECT_TRUE(renamed.empty()) << "a cancelled rename posts nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ListBoxRenameEndings, ListRenameTest,
    ::testing::Values(RenameEnding{"EnterOnRelease",
                                   [](ListBoxTest& t) {
                                       RealKeyDown(VK_RETURN);
                                       EXPECT_NE(t.CurrentEditor(), nullptr) << "Enter commits when released";
                                       RealKeyUp(VK_RETURN);
                                   },
                                   true, 2},
                      RenameEnding{"FocusMovesToAnotherRow", [](ListBoxTest& t) { t.ClickRow(6); }, true, 6},
                      RenameEnding{"Escape", [](ListBoxTest&) { RealKey(VK_ESCAPE); }, false, 2}),
    [](const ::testing::TestParamInfo<RenameEnding>& info) { return std::string(info.param.name); });

TEST_F(ListBoxTest, ARenameEndsWhenAnotherListStartsOne) {
    CListBoxEx other;
    ASSERT_TRUE(MakeList(other, RECT{240, 20, 440, 200}, kOtherListId));
    Fill(other);
    list_.SetRenameByDoubleClick(true);
    other.SetRenameByDoubleClick(true);

    ASSERT_TRUE(RealDoubleClickAt(list_.hwnd(), RowPoint(list_, 1)));
    ASSERT_TRUE(PumpUntil([&] { return list_.RenamingIndex() == 1; }, std::chrono::seconds(3)));
    RealType(L"First");
    ASSERT_TRUE(RealDoubleClickAt(other.hwnd(), RowPoint(other, 4)));
    ASSERT_TRUE(PumpUntil([&] { return other.RenamingIndex() == 4; }, std::chrono::seconds(3)));
    EXPECT_EQ(list_.RenamingIndex(), -1);
    EXPECT_EQ(Editor(list_), nullptr);
    EXPECT_EQ(list_.GetItemText(1), L"First") << "the first rename was committed";

    RealKey(VK_ESCAPE);
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(Editor(other), nullptr);
    EXPECT_EQ(other.GetItemText(4), RowText(4));
    const auto renamed = Posted(msg::kListRename);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].wParam, kListId);
    EXPECT_EQ(renamed[0].lParam, 1);
}

TEST_F(ListBoxTest, AddItemAndEditAppendsTheRowAndRenamesIt) {
    ASSERT_EQ(list_.AddItemAndEdit(skin::kListItemPlain, L"New macro", 0x0A000007u, true), kRows);
    EXPECT_EQ(list_.GetCurSel(), kRows);
    ASSERT_NE(Editor(list_), nullptr);
    EXPECT_EQ(list_.RenamingIndex(), kRows);
    RealType(L"Macro 1");
    RealKey(VK_RETURN);
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(list_.GetItemText(kRows), L"Macro 1");
    EXPECT_EQ(list_.GetItemData(kRows), 0x0A000007u) << "a plain row keeps all 32 bits";
    const auto renamed = Posted(msg::kListRename);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].lParam, kRows);
}

}  // namespace
}  // namespace kx90::test
