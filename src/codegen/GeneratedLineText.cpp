#include "codegen/GeneratedLineText.h"

#include "codegen/ResourceText.h"

namespace morva {

std::string CreationLineText(std::string_view memberName, std::string_view containerMember,
                             std::string_view identifierSymbol, std::string_view propStringSymbol)
{
    const std::string parent = containerMember.empty() ? std::string("this") : std::string("&").append(containerMember);
    return std::string(memberName) + ".Create(" + parent + ", " + std::string(identifierSymbol) + ", " +
           std::string(propStringSymbol) + ");";
}

std::string DeclarationLineText(std::string_view className, std::string_view memberName)
{
    return std::string(className) + "\t" + std::string(memberName) + ";";
}

std::string ControlSymbolLines(std::string_view identifierSymbol, long identifierNumber,
                               std::string_view propStringSymbol, long stringNumber, bool withIdentifier,
                               bool withPropString)
{
    std::string lines;
    if (withIdentifier)
        lines += "#define\t" + std::string(identifierSymbol) + "\t\t\t\t" + std::to_string(identifierNumber) + "\r\n";
    if (withPropString)
        lines += "#define " + std::string(propStringSymbol) + "\t\t\t\t" + std::to_string(stringNumber) + "\r\n";
    return lines;
}

std::string ResourceSymbolLine(std::string_view propStringSymbol, long number)
{
    return "#define\t" + std::string(propStringSymbol) + "\t\t\t\t" + std::to_string(number) + "\r\n";
}

std::string StringTableText(std::string_view propStringSymbol, std::string_view propertyValueString)
{
    return std::string(propStringSymbol) + "\t\t\t\"" + std::string(propertyValueString) + "\"";
}

std::string IncludeLine(std::string_view fileName)
{
    std::string_view name = FileNameOf(fileName);
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    return "#include \"" + std::string(name) + "\"\r\n";
}

std::string FormResourceText(std::string_view value)
{
    return "m_nResID = " + std::string(value) + ";";
}

std::string ForInsertion(std::string_view text, std::string_view indentation, bool atLineStart)
{
    if (atLineStart)
        return std::string(indentation) + std::string(text) + "\r\n";
    return std::string(text) + "\r\n" + std::string(indentation);
}

} // namespace morva
