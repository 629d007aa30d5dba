#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morva {

// The texts of generated lines, without the indentation and line break that an insertion
// adds around them (see ForInsertion).

// m_TextBox1.Create(this, IDC_TEXTBOX1, IDS_PROP_TEXTBOX1); or, inside a frame,
// m_TextBox2.Create(&m_Frame1, ...). An explicit object expression is created with "this".
std::string CreationLineText(std::string_view memberName, std::string_view containerMember,
                             std::string_view identifierSymbol, std::string_view propStringSymbol);
// CXTextBox, a tab, m_TextBox1;
std::string DeclarationLineText(std::string_view className, std::string_view memberName);
// The two #define lines of a control, each ending in CR LF; either may be left out.
std::string ControlSymbolLines(std::string_view identifierSymbol, long identifierNumber,
                               std::string_view propStringSymbol, long stringNumber, bool withIdentifier = true,
                               bool withPropString = true);
// One #define line of a string identifier, ending in CR LF.
std::string ResourceSymbolLine(std::string_view propStringSymbol, long number);
// The string-table entry: symbol, three tabs and the quoted property value string.
std::string StringTableText(std::string_view propStringSymbol, std::string_view propertyValueString);
// #include "name" with the folder and leading blanks removed, ending in CR LF.
std::string IncludeLine(std::string_view fileName);
// m_nResID = value;
std::string FormResourceText(std::string_view value);

// A line text placed at an insertion position whose line starts with `indentation`: at a line
// start the indentation comes first and the line break after; inside the indentation (before a
// marker) the line break comes first and the indentation after, so the marker keeps its own.
std::string ForInsertion(std::string_view text, std::string_view indentation, bool atLineStart);

} // namespace morva
