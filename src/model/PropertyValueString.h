#pragma once

#include "model/PropertyStringContext.h"

#include <string>
#include <string_view>

namespace morva {

class CControlItem;

// All property values of an item in list order, each followed by a comma.
std::string BuildPropertyValueString(const CControlItem& item, const PropertyStringContext& context);
// Restores the values from a string; false when it has fewer fields than the item has
// properties (the fields it had are kept). Fields beyond the last property are ignored.
bool ParsePropertyValueString(CControlItem& item, std::string_view text, const PropertyStringContext& context);

// "130-C:\img\app.ico" is stored as 65666: kind × 65536 + (id & 0xFFFF), where the kind is
// 1 for ICO, 2 for CUR and 0 otherwise. A value without "-" is stored unchanged.
std::string EncodeImageReference(std::string_view modelValue);
std::string DecodeImageReference(std::string_view storedValue, const IImageReferenceResolver* images);

} // namespace morva
