#pragma once

#include <cstdint>
#include <string>

namespace morva {

// What a control's item takes from one method or event of the control's dispatch interfaces.
struct DispatchMemberInfo {
    std::string name;
    std::string returnType = "void";
    std::string paramDecls;
    std::string paramVts;
    int32_t dispId = -1;
    uint16_t returnVarType = 0;
};

} // namespace morva
