#pragma once

#include "model/CPropMethodItem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace morva {

class CControlItem;

// One property of a form or control. Every value is held as text: integers and colours in
// decimal, booleans "0"/"1", enumerations as the number of the chosen item, lists joined by
// CR LF, pictures as image references.
struct CControlPropertyItem {
    static constexpr int32_t kNotShownPosition = 32760;

    CControlItem* m_pOwner = nullptr;
    std::string m_strName;
    int32_t m_nVarType = 0;   // ActiveX: the dispatch property's variant type; 0 for catalogue properties
    int32_t m_nDispId = -1;   // ActiveX: the property's dispatch id; -1 for catalogue properties
    std::string m_strValue;
    std::vector<CPropMethodItem> m_items;
    std::string m_strDocName; // ActiveX documentation: name, doc string and help file
    std::string m_strDocString;
    std::string m_strHelpFile;
    int32_t m_nHelpContext = -1;
    std::string m_strTypeName; // catalogue type name, or the dispatch property's type text
    bool m_bShown = true;
    int32_t m_nDisplayPosition = kNotShownPosition;
    std::string m_strParamDecls; // ActiveX: parameter declarations of a property with parameters
    std::string m_strParamVts;   // ActiveX: their VTS list
};

} // namespace morva
