#include "FakeFormWindow.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

using platform::Rect;

// A form class with a designer window, to which controls are added.
struct DesignedForm {
    CFormModel form;
    FakeFormWindow window;

    CControlItem& Add(int32_t typeCode, CControlItem* container = nullptr)
    {
        auto item = std::make_unique<CControlItem>(kKindIntrinsic, typeCode);
        item->m_pFormWnd = &window;
        item->m_pContainer = container;
        item->BuildPropertyList();
        return form.AppendItem(std::move(item));
    }
    static void Place(CControlItem& item, int left, int top, int width, int height)
    {
        item.SetPropertyValue("Left", std::to_string(left));
        item.SetPropertyValue("Top", std::to_string(top));
        item.SetPropertyValue("Width", std::to_string(width));
        item.SetPropertyValue("Height", std::to_string(height));
    }
};

TEST(Geometry, RectangleRulesPerType)
{
    DesignedForm f;
    CControlItem& text = f.Add(kTypeTextBox);
    DesignedForm::Place(text, 10, 20, 100, 30);
    EXPECT_EQ(text.GetRect(), (Rect{10, 20, 110, 50}));

    // A timer is always 28 x 28 and has no Width or Height.
    CControlItem& timer = f.Add(kTypeTimer);
    DesignedForm::Place(timer, 5, 6, 500, 500);
    EXPECT_EQ(timer.GetRect(), (Rect{5, 6, 33, 34}));
    EXPECT_EQ(timer.FindProperty("Width"), nullptr);

    // A line's rectangle is its end points, normalised.
    CControlItem& line = f.Add(kTypeLine);
    line.SetPropertyValue("X1", "100");
    line.SetPropertyValue("X2", "10");
    line.SetPropertyValue("Y1", "50");
    line.SetPropertyValue("Y2", "5");
    EXPECT_EQ(line.GetRect(), (Rect{10, 5, 100, 50}));

    // Garbage in a value reads like the runtime reads it.
    text.SetPropertyValue("Left", "12px");
    text.SetPropertyValue("Top", "oops");
    EXPECT_EQ(text.GetRect().topLeft(), (platform::Point{12, 0}));
}

TEST(Geometry, LineDirectionDecidesWhichEndIsLower)
{
    struct Case {
        bool falls;
        const char* y1;
        const char* y2;
    };
    for (const Case c : {Case{true, "5", "50"}, Case{false, "50", "5"}}) {
        DesignedForm f;
        CControlItem& line = f.Add(kTypeLine);
        line.m_bLineFalls = c.falls;
        line.SetRect({10, 5, 100, 50});
        EXPECT_EQ(line.GetPropertyValue("X1"), "10");
        EXPECT_EQ(line.GetPropertyValue("X2"), "100");
        EXPECT_EQ(line.GetPropertyValue("Y1"), c.y1);
        EXPECT_EQ(line.GetPropertyValue("Y2"), c.y2);
        EXPECT_EQ(line.GetRect(), (Rect{10, 5, 100, 50}));
    }
}

TEST(Geometry, ContainersOffsetTheirControlsAndTheMenuOffsetsOnce)
{
    for (bool menu : {false, true}) {
        DesignedForm f;
        f.form.m_strMenuName = menu ? "IDR_MENU1" : "";
        CControlItem& outer = f.Add(kTypePictureBox);
        DesignedForm::Place(outer, 30, 10, 300, 200);
        CControlItem& frame = f.Add(kTypeFrame, &outer);
        DesignedForm::Place(frame, 20, 30, 200, 100); // (50, 40) in the form
        CControlItem& text = f.Add(kTypeTextBox, &frame);
        DesignedForm::Place(text, 10, 20, 80, 25);

        const int menuOffset = menu ? 18 : 0;
        EXPECT_EQ(frame.GetRect().topLeft(), (platform::Point{50, 40 + menuOffset}));
        EXPECT_EQ(text.GetRect(), (Rect{60, 60 + menuOffset, 140, 85 + menuOffset})) << menu;

        // SetRect is the inverse: form coordinates back to container-relative values.
        text.SetRect({70, 90 + menuOffset, 100, 100 + menuOffset});
        EXPECT_EQ(text.GetPropertyValue("Left"), "20");
        EXPECT_EQ(text.GetPropertyValue("Top"), "50");
        EXPECT_EQ(text.GetPropertyValue("Width"), "30");
        EXPECT_EQ(text.GetPropertyValue("Height"), "10");
    }
}

TEST(Geometry, MenuOffsetNeedsADesignerWindow)
{
    CFormModel form;
    form.m_strMenuName = "IDR_MENU1";
    CControlItem& text = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeTextBox));
    text.BuildPropertyList();
    DesignedForm::Place(text, 10, 20, 5, 5);
    EXPECT_EQ(text.GetRect().top, 20);
}

TEST(Geometry, ContainerLoopInDamagedDataDoesNotHang)
{
    DesignedForm f;
    CControlItem& a = f.Add(kTypeFrame);
    CControlItem& b = f.Add(kTypeFrame, &a);
    a.m_pContainer = &b;
    DesignedForm::Place(a, 1, 1, 10, 10);
    DesignedForm::Place(b, 1, 1, 10, 10);
    const Rect rect = a.GetRect();
    EXPECT_GT(rect.left, 1);
    a.SetRect(rect);
}

TEST(Geometry, HitRectAndInvalidation)
{
    DesignedForm f;
    auto formItem = std::make_unique<CControlItem>(kKindForm, kTypeNone);
    formItem->m_bIsFormItem = true;
    formItem->m_pFormWnd = &f.window;
    CControlItem& form = f.form.AppendItem(std::move(formItem));
    form.BuildPropertyList();
    DesignedForm::Place(form, 100, 100, 312, 213);
    EXPECT_EQ(form.GetHitRect(), f.window.m_clientRect);

    CControlItem& button = f.Add(kTypeButton);
    DesignedForm::Place(button, 10, 20, 50, 25);
    EXPECT_EQ(button.GetHitRect(), button.GetRect());

    button.Invalidate(false);
    button.Invalidate(true);
    form.Invalidate(true);
    ASSERT_EQ(f.window.m_invalidated.size(), 3u);
    EXPECT_EQ(f.window.m_invalidated[0], (Rect{14, 43, 64, 68}));      // plus the design origin
    EXPECT_EQ(f.window.m_invalidated[1], (Rect{7, 36, 71, 75}));       // and the handles
    EXPECT_EQ(f.window.m_invalidated[2], (Rect{-7, -7, 319, 220}));    // the form at the origin

    button.m_pFormWnd = nullptr;
    button.Invalidate(true); // without a window nothing is asked
    EXPECT_EQ(f.window.m_invalidated.size(), 3u);
}

TEST(Geometry, GraphicalAndContainerQueries)
{
    for (int32_t code = 101; code <= 116; ++code) {
        CControlItem item(kKindIntrinsic, code);
        EXPECT_EQ(item.IsGraphical(), code == 102 || code == 113 || code == 114 || code == 115) << code;
        EXPECT_EQ(item.IsContainer(), code == 101 || code == 104) << code;
    }
    EXPECT_FALSE(CControlItem(kKindActiveX, kTypeLabel).IsGraphical());
}

} // namespace
} // namespace morva

namespace morva {
namespace {

TEST(Font, LogicalFontFromTheFontProperties)
{
    CControlItem item(kKindIntrinsic, kTypeLabel);
    item.BuildPropertyList();
    platform::LogFont font = item.BuildLogFont();
    EXPECT_EQ(font.faceName, "MS Sans Serif");
    EXPECT_EQ(font.height, 14);
    EXPECT_EQ(font.weight, 400);
    EXPECT_FALSE(font.italic || font.underline || font.strikeOut);
    EXPECT_EQ(font.width, 0);
    EXPECT_EQ(font.charSet, 0);

    item.SetPropertyValue("Font", "Arial");
    item.SetPropertyValue("FontSize", "20");
    for (const char* style : {"FontBold", "FontItalic", "FontUnderline", "FontStrikethru"})
        item.SetPropertyValue(style, "1");
    font = item.BuildLogFont();
    EXPECT_EQ(font.faceName, "Arial");
    EXPECT_EQ(font.height, 20);
    EXPECT_EQ(font.weight, 700);
    EXPECT_TRUE(font.italic && font.underline && font.strikeOut);

    // A line has no font properties: the description is empty, not garbage.
    CControlItem line(kKindIntrinsic, kTypeLine);
    line.BuildPropertyList();
    EXPECT_EQ(line.BuildLogFont().faceName, "");
    EXPECT_EQ(line.BuildLogFont().height, 0);
}

} // namespace
} // namespace morva
