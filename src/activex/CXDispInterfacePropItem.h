#pragma once

#include "model/DispatchPropertyInfo.h"

#include <string>

namespace morva {

class CArchiveReader;
class CArchiveWriter;
class CXDispInterface;

// One property of a dispatch interface. The fields the control's item reads are those of
// DispatchPropertyInfo; the reserved text is kept for the data file.
class CXDispInterfacePropItem : public DispatchPropertyInfo {
public:
    explicit CXDispInterfacePropItem(CXDispInterface* owner = nullptr) : m_pOwner(owner) {}

    void Serialize(CArchiveWriter& archive) const;
    bool Serialize(CArchiveReader& archive);

    CXDispInterface* m_pOwner;
    std::string m_strReserved;
};

} // namespace morva
