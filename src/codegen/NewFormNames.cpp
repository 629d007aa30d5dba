#include "codegen/NewFormNames.h"

#include "codegen/NewProjectSettings.h"
#include "model/CControlItem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

#include <set>

namespace morva {

namespace {

std::string_view WithoutLeadingC(std::string_view className)
{
    return !className.empty() && className[0] == 'C' ? className.substr(1) : className;
}

} // namespace

std::string DefaultFormClassName(const CProject& project)
{
    // At most one name per class is taken, so the loop ends after classes + 1 tries.
    for (size_t n = 1;; ++n) {
        std::string name = "CForm" + std::to_string(n);
        if (!project.FindClass(name))
            return name;
    }
}

std::string NewFormCaption(const CProject& project)
{
    std::set<std::string> captions;
    for (const auto& item : project.GetClasses())
        if (const CControlItem* form = item->IsFormClass() ? item->GetFormItem() : nullptr)
            captions.insert(form->GetPropertyValue("Caption"));
    for (size_t n = 1;; ++n) {
        std::string caption = "Form" + std::to_string(n);
        if (!captions.count(caption))
            return caption;
    }
}

bool ProjectHasMdiForm(const CProject& project)
{
    for (const auto& item : project.GetClasses())
        if (item->m_strBaseClass == "CXMdiForm")
            return true;
    return false;
}

std::string FormPropertySymbol(std::string_view className)
{
    return "IDS_PROP_" + UpperCaseAscii(std::string(WithoutLeadingC(className)));
}

std::string FormFileBase(std::string_view className)
{
    return LowerCaseAscii(std::string(WithoutLeadingC(className)));
}

} // namespace morva
