#include "platform/ui/UIService.h"
#include "rows/Wavefontobj.h"
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

TEST(UIService, HeadlessInputAndFontDialogsAnswerFromPresets) {
    TTestHost host;
    host.PresetAnswers = {"  two words ", "cancel", "12 0 0 1 0 255 Courier New", "OK", "Bigger"};
    InstallUIServiceFor(&host);

    std::string value = "offered";
    EXPECT_TRUE(UIService().InputQuery("Add New Style", "Add New Style:", value));
    EXPECT_EQ(value, "  two words ");
    EXPECT_FALSE(UIService().InputQuery("Edit Style Name", "Style Name:", value));
    EXPECT_EQ(value, "  two words ");

    TWaveFont font{"Arial", 8, 7, false, false, false, false};
    EXPECT_TRUE(UIService().FontDialog(font, nullptr));
    // The dialog does not choose the colour.
    EXPECT_EQ(font, (TWaveFont{"Courier New", 12, 7, true, false, false, false}));
    EXPECT_TRUE(UIService().FontDialog(font, nullptr));
    EXPECT_EQ(font.Name, "Courier New");
    EXPECT_FALSE(UIService().FontDialog(font, nullptr)); // not a font text
    EXPECT_FALSE(UIService().InputQuery("Add New Style", "Add New Style:", value)); // none left
    EXPECT_EQ(font.Size, 12);
    EXPECT_EQ(host.Messages,
              (std::vector<std::string>{
                  "Add New Style: Add New Style:", "Edit Style Name: Style Name:",
                  "Font: 8 0 0 0 0 7 Arial", "Font: 12 0 0 1 0 7 Courier New",
                  "Font: 12 0 0 1 0 7 Courier New", "Add New Style: Add New Style:"}));
    InstallUIServiceFor(nullptr);
}
