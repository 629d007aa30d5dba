#pragma once

#include "codegen/CodegenContext.h"
#include "platform/base/Guid.h"

#include <functional>
#include <string>
#include <vector>

namespace morva {

class CToolControlEntry;
class CXDispInterface;

// Writes the C++ wrapper classes through which a generated application drives an ActiveX
// control: the control's class, one class per sub-object dispinterface, and the shared font
// and picture helpers. Each written path is kept for the caller, who inserts the files into
// the project.
class CActiveXWrapperGenerator {
public:
    // `projectHasClass` answers whether the project already has a class of that name.
    CActiveXWrapperGenerator(const CodegenContext& context, std::function<bool(const std::string&)> projectHasClass);

    // Fails (with a message) when the control's files already exist or one cannot be written.
    bool GenerateActiveXWrapper(const CToolControlEntry& entry, const std::string& projectDirectory);
    // Overwrites existing files.
    bool GenerateSubObjectWrapper(const CXDispInterface& dispInterface, const std::string& projectDirectory);
    bool GenerateFontHelper(const std::string& projectDirectory);
    bool GeneratePictureHelper(const std::string& projectDirectory);

    const std::vector<std::string>& WrittenFiles() const { return m_writtenFiles; }
    // Include guards take their GUIDs from here (fresh ones unless a test fixes them).
    void SetGuidSource(std::function<platform::Guid()> source) { m_newGuid = std::move(source); }

private:
    struct ClassCode;
    void AddPropertyCode(ClassCode& code, const CXDispInterface& dispInterface) const;
    void AddMethodCode(ClassCode& code, const CXDispInterface& dispInterface) const;
    std::string Guard(const std::string& fileName) const;
    bool Write(const std::string& path, const std::string& text);
    void ShowGenerateError() const;

    CodegenContext m_context;
    std::function<bool(const std::string&)> m_projectHasClass;
    std::function<platform::Guid()> m_newGuid;
    std::vector<std::string> m_writtenFiles;
};

} // namespace morva
