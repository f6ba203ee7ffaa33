#include "platform/graphics/RecordingCanvas.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"
#include "tests/plugin/DocumentFixture.h"
#include "view/PaneCodes.h"
#include "view/SignalNameEdit.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QTest>

namespace {
QRect Bounds(TCustomWaveEditor& editor, TEditorChild child) {
    QWidget& widget = editor.Child(child);
    return widget.isHidden() ? QRect() : widget.geometry();
}

void Press(QWidget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}
} // namespace

using TEditorControlTest = TDocumentFixture;

TEST_F(TEditorControlTest, ChildrenFollowTheLayoutAndSplitterDrags) {
    using C = TEditorChild;
    ShowEditor(860, 400); // columns 1, 2, 4 and 5: N = 206
    TCustomWaveEditor& editor = Editor();
    EXPECT_EQ(Bounds(editor, C::LowerRightSignalPanel), QRect(206, 74, 638, 310));
    EXPECT_EQ(Bounds(editor, C::HorizontalSplitter), QRect(844, 68, 16, 6)); // a grip
    EXPECT_TRUE(editor.Child(C::UpperLeftSignalPanel).isHidden());
    EXPECT_EQ(editor.ActiveWavePanel()->PaneCode(), PaneCode::LowerRightSignal);

    editor.MoveSplitter(0, 40); // the grip dragged down
    EXPECT_EQ(editor.HSpliterPosition(), 108);
    EXPECT_EQ(Bounds(editor, C::UpperNamePanel).height(), 34);
    EXPECT_EQ(Bounds(editor, C::LowerNamePanel), QRect(0, 114, 206, 270));
    editor.MoveSplitter(0, -30); // back above 84: no split again
    EXPECT_EQ(editor.HSpliterPosition(), 68);
    EXPECT_TRUE(editor.Child(C::UpperNamePanel).isHidden());

    editor.MoveSplitter(1, 200); // vertical split at 400
    EXPECT_EQ(editor.VSpliterPosition(), 400);
    EXPECT_EQ(Bounds(editor, C::LowerLeftSignalPanel), QRect(206, 74, 194, 310));
    // Shrinking the name column keeps the left waveform panel's width; widening does not.
    editor.ResizeColumnByDrag(2, 146, 116);
    EXPECT_EQ(editor.VSpliterPosition(), 370);
    EXPECT_EQ(Bounds(editor, C::LowerLeftSignalPanel).width(), 194);
    EXPECT_TRUE(Modified());
    editor.ResizeColumnByDrag(2, 116, 146);
    EXPECT_EQ(editor.VSpliterPosition(), 370);
    EXPECT_EQ(Bounds(editor, C::LowerLeftSignalPanel).width(), 164);
}

TEST_F(TEditorControlTest, RowsArePlacedPaintedAndHitInTheirBand) {
    ShowEditor(860, 400);
    TCustomWaveEditor& editor = Editor();
    AddSignal("clk", "std_logic");
    AddSignal("data", "bit");
    ASSERT_EQ(editor.RowCount(), 3);
    TNamePanel& names = editor.NamePanelOf(PaneCode::LowerName);
    const std::vector<TRowExtent> extents = editor.BandExtents(PaneCode::LowerName);
    ASSERT_EQ(extents.size(), 3u);
    const int32_t height = editor.RowAt(0)->TotalHeight();
    EXPECT_EQ(extents[0].Top, names.height());
    EXPECT_EQ(extents[1].Top, names.height() - height);
    EXPECT_EQ(editor.RowAtPoint(names, {40, names.height() - height - 1}), editor.RowAt(1));
    TSignalPanel& wave = editor.SignalPanelOf(PaneCode::LowerRightSignal);
    EXPECT_EQ(editor.RowAtPoint(wave, {10, names.height()}), editor.RowAt(0));
    const TRowColumnHit hit = editor.RowAndColumnAt(names, {40, names.height() - 1});
    EXPECT_EQ(hit.Row, 0);
    EXPECT_EQ(hit.Column, 2);

    // Number, caption and value at the current time of each row; the end-of-display row shows
    // none.
    TRecordingCanvas canvas;
    names.PaintTo(canvas);
    std::vector<std::string> texts;
    for (const TPrimitive& p : canvas.Primitives)
        if (p.Kind == TPrimitiveKind::Text)
            texts.push_back(p.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "data", "0", "1", "clk", "U"}));
    wave.PaintTo(canvas);
    EXPECT_EQ(wave.LastRowBottom, extents[1].Bottom);
    // What a host grabs into a picture.
    EXPECT_EQ(static_cast<QWidget*>(FormWidget())->grab().size(), QSize(860, 400));

    // A click makes the row under the mouse the focused row.
    QTest::mouseClick(&names, Qt::LeftButton, {}, QPoint(40, height + 2));
    EXPECT_EQ(editor.FocusedRow(), editor.RowAt(1));
    EXPECT_FALSE(editor.RemoveRow(2));      // never the end-of-display row
    editor.StartNameEdit(*editor.RowAt(2)); // the end-of-display row has no name to edit
    EXPECT_FALSE(editor.IsEditingName());
    EXPECT_TRUE(editor.RemoveRow(1));
    EXPECT_EQ(editor.RowCount(), 2);
    EXPECT_EQ(editor.FocusedRowIfAny(), nullptr);
}

TEST_F(TEditorControlTest, NameEditCommitsOnEnterAndLeavesTheNameOnEscape) {
    ShowEditor(860, 400);
    TCustomWaveEditor& editor = Editor();
    TSignalNode* clk = AddSignal("clk", "std_logic");
    TWaveRow& row = *editor.RowAt(0);
    Document->SetModified(0);

    editor.StartNameEdit(row);
    TSignalNameInPlaceEdit& edit = *editor.NameEdit();
    EXPECT_FALSE(edit.isHidden());
    EXPECT_EQ(edit.text(), "clk");
    EXPECT_EQ(edit.geometry().left(), NameColumnLeft(editor.Columns(), 2));
    QTest::keyClicks(&edit, "other");
    Press(edit, Qt::Key_Escape);
    EXPECT_FALSE(editor.IsEditingName());
    EXPECT_EQ(clk->Name(), "clk");
    EXPECT_FALSE(Modified());

    editor.StartNameEdit(row);
    QTest::keyClicks(&edit, "clock");
    Press(edit, Qt::Key_Tab); // handed to the editor, not to the focus chain
    EXPECT_TRUE(edit.isHidden());
    EXPECT_EQ(clk->Name(), "clock");
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Panel().SignalsTree().topLevelItem(0)->text(0), "clock");

    // A group row: the group and its signal take the name.
    TComPtr<IWaveSignal> group;
    ASSERT_EQ(Builder->AddGroup("bus", "", group.Out()), S_OK);
    TWaveRowGroup* groupRow = AsGroupRow(editor.FocusedRow());
    ASSERT_NE(groupRow, nullptr);
    editor.StartNameEdit(*groupRow);
    QTest::keyClicks(&edit, "lanes");
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(groupRow->GroupName(), "lanes");
    EXPECT_EQ(groupRow->Signal()->Name(), "lanes");
}
