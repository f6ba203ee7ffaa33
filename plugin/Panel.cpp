#include "plugin/Panel.h"

#include "controls/GuardedHandler.h"
#include "model/signals/WaveSignal.h"
#include "model/types/SimpleTypes.h"
#include "platform/com/Exception.h"
#include "platform/ui/QtConvert.h"
#include "plugin/Document.h"
#include "plugin/Editor1.h"
#include "plugin/RT_ServerImplementation.h"
#include "rows/WaveRowGroup.h"
#include "view/WaveEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <charconv>
#include <cstring>

namespace {
constexpr int cParameterBufferSize = 1024;
constexpr int cButtonRowHeight = 24;
constexpr int cValueButtonMaxWidth = 33;
constexpr int cIntegerBoxMaxWidth = 90;
constexpr int cIntegerButtonMaxWidth = 40;
constexpr int cTopPanelMinHeight = 200;
constexpr int cBottomPanelMinHeight = 120;
constexpr size_t cShortStringLength = 255;

// Buttons sharing a bar's width equally, 1 pixel apart, the last taking what is left.
class TButtonBar : public QWidget {
public:
    explicit TButtonBar(QWidget* parent) : QWidget(parent) { setFixedHeight(cButtonRowHeight); }
    QPushButton* Add(const std::string& caption, const std::string& name) {
        auto* button = new QPushButton(ToQtText(caption), this);
        button->setObjectName(QString::fromStdString(name));
        Buttons.push_back(button);
        return button;
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int n = static_cast<int>(Buttons.size());
        const int share = width() / n;
        for (int i = 0; i < n; ++i) {
            const int left = i * share + 1;
            const int right = i == n - 1 ? width() - 1 : (i + 1) * share - 1;
            Buttons[static_cast<size_t>(i)]->setGeometry(left, 1, right - left, height() - 2);
        }
    }

private:
    std::vector<QPushButton*> Buttons;
};

// Value buttons in rows of n, each at most 33 pixels wide and centred in its cell.
class TValueButtonGrid : public QWidget {
public:
    TValueButtonGrid(int perRow, QWidget* parent) : QWidget(parent), PerRow(perRow) {}
    std::vector<QPushButton*> Buttons;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int cell = width() / PerRow;
        const int w = std::min(cell, cValueButtonMaxWidth);
        for (size_t i = 0; i < Buttons.size(); ++i) {
            const int column = static_cast<int>(i) % PerRow, row = static_cast<int>(i) / PerRow;
            Buttons[i]->setGeometry(column * cell + (cell - w) / 2, row * cButtonRowHeight, w,
                                    cButtonRowHeight - 1);
        }
        setMinimumHeight(static_cast<int>((Buttons.size() + PerRow - 1) / PerRow) *
                         cButtonRowHeight);
    }

private:
    int PerRow;
};

// Integer boxes over two thirds of the width (at most 90 pixels), their "->" buttons over the
// last third (at most 40).
class TIntegerGrid : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<std::pair<QLineEdit*, QPushButton*>> Rows;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int boxWidth = std::min(width() * 2 / 3, cIntegerBoxMaxWidth);
        const int buttonWidth = std::min(width() / 3, cIntegerButtonMaxWidth);
        for (size_t i = 0; i < Rows.size(); ++i) {
            const int top = static_cast<int>(i) * cButtonRowHeight;
            Rows[i].first->setGeometry(0, top, boxWidth, cButtonRowHeight - 1);
            Rows[i].second->setGeometry(width() * 2 / 3, top, buttonWidth, cButtonRowHeight - 1);
        }
        setMinimumHeight(static_cast<int>(Rows.size()) * cButtonRowHeight);
    }
};

QLabel* Title(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(ToQtText(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void AddSignalEntry(const TSignalNode& signal, QTreeWidgetItem& item) {
    item.setText(0, ToQtText(signal.Name()));
    item.setText(1, ToQtText(signal.DataType() ? signal.DataType()->Name() : std::string()));
    item.setData(0, Qt::UserRole, signal.UniqueID());
    for (int32_t i = 0; i < signal.ChildCount(); ++i)
        if (const TSignalNode* child = signal.Child(i))
            AddSignalEntry(*child, *new QTreeWidgetItem(&item));
}

bool FindSelected(const QTreeWidgetItem& item, int32_t uid, bool& selected) {
    if (item.data(0, Qt::UserRole).toInt() == uid) {
        selected = item.isSelected();
        return true;
    }
    for (int i = 0; i < item.childCount(); ++i)
        if (FindSelected(*item.child(i), uid, selected))
            return true;
    return false;
}
} // namespace

std::optional<int32_t> IntegerBoxValue(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    int32_t value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || first == last)
        return std::nullopt;
    return value;
}

TWaveServerPanel::TWaveServerPanel() {
    setWindowTitle("Wave");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(BuildTopPanel(), 1);
    layout->addWidget(BuildBottomPanel());
    ShowSubPanel(TValueSubPanel::Blank);
}

QWidget* TWaveServerPanel::BuildTopPanel() {
    auto* top = new QWidget(this);
    top->setObjectName("TopPanel");
    top->setMinimumHeight(cTopPanelMinHeight);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Title("Jump Transition", top));
    auto* jumps = new TButtonBar(top);
    const char* jumpTargets[] = {"Target=First", "Target=Previous", "Target=Next", "Target=Last"};
    const std::pair<const char*, const char*> jumpButtons[] = {
        {"<<", "First"}, {"<", "Prev"}, {">", "Next"}, {">>", "Last"}};
    for (size_t i = 0; i < 4; ++i) {
        JumpButtons[i] = jumps->Add(jumpButtons[i].first, jumpButtons[i].second);
        const char* target = jumpTargets[i];
        connect(JumpButtons[i], &QPushButton::clicked, this,
                [this, target] { RunEditorOperation(TWaveOperation::Jump, target); });
    }
    layout->addWidget(jumps);
    layout->addWidget(Title("Current Signal", top));
    Current = new QLineEdit(top);
    Current->setObjectName("Current");
    connect(Current, &QLineEdit::textChanged, this, [this] { CurrentEdited(); });
    layout->addWidget(Current);
    layout->addWidget(Title("Waveforms", top));
    FSignalsTree = new QTreeWidget(top);
    FSignalsTree->setObjectName("SignalsTree");
    FSignalsTree->setHeaderLabels({"Name", "Type"});
    FSignalsTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FSignalsTree->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(FSignalsTree, 1);
    auto* bar = new TButtonBar(top);
    SignalButtons = {bar->Add("Add", "ShowSignal"), bar->Add("Hide", "Button_HideSignal"),
                     bar->Add("Delete", "DeleteSignal")};
    connect(SignalButtons[0], &QPushButton::clicked, this,
            [this] { RunEditorOperation(TWaveOperation::ShowSignals, ""); });
    connect(SignalButtons[1], &QPushButton::clicked, this,
            [this] { RunEditorOperation(TWaveOperation::DeleteSignals, "Hide"); });
    connect(SignalButtons[2], &QPushButton::clicked, this,
            [this] { RunEditorOperation(TWaveOperation::DeleteSignals, "Delete"); });
    layout->addWidget(bar);
    return top;
}

QWidget* TWaveServerPanel::BuildBottomPanel() {
    auto* bottom = new QWidget(this);
    bottom->setObjectName("BottomPanel");
    bottom->setMinimumHeight(cBottomPanelMinHeight);
    auto* layout = new QVBoxLayout(bottom);
    layout->setContentsMargins(0, 0, 0, 0);
    Label_AddTransition = Title("Add Transition", bottom);
    Label_AddTransition->setObjectName("Label_AddTransition");
    layout->addWidget(Label_AddTransition);
    const auto add = [&](QWidget* panel) { layout->addWidget(panel); };
    add(BuildButtonPanel(TValueSubPanel::StdLogic, "Panel_StdLogic", "Standard Logic",
                         {{"1", "SpeedButton_StdLog_1"},
                          {"0", "SpeedButton_StdLog_0"},
                          {"Z", "SpeedButton_StdLog_Z"},
                          {"H", "SpeedButton_StdLog_H"},
                          {"L", "SpeedButton_StdLog_L"},
                          {"W", "SpeedButton_StdLog_W"},
                          {"U", "SpeedButton_StdLog_U"},
                          {"-", "SpeedButton_StdLog_dc"},
                          {"X", "SpeedButton_StdLog_X"}},
                         3));
    add(BuildButtonPanel(TValueSubPanel::Bit, "Panel_Bit", "Bit",
                         {{"1", "SpeedButton_Bit1"}, {"0", "SpeedButton_Bit0"}}, 2));
    add(BuildButtonPanel(TValueSubPanel::CUPL, "Panel_CUPL", "CUPL",
                         {{"H D", "SpeedButton_CUPL_HDriving"},
                          {"H R", "SpeedButton_CUPL_HResistive"},
                          {"H S", "SpeedButton_CUPL_HSupply"},
                          {"L D", "SpeedButton_CUPL_LDriving"},
                          {"L R", "SpeedButton_CUPL_LResistive"},
                          {"L S", "SpeedButton_CUPL_LSupply"},
                          {"U Z", "SpeedButton_CUPL_HighZ"},
                          {"U D", "SpeedButton_CUPL_Unknown"}},
                         3));
    add(BuildIntegerPanel());
    add(BuildEnumPanel());
    auto* blank = new QLabel("Adding transitions to current signal type is not supported", bottom);
    blank->setObjectName("Panel_Blank");
    blank->setWordWrap(true);
    SubPanels[static_cast<size_t>(TValueSubPanel::Blank)] = blank;
    add(blank);
    layout->addStretch(1);
    return bottom;
}

QWidget* TWaveServerPanel::BuildButtonPanel(
    TValueSubPanel kind, const std::string& objectName, const std::string& title,
    const std::vector<std::pair<std::string, std::string>>& buttons, int perRow) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QString::fromStdString(objectName));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Title(title, panel));
    auto* grid = new TValueButtonGrid(perRow, panel);
    for (const auto& [value, name] : buttons) {
        auto* button = new QPushButton(ToQtText(value), grid);
        button->setObjectName(QString::fromStdString(name));
        button->setCheckable(true);
        const std::string text = value;
        connect(button, &QPushButton::clicked, this, [this, text] { SendTransition(text); });
        grid->Buttons.push_back(button);
    }
    layout->addWidget(grid);
    SubPanels[static_cast<size_t>(kind)] = panel;
    SubPanelButtons[static_cast<size_t>(kind)] = grid->Buttons;
    return panel;
}

QWidget* TWaveServerPanel::BuildIntegerPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel_Integer");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Title("Integer", panel));
    auto* grid = new TIntegerGrid(panel);
    for (int i = 0; i < cIntegerBoxCount; ++i) {
        const std::string suffix = i == 0 ? "" : "_" + std::to_string(i + 1);
        auto* box = new QLineEdit(grid);
        box->setObjectName(QString::fromStdString("Edit_Integer" + suffix));
        auto* button = new QPushButton("->", grid);
        button->setObjectName(QString::fromStdString("Button_Integer_Add" + suffix));
        connect(button, &QPushButton::clicked, this, [this, box] {
            if (auto value = IntegerBoxValue(FromQtText(box->text())))
                SendTransition(std::to_string(*value));
        });
        IntegerBoxes[static_cast<size_t>(i)] = box;
        IntegerButtons[static_cast<size_t>(i)] = button;
        grid->Rows.emplace_back(box, button);
    }
    layout->addWidget(grid);
    SubPanels[static_cast<size_t>(TValueSubPanel::Integer)] = panel;
    return panel;
}

QWidget* TWaveServerPanel::BuildEnumPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel_Enum");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    Label_EnumerationTitle = Title("Enumeration", panel);
    Label_EnumerationTitle->setObjectName("Label_EnumerationTitle");
    layout->addWidget(Label_EnumerationTitle);
    ListBox_Enum = new QListWidget(panel);
    ListBox_Enum->setObjectName("ListBox_Enum");
    connect(ListBox_Enum, &QListWidget::itemClicked, this,
            [this] { SendTransition(std::to_string(ListBox_Enum->currentRow())); });
    layout->addWidget(ListBox_Enum);
    SubPanels[static_cast<size_t>(TValueSubPanel::Enum)] = panel;
    return panel;
}

void TWaveServerPanel::Attach(TWaveWindow& window) {
    Editor = &window.Editor();
    if (Document && Document->IsEditableDocument())
        return;
    for (QWidget* panel : SubPanels)
        panel->hide();
    Label_AddTransition->hide();
    SignalButtons[2]->setEnabled(false);
}

void TWaveServerPanel::Detach() {
    Document = nullptr;
    Editor = nullptr;
    LastType = nullptr;
}

const std::vector<QPushButton*>& TWaveServerPanel::ValueButtons(TValueSubPanel panel) const {
    return SubPanelButtons[static_cast<size_t>(panel)];
}

void TWaveServerPanel::ResetButtons() {
    for (const auto& buttons : SubPanelButtons)
        for (QPushButton* button : buttons)
            button->setChecked(false);
}

TValueSubPanel TWaveServerPanel::VisibleSubPanel() const {
    for (size_t i = 0; i < SubPanels.size(); ++i)
        if (!SubPanels[i]->isHidden())
            return static_cast<TValueSubPanel>(i);
    return TValueSubPanel::Blank;
}

void TWaveServerPanel::ShowSubPanel(TValueSubPanel kind) {
    for (size_t i = 0; i < SubPanels.size(); ++i)
        SubPanels[i]->setVisible(static_cast<TValueSubPanel>(i) == kind);
}

void TWaveServerPanel::ChooseSubPanel(const TWaveDataType* type) {
    const std::string name = type ? type->Name() : std::string();
    const auto* simple = dynamic_cast<const TWaveSimpleType*>(type);
    if (name == "CUPL")
        ShowSubPanel(TValueSubPanel::CUPL);
    else if (name == "std_logic")
        ShowSubPanel(TValueSubPanel::StdLogic);
    else if (simple && simple->IsEnumeration()) {
        Label_EnumerationTitle->setText(ToQtText(name));
        Literals.clear();
        if (const auto* enumeration = dynamic_cast<const TEnumWaveType*>(type))
            for (const std::string& literal : enumeration->Literals())
                Literals.push_back(literal);
        ListBox_Enum->clear();
        for (const std::string& literal : Literals)
            ListBox_Enum->addItem(ToQtText(literal));
        ShowSubPanel(TValueSubPanel::Enum);
    } else if (name == "integer" || name == "real")
        ShowSubPanel(TValueSubPanel::Integer);
    else if (name == "bit")
        ShowSubPanel(TValueSubPanel::Bit);
    else
        ShowSubPanel(TValueSubPanel::Blank);
}

void TWaveServerPanel::CurrentSignalChanged(TSignalNode* signal) {
    Updating = true;
    try {
        Current->setText(ToQtText(signal ? signal->FullName() : std::string()));
        const TWaveDataType* type = signal ? signal->DataType() : nullptr;
        if (Document && Document->IsEditableDocument() && type != LastType) {
            LastType = type;
            if (VisibleSubPanel() == TValueSubPanel::Enum)
                Literals.clear();
            ChooseSubPanel(type);
        }
    } catch (const std::exception&) {
        UIService().MessageDlg("Panel Error", "Name Invalid", TMsgDlgType::Error, mbOK);
    }
    // Cleared even after an error: the box must keep renaming the next signals.
    Updating = false;
}

void TWaveServerPanel::CurrentEdited() {
    if (Updating || Document == nullptr || !Document->MayEdit() || Editor == nullptr)
        return;
    TWaveRow* row = Editor->FocusedRowIfAny();
    if (row == nullptr || row->Signal() == nullptr)
        return;
    RunGuarded([&] {
        std::string name = FromQtText(Current->text());
        if (name.size() > cShortStringLength)
            name.resize(cShortStringLength);
        row->Signal()->SetName(name);
        if (TWaveRowGroup* group = AsGroupRow(row)) {
            group->SetGroupName(name);
            Document->SignalsChanged();
        }
        Editor->InvalidateRowName(*row);
        RefreshSignalList();
        Document->MarkModified();
    });
}

void TWaveServerPanel::RefreshSignalList() {
    FSignalsTree->clear();
    if (Document == nullptr)
        return;
    const TSignalDataStore& store = Document->SignalStore();
    for (int32_t i = 0; i < store.Count(); ++i)
        AddSignalEntry(*store.Item(i), *new QTreeWidgetItem(FSignalsTree));
}

bool TWaveServerPanel::IsSignalSelected(const TSignalNode& signal) const {
    bool selected = false;
    for (int i = 0; i < FSignalsTree->topLevelItemCount(); ++i)
        if (FindSelected(*FSignalsTree->topLevelItem(i), signal.UniqueID(), selected))
            return selected;
    return false;
}

void TWaveServerPanel::SendTransition(const std::string& value) {
    RunGuarded([&] {
        IClient* client = CurrentClient();
        if (client == nullptr || Editor == nullptr)
            return;
        TComPtr<IProcessLauncher> launcher;
        OleCheck(client->GetProcessLauncher(launcher.Out()));
        if (!launcher)
            return;
        char buffer[cParameterBufferSize] = {};
        const std::string text = "Transition=" + value;
        std::strncpy(buffer, text.c_str(), sizeof(buffer) - 1);
        OleCheck(launcher->RunProcess("Wave:AddTransition", buffer, cParameterBufferSize,
                                      Editor->HostView()));
    });
}

void TWaveServerPanel::RunEditorOperation(TWaveOperation operation, const char* parameters) {
    if (Editor == nullptr)
        return;
    RunGuarded([&] {
        char buffer[cParameterBufferSize] = {};
        std::strncpy(buffer, parameters, sizeof(buffer) - 1);
        Editor->RunOperation(operation, buffer, cParameterBufferSize);
    });
}
