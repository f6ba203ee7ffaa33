#include "host/MainWindow.h"

#include "host/HostClient.h"
#include "host/OptionsDialog.h"
#include "host/ProcessCatalog.h"
#include "platform/com/Exception.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <cstdio>
#include <cstring>
#include <map>

namespace {
constexpr int32_t cParameterBufferSize = 1024;

QWidget* WidgetOf(IServerView* view) {
    void* window = nullptr;
    if (view == nullptr || Failed(view->GetWindow(&window)))
        return nullptr;
    return static_cast<QWidget*>(window);
}

QString CaptionOf(const THostDocument& d) {
    return QFileInfo(QString::fromStdString(d.FileName)).fileName();
}

// Processes that need a file name or a name the user types first.
bool AskParameters(QWidget* parent, const std::string& process, std::string& parameters) {
    if (process != "Wave:WriteRegression")
        return true;
    const QString file = QFileDialog::getSaveFileName(parent, "Write Regression");
    if (file.isEmpty())
        return false;
    bool ok = false;
    const QString entity =
        QInputDialog::getText(parent, "Write Regression", "Entity:", QLineEdit::Normal, "", &ok);
    if (!ok)
        return false;
    parameters = "File=" + file.toStdString() + "|Entity=" + entity.toStdString();
    return true;
}
} // namespace

TMainWindow::TMainWindow(IServerModule& module, THostClient& host)
    : Module(module), Host(host), Docs(module), Tabs(new QTabWidget(this)),
      Panels(new QStackedWidget(this)), PopupMenu(new QMenu(this)) {
    setWindowTitle("wavehost");
    resize(1200, 760);
    Tabs->setTabsClosable(true);
    Tabs->setDocumentMode(true);
    setCentralWidget(Tabs);
    auto* dock = new QDockWidget("Workspace", this);
    dock->setObjectName("Workspace");
    dock->setWidget(Panels);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    for (auto*& field : StatusFields) {
        field = new QLabel(this);
        field->setMinimumWidth(160);
        statusBar()->addWidget(field, 1);
    }
    BuildMenus();
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int i) { CurrentTabChanged(i); });
    connect(Tabs, &QTabWidget::tabCloseRequested, this, [this](int i) { CloseDocument(i); });

    Host.SetMainWindow(this);
    Host.SetFrontEnd({[this] { return CurrentView(); },
                      [this](int32_t field, const std::string& text) {
                          StatusFields[field - 1]->setText(QString::fromStdString(text));
                      },
                      [this](const std::string&) { ShowPopupMenu(); },
                      [this](int32_t code, IServerDocument* d) { DocumentChanged(code, d); }});
}

TMainWindow::~TMainWindow() {
    Host.SetFrontEnd({});
    Host.SetMainWindow(nullptr);
    // The module frees the documents' widgets: take them out of this window first.
    while (Tabs->count() > 0)
        Tabs->widget(0)->setParent(nullptr);
    while (Panels->count() > 0)
        Panels->widget(0)->setParent(nullptr);
}

IServerView* TMainWindow::CurrentView() const {
    const int index = Tabs->currentIndex();
    return index >= 0 && static_cast<size_t>(index) < Docs.Count()
               ? Docs[static_cast<size_t>(index)].Editor.Get()
               : nullptr;
}

void TMainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&New", QKeySequence::New, this, [this] { NewDocument(); });
    file->addAction("&Open...", QKeySequence::Open, this, [this] { OpenDocuments(); });
    file->addAction("&Save", QKeySequence::Save, this, [this] { SaveDocument(); });
    file->addAction("&Close", QKeySequence::Close, this,
                    [this] { CloseDocument(Tabs->currentIndex()); });
    file->addSeparator();
    file->addAction("O&ptions...", this, [this] { ShowOptions(); });
    file->addSeparator();
    file->addAction("E&xit", QKeySequence::Quit, this, &QWidget::close);

    QToolBar* toolbar = addToolBar("Processes");
    toolbar->setObjectName("Processes");
    std::map<std::string, QMenu*> menus;
    for (const auto& entry : ProcessCatalog()) {
        QMenu*& menu = menus[entry.Menu];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(entry.Menu);
            connect(menu, &QMenu::aboutToShow, this, [this] { UpdateProcessStates(); });
        }
        if (entry.Caption == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = ProcessAction(entry);
        menu->addAction(action);
        if (entry.Toolbar)
            toolbar->addAction(action);
        if (std::strcmp(entry.Menu, "&Edit") == 0 || std::strcmp(entry.Menu, "&Signal") == 0)
            PopupMenu->addAction(action);
    }
    connect(PopupMenu, &QMenu::aboutToShow, this, [this] { UpdateProcessStates(); });
}

QAction* TMainWindow::ProcessAction(const TProcessEntry& entry) {
    auto* action = new QAction(QString::fromUtf8(entry.Caption), this);
    if (*entry.Shortcut)
        action->setShortcut(QKeySequence(QString::fromUtf8(entry.Shortcut)));
    action->setCheckable(entry.Checkable);
    action->setStatusTip(QString::fromUtf8(entry.Process));
    connect(action, &QAction::triggered, this, [this, &entry] {
        std::string parameters = entry.Parameters;
        if (AskParameters(this, entry.Process, parameters))
            RunProcess(entry.Process, parameters);
    });
    ProcessActions.emplace_back(action, &entry);
    return action;
}

void TMainWindow::RunProcess(const std::string& process, const std::string& parameters) {
    char buffer[cParameterBufferSize] = {};
    std::strncpy(buffer, parameters.c_str(), sizeof buffer - 1);
    const HResult result =
        Host.RunProcess(process.c_str(), buffer, cParameterBufferSize, CurrentView());
    if (Failed(result))
        QMessageBox::warning(this, "wavehost",
                             QString("%1 failed (0x%2)")
                                 .arg(QString::fromStdString(process))
                                 .arg(static_cast<uint32_t>(result), 8, 16, QChar('0')));
}

void TMainWindow::UpdateProcessStates() {
    TComPtr<ICommandLauncher> launcher;
    if (Failed(Module.GetCommandLauncher(launcher.Out())) || !launcher)
        return;
    for (auto& [action, entry] : ProcessActions) {
        char parameters[cParameterBufferSize] = {};
        std::strncpy(parameters, entry->Parameters, sizeof parameters - 1);
        int32_t enabled = 1, checked = 0, visible = 1;
        uint8_t f1 = 0, f2 = 0;
        const std::string bare = std::string(entry->Process).substr(std::strlen("Wave:"));
        if (Failed(launcher->GetCommandState(bare.c_str(), parameters, CurrentView(), &enabled,
                                             &checked, &visible, &f1, &f2)))
            continue;
        action->setEnabled(enabled != 0 && CurrentView() != nullptr);
        action->setVisible(visible != 0);
        if (entry->Checkable)
            action->setChecked(checked != 0);
    }
}

void TMainWindow::OpenDocument(const std::string& fileName) {
    try {
        bool loaded = false;
        const THostDocument& d = Docs.Open(fileName, loaded);
        QWidget* editor = WidgetOf(d.Editor.Get());
        QWidget* panel = WidgetOf(d.Panel.Get());
        Panels->addWidget(panel ? panel : new QWidget);
        const int index = Tabs->addTab(editor ? editor : new QLabel("(no editor)"), CaptionOf(d));
        Tabs->setTabToolTip(index, QString::fromStdString(fileName));
        Tabs->setCurrentIndex(index);
        if (!loaded)
            statusBar()->showMessage("Not loaded: " + QString::fromStdString(fileName), 5000);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wavehost: %s: %s\n", fileName.c_str(), e.what());
        QMessageBox::critical(this, "wavehost", QString::fromStdString(e.what()));
    }
}

void TMainWindow::NewDocument() {
    QString name;
    do
        name = QDir::current().filePath(QString("Untitled%1.wav").arg(++Untitled));
    while (QFileInfo::exists(name));
    OpenDocument(name.toStdString());
}

void TMainWindow::OpenDocuments() {
    const QStringList files = QFileDialog::getOpenFileNames(this, "Open Waveform");
    for (const QString& file : files)
        OpenDocument(file.toStdString());
}

void TMainWindow::SaveDocument() {
    const int index = Tabs->currentIndex();
    if (index < 0)
        return;
    if (!Docs.Save(static_cast<size_t>(index)))
        QMessageBox::warning(this, "wavehost", "The document was not saved.");
    UpdateTitle();
}

void TMainWindow::CloseDocument(int index) {
    if (index < 0 || static_cast<size_t>(index) >= Docs.Count())
        return;
    int32_t modified = 0;
    Docs[static_cast<size_t>(index)].Document->GetModified(&modified);
    if (modified) {
        const auto answer =
            QMessageBox::question(this, "wavehost", "Save changes to " + Tabs->tabText(index) + "?",
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes && !Docs.Save(static_cast<size_t>(index)))
            return;
    }
    QWidget* editor = Tabs->widget(index);
    QWidget* panel = Panels->widget(index);
    Tabs->removeTab(index);
    Panels->removeWidget(panel);
    editor->setParent(nullptr);
    panel->setParent(nullptr);
    Docs.Close(static_cast<size_t>(index));
}

void TMainWindow::ShowOptions() {
    try {
        TOptionsDialog dialog(Module, Host, "General", this);
        dialog.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, "wavehost", QString::fromStdString(e.what()));
    }
}

void TMainWindow::ShowPopupMenu() {
    UpdateProcessStates();
    PopupMenu->popup(QCursor::pos());
}

void TMainWindow::DocumentChanged(int32_t, IServerDocument* document) {
    const size_t index = Docs.IndexOf(document);
    if (index >= Docs.Count())
        return;
    int32_t modified = 0;
    document->GetModified(&modified);
    Tabs->setTabText(static_cast<int>(index),
                     CaptionOf(Docs[index]) + (modified ? QString(" *") : QString()));
    UpdateTitle();
}

void TMainWindow::CurrentTabChanged(int index) {
    if (index >= 0 && index < Panels->count())
        Panels->setCurrentIndex(index);
    UpdateTitle();
}

void TMainWindow::UpdateTitle() {
    const int index = Tabs->currentIndex();
    setWindowTitle(index < 0 ? QString("wavehost")
                             : Tabs->tabToolTip(index) + QString(" - wavehost"));
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    while (Tabs->count() > 0) {
        const int before = Tabs->count();
        CloseDocument(Tabs->count() - 1);
        if (Tabs->count() == before) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
