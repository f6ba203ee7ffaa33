#include "controls/ThemedTreeList.h"
#include "platform/com/Exception.h"
#include "tests/controls/TestApplication.h"

#include <gtest/gtest.h>

TEST(ThemedTreeList, RowsByPositionWithTextAndColourCells) {
    TestApplication();
    TThemedTreeList list({"Name", "Color"}, {1}, nullptr);
    int selectionChanges = 0;
    QObject::connect(&list, &TThemedTreeList::SelectionChanged, [&] { ++selectionChanges; });
    EXPECT_EQ(list.SelectedRow(), -1);
    for (const char* name : {"A", "B", "C"}) {
        const int row = list.AddRow();
        list.SetCellText(row, 0, name);
        list.SetCellColor(row, 1, 0x0000FF00u + static_cast<TColor>(row));
    }
    // Texts are 8-bit and come back byte for byte.
    list.SetCellText(2, 0, "Gr\xFCn");
    EXPECT_EQ(list.CellText(2, 0), "Gr\xFCn");
    EXPECT_EQ(list.CellColor(1, 1), 0x0000FF01u);

    list.SelectRow(1);
    EXPECT_EQ(list.SelectedRow(), 1);
    list.DeleteRow(0);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.CellText(0, 0), "B");
    list.SelectRow(-1);
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_GE(selectionChanges, 2);

    EXPECT_THROW(list.CellText(5, 0), Exception);
    EXPECT_THROW(list.DeleteRow(-1), Exception);
    EXPECT_THROW(list.SelectRow(2), Exception);
}
