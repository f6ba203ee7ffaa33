// Dialogs the module shows to the user. Interactive hosts get real dialogs; headless hosts get
// every message as "CAPTION: TEXT" in their log and answer from their preset answers, so nothing
// ever waits for input.
#pragma once

#include <memory>
#include <string>

struct IClient;
struct TWaveFont;

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Buttons of a message box, as a set of bits.
enum TMsgDlgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
};
using TMsgDlgButtons = unsigned;

enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

class TUIService {
public:
    virtual ~TUIService() = default;
    // Shows a message box; answers the button pressed.
    virtual TModalResult MessageDlg(const std::string& caption, const std::string& text,
                                    TMsgDlgType type, TMsgDlgButtons buttons) = 0;
    // Asks for one line of text, offering value; false when cancelled (value is then unchanged).
    virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                            std::string& value) = 0;
    // Runs the font dialog on font, owned by owner (a QWidget*; nil for the host's main window);
    // false when cancelled. The dialog does not choose the colour, which stays.
    virtual bool FontDialog(TWaveFont& font, void* owner) = 0;
};

// The service in force; a headless one answering with the first button until a host is known.
TUIService& UIService();
void SetUIService(std::unique_ptr<TUIService> service);
// Chooses the service for the host: real dialogs when it is interactive, else its log and
// preset answers.
void InstallUIServiceFor(IClient* client);

// The error box of the system: caption "Error", one OK button.
void ShowErrorMessage(const std::string& text);
