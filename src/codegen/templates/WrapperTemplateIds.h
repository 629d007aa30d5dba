#pragma once

namespace morva::tpl {

// Identifiers of the ActiveX wrapper generator's string resources.
constexpr int kAxControlHeader = 61596;       // header of a control's wrapper class
constexpr int kAxImplementation = 61597;      // implementation file of a control or sub-object class
constexpr int kAxClsidFormat = 61598;         // printf format of a CLSID initialiser
constexpr int kAxPropertyMacro = 61601;       // the property-class macro of one wrapper class
constexpr int kAxPropertyImpl = 61602;        // operator= and conversion of one property class

// xfont.h and xfont.cpp, in joining order.
constexpr int kAxFontHeader1 = 61603;
constexpr int kAxFontHeader2 = 61604;
constexpr int kAxFontHeader3 = 61605;
constexpr int kAxFontSource1 = 61606;
constexpr int kAxFontSource2 = 61607;
constexpr int kAxFontSource3 = 61608;
constexpr int kAxFontSource4 = 61609;

constexpr int kAxGenerateError = 61610; // message: a wrapper file could not be generated

// xpicture.h and xpicture.cpp, in joining order.
constexpr int kAxPictureHeader1 = 61643;
constexpr int kAxPictureHeader2 = 61644;
constexpr int kAxPictureSource1 = 61645;
constexpr int kAxPictureSource2 = 61646;
constexpr int kAxPictureSource3 = 61647;

constexpr int kAxSubObjectHeader = 61648;       // header of a sub-object's wrapper class
constexpr int kAxConstructorDestructor = 61649; // the control class's constructor and destructor
constexpr int kAxAccessorPair = 61650;          // Get/Set pair of a property of the class's own type

} // namespace morva::tpl
