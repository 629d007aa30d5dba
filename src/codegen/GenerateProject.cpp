#include "codegen/GenerateProject.h"

#include "codegen/IncludeGuard.h"
#include "codegen/ReplaceAll.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"
#include "codegen/WriteTextFile.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

#include <optional>
#include <set>

namespace morva {

namespace {

// Why the names cannot make a project, or nothing when they can. Every file but the .rc2 is
// written straight into the project folder, so each name must be a plain file name and no two
// may name the same file (the file layer matches names ignoring case, as Windows does).
std::optional<std::string> NameProblem(const NewProjectSettings& settings)
{
    for (const std::string* name : {&settings.projectName, &settings.headerFile, &settings.implFile}) {
        if (name->empty() || name->find_first_of("\\/:") != std::string::npos)
            return "'" + *name + "' cannot name a file of the new project: a file name must not be empty or "
                   "contain '\\', '/' or ':'.";
    }
    std::set<std::string> seen;
    for (const std::string& file : settings.projectFolderFiles()) {
        if (!seen.insert(LowerCaseAscii(file)).second)
            return "The new project would write two files named '" + file +
                   "'. Choose another project name, class name or file name.";
    }
    return std::nullopt;
}

class ProjectWriter {
public:
    ProjectWriter(const NewProjectSettings& settings, const CodegenContext& context,
                  std::vector<std::string>* writtenFiles)
        : m_settings(settings), m_context(context), m_written(writtenFiles)
    {
    }

    bool write(const std::string& path, const std::string& text)
    {
        if (!WriteTextFile(path, text, m_context))
            return false;
        if (m_written)
            m_written->push_back(path);
        return true;
    }
    std::string in(const std::string& name) const { return m_settings.pathInProject(name); }

private:
    const NewProjectSettings& m_settings;
    const CodegenContext& m_context;
    std::vector<std::string>* m_written;
};

std::string Replace(std::string text, std::initializer_list<std::pair<std::string_view, std::string_view>> pairs)
{
    for (const auto& [token, value] : pairs)
        text = ReplaceAll(text, token, value);
    return text;
}

} // namespace

bool GenerateProject(const NewProjectSettings& settings, const CodegenContext& context,
                     std::vector<std::string>* writtenFiles)
{
    if (const std::optional<std::string> problem = NameProblem(settings)) {
        context.messages.show(*problem);
        return false;
    }

    const std::string& P = settings.projectName;
    const std::string& F = settings.className;
    const std::string& H = settings.headerFile;
    const std::string& I = settings.implFile;
    const std::string appClass = settings.applicationClass();
    const std::string appHeader = settings.applicationHeader();
    const std::string baseForm = settings.baseFormClass();
    const std::string propSymbol = settings.formPropertySymbol();
    ProjectWriter out(settings, context, writtenFiles);

    // A folder that cannot be made shows up as the failure of the first write.
    (void)context.fs.makeFolder(settings.location);

    const std::string appHeaderText =
        Replace(std::string(TemplateText(tpl::kAppHeader)),
                {{"$WinAppClassName$", appClass}, {"$WinAppH$", appHeader}, {"$GUID_INCLUDED$", MakeIncludeGuard(appHeader)}});
    if (!out.write(out.in(appHeader), appHeaderText))
        return false;

    const std::string appSourceText = Replace(std::string(TemplateText(tpl::kAppSource)),
                                              {{"$WinAppClassName$", appClass},
                                               {"$WinAppH$", appHeader},
                                               {"$WinAppCpp$", settings.applicationSourceInText()},
                                               {"$StartupFormClassName$", F},
                                               {"$StartupFormH$", H},
                                               {"$ProjectName$", P}});
    if (!out.write(out.in(P + ".cpp"), appSourceText))
        return false;

    const std::string formHeaderText = Replace(std::string(TemplateText(tpl::kFormHeader)),
                                               {{"$GUID_INCLUDED$", MakeIncludeGuard(H)},
                                                {"$StartupFormH$", H},
                                                {"$StartupFormClassName$", F},
                                                {"$BaseFormClassName$", baseForm}});
    if (!out.write(out.in(H), formHeaderText))
        return false;

    const std::string formSourceText = Replace(JoinTemplates({tpl::kFormSource, tpl::kFormSourceControls}),
                                               {{"$StartupFormCpp$", I},
                                                {"$WinAppH$", appHeader},
                                                {"$StartupFormH$", H},
                                                {"$StartupFormClassName$", F},
                                                {"$BaseFormClassName$", baseForm},
                                                {"$IDS_PROP$", propSymbol}});
    if (!out.write(out.in(I), formSourceText))
        return false;

    const std::string scriptText =
        Replace(JoinTemplates({tpl::kRcIncludes, tpl::kRcLanguage, tpl::kRcIcons, tpl::kRcBitmapsCursorsMenus,
                               tpl::kRcVersion, tpl::kRcStringTable, tpl::kRcTextInclude3}),
                {{"$ProjectName$", P},
                 {"$IDS_PROP$", propSymbol},
                 {"$FORM_PROP_VALS$", TemplateText(settings.mdi ? tpl::kMdiFormPropValues : tpl::kFormPropValues)}});
    if (!out.write(out.in(P + ".rc"), scriptText))
        return false;

    const std::string resourceHeaderText = Replace(std::string(TemplateText(tpl::kResourceHeader)),
                                                   {{"$ProjectName$", P}, {"$IDS_PROP$", propSymbol}});
    if (!out.write(out.in("resource.h"), resourceHeaderText))
        return false;

    const std::string resFolder = out.in("res");
    (void)context.fs.makeFolder(resFolder);
    const std::string rc2Text =
        Replace(std::string(TemplateText(tpl::kRc2)), {{"$PROJECTNAME$", UpperCaseAscii(P)}});
    if (!out.write(resFolder + "\\" + P + ".rc2", rc2Text))
        return false;

    const std::string stdafxHeaderText = Replace(std::string(TemplateText(tpl::kStdAfxHeader)),
                                                 {{"$GUID_INCLUDED$", MakeIncludeGuard("stdafx.h")}});
    if (!out.write(out.in("stdafx.h"), stdafxHeaderText))
        return false;

    const std::string stdafxSourceText =
        Replace(std::string(TemplateText(tpl::kStdAfxSource)), {{"$ProjectName$", P}});
    if (!out.write(out.in("stdafx.cpp"), stdafxSourceText))
        return false;

    // The project and workspace templates use LF; the IDE reads these files with CR LF.
    const std::string projectTemplate = JoinTemplates(
        {tpl::kDspHeader, tpl::kDspRelease, tpl::kDspDebug, tpl::kDspSourceFiles, tpl::kDspHeaderAndResourceFiles});
    const std::string projectText = Replace(ReplaceAll(projectTemplate, "\n", "\r\n"),
                                            {{"$TFX_LIB$", settings.tfxLibrary()},
                                             {"$TFX_LIB_DEBUG$", settings.tfxDebugLibrary()},
                                             {"$ProjectName$", P},
                                             {"$StartupFormH$", H},
                                             {"$StartupFormCpp$", I},
                                             {"$VER$", settings.projectFormatVersion()}});
    if (!out.write(out.in(P + ".dsp"), projectText))
        return false;

    const std::string workspaceText =
        Replace(ReplaceAll(TemplateText(tpl::kWorkspace), "\n", "\r\n"), {{"$ProjectName$", P}});
    return out.write(out.in(P + ".dsw"), workspaceText);
}

} // namespace morva
