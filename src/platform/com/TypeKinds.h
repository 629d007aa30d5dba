#pragma once

#include <cstdint>

namespace platform {

// Kinds and flags of type-library entries, with the numbers the binary format stores.
enum class TypeKind : uint8_t { Enum = 0, Record, Module, Interface, Dispatch, Coclass, Alias, Union };
enum class InvokeKind : uint8_t { Func = 1, PropertyGet = 2, PropertyPut = 4, PropertyPutRef = 8 };
enum class FuncKind : uint8_t { Virtual = 0, PureVirtual, NonVirtual, Static, Dispatch };
enum class VarKind : uint8_t { PerInstance = 0, Static, Const, Dispatch };
enum class CallConv : uint8_t { FastCall = 0, CDecl, Pascal, MacPascal, StdCall, FpFastCall, SysCall, MpwCDecl, MpwPascal };
enum class SysKind : uint8_t { Win16 = 0, Win32, Mac, Win64 };

// How a type info presents its type: as stored, or as one of the two views of a dual
// interface (a dispinterface, or the plain interface).
enum class TypeInfoView : uint8_t { Stored, DualDispatch, DualInterface };

// A reference from one type to another: an offset into the library's own type table, or
// (low bit set) an entry of its import table.
using HRefType = uint32_t;

// The member id that names a type itself rather than one of its members.
inline constexpr int32_t MEMBERID_NIL = -1;

namespace ImplTypeFlags {
inline constexpr uint32_t Default = 1;
inline constexpr uint32_t Source = 2;
inline constexpr uint32_t Restricted = 4;
inline constexpr uint32_t DefaultVtable = 8;
} // namespace ImplTypeFlags

namespace ParamFlags {
inline constexpr uint16_t In = 0x1;
inline constexpr uint16_t Out = 0x2;
inline constexpr uint16_t Lcid = 0x4;
inline constexpr uint16_t Retval = 0x8;
inline constexpr uint16_t Optional = 0x10;
inline constexpr uint16_t HasDefault = 0x20;
inline constexpr uint16_t HasCustomData = 0x40;
} // namespace ParamFlags

namespace TypeFlags {
inline constexpr uint16_t AppObject = 0x1;
inline constexpr uint16_t CanCreate = 0x2;
inline constexpr uint16_t Licensed = 0x4;
inline constexpr uint16_t PredeclaredId = 0x8;
inline constexpr uint16_t Hidden = 0x10;
inline constexpr uint16_t Control = 0x20;
inline constexpr uint16_t Dual = 0x40;
inline constexpr uint16_t NonExtensible = 0x80;
inline constexpr uint16_t OleAutomation = 0x100;
inline constexpr uint16_t Restricted = 0x200;
inline constexpr uint16_t Aggregatable = 0x400;
inline constexpr uint16_t Replaceable = 0x800;
inline constexpr uint16_t Dispatchable = 0x1000;
} // namespace TypeFlags

} // namespace platform
