#include "FakeFormWindow.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/IItemChangeListener.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

struct RecordingListener : IItemChangeListener {
    std::vector<CControlItem*> changed;
    void OnItemChanged(CControlItem& item) override { changed.push_back(&item); }
};

// A form item, then `count` text boxes with tab indexes in list order.
struct FormWithControls {
    CFormModel form;
    RecordingListener listener;
    std::vector<CControlItem*> controls;

    explicit FormWithControls(int count)
    {
        form.m_pChangeListener = &listener;
        auto formItem = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        formItem->m_bIsFormItem = true;
        form.AppendItem(std::move(formItem)).BuildPropertyList();
        for (int i = 0; i < count; ++i) {
            CControlItem& item = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeTextBox));
            item.BuildPropertyList();
            item.AssignTabIndexFromOrder();
            controls.push_back(&item);
        }
    }
    std::string TabIndexes() const
    {
        std::string out;
        for (const CControlItem* item : controls)
            out += item->GetPropertyValue("TabIndex");
        return out;
    }
};

TEST(TabOrder, AssignedFromThePositionAmongControls)
{
    FormWithControls f(3);
    EXPECT_EQ(f.TabIndexes(), "012");
    // A timer has no TabIndex; the controls after it still count it.
    CControlItem& timer = f.form.InsertItem(1, std::make_unique<CControlItem>(kKindIntrinsic, kTypeTimer));
    timer.BuildPropertyList();
    for (CControlItem* item : f.controls)
        item->AssignTabIndexFromOrder();
    EXPECT_EQ(f.TabIndexes(), "123");
}

TEST(TabOrder, MovingSwapsWithTheHolderOfTheNewIndex)
{
    FormWithControls f(3);
    ASSERT_TRUE(f.controls[2]->MoveTabIndex(0));
    f.controls[2]->SetPropertyValue("TabIndex", "0"); // the caller stores the new index
    EXPECT_EQ(f.TabIndexes(), "210");
    ASSERT_EQ(f.listener.changed.size(), 1u);
    EXPECT_EQ(f.listener.changed[0], f.controls[0]);
}

TEST(TabOrder, OutOfRangeIndexChangesNothing)
{
    FormWithControls f(3);
    // The list holds the form item and three controls.
    for (int index : {-1, 4, 100}) {
        EXPECT_FALSE(f.controls[1]->MoveTabIndex(index)) << index;
        EXPECT_EQ(f.TabIndexes(), "012");
    }
    EXPECT_TRUE(f.controls[1]->MoveTabIndex(3)); // in range, but nobody holds 3
    EXPECT_EQ(f.TabIndexes(), "012");
    EXPECT_TRUE(f.listener.changed.empty());

    CControlItem loose(kKindIntrinsic, kTypeTextBox);
    loose.BuildPropertyList();
    EXPECT_FALSE(loose.MoveTabIndex(0));
}

TEST(Copy, DeepCopiesListsAndNamesButNoLiveControl)
{
    FakeFormWindow window;
    CFormModel form;
    form.m_strMenuName = "IDR_MENU1";
    CControlItem& frame = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeFrame));
    frame.BuildPropertyList();
    CControlItem& source = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeComboBox));
    source.m_pFormWnd = &window;
    source.m_pContainer = &frame;
    source.BuildPropertyList();
    source.BuildEventList();
    source.m_strMemberName = "m_ComboBox1";
    source.m_strClassName = "CXComboBoxArray";
    source.m_strIdentifierSymbol = "IDC_COMBOBOX1";
    source.m_strPropStringSymbol = "IDS_PROP_COMBOBOX1";
    source.m_bArrayMember = true;
    source.m_nIdentifierNumber = 5001;
    source.SetRect({10, 40, 110, 61});

    const std::unique_ptr<CControlItem> copy = source.Clone();
    EXPECT_EQ(copy->m_strMemberName, "m_ComboBox1");
    EXPECT_EQ(copy->m_strClassName, "CXComboBoxArray");
    EXPECT_EQ(copy->m_strIdentifierSymbol, "IDC_COMBOBOX1");
    EXPECT_EQ(copy->m_strPropStringSymbol, "IDS_PROP_COMBOBOX1");
    EXPECT_TRUE(copy->m_bArrayMember);
    EXPECT_EQ(copy->m_pContainer, &frame);
    EXPECT_EQ(copy->m_pFormWnd, &window);
    EXPECT_EQ(copy->m_pLiveControl, nullptr);
    EXPECT_EQ(copy->GetEvents(), source.GetEvents());
    ASSERT_EQ(copy->GetProperties().size(), source.GetProperties().size());
    for (size_t i = 0; i < copy->GetProperties().size(); ++i) {
        const CControlPropertyItem& a = *copy->GetProperties()[i];
        const CControlPropertyItem& b = *source.GetProperties()[i];
        EXPECT_NE(&a, &b);
        EXPECT_EQ(a.m_pOwner, copy.get());
        EXPECT_EQ(a.m_strName, b.m_strName);
        EXPECT_EQ(a.m_strValue, b.m_strValue);
        EXPECT_EQ(a.m_items, b.m_items);
    }
    // Once in the same form, the copy lies where the source lies.
    CControlItem& placed = form.AppendItem(source.Clone());
    EXPECT_EQ(placed.GetRect(), source.GetRect());
    // Changing the copy leaves the source alone.
    copy->SetPropertyValue("Text", "changed");
    EXPECT_EQ(source.GetPropertyValue("Text"), "ComboBox");
}

TEST(Lookup, UnknownNamesChangeNothing)
{
    CControlItem item(kKindIntrinsic, kTypeButton);
    item.BuildPropertyList();
    item.SetPropertyValue("NoSuchProperty", "1");
    EXPECT_EQ(item.FindProperty("NoSuchProperty"), nullptr);
    EXPECT_EQ(item.GetPropertyValue("NoSuchProperty"), "");
    EXPECT_EQ(item.GetPropertyValue("caption"), ""); // names are case-sensitive
    EXPECT_EQ(item.GetPropertyValue("Caption"), "Button");
}

TEST(FormModel, RemovingAContainerFreesItsControls)
{
    CFormModel form;
    CControlItem& frame = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeFrame));
    CControlItem& inside = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeButton));
    inside.m_pContainer = &frame;
    const std::unique_ptr<CControlItem> removed = form.RemoveItem(frame);
    ASSERT_EQ(removed.get(), &frame);
    EXPECT_EQ(removed->GetFormClass(), nullptr);
    EXPECT_EQ(inside.m_pContainer, nullptr);
    EXPECT_EQ(inside.GetFormClass(), &form);
    EXPECT_EQ(form.RemoveItem(*removed), nullptr);
}

} // namespace
} // namespace morva
