#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace platform {

// Variant type numbers as automation uses them.
enum VarType : uint16_t {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_PTR = 26,
    VT_SAFEARRAY = 27,
    VT_CARRAY = 28,
    VT_USERDEFINED = 29,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
};

// A self-describing value: a variant type and the value it carries. Integers (and booleans,
// currency as its scaled integer, error codes) are held as 64-bit integers, floating types and
// dates as doubles, strings as ANSI text.
class Variant {
public:
    Variant() = default;
    static Variant fromInteger(uint16_t vt, int64_t value) { return Variant(vt, value); }
    static Variant fromDouble(uint16_t vt, double value) { return Variant(vt, value); }
    static Variant fromString(std::string value) { return Variant(VT_BSTR, std::move(value)); }
    static Variant fromBool(bool value) { return Variant(VT_BOOL, int64_t(value ? -1 : 0)); }

    uint16_t type() const { return m_type; }
    bool isEmpty() const { return m_type == VT_EMPTY; }
    bool holdsInteger() const { return std::holds_alternative<int64_t>(m_value); }
    bool holdsDouble() const { return std::holds_alternative<double>(m_value); }
    bool holdsString() const { return std::holds_alternative<std::string>(m_value); }

    int64_t integer() const { return holdsInteger() ? std::get<int64_t>(m_value) : 0; }
    double real() const { return holdsDouble() ? std::get<double>(m_value) : 0.0; }
    const std::string& string() const
    {
        static const std::string empty;
        return holdsString() ? std::get<std::string>(m_value) : empty;
    }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    template <typename T>
    Variant(uint16_t vt, T value) : m_type(vt), m_value(std::move(value)) {}

    uint16_t m_type = VT_EMPTY;
    std::variant<std::monostate, int64_t, double, std::string> m_value;
};

} // namespace platform
