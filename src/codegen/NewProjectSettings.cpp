#include "codegen/NewProjectSettings.h"

namespace morva {

std::string UpperCaseAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string LowerCaseAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string NewProjectSettings::applicationClass() const
{
    std::string name = projectName;
    if (!name.empty())
        name[0] = UpperCaseAscii(std::string(1, name[0]))[0];
    return "C" + name + "App";
}

std::string NewProjectSettings::formPropertySymbol() const
{
    const bool leadingC = !className.empty() && className[0] == 'C';
    return "IDS_PROP_" + UpperCaseAscii(leadingC ? className.substr(1) : className);
}

std::string NewProjectSettings::pathInProject(const std::string& name) const
{
    // A location that already ends in a backslash (a drive root) takes no second one.
    if (!location.empty() && location.back() == '\\')
        return location + name;
    return location + "\\" + name;
}

std::vector<std::string> NewProjectSettings::projectFolderFiles() const
{
    return {projectName + ".h", projectName + ".cpp", headerFile, implFile, projectName + ".rc",
            "resource.h", "stdafx.h", "stdafx.cpp", projectName + ".dsp", projectName + ".dsw"};
}

} // namespace morva
