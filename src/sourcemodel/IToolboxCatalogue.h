#pragma once

#include <string>

namespace morva {

class IActiveXControlEntry;

// The project's toolbox entries as the class parser needs them: an ActiveX wrapper class names
// its control's ProgID, and the entry is found (ProgIDs compared case-insensitively) or loaded
// from the registry when missing. Null when no installed control has that ProgID.
class IToolboxCatalogue {
public:
    virtual ~IToolboxCatalogue() = default;
    virtual IActiveXControlEntry* FindOrCreateByProgId(const std::string& progId) = 0;
};

} // namespace morva
