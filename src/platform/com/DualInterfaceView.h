#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/TypeLibrary.h"
#include "platform/com/TypeLibraryData.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// A reference made by a function that a view took from a base in another library: it is
// resolved in that library.
struct ForeignReference {
    ComPtr<const TypeLibrary> library;
    HRefType hrefType = 0;
};

// A view's data and the foreign references its functions use.
struct DualViewData {
    std::shared_ptr<const TypeInfoData> type;
    std::vector<ForeignReference> foreign;
};

// A dual interface is stored once, as a dispinterface flagged dual that holds the vtable
// functions of the interface. It is seen two ways: as a dispinterface whose functions are
// every function of its vtable (the inherited IUnknown and IDispatch ones first) in their
// dispatch form, and, through refTypeOfImplType(-1), as the plain interface as stored.
class DualInterfaceView {
public:
    // The reference a dual type gives for its other view.
    static constexpr HRefType otherViewHref = 0xFFFFFFFE;
    // Foreign references are renumbered from here on (odd, so that they never look local,
    // and above any offset of an import table).
    static constexpr HRefType firstForeignHref = 0x80000001;
    // Bases followed at most this deep, so that a base chain that loops ends.
    static constexpr int maxBaseDepth = 16;

    static bool isDual(const TypeInfoData& type)
    {
        return type.attributes.typeKind == TypeKind::Dispatch && (type.attributes.typeFlags & TypeFlags::Dual);
    }

    // The dispinterface view of dual type `index`. Bases that cannot be resolved (an
    // imported library that is not found) are left out, so the view then lists only the
    // functions that could be read.
    static DualViewData dispatchView(const TypeLibrary& library, uint32_t index);
    // The interface view: the stored functions, with the kind of an interface.
    static std::shared_ptr<const TypeInfoData> interfaceView(const TypeLibrary& library, uint32_t index);
};

} // namespace platform
