// A list of rows in columns whose cells are never edited in place; a column can show colour
// swatches instead of text. Rows are addressed by their position.
#pragma once

#include "rows/Wavefontobj.h"

#include <QTreeWidget>
#include <set>
#include <string>
#include <vector>

class TThemedTreeList : public QTreeWidget {
    Q_OBJECT
public:
    TThemedTreeList(const std::vector<std::string>& columnCaptions,
                    const std::set<int>& colorColumns, QWidget* parent);

    int RowCount() const { return topLevelItemCount(); }
    // Appends an empty row; answers its index.
    int AddRow();
    void DeleteRow(int row);
    void ClearRows() { clear(); }

    std::string CellText(int row, int column) const;
    void SetCellText(int row, int column, const std::string& text);
    TColor CellColor(int row, int column) const;
    void SetCellColor(int row, int column, TColor color);

    // -1 when no row is selected.
    int SelectedRow() const;
    // Selects and focuses the row; -1 clears the selection.
    void SelectRow(int row);

signals:
    void CellClicked(int row, int column);
    void CellDoubleClicked(int row, int column);
    void SelectionChanged();

private:
    QTreeWidgetItem& Row(int row) const;
};
