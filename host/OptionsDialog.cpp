#include "host/OptionsDialog.h"

#include "controls/OptionsPage.h"
#include "host/HostClient.h"
#include "platform/com/Exception.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

struct TOptionsDialog::TPage {
    TComPtr<IServerView> View;
    TComPtr<IOptionsPage> Options;
};

TOptionsDialog::TOptionsDialog(IServerModule& module, THostClient& host, const char* pageName,
                               QWidget* parent)
    : QDialog(parent), Page(new TPage), Module(module), Host(host) {
    setWindowTitle("Options");
    OleCheck(Module.CreateOptionsView(pageName, Page->View.Out()));
    Page->Options = TComPtr<IOptionsPage>(QueryInterfaceOf<IOptionsPage>(Page->View.Get()));
    void* window = nullptr;
    if (!Page->Options || Failed(Page->Options->GetWindow(&window)) || window == nullptr) {
        delete Page;
        throw Exception(std::string("The module offers no options page ") + pageName);
    }
    auto* pageWidget = static_cast<QWidget*>(window);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* defaults = buttons->addButton("&Defaults", QDialogButtonBox::ResetRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageWidget);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, [this] { Page->Options->SetDefaults(); });
    OleCheck(Page->Options->ShowValues());
}

TOptionsDialog::~TOptionsDialog() {
    // The page's widget belongs to the module's page object, not to this dialog.
    if (void* window = nullptr;
        Page->Options && Succeeded(Page->Options->GetWindow(&window)) && window)
        static_cast<QWidget*>(window)->setParent(nullptr);
    delete Page;
}

void TOptionsDialog::Accept() {
    int32_t changed = 0;
    OleCheck(Page->Options->GetChanged(&changed));
    if (changed) {
        OleCheck(Page->Options->Apply());
        TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(&Module));
        if (options)
            OleCheck(options->SavePreferences());
        Host.BroadcastNotification(cNotificationPreferencesChanged);
    }
    accept();
}
