#pragma once

#include <string>
#include <vector>

namespace morva {

// What a new project is made from, as the New Project dialog collects it, and the names
// derived from it.
struct NewProjectSettings {
    std::string location;    // the project folder L (Windows form)
    std::string projectName; // P
    std::string className;   // F, the start-up form class
    std::string headerFile;  // H
    std::string implFile;    // I
    bool mdi = false;        // the start-up form is an MDI form
    std::string ideVersion;  // "6.0" selects the version 6 libraries and project format

    bool isVersion6() const { return ideVersion == "6.0"; }

    // "C" + P with its first character upper-cased + "App": CTestApp.
    std::string applicationClass() const;
    std::string applicationHeader() const { return projectName + ".h"; }
    // The application source as named inside the generated text (test.Cpp).
    std::string applicationSourceInText() const { return projectName + ".Cpp"; }
    std::string baseFormClass() const { return mdi ? "CXMdiForm" : "CXForm"; }
    // "IDS_PROP_" + F upper-cased without its leading "C": IDS_PROP_FORM1.
    std::string formPropertySymbol() const;
    std::string tfxLibrary() const { return isVersion6() ? "tfx6.lib" : "tfx5.lib"; }
    std::string tfxDebugLibrary() const { return isVersion6() ? "tfx6d.lib" : "tfx5d.lib"; }
    std::string projectFormatVersion() const { return isVersion6() ? "6.00" : "5.00"; }

    // L + "\" + name.
    std::string pathInProject(const std::string& name) const;
    // The names of the files written directly into L, in writing order.
    std::vector<std::string> projectFolderFiles() const;
};

// ASCII case conversion of generated names.
std::string UpperCaseAscii(std::string text);
std::string LowerCaseAscii(std::string text);

} // namespace morva
