#pragma once

#include "platform/base/Result.h"
#include "platform/com/ComPtr.h"
#include "platform/com/CustomData.h"
#include "platform/com/Documentation.h"
#include "platform/com/DualInterfaceView.h"
#include "platform/com/FuncDesc.h"
#include "platform/com/TypeAttributes.h"
#include "platform/com/VarDesc.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class TypeLibrary;
struct TypeInfoData;

inline constexpr Guid IID_ITypeInfo{0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// One type of a loaded library: its attributes, members, implemented types and the types it
// refers to. Indexes and member ids that the type does not have give TYPE_E_ELEMENTNOTFOUND.
class TypeInfo : public virtual ComObject {
public:
    static constexpr const Guid& iid = IID_ITypeInfo;

    // A type as stored, or one of the two views of a dual interface (`view` then holds it).
    using View = TypeInfoView;
    TypeInfo(ComPtr<const TypeLibrary> library, uint32_t index, View view = View::Stored,
             std::shared_ptr<const TypeInfoData> viewData = nullptr, std::vector<ForeignReference> foreign = {});

    const TypeAttributes& typeAttributes() const;
    Result<FuncDesc> funcDesc(uint32_t index) const;
    Result<VarDesc> varDesc(uint32_t index) const;
    // The member's name followed by its parameters' names, at most `maxNames` of them; the
    // first function or variable with the member id answers.
    Result<std::vector<std::string>> names(int32_t memberId, size_t maxNames) const;
    // The type's documentation for MEMBERID_NIL, else the member's; the help file is the
    // library's.
    Result<Documentation> documentation(int32_t memberId) const;
    Result<uint32_t> implTypeFlags(uint32_t index) const;
    // The reference to implemented type `index`; a dispinterface's first one is IDispatch.
    // For a dual interface, index -1 gives the reference to its other view.
    Result<HRefType> refTypeOfImplType(int32_t index) const;
    // The type a reference names: in this library, or in a library it imports.
    Result<ComPtr<TypeInfo>> refTypeInfo(HRefType hrefType) const;

    const CustomData& customData() const;
    Result<CustomData> funcCustomData(uint32_t index) const;
    Result<CustomData> paramCustomData(uint32_t funcIndex, uint32_t paramIndex) const;
    Result<CustomData> varCustomData(uint32_t index) const;
    Result<CustomData> implTypeCustomData(uint32_t index) const;

    const TypeLibrary& containingTypeLibrary() const { return *m_library; }
    ComPtr<const TypeLibrary> library() const { return m_library; }
    uint32_t index() const { return m_index; }
    View view() const { return m_view; }
    const std::string& name() const;

protected:
    void* interfaceFor(const Guid& requested) override;

private:
    const TypeInfoData& data() const;

    ComPtr<const TypeLibrary> m_library;
    uint32_t m_index;
    View m_view;
    std::shared_ptr<const TypeInfoData> m_viewData; // null: the stored type
    std::vector<ForeignReference> m_foreign; // references of functions taken from other libraries
    const TypeInfoData* m_data;
};

} // namespace platform
