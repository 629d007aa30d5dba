#include "model/CControlItem.h"

#include "model/CFormModel.h"
#include "model/IFormWindow.h"
#include "model/ValueText.h"

#include <string>

namespace morva {

namespace {

// Containers nest a few levels deep at most; a longer chain can only be a loop in damaged data.
constexpr int kMaxContainerDepth = 32;

} // namespace

bool CControlItem::HasMenuOffset() const
{
    return m_pFormWnd && m_pFormClass && m_pFormClass->HasMenu();
}

platform::Point CControlItem::ContainerOrigin() const
{
    return m_pContainer ? m_pContainer->RectInForm(1).topLeft() : platform::Point{};
}

platform::Rect CControlItem::RectInForm(int depth) const
{
    const auto value = [this](const char* name) { return ParseInt32Text(GetPropertyValue(name)); };
    platform::Rect rect;
    if (m_nTypeCode == kTypeLine) {
        rect = platform::Rect{value("X1"), value("Y1"), value("X2"), value("Y2")}.normalized();
    } else if (m_nTypeCode == kTypeTimer) {
        rect = platform::Rect::fromPointAndSize({value("Left"), value("Top")}, {kTimerSize, kTimerSize});
    } else {
        const int32_t left = value("Left");
        const int32_t top = value("Top");
        rect = {left, top, left + value("Width"), top + value("Height")};
    }
    if (m_pContainer && depth < kMaxContainerDepth)
        rect = rect.offsetBy(m_pContainer->RectInForm(depth + 1).topLeft());
    return rect;
}

platform::Rect CControlItem::GetRect() const
{
    platform::Rect rect = RectInForm(0);
    if (HasMenuOffset())
        rect = rect.offsetBy(0, kMenuBarHeight);
    return rect;
}

void CControlItem::SetRect(const platform::Rect& rectInForm)
{
    platform::Rect rect = rectInForm;
    if (HasMenuOffset())
        rect = rect.offsetBy(0, -kMenuBarHeight);
    const platform::Point origin = ContainerOrigin();
    rect = rect.offsetBy(-origin.x, -origin.y);

    const auto set = [this](const char* name, int32_t number) { SetPropertyValue(name, std::to_string(number)); };
    if (m_nTypeCode == kTypeLine) {
        set("X1", rect.left);
        set("X2", rect.right);
        set("Y1", m_bLineFalls ? rect.top : rect.bottom);
        set("Y2", m_bLineFalls ? rect.bottom : rect.top);
    } else if (m_nTypeCode == kTypeTimer) {
        set("Left", rect.left);
        set("Top", rect.top);
    } else {
        set("Left", rect.left);
        set("Top", rect.top);
        set("Width", rect.width());
        set("Height", rect.height());
    }
}

platform::Rect CControlItem::GetHitRect() const
{
    if (m_bIsFormItem && m_pFormWnd)
        return m_pFormWnd->GetClientRect();
    return GetRect();
}

void CControlItem::Invalidate(bool withHandles) const
{
    if (!m_pFormWnd)
        return;
    platform::Rect rect = GetRect();
    if (m_bIsFormItem)
        rect = platform::Rect::fromPointAndSize({}, rect.size());
    else
        rect = rect.offsetBy(m_pFormWnd->GetDesignOrigin());
    if (withHandles)
        rect = rect.inflatedBy(kGrabHandleSize, kGrabHandleSize);
    m_pFormWnd->InvalidateRect(rect);
}

} // namespace morva
