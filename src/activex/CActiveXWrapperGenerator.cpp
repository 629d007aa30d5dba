#include "activex/CActiveXWrapperGenerator.h"

#include "activex/CToolControlEntry.h"
#include "activex/NamingTables.h"
#include "activex/WrapperNames.h"
#include "codegen/IncludeGuard.h"
#include "codegen/ReplaceAll.h"
#include "codegen/TemplateTable.h"
#include "codegen/WriteTextFile.h"
#include "codegen/templates/WrapperTemplateIds.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/base/WaitCursor.h"

#include <cctype>
#include <cstdio>

namespace morva {

namespace {

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool EqualNoCase(std::string_view a, std::string_view b) { return Upper(a) == Upper(b); }

std::string Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

std::string JoinPath(const std::string& folder, const std::string& file)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + file;
    return folder + "\\" + file;
}

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%x", unsigned(value));
    return text;
}

// The CLSID initialiser: each conversion of the format takes the next part of the GUID.
std::string ClsidInitialiser(const std::string& clsidText)
{
    const platform::Guid guid = platform::Guid::parse(clsidText).value_or(platform::Guid{});
    std::vector<uint32_t> parts{guid.data1, guid.data2, guid.data3};
    for (uint8_t byte : guid.data4)
        parts.push_back(byte);
    std::string format(TemplateText(tpl::kAxClsidFormat));
    std::string text;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && next < parts.size()) {
            size_t end = i + 1;
            while (end < format.size() && format[end] == 'l')
                ++end;
            text += Hex(parts[next++]);
            i = end; // at the 'x'
            continue;
        }
        text += format[i];
    }
    return text;
}

// Adds to a list kept unique ignoring case, in order of first use.
void AddUnique(std::vector<std::string>& list, const std::string& item)
{
    for (const std::string& known : list)
        if (EqualNoCase(known, item))
            return;
    list.push_back(item);
}

} // namespace

// The code of the one class being written.
struct CActiveXWrapperGenerator::ClassCode {
    std::string className;    // W
    std::string memberPointer; // M
    std::vector<std::string> includes;
    std::vector<std::string> helperClasses;
    std::string classDecls;
    std::string memberDecls;
    std::string methodDecls;
    std::string propertyImpls;
    std::string methodImpls;
    std::string setPtrBody;

    std::string IncludeLines() const
    {
        std::string lines;
        for (const std::string& file : includes)
            lines += "#include \"" + file + "\"\r\n";
        return lines;
    }
    std::string ClassDeclarations() const
    {
        std::string text;
        for (const std::string& helper : helperClasses)
            text += "class\t" + helper + ";\r\n";
        return text + classDecls;
    }
};

CActiveXWrapperGenerator::CActiveXWrapperGenerator(const CodegenContext& context,
                                                   std::function<bool(const std::string&)> projectHasClass)
    : m_context(context), m_projectHasClass(std::move(projectHasClass)), m_newGuid(platform::Guid::create)
{
}

std::string CActiveXWrapperGenerator::Guard(const std::string& fileName) const
{
    return MakeIncludeGuard(fileName, m_newGuid());
}

bool CActiveXWrapperGenerator::Write(const std::string& path, const std::string& text)
{
    if (!WriteTextFile(path, text, m_context))
        return false;
    m_writtenFiles.push_back(path);
    return true;
}

void CActiveXWrapperGenerator::ShowGenerateError() const
{
    m_context.messages.show(std::string(TemplateText(tpl::kAxGenerateError)));
}

void CActiveXWrapperGenerator::AddPropertyCode(ClassCode& code, const CXDispInterface& dispInterface) const
{
    const std::string& W = code.className;
    const std::string& M = code.memberPointer;
    const std::string N = W.substr(1);
    const std::string baseStruct = "C" + N + "PropVal";
    const std::string macro = "DEFINE_AX_PROP_" + Upper(N);
    const bool isControl = M == "m_pWnd";
    code.classDecls += "struct " + baseStruct + "\r\n{\r\n\t" +
                       (isControl ? "CWnd* m_pWnd" : "COleDispatchDriver* m_pDispDriver") + ";\r\n};\r\n\r\n";
    code.classDecls += ReplaceAll(ReplaceAll(TemplateText(tpl::kAxPropertyMacro), "$CTRL$", Upper(N)),
                                  "$PROPBASECLASS$", baseStruct);
    const CToolControlEntry* entry = dispInterface.m_pOwner;

    for (const auto& item : dispInterface.m_properties) {
        const CXDispInterfacePropItem& property = *item;
        if (property.dispId == 0)
            continue;
        const std::string& name = property.name;
        const std::string type = property.typeText.empty() ? CppTypeName(property.varType) : property.typeText;
        const bool isFont = type == "Font";
        const bool isPicture = type == "Picture";
        std::string subClass;
        if (entry && entry->FindInterface(type)) {
            subClass = SubObjectClassName(type);
            AddUnique(code.helperClasses, subClass);
            AddUnique(code.includes, "x" + SubObjectClassName(type).substr(4) + ".h");
        }
        const bool isObject = isFont || isPicture || !subClass.empty();
        const std::string dispIdText = DispIdName(property.dispId);
        const std::string vtText = VariantTypeName(property.varType);
        const std::string vtsText = isObject ? "VTS_DISPATCH" : VtsName(type);
        const bool accessor = !property.paramDecls.empty() || subClass == W;

        if (!accessor) {
            if (isObject) {
                const std::string memberClass = isFont ? "CXOleFont" : isPicture ? "CXOlePicture" : subClass;
                if (isFont)
                    AddUnique(code.includes, "xfont.h");
                if (isPicture)
                    AddUnique(code.includes, "xpicture.h");
                code.memberDecls += "\t" + memberClass + "\t" + name + ";\r\n";
                code.setPtrBody += "\tInvokeHelper(" + std::to_string(property.dispId) +
                                   ", DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&" + name + ".m_lpDispatch, NULL);\r\n\t" +
                                   name + ".SetPtr();\r\n";
                continue;
            }
            const std::string propClass = "C" + N + name;
            code.classDecls += macro + "(" + propClass + ", " + (type == "const VARIANT FAR&" ? "VARIANT" : type) + ")\r\n";
            code.memberDecls += "\t" + propClass + "\t" + name + ";\r\n";
            std::string impl(TemplateText(tpl::kAxPropertyImpl));
            impl = ReplaceAll(impl, "$AXPROPTYPE$", type);
            impl = ReplaceAll(impl, "$AXPROPNAME$", propClass);
            impl = ReplaceAll(impl, "$AXDISPID$", dispIdText);
            impl = ReplaceAll(impl, "$AXVT$", vtText);
            impl = ReplaceAll(impl, "$AXVTS_PARMS$", vtsText);
            impl = ReplaceAll(impl, "$AX_MEMBER_PTR$", M);
            code.propertyImpls += impl;
            code.setPtrBody += "\t" + name + "." + M + " = this;\r\n";
            continue;
        }

        if (property.paramDecls.empty()) {
            // A property of the class's own type: a Get/Set pair.
            code.memberDecls += "\t" + W + " Get" + name + "();\r\n";
            code.memberDecls += "\tvoid\tSet" + name + "(LPDISPATCH newValue);\r\n";
            std::string impl(TemplateText(tpl::kAxAccessorPair));
            impl = ReplaceAll(impl, "$GET_FUNC_NAME$", "Get" + name);
            impl = ReplaceAll(impl, "$SET_FUNC_NAME$", "Set" + name);
            impl = ReplaceAll(impl, "$HELPER_CLASS$", W);
            impl = ReplaceAll(impl, "$AXDISPID$", dispIdText);
            impl = ReplaceAll(impl, "$AXVT$", vtText);
            code.propertyImpls += impl;
            continue;
        }

        // A property with parameters: a Get/Set pair taking them.
        const std::string R = isFont ? "CXOleFont" : isPicture ? "CXOlePicture" : !subClass.empty() ? subClass : type;
        if (isFont)
            AddUnique(code.includes, "xfont.h");
        if (isPicture)
            AddUnique(code.includes, "xpicture.h");
        const std::string& P = property.paramDecls;
        const std::string& Pvts = property.paramVts;
        const std::string V = isObject ? ", LPDISPATCH pDispatch" : ", " + R + " newValue";
        code.memberDecls += "\t" + R + "\tGet" + name + "(" + P + ");\r\n";
        code.memberDecls += "\tvoid\tSet" + name + "(" + P + V + ");\r\n";
        code.propertyImpls += R + " " + W + "::" + "Get" + name + "(" + P + ")\r\n{\r\n" +
                              (isObject ? "\tLPDISPATCH\tret;" : "\t" + R + "\tret;") +
                              "\r\n\tstatic BYTE parms[] =\r\n\t\t" + Pvts + ";\r\n\tInvokeHelper(" + dispIdText +
                              ", DISPATCH_PROPERTYGET, " + vtText + " ,(void*)&ret, parms,\r\n\t\t" + ArgumentNames(P) +
                              ");\r\n\treturn " + (isObject ? R + "(ret)" : std::string("ret")) + ";\r\n}\r\n";
        code.propertyImpls += "void " + W + "::" + "Set" + name + "(" + P + V + ")\r\n{\r\n\tstatic BYTE parms[] =\r\n\t\t" +
                              Pvts + vtsText + ";\r\n\tInvokeHelper(" + dispIdText +
                              ", DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms,\r\n\t\t" + ArgumentNames(P + V) + ");\r\n}\r\n";
    }
}

void CActiveXWrapperGenerator::AddMethodCode(ClassCode& code, const CXDispInterface& dispInterface) const
{
    const std::string& W = code.className;
    const CToolControlEntry* entry = dispInterface.m_pOwner;
    for (const auto& item : dispInterface.m_methods) {
        const CXDispInterfaceEventMethodItem& method = *item;
        std::string R = method.returnType;
        // Object results are received as a dispatch pointer and wrapped: the helper and
        // sub-object classes are constructed from one.
        bool wrapped = true;
        if (R == "Font") {
            R = "CXOleFont";
            AddUnique(code.includes, "xfont.h");
        } else if (R == "Picture") {
            R = "CXOlePicture";
            AddUnique(code.includes, "xpicture.h");
        } else if (entry && entry->FindInterface(R)) {
            const std::string interfaceName = R;
            R = SubObjectClassName(interfaceName);
            AddUnique(code.helperClasses, R);
            AddUnique(code.includes, "x" + R.substr(4) + ".h");
        } else {
            wrapped = false;
        }
        const bool returns = R != "void";
        const std::string vtsList = Trimmed(method.paramVts);
        code.methodDecls += "\t" + R + " " + method.name + "(" + method.paramDecls + ");\r\n";
        std::string impl = R + " " + W + "::" + method.name + "(" + method.paramDecls + ")\r\n{";
        if (vtsList != "VTS_NONE")
            impl += "\r\n\tstatic BYTE params[] =\r\n\t\t" + vtsList + ";";
        if (returns)
            impl += "\r\n\t" + (wrapped ? std::string("LPDISPATCH") : R) + " ret;\r\n";
        impl += "\r\n\tInvokeHelper(" + DispIdName(method.dispId) + ", DISPATCH_METHOD, " +
                (returns ? VariantTypeName(method.returnVarType) + ", (void*)&ret, " : std::string("VT_EMPTY, NULL, ")) +
                (!method.paramDecls.empty() ? "params, \r\n\t\t" + ArgumentNames(method.paramDecls) : std::string("NULL")) +
                ");";
        if (returns)
            impl += wrapped ? "\r\n\treturn " + R + "(ret);" : std::string("\r\n\treturn ret;");
        impl += "\r\n}\r\n";
        code.methodImpls += impl;
    }
}

bool CActiveXWrapperGenerator::GenerateActiveXWrapper(const CToolControlEntry& entry, const std::string& projectDirectory)
{
    const std::string baseName = ControlBaseName(entry.m_strProgId);
    const std::string className = "CXAx" + baseName;
    const std::string headerName = baseName + ".h";
    const std::string sourceName = baseName + ".cpp";
    const std::string headerPath = JoinPath(projectDirectory, headerName);
    const std::string sourcePath = JoinPath(projectDirectory, sourceName);
    for (const std::string& path : {sourcePath, headerPath}) {
        if (m_context.fs.exists(path)) {
            m_context.messages.show("File " + path + " already exists");
            return false;
        }
    }

    std::string header(TemplateText(tpl::kAxControlHeader));
    header = ReplaceAll(header, "$GUID_INCLUDED$", Guard(headerName));
    header = ReplaceAll(header, "$ActiveXH$", headerName);
    header = ReplaceAll(header, "$ActiveXClassName$", className);

    if (entry.HasPropertyOfType("Font") && !m_projectHasClass("CXOleFont") && !GenerateFontHelper(projectDirectory)) {
        ShowGenerateError();
        return false;
    }
    if (entry.HasPropertyOfType("Picture") && !m_projectHasClass("CXOlePicture") &&
        !GeneratePictureHelper(projectDirectory)) {
        ShowGenerateError();
        return false;
    }
    for (const auto& dispInterface : entry.m_interfaces)
        if (!dispInterface->m_bIsDefault && !dispInterface->m_bIsDefaultSource)
            (void)GenerateSubObjectWrapper(*dispInterface, projectDirectory);

    ClassCode code;
    code.className = className;
    code.memberPointer = "m_pWnd";
    if (const CXDispInterface* main = entry.GetDefaultInterface()) {
        if (!main->m_properties.empty())
            AddPropertyCode(code, *main);
        if (!main->m_methods.empty())
            AddMethodCode(code, *main);
    }
    header = ReplaceAll(header, "$PROP_OPER_OBJ_DECL$", code.memberDecls);
    header = ReplaceAll(header, "$METHOD_DECL$", code.methodDecls);
    header = ReplaceAll(header, "$INCLUDE_FILES$", code.IncludeLines());
    header = ReplaceAll(header, "$PROP_OPER_CLASS_DECL$", code.ClassDeclarations());
    header = ReplaceAll(header, "$ActiveXCLSID$", ClsidInitialiser(entry.m_strClsid));
    header = ReplaceAll(header, "$ActiveXProgID$", entry.m_strProgId);
    if (!Write(headerPath, header)) {
        ShowGenerateError();
        return false;
    }

    std::string source(TemplateText(tpl::kAxImplementation));
    source = ReplaceAll(source, "$AxConstrDestrImplDecl$", TemplateText(tpl::kAxConstructorDestructor));
    source = ReplaceAll(source, "$ActiveXCpp$", sourceName);
    source = ReplaceAll(source, "$ActiveXH$", headerName);
    source = ReplaceAll(source, "$ActiveXClassName$", className);
    source = ReplaceAll(source, "$ActiveXHInclude$", "#include \"" + headerName + "\"\r\n");
    source = ReplaceAll(source, "$SETPTR_BODY$", code.setPtrBody);
    source += code.propertyImpls + code.methodImpls;
    if (!Write(sourcePath, source)) {
        ShowGenerateError();
        return false;
    }
    return true;
}

bool CActiveXWrapperGenerator::GenerateSubObjectWrapper(const CXDispInterface& dispInterface,
                                                        const std::string& projectDirectory)
{
    platform::WaitCursor wait(m_context.messages);
    const std::string className = SubObjectClassName(dispInterface.m_strName);
    std::string stem = className.substr(4);
    for (char& c : stem)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const std::string headerName = "x" + stem + ".h";
    const std::string sourceName = "x" + stem + ".cpp";

    ClassCode code;
    code.className = className;
    code.memberPointer = "m_pDispDriver";
    AddPropertyCode(code, dispInterface);
    AddMethodCode(code, dispInterface);

    std::string header(TemplateText(tpl::kAxSubObjectHeader));
    header = ReplaceAll(header, "$GUID_INCLUDED$", Guard(headerName));
    header = ReplaceAll(header, "$ActiveXH$", headerName);
    header = ReplaceAll(header, "$ActiveXClassName$", className);
    header = ReplaceAll(header, "$PROP_OPER_OBJ_DECL$", code.memberDecls);
    header = ReplaceAll(header, "$METHOD_DECL$", code.methodDecls);
    header = ReplaceAll(header, "$PROP_OPER_CLASS_DECL$", code.ClassDeclarations());
    header = ReplaceAll(header, "$INCLUDE_FILES$", code.IncludeLines());

    std::string source(TemplateText(tpl::kAxImplementation));
    source = ReplaceAll(source, "$AxConstrDestrImplDecl$", "");
    source = ReplaceAll(source, "$ActiveXCpp$", sourceName);
    source = ReplaceAll(source, "$ActiveXH$", headerName);
    source = ReplaceAll(source, "$ActiveXClassName$", className);
    source = ReplaceAll(source, "$ActiveXHInclude$", "#include \"" + headerName + "\"\r\n");
    source = ReplaceAll(source, "$SETPTR_BODY$", code.setPtrBody);
    source += code.propertyImpls + code.methodImpls;

    if (!Write(JoinPath(projectDirectory, headerName), header) || !Write(JoinPath(projectDirectory, sourceName), source)) {
        ShowGenerateError();
        return false;
    }
    return true;
}

bool CActiveXWrapperGenerator::GenerateFontHelper(const std::string& projectDirectory)
{
    const std::string header = ReplaceAll(
        JoinTemplates({tpl::kAxFontHeader1, tpl::kAxFontHeader2, tpl::kAxFontHeader3}), "$GUID_INCLUDED$", Guard("xfont.h"));
    const std::string source =
        JoinTemplates({tpl::kAxFontSource1, tpl::kAxFontSource2, tpl::kAxFontSource3, tpl::kAxFontSource4});
    return Write(JoinPath(projectDirectory, "xfont.h"), header) && Write(JoinPath(projectDirectory, "xfont.cpp"), source);
}

bool CActiveXWrapperGenerator::GeneratePictureHelper(const std::string& projectDirectory)
{
    const std::string header = ReplaceAll(JoinTemplates({tpl::kAxPictureHeader1, tpl::kAxPictureHeader2}),
                                          "$GUID_INCLUDED$", Guard("xpicture.h"));
    const std::string source =
        JoinTemplates({tpl::kAxPictureSource1, tpl::kAxPictureSource2, tpl::kAxPictureSource3});
    return Write(JoinPath(projectDirectory, "xpicture.h"), header) &&
           Write(JoinPath(projectDirectory, "xpicture.cpp"), source);
}

} // namespace morva
