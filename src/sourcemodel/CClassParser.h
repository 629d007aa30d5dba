#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {
class FileSystem;
class MessageService;
} // namespace platform

namespace morva {

class CClassItem;
class CFunctionItem;
class CProject;
class IToolboxCatalogue;

// Reads the project's C++ files with a small scanner and records what the designer and the
// code writers need: classes, their bases, members, access sections, function bodies, maps,
// generated blocks and the controls a form declares. It never preprocesses and never fails on
// what it does not understand: unknown text is skipped.
class CClassParser {
public:
    // The catalogue may be null: wrapper classes then get no toolbox entry.
    CClassParser(CProject& project, platform::FileSystem& files, platform::MessageService& messages,
                 IToolboxCatalogue* catalogue = nullptr);

    // Reads the file and runs every pass over it; false (with a message) when it cannot be read.
    bool ParseFile(const std::string& path);
    // Runs every pass over a text already in memory, as if it were the file at `path`.
    void ParseText(const std::string& path, std::string_view text);
    // Forgets what the file contributed, parses it again from disk, lets the caller rebuild
    // the controls, then drops the classes left without a declaration.
    bool ReparseFile(const std::string& path);
    void ReparseText(const std::string& path, std::string_view text);
    // Forgets everything the file contributed.
    void ForgetFile(const std::string& path);

    // Called by ReparseFile and ReparseText after the passes, before classes without a
    // declaration are dropped: the place to rebuild the controls from the creation entries
    // and reorder graphical controls.
    std::function<void(const std::string& path)> m_onReparsed;

    // Follows base classes through the project's classes and sets every class's root base,
    // window-class and form flags.
    void ResolveBaseClasses();

    CClassItem* FindClass(std::string_view name) const;
    CFunctionItem* FindFunction(std::string_view className, std::string_view functionName) const;
    bool IsFormClass(std::string_view className) const;
    // Whether the function's body in `text` (its file's text) holds a call of `callee`.
    static bool BodyContainsCall(const CFunctionItem& function, std::string_view text, std::string_view callee);
    // The same, reading the function's file.
    bool BodyContainsCall(const CFunctionItem& function, std::string_view callee) const;

private:
    void ParseClasses(const std::string& path, std::string_view text);
    void ParseFunctions(const std::string& path, std::string_view text);
    void ParseMembers(const std::string& path, std::string_view text, std::string_view code);
    void ParseProgId(CClassItem& item, std::string_view text);
    void ParseAccessSections(const std::string& path, std::string_view text);
    void ParseMaps(const std::string& path, std::string_view text, std::string_view code, bool eventSink);
    void ParseBlocks(const std::string& path, std::string_view text);
    void ReadCreationLines(CClassItem& item, const CFunctionItem& function, std::string_view text);
    void ReadFormData(CClassItem& item, const CFunctionItem& function, const std::string& path, std::string_view text);
    void DropUndeclaredClasses();

    CProject& m_project;
    platform::FileSystem& m_fileSystem;
    platform::MessageService& m_messages;
    IToolboxCatalogue* m_pCatalogue;
};

} // namespace morva
