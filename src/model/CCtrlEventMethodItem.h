#pragma once

#include <cstdint>
#include <string>

namespace morva {

// One event of a form or control, or one method of an ActiveX control.
struct CCtrlEventMethodItem {
    static constexpr int32_t kCatalogueDispId = -9999;

    std::string m_strReturnType = "void";
    std::string m_strName;
    std::string m_strParamDecls; // parameter text of the generated handler
    std::string m_strParamVts;   // ActiveX: VTS names; empty for catalogue events
    int32_t m_nDispId = kCatalogueDispId;
    uint16_t m_nReturnVarType = 0;

    friend bool operator==(const CCtrlEventMethodItem&, const CCtrlEventMethodItem&) = default;
};

} // namespace morva
