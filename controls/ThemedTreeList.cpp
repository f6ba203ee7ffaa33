#include "controls/ThemedTreeList.h"

#include "controls/ColorSwatch.h"
#include "platform/com/Exception.h"
#include "platform/ui/QtConvert.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
constexpr int cColorRole = Qt::UserRole;
constexpr int cSwatchInset = 2;

// Draws a cell's colour as a swatch in place of text.
class TColorCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        background.text.clear();
        QStyledItemDelegate::paint(painter, background, index);
        PaintColorSwatch(
            *painter,
            option.rect.adjusted(cSwatchInset, cSwatchInset, -cSwatchInset, -cSwatchInset),
            index.data(cColorRole).value<TColor>());
    }
};
} // namespace

TThemedTreeList::TThemedTreeList(const std::vector<std::string>& columnCaptions,
                                 const std::set<int>& colorColumns, QWidget* parent)
    : QTreeWidget(parent) {
    QStringList captions;
    for (const auto& caption : columnCaptions)
        captions << ToQtText(caption);
    setColumnCount(static_cast<int>(captions.size()));
    setHeaderLabels(captions);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column : colorColumns)
        setItemDelegateForColumn(column, new TColorCellDelegate(this));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int column) {
        emit CellClicked(indexOfTopLevelItem(item), column);
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int column) {
        emit CellDoubleClicked(indexOfTopLevelItem(item), column);
    });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &TThemedTreeList::SelectionChanged);
}

QTreeWidgetItem& TThemedTreeList::Row(int row) const {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr)
        throw Exception("List index out of bounds (" + std::to_string(row) + ")");
    return *item;
}

int TThemedTreeList::AddRow() {
    addTopLevelItem(new QTreeWidgetItem());
    return RowCount() - 1;
}

void TThemedTreeList::DeleteRow(int row) {
    delete &Row(row);
}

std::string TThemedTreeList::CellText(int row, int column) const {
    return FromQtText(Row(row).text(column));
}

void TThemedTreeList::SetCellText(int row, int column, const std::string& text) {
    Row(row).setText(column, ToQtText(text));
}

TColor TThemedTreeList::CellColor(int row, int column) const {
    return Row(row).data(column, cColorRole).value<TColor>();
}

void TThemedTreeList::SetCellColor(int row, int column, TColor color) {
    Row(row).setData(column, cColorRole, QVariant::fromValue(color));
}

int TThemedTreeList::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void TThemedTreeList::SelectRow(int row) {
    if (row < 0) {
        clearSelection();
        return;
    }
    QTreeWidgetItem& item = Row(row);
    setCurrentItem(&item);
    item.setSelected(true);
    setFocus();
}
