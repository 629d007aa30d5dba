#include "codegen/StdAfxInclude.h"

#include "codegen/ISourceText.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/ResourceScriptEditor.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

namespace morva {

namespace {

constexpr std::string_view kInsertLocation = "//{{AFX_INSERT_LOCATION}}";

} // namespace

bool EnsureStdAfxInclude(std::string_view header, CProject& project, CClassParser& parser, ISourceText& sources,
                         const CodegenContext& context)
{
    std::string path;
    for (const std::string& file : project.GetFiles())
        if (UpperCaseAscii(file).find("STDAFX.H") != std::string::npos) {
            path = file;
            break;
        }
    if (path.empty())
        return false;

    // Read as the resource files are: an open document is saved first, so disk and editor agree.
    std::string text = ResourceScriptEditor(context, sources, project).LoadTextFile(path);
    const std::string name(header);
    if (text.find("#include \"" + name + "\"") != std::string::npos ||
        text.find("#include <" + name + ">") != std::string::npos)
        return false;
    if (!context.fs.isWritable(path))
        return false;
    const size_t marker = text.find(kInsertLocation);
    if (marker == std::string::npos)
        return false;

    const std::string line = "#include <" + name + ">\r\n";
    if (sources.IsSourceOpen(path)) {
        const size_t lineStart = marker == 0 ? std::string::npos : text.rfind('\n', marker - 1);
        const size_t start = lineStart == std::string::npos ? 0 : lineStart + 1;
        int lineNumber = 1;
        for (size_t i = 0; i < start; ++i)
            lineNumber += text[i] == '\n' ? 1 : 0;
        if (!sources.InsertTextAt(path, lineNumber, static_cast<int>(marker - start) + 1, line))
            return false;
        text.insert(marker, line);
    } else {
        text.insert(marker, line);
        if (!sources.WriteWholeFile(path, text))
            return false;
    }
    // The document may hold the edit without its file: parse the text the edit produced.
    parser.ReparseText(path, text);
    return true;
}

} // namespace morva
