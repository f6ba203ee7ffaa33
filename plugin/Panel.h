// The workspace panel of a waveform document: the signal list, the focused signal's name,
// jump and signal buttons, and value buttons by the focused signal's type that add a
// transition through the host.
#pragma once

#include "plugin/RT_ServerViews.h"
#include "view/EditorLinks.h"
#include "view/WaveOperations.h"

#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class TCustomWaveEditor;
class TWaveDataType;
class TWaveDocument;
class TWaveWindow;

// The lower section's alternatives; one is visible at a time.
enum class TValueSubPanel { StdLogic, Bit, CUPL, Integer, Enum, Blank };

class TWaveServerPanel : public TServerPanelForm, public TWavePanelLink {
public:
    static constexpr int cIntegerBoxCount = 5;

    TWaveServerPanel();

    void SetDocument(TWaveDocument* document) { Document = document; }
    // Remembers the form's editor; a document that is not editable offers no value buttons
    // and no Delete.
    void Attach(TWaveWindow& window);
    // The document goes: the panel forgets it and its editor.
    void Detach();

    // TWavePanelLink
    void CurrentSignalChanged(TSignalNode* signal) override;
    void RefreshSignalList() override;

    // Whether the signal's entry (found by identifier, depth first) is selected in the list.
    bool IsSignalSelected(const TSignalNode& signal) const;

    TValueSubPanel VisibleSubPanel() const;
    QLineEdit& CurrentBox() const { return *Current; }
    QTreeWidget& SignalsTree() const { return *FSignalsTree; }
    QLineEdit& IntegerBox(int index) const { return *IntegerBoxes[static_cast<size_t>(index)]; }
    QPushButton& IntegerButton(int index) const {
        return *IntegerButtons[static_cast<size_t>(index)];
    }
    QListWidget& EnumList() const { return *ListBox_Enum; }
    QLabel& EnumTitle() const { return *Label_EnumerationTitle; }
    // The value buttons of a sub-panel, in their order.
    const std::vector<QPushButton*>& ValueButtons(TValueSubPanel panel) const;
    QPushButton& JumpButton(int index) const { return *JumpButtons[static_cast<size_t>(index)]; }
    QPushButton& SignalButton(int index) const {
        return *SignalButtons[static_cast<size_t>(index)];
    }
    // Sets every value button up.
    void ResetButtons();

private:
    QWidget* BuildTopPanel();
    QWidget* BuildBottomPanel();
    QWidget* BuildButtonPanel(TValueSubPanel kind, const std::string& objectName,
                              const std::string& title,
                              const std::vector<std::pair<std::string, std::string>>& buttons,
                              int perRow);
    QWidget* BuildIntegerPanel();
    QWidget* BuildEnumPanel();
    void ShowSubPanel(TValueSubPanel kind);
    void ChooseSubPanel(const TWaveDataType* type);
    void CurrentEdited();
    // Runs "Wave:AddTransition" through the host with "Transition=" and the value text.
    void SendTransition(const std::string& value);
    void RunEditorOperation(TWaveOperation operation, const char* parameters);

    TWaveDocument* Document = nullptr;
    TCustomWaveEditor* Editor = nullptr;
    const TWaveDataType* LastType = nullptr;
    bool Updating = false;
    std::vector<std::string> Literals;

    QLineEdit* Current = nullptr;
    QTreeWidget* FSignalsTree = nullptr;
    std::array<QPushButton*, 4> JumpButtons{};
    std::array<QPushButton*, 3> SignalButtons{};
    QLabel* Label_AddTransition = nullptr;
    std::array<QWidget*, 6> SubPanels{};
    std::array<std::vector<QPushButton*>, 6> SubPanelButtons;
    std::array<QLineEdit*, cIntegerBoxCount> IntegerBoxes{};
    std::array<QPushButton*, cIntegerBoxCount> IntegerButtons{};
    QListWidget* ListBox_Enum = nullptr;
    QLabel* Label_EnumerationTitle = nullptr;
};

// Integer box text as the "->" buttons send it; nothing when it is not a 32-bit integer.
std::optional<int32_t> IntegerBoxValue(const std::string& text);
