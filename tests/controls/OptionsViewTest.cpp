#include "controls/OptionsForm.h"
#include "tests/controls/TestApplication.h"

#include <gtest/gtest.h>

namespace {
// Records what the view asks of its form.
class TCountingForm : public TOptionsForm {
public:
    explicit TCountingForm(int& applied) : TOptionsForm("Counting"), Applied(applied) {}
    void ShowValues() override {}
    void SetDefaults() override {}
    bool IsChanged() const override { return true; }
    void Apply() override { ++Applied; }

private:
    int& Applied;
};

// Counts the references the view keeps on its owner.
class TOwner : public TInterfacedObject<IUnknown> {};
} // namespace

TEST(OptionsView, HandsTheFormToTheHostAndKeepsItsOwnerAlive) {
    TestApplication();
    int applied = 0;
    TComPtr<IUnknown> owner(new TOwner);
    owner->AddRef();
    TComPtr<IServerView> view(MakeOptionsView<TCountingForm>(owner.Get(), applied));
    EXPECT_EQ(owner->AddRef(), 3); // the test, the view and this call
    owner->Release();

    TComPtr<IOptionsPage> page(QueryInterfaceOf<IOptionsPage>(view.Get()));
    ASSERT_TRUE(page);
    TComString name;
    EXPECT_EQ(view->GetViewName(&name), S_OK);
    EXPECT_EQ(name.Str(), "Counting");
    int32_t changed = 0;
    EXPECT_EQ(page->GetChanged(&changed), S_OK);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(applied, 1);

    page = TComPtr<IOptionsPage>();
    view = TComPtr<IServerView>();
    EXPECT_EQ(owner->AddRef(), 2);
    owner->Release();
}

TEST(OptionsView, AFormTheHostFreedFailsTheCallsInsteadOfCrashing) {
    TestApplication();
    int applied = 0;
    TComPtr<IServerView> view(MakeOptionsView<TCountingForm>(nullptr, applied));
    TComPtr<IOptionsPage> page(QueryInterfaceOf<IOptionsPage>(view.Get()));
    void* window = nullptr;
    ASSERT_EQ(page->GetWindow(&window), S_OK);
    {
        // The host embeds the page in its dialog and frees the dialog first.
        QWidget dialog;
        static_cast<QWidget*>(window)->setParent(&dialog);
    }
    EXPECT_EQ(page->GetWindow(&window), S_OK);
    EXPECT_EQ(window, nullptr);
    EXPECT_LT(page->Apply(), 0);
    TComString name;
    EXPECT_LT(view->GetViewName(&name), 0);
    EXPECT_EQ(applied, 0);
}
