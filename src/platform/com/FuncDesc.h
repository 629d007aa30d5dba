#pragma once

#include "platform/com/TypeDesc.h"

#include <cstdint>
#include <vector>

namespace platform {

// A function or property accessor of an interface, dispinterface or module.
struct FuncDesc {
    int32_t memberId = MEMBERID_NIL;
    FuncKind funcKind = FuncKind::Dispatch;
    InvokeKind invokeKind = InvokeKind::Func;
    CallConv callConv = CallConv::StdCall;
    std::vector<ElemDesc> params;
    int16_t optionalParamCount = 0; // trailing parameters that may be left out; -1: variable arguments
    int16_t vtableOffset = 0;
    uint16_t funcFlags = 0;
    ElemDesc result;

    size_t paramCount() const { return params.size(); }
    friend bool operator==(const FuncDesc&, const FuncDesc&) = default;
};

} // namespace platform
