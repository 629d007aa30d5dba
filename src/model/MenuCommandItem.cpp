#include "model/MenuCommandItem.h"

#include "model/CControlItem.h"

namespace morva {

std::unique_ptr<CControlItem> MakeMenuCommandItem(std::string identifierSymbol)
{
    auto item = std::make_unique<CControlItem>(kKindMenuCommand, kTypeNone);
    item->m_strIdentifierSymbol = std::move(identifierSymbol);
    CCtrlEventMethodItem click;
    click.m_strName = "Click";
    item->GetEvents().push_back(std::move(click));
    return item;
}

} // namespace morva
