#pragma once

#include "model/DispatchMemberInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace morva {

class CArchiveReader;
class CArchiveWriter;

// One method or event of a dispatch interface: what the control's item reads
// (DispatchMemberInfo), plus the parameters one by one and, for methods, the counts.
class CXDispInterfaceEventMethodItem : public DispatchMemberInfo {
public:
    void Serialize(CArchiveWriter& archive) const;
    bool Serialize(CArchiveReader& archive);

    std::vector<std::string> m_paramNames;
    std::vector<uint32_t> m_paramTypes; // VT of each parameter, with VT_BYREF for a pointer
    int32_t m_nParamCount = 0;
    int32_t m_nOptionalParamCount = 0;
};

} // namespace morva
