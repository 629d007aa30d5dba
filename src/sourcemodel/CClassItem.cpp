#include "sourcemodel/CClassItem.h"

#include "catalogue/Catalogue.h"

namespace morva {

bool CClassItem::IsFormClass() const
{
    return m_bIsForm || IsFormBaseClass(m_strRootBase);
}

CFunctionItem* CClassItem::FindFunction(std::string_view name) const
{
    for (const auto& function : m_functions)
        if (function->m_strName == name)
            return function.get();
    return nullptr;
}

CVariableItem* CClassItem::FindVariable(std::string_view name) const
{
    for (const auto& variable : m_variables)
        if (variable->m_strName == name)
            return variable.get();
    return nullptr;
}

CAFXParseEntry* CClassItem::FindBlock(std::string_view name) const
{
    for (const auto& block : m_blocks)
        if (block->m_strName == name)
            return block.get();
    return nullptr;
}

CAccessSpecifierItem* CClassItem::GetFirstPublicSection() const
{
    for (const auto& section : m_accessSections)
        if (section->m_strKeyword == "public")
            return section.get();
    return nullptr;
}

std::string CClassItem::GetImplementationFile() const
{
    const std::string* best = nullptr;
    size_t bestCount = 0;
    for (const auto& candidate : m_functions) {
        if (candidate->m_strFile.empty())
            continue;
        size_t count = 0;
        for (const auto& function : m_functions)
            count += function->m_strFile == candidate->m_strFile ? 1 : 0;
        if (count > bestCount) { // strictly more: the first file wins a tie
            best = &candidate->m_strFile;
            bestCount = count;
        }
    }
    if (best)
        return *best;
    if (!m_strMessageMapFile.empty())
        return m_strMessageMapFile;
    if (!m_strEventSinkMapFile.empty())
        return m_strEventSinkMapFile;
    return m_strHeaderFile;
}

} // namespace morva
