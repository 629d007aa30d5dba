#pragma once

namespace morva {

class IImageReferenceResolver;
class IObjectPropertyConverter;

// What writing and reading a property value string may need from the project: the resource
// script for pictures, and the live control for object-valued ActiveX properties. Either may
// be absent; values then pass unchanged.
struct PropertyStringContext {
    const IImageReferenceResolver* images = nullptr;
    IObjectPropertyConverter* objects = nullptr;
};

} // namespace morva
