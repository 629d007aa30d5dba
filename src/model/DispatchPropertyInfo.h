#pragma once

#include <cstdint>
#include <string>

namespace morva {

// What a control's item takes from one property of the control's dispatch interface.
struct DispatchPropertyInfo {
    std::string name;
    std::string typeText; // C++ type text: "Font", "COLORREF", a dispinterface name, ...
    uint16_t varType = 0;
    int32_t dispId = -1;
    std::string docName;
    std::string docString;
    std::string helpFile;
    int32_t helpContext = -1;
    std::string paramDecls;
    std::string paramVts;
    bool shown = true;
};

} // namespace morva
