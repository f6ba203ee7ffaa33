#include "platform/ui/UIService.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

TEST(UIService, HeadlessHostLogsMessagesAndAnswersFromPresets) {
    TTestHost host;
    host.PresetAnswers = {" no ", "Retry"};
    InstallUIServiceFor(&host);

    EXPECT_EQ(UIService().MessageDlg("Confirm", "Delete the signals?", TMsgDlgType::Confirmation,
                                     mbYes | mbNo),
              mrNo);
    // A preset that is not one of the offered buttons is used up and the first button answers.
    EXPECT_EQ(
        UIService().MessageDlg("Confirm", "Again?", TMsgDlgType::Confirmation, mbOK | mbCancel),
        mrOk);
    // No presets left: the first offered button.
    EXPECT_EQ(
        UIService().MessageDlg("Save", "Save changes?", TMsgDlgType::Confirmation, mbCancel | mbNo),
        mrNo);
    ShowErrorMessage("File not found");
    EXPECT_EQ(host.Messages,
              (std::vector<std::string>{"Confirm: Delete the signals?", "Confirm: Again?",
                                        "Save: Save changes?", "Error: File not found"}));
    InstallUIServiceFor(nullptr);
}
