#pragma once

namespace morva {

class CControlItem;

// Told when the model changes an item on its own account (the code writer listens, so that
// the item's generated lines and property string follow).
class IItemChangeListener {
public:
    virtual ~IItemChangeListener() = default;
    virtual void OnItemChanged(CControlItem& item) = 0;
};

} // namespace morva
