#pragma once

#include <cstdint>

namespace platform {

// Result codes of the object layer, with the values the system expects: HRESULT-style codes
// (negative means failure) and the two plain error numbers the module loader reports.
using HResult = int32_t;

inline constexpr bool succeeded(HResult hr) { return hr >= 0; }
inline constexpr bool failed(HResult hr) { return hr < 0; }

inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_NOTIMPL = HResult(0x80004001);
inline constexpr HResult E_NOINTERFACE = HResult(0x80004002);
inline constexpr HResult E_POINTER = HResult(0x80004003);
inline constexpr HResult E_FAIL = HResult(0x80004005);
inline constexpr HResult E_OUTOFMEMORY = HResult(0x8007000E);
inline constexpr HResult E_INVALIDARG = HResult(0x80070057);

inline constexpr HResult TYPE_E_ELEMENTNOTFOUND = HResult(0x8002802B);
inline constexpr HResult TYPE_E_LIBNOTREGISTERED = HResult(0x8002801D);
inline constexpr HResult TYPE_E_INVDATAREAD = HResult(0x80028018);
inline constexpr HResult TYPE_E_UNSUPFORMAT = HResult(0x80028019);
inline constexpr HResult TYPE_E_CANTLOADLIBRARY = HResult(0x80029C4A);

// Plain error numbers of the module loader (positive, like the system's "last error").
inline constexpr HResult ERROR_ACCESS_DENIED = 5;
inline constexpr HResult ERROR_INVALID_DATA = 13;
inline constexpr HResult ERROR_MOD_NOT_FOUND = 1157; // the module's file does not exist
inline constexpr HResult ERROR_RESOURCE_DATA_NOT_FOUND = 1812; // the module has no resources
inline constexpr HResult ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
inline constexpr HResult ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

} // namespace platform
