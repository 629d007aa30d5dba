#pragma once

#include <cstdint>

namespace morva {

// Kinds of designer items.
enum ItemKind : int32_t {
    kKindForm = -1,
    kKindIntrinsic = 0,
    kKindActiveX = 2,
    kKindMenuCommand = 4,
};

// Type codes of the intrinsic controls: the toolbox button number plus 100. Forms and
// ActiveX controls have type code -1.
enum TypeCode : int32_t {
    kTypeNone = -1,
    kTypePictureBox = 101,
    kTypeLabel = 102,
    kTypeTextBox = 103,
    kTypeFrame = 104,
    kTypeButton = 105,
    kTypeCheckBox = 106,
    kTypeOptionButton = 107,
    kTypeComboBox = 108,
    kTypeListBox = 109,
    kTypeHScrollBar = 110,
    kTypeVScrollBar = 111,
    kTypeTimer = 112,
    kTypeShape = 113,
    kTypeLine = 114,
    kTypeImage = 115,
    kTypeData = 116,
};

constexpr int32_t kFirstIntrinsicType = kTypePictureBox;
constexpr int32_t kLastIntrinsicType = kTypeData;

constexpr bool IsIntrinsicTypeCode(int32_t typeCode)
{
    return typeCode >= kFirstIntrinsicType && typeCode <= kLastIntrinsicType;
}

} // namespace morva
