#include "plugin/WaveLegend.h"

#include "platform/com/Exception.h"
#include "plugin/RT_ServerImplementation.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {
// The styles the CUPL levels are drawn in, in the legend's order.
const char* const cLegendLabels[] = {"Driving High",  "Driving Low", "Resisitive High",
                                     "Resistive Low", "Unknown",     "High Z",
                                     "Supply Low",    "Supply High"};

bool HostIsInteractive() {
    IClient* client = CurrentClient();
    if (client == nullptr)
        return false;
    TComPtr<IGUIManager> gui;
    OleCheck(client->GetGUIManager(gui.Out()));
    int32_t interactive = 0;
    if (gui)
        OleCheck(gui->GetInteractive(&interactive));
    return interactive != 0;
}

void LogToHost(const char* line) {
    IClient* client = CurrentClient();
    TComPtr<IGUIManager> gui;
    if (client)
        OleCheck(client->GetGUIManager(gui.Out()));
    if (gui)
        OleCheck(gui->LogMessage(line));
}
} // namespace

QDialog* NewLegendDialog(QWidget* owner) {
    auto* dialog = new QDialog(owner);
    dialog->setObjectName("TLegendDialog");
    dialog->setWindowTitle("Legend");
    auto* grid = new QGridLayout(dialog);
    int row = 0;
    for (const char* label : cLegendLabels) {
        auto* text = new QLabel(label, dialog);
        grid->addWidget(text, row / 2, row % 2);
        ++row;
    }
    auto* close = new QPushButton("Close", dialog);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    grid->addWidget(close, (row + 1) / 2, 1);
    return dialog;
}

void ShowLegendDialog(QWidget* owner) {
    std::unique_ptr<QDialog> dialog(NewLegendDialog(owner));
    if (HostIsInteractive())
        dialog->exec();
    else
        LogToHost("Legend");
}
