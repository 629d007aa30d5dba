#include "cli/CatalogueCommands.h"

#include "catalogue/Catalogue.h"
#include "cli/ItemTypeName.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/PropertyValueString.h"

#include <iomanip>
#include <memory>
#include <ostream>

namespace morva::cli {

namespace {

// A new item of the type with its lists built, held in a form class when it is a form, so
// that the class's base decides between the normal and the MDI tables.
struct NewItem {
    CFormModel form;
    CControlItem* item = nullptr;

    explicit NewItem(const ItemType& type)
    {
        auto created = std::make_unique<CControlItem>(type.kind, type.typeCode);
        if (type.kind == kKindForm) {
            form.m_strBaseClass = type.isMdiForm ? "CXMdiForm" : "CXForm";
            created->m_bIsFormItem = true;
            created->m_strClassName = form.m_strBaseClass;
        } else {
            created->m_strClassName = RuntimeClassName(type.typeCode);
        }
        item = &form.AppendItem(std::move(created));
        item->BuildPropertyList();
        item->BuildEventList();
        // A new normal form is captioned with its first name.
        if (type.kind == kKindForm && item->GetPropertyValue("Caption").empty())
            item->SetPropertyValue("Caption", "Form1");
    }
};

std::optional<ItemType> TypeArgument(const std::vector<std::string>& args, CliStreams& io, const char* command)
{
    if (args.size() != 1) {
        io.err << "morva " << command << ": expected one type name (see 'morva " << command << " --help')\n";
        return std::nullopt;
    }
    std::optional<ItemType> type = ParseItemType(args[0]);
    if (!type)
        io.err << "morva " << command << ": unknown type '" << args[0] << "'; known types: " << ItemTypeNames()
               << "\n";
    return type;
}

std::string Printable(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace

int RunCatalogue(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<ItemType> type = TypeArgument(args, io, "catalogue");
    if (!type)
        return kExitUsage;
    const NewItem created(*type);
    const CControlItem& item = *created.item;
    const std::string className = item.m_strClassName;

    io.out << type->displayName << ": class " << className;
    if (type->kind == kKindIntrinsic)
        io.out << ", type code " << type->typeCode;
    io.out << "\n\nProperties (" << item.GetProperties().size() << ", " << item.m_nShownPropertyCount
           << " listed in the property window):\n";
    for (const auto& property : item.GetProperties()) {
        io.out << "  " << std::left << std::setw(20) << property->m_strName << std::setw(10) << property->m_strTypeName
               << '"' << Printable(property->m_strValue) << '"';
        if (!property->m_bShown)
            io.out << "  (edited through Font)";
        for (size_t i = 0; i < property->m_items.size(); ++i)
            io.out << (i == 0 ? "  [" : " | ") << property->m_items[i].m_strText;
        io.out << (property->m_items.empty() ? "" : "]") << "\n";
    }
    io.out << "\nEvents (" << item.GetEvents().size() << "):\n";
    for (const auto& event : item.GetEvents())
        io.out << "  " << event.m_strReturnType << " " << event.m_strName << "(" << event.m_strParamDecls << ")\n";
    const std::vector<std::string> methods = GetMethodList(className, type->typeCode);
    io.out << "\nMethods (" << methods.size() << "):\n";
    for (const std::string& method : methods)
        io.out << "  " << method << "\n";
    return kExitOk;
}

int RunPropString(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<ItemType> type = TypeArgument(args, io, "propstring");
    if (!type)
        return kExitUsage;
    const NewItem created(*type);
    io.out << created.item->BuildPropertyValueString({}) << "\n";
    return kExitOk;
}

} // namespace morva::cli
