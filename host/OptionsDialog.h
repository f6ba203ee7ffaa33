// The host's options dialog: embeds the page a module hands out ("General" of the waveform
// module) with OK, Cancel and Defaults.
#pragma once

#include <QDialog>

struct IServerModule;
class THostClient;

class TOptionsDialog : public QDialog {
public:
    // Throws Exception when the module offers no such page.
    TOptionsDialog(IServerModule& module, THostClient& host, const char* pageName, QWidget* parent);
    ~TOptionsDialog() override;

private:
    struct TPage;
    void Accept();
    TPage* Page;
    IServerModule& Module;
    THostClient& Host;
};
