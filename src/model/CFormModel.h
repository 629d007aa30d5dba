#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva {

class CControlItem;
class IItemChangeListener;

// The model's side of a form class: the form's items in creation order (the form's own item,
// one item per control, and one per command of an attached menu), its base class and the name
// of its attached menu. The parsed class of the form builds on it.
class CFormModel {
public:
    CFormModel();
    virtual ~CFormModel();
    CFormModel(const CFormModel&) = delete;
    CFormModel& operator=(const CFormModel&) = delete;

    std::string m_strBaseClass; // CXForm, CXMdiForm, ...
    std::string m_strMenuName;  // resource name of the attached menu; empty without one
    IItemChangeListener* m_pChangeListener = nullptr;

    // An MDI parent form: the class derives from CXMdiForm.
    virtual bool IsMdiForm() const { return m_strBaseClass == "CXMdiForm"; }
    bool HasMenu() const { return !m_strMenuName.empty(); }

    CControlItem& AppendItem(std::unique_ptr<CControlItem> item);
    CControlItem& InsertItem(size_t index, std::unique_ptr<CControlItem> item);
    // Gives the item back to the caller; null when it is not in this list.
    std::unique_ptr<CControlItem> RemoveItem(const CControlItem& item);
    void RemoveAll();

    const std::vector<std::unique_ptr<CControlItem>>& GetItems() const { return m_items; }
    size_t GetCount() const { return m_items.size(); }
    // Position in the list, or -1.
    int IndexOf(const CControlItem& item) const;
    // Moves the Line, Shape and Image controls to the front of the list, keeping the relative
    // order within both groups: graphical controls are drawn under the windowed ones.
    void MoveGraphicalControlsFirst();
    // The item that stands for the form itself, or null.
    CControlItem* GetFormItem() const;
    // The first item with this member name (exact comparison), or null.
    CControlItem* FindByMemberName(std::string_view memberName) const;

    // Tells the change listener, if any, that the model changed `item`.
    void ReportItemChanged(CControlItem& item);

private:
    std::vector<std::unique_ptr<CControlItem>> m_items;
};

} // namespace morva
