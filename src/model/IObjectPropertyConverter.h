#pragma once

#include <string>

namespace morva {

class CControlItem;
struct CControlPropertyItem;

// Converts the value of an ActiveX property whose type is one of the control's dispatch
// interfaces (a sub-object or collection) between its model value and its stored text.
class IObjectPropertyConverter {
public:
    virtual ~IObjectPropertyConverter() = default;
    virtual std::string ModelToText(const CControlItem& item, const CControlPropertyItem& property) = 0;
    virtual std::string TextToModel(const CControlItem& item, const CControlPropertyItem& property,
                                    const std::string& text) = 0;
};

} // namespace morva
