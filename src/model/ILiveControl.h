#pragma once

namespace morva {

// A live instance of an ActiveX control hosted in a designer window. The live control host
// implements it; the item owns it while a designer window shows the form.
class ILiveControl {
public:
    virtual ~ILiveControl() = default;
};

} // namespace morva
