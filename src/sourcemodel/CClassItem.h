#pragma once

#include "model/CFormModel.h"
#include "sourcemodel/CAFXParseEntry.h"
#include "sourcemodel/CAccessSectionItem.h"
#include "sourcemodel/CFunctionItem.h"
#include "sourcemodel/CTempCreateItem.h"
#include "sourcemodel/CVariableItem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva {

class IActiveXControlEntry;

// One class of the project as the class parser found it: where it is declared, its base
// classes, members, access sections, maps and generated blocks. Its control list (held by the
// form model) gets one object per member variable.
class CClassItem : public CFormModel {
public:
    std::string m_strName;
    std::string m_strHeaderFile;
    int64_t m_nDeclarationStart = -1; // the keyword "class"; -1 while no declaration is known
    int64_t m_nDeclarationEnd = -1;   // just before the closing brace
    int64_t m_nBodyStart = -1;        // the opening brace
    std::string m_strRootBase;        // first base in the chain that is not a project class
    int64_t m_nMessageMapBegin = -1;
    int64_t m_nMessageMapEnd = -1;
    std::string m_strMessageMapFile;
    int64_t m_nEventSinkMapBegin = -1;
    int64_t m_nEventSinkMapEnd = -1;
    std::string m_strEventSinkMapFile;
    bool m_bIsWindowClass = false;
    bool m_bIsForm = false;
    // Read from the form-data block of the constructor.
    std::string m_strFormPropStringSymbol;
    std::string m_strFormResourceId;
    // An ActiveX wrapper class: the control its ProgID names.
    std::string m_strProgId;
    IActiveXControlEntry* m_pControlEntry = nullptr;

    std::vector<std::unique_ptr<CFunctionItem>> m_functions;
    std::vector<std::unique_ptr<CVariableItem>> m_variables;
    std::vector<std::unique_ptr<CAccessSpecifierItem>> m_accessSections;
    std::vector<std::unique_ptr<CAFXParseEntry>> m_blocks;
    std::vector<std::unique_ptr<CTempCreateItem>> m_createEntries;

    bool IsMdiForm() const override { return m_strRootBase == "CXMdiForm"; }
    // The root base is a form class of the runtime.
    bool IsFormClass() const;

    // First function of that exact name, or null.
    CFunctionItem* FindFunction(std::string_view name) const;
    CVariableItem* FindVariable(std::string_view name) const;
    // The generated block of that name (AFX_MSG, AFX_VIRTUAL, ...), or null.
    CAFXParseEntry* FindBlock(std::string_view name) const;
    CAFXParseEntry* GetMessageBlock() const { return FindBlock("AFX_MSG"); }
    CAFXParseEntry* GetVirtualBlock() const { return FindBlock("AFX_VIRTUAL"); }
    // The first "public" access section, or null.
    CAccessSpecifierItem* GetFirstPublicSection() const;

    // The file that holds most of the member-function definitions (the first such file in
    // function order on a tie); without definitions the message-map file, else the event-sink
    // map file, else the header.
    std::string GetImplementationFile() const;
};

} // namespace morva
