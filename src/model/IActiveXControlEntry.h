#pragma once

#include "model/DispatchMemberInfo.h"
#include "model/DispatchPropertyInfo.h"

#include <string>
#include <vector>

namespace morva {

// The registered ActiveX control an item was made from, as the item sees it: its ProgID and
// the members of its default dispatch interface and default event interface.
class IActiveXControlEntry {
public:
    virtual ~IActiveXControlEntry() = default;
    virtual std::string GetProgId() const = 0;
    virtual std::vector<const DispatchPropertyInfo*> GetDefaultProperties() const = 0;
    virtual std::vector<const DispatchMemberInfo*> GetDefaultMethods() const = 0;
    virtual std::vector<const DispatchMemberInfo*> GetDefaultEvents() const = 0;
    // Whether `typeText` names one of the control's dispatch interfaces (an object property).
    virtual bool NamesDispatchInterface(const std::string& typeText) const = 0;
};

} // namespace morva
