#include "model/CFormModel.h"

#include "catalogue/ControlTypes.h"
#include "model/CControlItem.h"
#include "model/IItemChangeListener.h"

#include <algorithm>

namespace morva {

CFormModel::CFormModel() = default;

CFormModel::~CFormModel()
{
    RemoveAll();
}

CControlItem& CFormModel::AppendItem(std::unique_ptr<CControlItem> item)
{
    return InsertItem(m_items.size(), std::move(item));
}

CControlItem& CFormModel::InsertItem(size_t index, std::unique_ptr<CControlItem> item)
{
    item->m_pFormClass = this;
    index = std::min(index, m_items.size());
    return **m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
}

std::unique_ptr<CControlItem> CFormModel::RemoveItem(const CControlItem& item)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const auto& p) { return p.get() == &item; });
    if (found == m_items.end())
        return nullptr;
    std::unique_ptr<CControlItem> removed = std::move(*found);
    m_items.erase(found);
    removed->m_pFormClass = nullptr;
    // Items that were inside the removed one no longer have a container on this form.
    for (const auto& other : m_items)
        if (other->m_pContainer == removed.get())
            other->m_pContainer = nullptr;
    return removed;
}

void CFormModel::RemoveAll()
{
    for (const auto& item : m_items)
        item->m_pFormClass = nullptr;
    m_items.clear();
}

int CFormModel::IndexOf(const CControlItem& item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == &item)
            return static_cast<int>(i);
    return -1;
}

CControlItem* CFormModel::GetFormItem() const
{
    for (const auto& item : m_items)
        if (item->IsFormItem())
            return item.get();
    return nullptr;
}

CControlItem* CFormModel::FindByMemberName(std::string_view memberName) const
{
    for (const auto& item : m_items)
        if (item->m_strMemberName == memberName)
            return item.get();
    return nullptr;
}

void CFormModel::ReportItemChanged(CControlItem& item)
{
    if (m_pChangeListener)
        m_pChangeListener->OnItemChanged(item);
}

void CFormModel::MoveGraphicalControlsFirst()
{
    std::stable_partition(m_items.begin(), m_items.end(), [](const auto& item) {
        const int32_t type = item->m_nTypeCode;
        return item->m_nKind == kKindIntrinsic && (type == kTypeShape || type == kTypeLine || type == kTypeImage);
    });
}

} // namespace morva
