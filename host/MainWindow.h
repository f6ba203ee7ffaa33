// wavehost's desktop window: one tab per document with its editor, the document's workspace
// panel docked beside it, menus and tool bar running the module's processes, a status bar with
// the three fields the module writes, and the options dialog.
#pragma once

#include "host/HostDocuments.h"

#include <QMainWindow>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabWidget;
class THostClient;
struct TProcessEntry;

class TMainWindow : public QMainWindow {
public:
    TMainWindow(IServerModule& module, THostClient& host);
    ~TMainWindow() override;

    // Opens or creates a document; a failure is shown in a message box.
    void OpenDocument(const std::string& fileName);
    THostDocuments& Documents() { return Docs; }
    // The editor view of the focused document, or nil.
    IServerView* CurrentView() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* ProcessAction(const TProcessEntry& entry);
    void RunProcess(const std::string& process, const std::string& parameters);
    void UpdateProcessStates();
    void NewDocument();
    void OpenDocuments();
    void SaveDocument();
    void CloseDocument(int index);
    void ShowOptions();
    void ShowPopupMenu();
    void DocumentChanged(int32_t code, IServerDocument* document);
    void CurrentTabChanged(int index);
    void UpdateTitle();

    IServerModule& Module;
    THostClient& Host;
    THostDocuments Docs;
    QTabWidget* Tabs;
    QStackedWidget* Panels;
    QLabel* StatusFields[3];
    std::vector<std::pair<QAction*, const TProcessEntry*>> ProcessActions;
    QMenu* PopupMenu;
    int Untitled = 0;
};
