#include "UiTestSupport.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StandardClasses.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/TreeView.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;

namespace {

class ListControlTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        ASSERT_TRUE(registerStandardClasses(*desktop));
        frame = make({0, 0, 600, 400}, {}, 0, 0xFFC0C0C0);
        desktop->setActiveWindow(frame);
    }

    WindowHandle control(const char* className, uint32_t bits, const Rect& rect, int32_t id)
    {
        CreateParams p;
        p.className = className;
        p.style = windowStyle::Child | windowStyle::Visible | windowStyle::TabStop | bits;
        p.rect = rect;
        p.parent = frame;
        p.id = id;
        return desktop->createWindow(p).valueOr({});
    }

    // Scroll codes the frame heard, with the thumb positions of thumb codes.
    std::vector<std::pair<uint32_t, int32_t>> scrolls() const
    {
        std::vector<std::pair<uint32_t, int32_t>> out;
        for (const Message& m : received(frame, msg::VScroll))
            out.push_back({uint32_t(m.wParam & 0xFFFF), int32_t(int16_t(m.wParam >> 16))});
        return out;
    }

    WindowHandle frame;
};

TEST_F(ListControlTest, ScrollBarReportsArrowsPagesThumbDragsAndRepeatsOnTheClock)
{
    const WindowHandle w = control(ScrollBar::className, scrollBarStyle::Vertical, {10, 10, 26, 210}, 40);
    ScrollBar* bar = ScrollBar::of(*desktop, w);
    bar->setRange(0, 99);
    bar->setPage(10);
    EXPECT_EQ(bar->maxPosition(), 90);
    bar->setPosition(500);
    EXPECT_EQ(bar->position(), 90);
    bar->setPosition(0);
    const Rect thumb = bar->thumb();
    EXPECT_EQ(thumb.top, 16);
    EXPECT_EQ(thumb.height(), 168 * 10 / 100);

    desktop->injectClick(desktop->clientToScreen(w, centre(bar->secondArrow())));
    desktop->injectClick(desktop->clientToScreen(w, Point{8, 150})); // below the thumb
    desktop->pumpAll();
    using P = std::pair<uint32_t, int32_t>;
    EXPECT_EQ(scrolls(), (std::vector<P>{{scrollCode::LineDown, 0}, {scrollCode::EndScroll, 0},
                                         {scrollCode::PageDown, 0}, {scrollCode::EndScroll, 0}}));
    // Holding an arrow repeats after the first delay, then at the repeat interval.
    log.clear();
    desktop->injectMouseDown(desktop->clientToScreen(w, centre(bar->firstArrow())));
    desktop->pumpAll();
    desktop->advanceClock(ScrollBar::firstRepeatDelay + 2 * ScrollBar::repeatInterval);
    desktop->injectMouseUp(desktop->clientToScreen(w, centre(bar->firstArrow())));
    desktop->pumpAll();
    EXPECT_EQ(scrolls().size(), 5u); // the press, three repeats, the end
    // Dragging the thumb to the bottom tracks to the last position.
    log.clear();
    desktop->injectMouseDown(desktop->clientToScreen(w, centre(thumb)));
    desktop->injectMouseMove(desktop->clientToScreen(w, Point{8, 400}));
    desktop->injectMouseUp(desktop->clientToScreen(w, Point{8, 400}));
    desktop->pumpAll();
    EXPECT_EQ(scrolls(), (std::vector<P>{{scrollCode::ThumbTrack, 90}, {scrollCode::ThumbPosition, 90}, {scrollCode::EndScroll, 0}}));
}

TEST_F(ListControlTest, TreeOpensWithButtonsAndKeysAndDrawsItsImages)
{
    const WindowHandle w = control(TreeView::className, treeStyle::HasButtons | treeStyle::HasLines | treeStyle::LinesAtRoot,
                                   {10, 10, 210, 200}, 41);
    TreeView* tree = TreeView::of(*desktop, w);
    std::vector<std::pair<uint32_t, TreeView::Item>> heard;
    const WindowProc previous = desktop->subclass(frame, [&](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (m.id == msg::Notify) {
            const auto* data = reinterpret_cast<const NotifyData*>(intptr_t(m.lParam));
            heard.push_back({data->code, TreeView::Item(data->item)});
        }
        return d.callProcedure(previous, h, m);
    });
    auto images = std::make_shared<ImageList>(Size{16, 16});
    Bitmap strip({32, 16}, colors::white);
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 16; x < 32; ++x)
            strip.setPixel(x, y, Color::rgb(255, 0, 0));
    ASSERT_EQ(images->add(strip, colors::white), 0);
    EXPECT_EQ(images->count(), 2);
    tree->setImageList(images);
    const TreeView::Item forms = tree->insertItem(TreeView::none, "Forms", 1);
    const TreeView::Item form1 = tree->insertItem(forms, "Form1", 0);
    const TreeView::Item form2 = tree->insertItem(forms, "Form2", 0);
    const TreeView::Item modules = tree->insertItem(TreeView::none, "Modules", 1);
    EXPECT_EQ(tree->visibleItems(), (std::vector<TreeView::Item>{forms, modules}));

    desktop->injectClick(desktop->clientToScreen(w, centre(tree->buttonRect(forms))));
    desktop->pumpAll();
    EXPECT_TRUE(tree->isExpanded(forms));
    EXPECT_EQ(tree->visibleItems(), (std::vector<TreeView::Item>{forms, form1, form2, modules}));
    desktop->injectClick(desktop->clientToScreen(w, Point{tree->rowRect(form2).left + 60, tree->rowRect(form2).top + 5}));
    desktop->pumpAll();
    EXPECT_EQ(tree->selection(), form2);
    EXPECT_EQ(desktop->focus(), w);
    desktop->injectKey(key::Left);  // to the parent
    desktop->injectKey(key::Left);  // closes it
    desktop->injectKey(key::Down);
    desktop->pumpAll();
    EXPECT_FALSE(tree->isExpanded(forms));
    EXPECT_EQ(tree->selection(), modules);
    // The red image of a top-level item is drawn, the white of the mask is not.
    const Rect row = tree->rowRect(forms);
    const Point imagePixel = desktop->clientToScreen(w, Point{2 + TreeView::indent + 8, row.top + row.height() / 2});
    EXPECT_EQ(desktop->screen().pixel(imagePixel.x, imagePixel.y).rgbBits(), 0xFF0000u);
    // Deleting a branch takes its children.
    EXPECT_TRUE(tree->deleteItem(forms));
    EXPECT_FALSE(tree->exists(form1));
    EXPECT_EQ(tree->count(), 1u);
    using Heard = std::pair<uint32_t, TreeView::Item>;
    EXPECT_EQ(heard, (std::vector<Heard>{{treeNotification::Expanded, forms}, {notification::SelectionChanged, form2},
                                         {notification::SelectionChanged, forms}, {treeNotification::Collapsed, forms},
                                         {notification::SelectionChanged, modules}}));
    desktop->subclass(frame, previous); // the recording procedure uses this test's locals
}

TEST_F(ListControlTest, TabStripChoosesByMouseAndKeys)
{
    const WindowHandle w = control(TabStrip::className, 0, {10, 10, 310, 210}, 42);
    TabStrip* tabs = TabStrip::of(*desktop, w);
    tabs->insertTab(-1, "General");
    tabs->insertTab(-1, "Fonts");
    tabs->insertTab(-1, "Colours");
    EXPECT_EQ(tabs->selection(), 0);
    desktop->injectClick(desktop->clientToScreen(w, centre(tabs->tabRect(2))));
    desktop->injectKey(key::Left);
    desktop->injectKey(key::Left);
    desktop->injectKey(key::Left); // already at the first: nothing more
    desktop->pumpAll();
    EXPECT_EQ(tabs->selection(), 0);
    std::vector<int32_t> ids;
    for (const Message& m : received(frame, msg::Command))
        if (commandNotification(m.wParam) == notification::SelectionChanged)
            ids.push_back(commandId(m.wParam));
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_TRUE(tabs->removeTab(0));
    EXPECT_EQ(tabs->selection(), 0);
    EXPECT_EQ(tabs->text(0), "Fonts");
    EXPECT_EQ(tabs->pageRect().top, TabStrip::tabHeight + 2);
}

TEST_F(ListControlTest, ToolTipShowsAfterTheDelayAndHidesOnAPress)
{
    const WindowHandle button = make({100, 100, 140, 120}, frame);
    auto tipWindow = ToolTip::create(*desktop, frame);
    ASSERT_TRUE(tipWindow);
    ToolTip* tip = ToolTip::of(*desktop, tipWindow.value());
    tip->addTool(button, "Pointer");
    const WindowProc previous = desktop->subclass(button, [&](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (ToolTip* t = ToolTip::of(d, tipWindow.value()))
            t->relay(h, m);
        return d.callProcedure(previous, h, m);
    });
    desktop->injectMouseMove(centre(desktop->windowRect(button)));
    desktop->pumpAll();
    desktop->advanceClock(ToolTip::initialDelay - 1);
    EXPECT_FALSE(tip->isShowing());
    desktop->advanceClock(1);
    EXPECT_TRUE(tip->isShowing());
    EXPECT_EQ(desktop->text(tipWindow.value()), "Pointer");
    EXPECT_GT(desktop->windowRect(tipWindow.value()).top, desktop->windowRect(button).top);
    desktop->injectClick(centre(desktop->windowRect(button)));
    desktop->pumpAll();
    EXPECT_FALSE(tip->isShowing());
    EXPECT_EQ(received(button, msg::LeftDown).size(), 1u);
    // Once shown and left alone it goes by itself.
    desktop->injectMouseMove(centre(desktop->windowRect(button)) + Point{1, 0});
    desktop->injectMouseMove({5, 5});
    desktop->injectMouseMove(centre(desktop->windowRect(button)));
    desktop->pumpAll();
    desktop->advanceClock(ToolTip::initialDelay);
    EXPECT_TRUE(tip->isShowing());
    desktop->advanceClock(ToolTip::autoPopDelay);
    EXPECT_FALSE(tip->isShowing());
    desktop->subclass(button, previous); // the relaying procedure uses this test's locals
}

} // namespace
