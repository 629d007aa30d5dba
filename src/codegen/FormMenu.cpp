#include "codegen/FormMenu.h"

#include "codegen/CodeEdit.h"
#include "codegen/GeneratedLineKind.h"
#include "codegen/GeneratedLineSites.h"
#include "codegen/GeneratedLineText.h"
#include "model/CControlItem.h"
#include "model/MenuCommandItem.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

#include <vector>

namespace morva {

void ApplyFormMenu(CClassItem& form, const CProject& project)
{
    std::vector<const CControlItem*> previous;
    for (const auto& item : form.GetItems())
        if (item->m_nKind == kKindMenuCommand)
            previous.push_back(item.get());
    for (const CControlItem* item : previous)
        (void)form.RemoveItem(*item);

    const CMenuResource* menu = project.FindMenu(form.m_strFormResourceId);
    form.m_strMenuName = menu ? menu->m_strSymbol : std::string();
    if (!menu)
        return;
    for (const CMenuResourceItem& entry : menu->m_items)
        if (!entry.m_bIsPopup && !entry.m_bIsSeparator && !entry.m_strCommand.empty())
            form.AppendItem(MakeMenuCommandItem(entry.m_strCommand));
}

bool AttachMenu(const CodeWriterServices& services, CClassItem& form, std::string_view menuSymbol)
{
    const std::string file = FileForKind(form, services.project, kLineFormResource);
    if (file.empty() || !services.context.fs.isWritable(file))
        return false;
    if (!menuSymbol.empty() && !services.project.FindMenu(menuSymbol))
        return false;

    CodeEdit edit(services);
    if (!form.m_strFormResourceId.empty()) {
        const CControlItem* own = form.GetFormItem();
        if (!own || !edit.Lines().DeleteLine(form, *own, kLineFormResource))
            return false;
    }
    if (!menuSymbol.empty() && !edit.Lines().InsertLine(form, kLineFormResource, FormResourceText(menuSymbol)))
        return false;
    if (!edit.Commit())
        return false;
    ApplyFormMenu(form, services.project);
    return true;
}

} // namespace morva
