#include "codegen/ResourceScriptEditor.h"

#include "codegen/ISourceText.h"
#include "codegen/ReplaceAll.h"
#include "codegen/ResourceText.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/base/TextEncoding.h"
#include "sourcemodel/CProject.h"

#include <cerrno>

namespace morva {

namespace {

// Line and column (from 1) of an offset, lines ending at LF.
std::pair<int, int> LineColumnOf(std::string_view text, size_t offset)
{
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return {line, static_cast<int>(offset - lineStart) + 1};
}

} // namespace

ResourceScriptEditor::ResourceScriptEditor(const CodegenContext& context, ISourceText& sources, const CProject& project)
    : m_context(context), m_sources(sources), m_project(project)
{
}

bool ResourceScriptEditor::KeepsItsEncoding(const std::string& path) const
{
    const auto bytes = m_context.fs.readWholeFile(path);
    return !bytes || platform::decodeText(*bytes, m_context.fs.codePage()).lossless;
}

bool ResourceScriptEditor::CheckEncodings(std::initializer_list<std::string> paths) const
{
    for (const std::string& path : paths) {
        if (!KeepsItsEncoding(path)) {
            m_context.messages.show(std::string(kNotEditableMessage));
            return false;
        }
    }
    return true;
}

std::string ResourceScriptEditor::ResourceHeaderPath() const
{
    return m_project.GetResourceHeaderPath();
}

std::string ResourceScriptEditor::ResourceScriptPath() const
{
    return m_project.GetResourceScriptPath();
}

std::string ResourceScriptEditor::LoadTextFile(const std::string& path) const
{
    if (path.empty())
        return {};
    if (m_sources.IsSourceOpen(path))
        m_sources.SaveSource(path);
    if (!m_context.fs.exists(path))
        return {};
    auto read = m_context.fs.readTextFile(path);
    if (!read) {
        const int error = read.code() != 0 ? read.code() : EIO;
        m_context.messages.show(platform::FileSystem::systemErrorDescription(error) + "\nError in  reading file..\n");
        return {};
    }
    return std::move(read).value();
}

bool ResourceScriptEditor::SaveTextFile(const std::string& path, const std::string& text)
{
    return !path.empty() && m_sources.WriteWholeFile(path, text);
}

bool ResourceScriptEditor::CheckWritable(const std::string& path) const
{
    if (!path.empty() && m_context.fs.isWritable(path))
        return true;
    m_context.messages.show("You do not have write permission to file " + path + "\n");
    return false;
}

bool ResourceScriptEditor::CopyIntoRes(const std::string& picturePath) const
{
    // Only the name is kept, so that the copy lands inside res whatever the chosen path holds.
    const std::string name(FileNameOf(picturePath));
    if (name.empty() || name == "." || name == "..")
        return false;
    const std::string res = m_project.GetProjectFolder() + "\\res";
    if (!m_context.fs.isDirectory(res) && !m_context.fs.makeFolder(res).isOk())
        return false;
    return m_context.fs.copyFile(picturePath, res + "\\" + name, false).isOk();
}

bool ResourceScriptEditor::Insert(const std::string& path, std::string& text, size_t offset, const std::string& piece)
{
    if (m_sources.IsSourceOpen(path)) {
        const auto [line, column] = LineColumnOf(text, offset);
        if (!m_sources.InsertTextAt(path, line, column, piece))
            return false;
    }
    text.insert(offset, piece);
    return true;
}

bool ResourceScriptEditor::Replace(const std::string& path, std::string& text, size_t first, size_t end,
                                   const std::string& piece)
{
    if (m_sources.IsSourceOpen(path)) {
        const auto [firstLine, firstColumn] = LineColumnOf(text, first);
        const auto [lastLine, lastColumn] = LineColumnOf(text, end);
        if (!m_sources.ReplaceRangeAt(path, firstLine, firstColumn, lastLine, lastColumn, piece))
            return false;
    }
    text.replace(first, end - first, piece);
    return true;
}

std::optional<AddedPicture> ResourceScriptEditor::AddPictureResource(const std::string& picturePath,
                                                                     long resourceCounter)
{
    const std::string name(FileNameOf(picturePath));
    if (name.empty() || name == "." || name == "..")
        return std::nullopt;
    const PictureType type = PictureTypeOf(picturePath);
    const std::string headerPath = ResourceHeaderPath();
    const std::string scriptPath = ResourceScriptPath();
    if (!CheckWritable(headerPath) || !CheckWritable(scriptPath))
        return std::nullopt;
    std::string header = LoadTextFile(headerPath);
    std::string script = LoadTextFile(scriptPath);
    if (!CheckEncodings({headerPath, scriptPath}))
        return std::nullopt;

    // Every new text is built before anything is written, so a failure changes nothing.
    const std::optional<size_t> scriptSite = PictureSite(script, type);
    std::string newHeader = header;
    newHeader.insert(SymbolSite(header), PictureHeaderLine(type, resourceCounter));
    if (!scriptSite || !SetNextResourceValue(newHeader, resourceCounter + 1))
        return std::nullopt;

    const bool headerOpen = m_sources.IsSourceOpen(headerPath);
    const bool scriptOpen = m_sources.IsSourceOpen(scriptPath);
    if (headerOpen) {
        // The counter line follows the insertion site: edit it first so the site stays valid.
        const size_t counter = header.find("_APS_NEXT_RESOURCE_VALUE");
        const size_t counterEnd = header.find_first_of("\r\n", counter);
        const size_t end = counterEnd == std::string::npos ? header.size() : counterEnd;
        std::string scratch = header;
        if (!Replace(headerPath, scratch, counter, end,
                     "_APS_NEXT_RESOURCE_VALUE     " + std::to_string(resourceCounter + 1)) ||
            !Insert(headerPath, scratch, SymbolSite(header), PictureHeaderLine(type, resourceCounter)))
            return std::nullopt;
    } else if (!SaveTextFile(headerPath, newHeader)) {
        return std::nullopt;
    }
    if (!Insert(scriptPath, script, *scriptSite, PictureScriptLine(type, resourceCounter, picturePath)))
        return std::nullopt;
    if (!scriptOpen && !SaveTextFile(scriptPath, script))
        return std::nullopt;

    CopyIntoRes(picturePath); // a failed copy leaves the resource lines in place
    return AddedPicture{std::to_string(resourceCounter) + "-" + picturePath, resourceCounter + 1};
}

bool ResourceScriptEditor::ReplacePictureResource(const std::string& picturePath, const std::string& currentValue)
{
    const std::string name(FileNameOf(picturePath));
    const size_t dash = currentValue.find('-');
    if (name.empty() || name == "." || name == ".." || dash == std::string::npos || dash == 0)
        return false;
    const std::string number = currentValue.substr(0, dash);
    const std::string scriptPath = ResourceScriptPath();
    if (!CheckWritable(scriptPath))
        return false;
    const std::string header = LoadTextFile(ResourceHeaderPath());
    std::string script = LoadTextFile(scriptPath);
    if (!CheckEncodings({scriptPath}))
        return false;
    for (const std::string& symbol : SymbolsWithValue(header, number)) {
        const auto range = FindPictureFileName(script, symbol);
        if (!range)
            continue;
        if (!Replace(scriptPath, script, range->first, range->end, "res\\\\" + name))
            return false;
        if (!m_sources.IsSourceOpen(scriptPath) && !SaveTextFile(scriptPath, script))
            return false;
        CopyIntoRes(picturePath);
        return true;
    }
    return false;
}

std::string ResourceScriptEditor::FindPictureFile(int64_t storedValue) const
{
    const std::string number = std::to_string(storedValue & 0xFFFF);
    const std::string header = LoadTextFile(ResourceHeaderPath());
    const std::string script = LoadTextFile(ResourceScriptPath());
    for (const std::string& symbol : SymbolsWithValue(header, number)) {
        const auto range = FindPictureFileName(script, symbol);
        if (!range)
            continue;
        const std::string file = ReplaceAll(script.substr(range->first, range->end - range->first), "\\\\", "\\");
        return number + "-" + m_project.GetProjectFolder() + "\\" + file;
    }
    return {};
}

} // namespace morva
