#pragma once

#include "catalogue/ControlTypes.h"
#include "model/CControlPropertyItem.h"
#include "model/CCtrlEventMethodItem.h"
#include "model/DdeLinkRecord.h"
#include "model/PropertyStringContext.h"
#include "platform/base/Geometry.h"
#include "platform/base/Result.h"
#include "platform/gfx/LogFont.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Font;
class FontLibrary;
} // namespace platform

namespace morva {

class CFormModel;
class IActiveXControlEntry;
class IFormWindow;
class ILiveControl;

// One designable object: a form, an intrinsic control, an ActiveX control or a command of the
// form's menu. Its properties carry all its values as text; geometry, captions and colours are
// read from and written to them.
class CControlItem {
public:
    static constexpr int32_t kMenuBarHeight = 18;  // height of a form's menu bar on the design surface
    static constexpr int32_t kTimerSize = 28;      // a timer is always drawn this size
    static constexpr int32_t kGrabHandleSize = 7;  // size of the selection handles

    explicit CControlItem(int32_t kind = kKindIntrinsic, int32_t typeCode = kTypeNone);
    ~CControlItem();
    CControlItem(const CControlItem&) = delete;
    CControlItem& operator=(const CControlItem&) = delete;

    // A copy for control arrays and duplication: names, flags, container and deep copies of the
    // property, event and method lists, with the same geometry; never the live control.
    std::unique_ptr<CControlItem> Clone() const;

    // --- Members -------------------------------------------------------------------------
    const std::vector<std::unique_ptr<CControlPropertyItem>>& GetProperties() const { return m_properties; }
    CControlPropertyItem& AppendProperty(std::unique_ptr<CControlPropertyItem> property);
    std::vector<CCtrlEventMethodItem>& GetEvents() { return m_events; }
    const std::vector<CCtrlEventMethodItem>& GetEvents() const { return m_events; }
    std::vector<CCtrlEventMethodItem>& GetMethods() { return m_methods; }
    const std::vector<CCtrlEventMethodItem>& GetMethods() const { return m_methods; }

    // First property of that exact name, or null.
    CControlPropertyItem* FindProperty(std::string_view name) const;
    // Its value, or empty text when there is no such property.
    std::string GetPropertyValue(std::string_view name) const;
    // Sets the first property of that name; does nothing when there is none.
    void SetPropertyValue(std::string_view name, std::string_view value);
    const CCtrlEventMethodItem* FindEvent(std::string_view name) const;

    // --- Catalogue lists -----------------------------------------------------------------
    // Properties of the item's type at their defaults; nothing when it already has some.
    void BuildPropertyList();
    // Events of the item's type; nothing when it already has some.
    void BuildEventList();
    // ActiveX: the geometry properties it lacks, then the members of its control entry.
    void AddActiveXGeometry();

    // --- Geometry (form client coordinates) ------------------------------------------------
    platform::Rect GetRect() const;
    void SetRect(const platform::Rect& rect);
    platform::Rect GetHitRect() const;
    // Repaints the item in its designer window, with room for the grab handles when asked.
    void Invalidate(bool withHandles) const;

    bool IsGraphical() const;
    bool IsContainer() const;
    bool IsFormItem() const { return m_bIsFormItem; }
    // The form class whose list holds this item, or null.
    CFormModel* GetFormClass() const { return m_pFormClass; }

    // --- Font --------------------------------------------------------------------------------
    // The item's font as its Font, FontSize, FontBold, FontItalic, FontUnderline and
    // FontStrikethru properties describe it; the size is the cell height in pixels.
    platform::LogFont BuildLogFont() const;
    platform::Result<std::shared_ptr<const platform::Font>> CreateFont(platform::FontLibrary& fonts) const;

    // --- Tab order ----------------------------------------------------------------------
    void AssignTabIndexFromOrder();
    // Gives the item holding `newIndex` this item's index; the caller then stores `newIndex`
    // in this item. False, and nothing changed, when the index is out of range.
    bool MoveTabIndex(int newIndex);

    // --- Property value string ------------------------------------------------------------
    std::string BuildPropertyValueString(const PropertyStringContext& context) const;
    bool ParsePropertyValueString(std::string_view text, const PropertyStringContext& context);

    // --- Fields ---------------------------------------------------------------------------
    IActiveXControlEntry* m_pControlEntry = nullptr; // ActiveX: the registered control
    bool m_bDrawnAsFrame = false; // ActiveX: drawn as a sunken frame instead of by the control
    bool m_bChanged = false;      // ActiveX: the live control reported a property change
    std::string m_strImplementationFile;
    IFormWindow* m_pFormWnd = nullptr; // the designer window showing the item, if any
    int32_t m_nKind;
    int32_t m_nTypeCode;
    bool m_bIsFormItem = false;
    CControlItem* m_pContainer = nullptr; // the Frame or PictureBox holding this control
    int32_t m_nIdentifierNumber = 0;
    bool m_bArrayMember = false;
    DdeLinkRecord m_link;
    std::string m_strClassName;
    std::string m_strMemberName;
    std::string m_strPropStringSymbol;
    int32_t m_nShownPropertyCount = 0;
    bool m_bLineFalls = false; // a line runs from top-left to bottom-right
    std::string m_strIdentifierSymbol;
    std::unique_ptr<ILiveControl> m_pLiveControl;

private:
    friend class CFormModel;

    bool IsMdiFormItem() const;
    bool HasMenuOffset() const;
    // The item's rectangle in the form without the menu offset; `depth` stops container loops.
    platform::Rect RectInForm(int depth) const;
    platform::Point ContainerOrigin() const;
    void AssignDisplayPositions();
    void AppendCatalogueProperties(std::string_view table, bool countShown);

    std::vector<std::unique_ptr<CControlPropertyItem>> m_properties;
    std::vector<CCtrlEventMethodItem> m_events;
    std::vector<CCtrlEventMethodItem> m_methods;
    CFormModel* m_pFormClass = nullptr;
};

} // namespace morva
