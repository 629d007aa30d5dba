#pragma once

#include "CodegenFixture.h"
#include "codegen/CodeWriterServices.h"
#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/RetrieveControls.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "model/CControlItem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"
#include "studio/core/Studio.h"

#include <string>

namespace morva::test {

// A project generated for "test" with its start-up form CForm1, parsed, with a studio behind
// the source text service: what the code writer and the handler editor work on.
class CodeWriterFixture : public CodegenFixture {
protected:
    void SetUp() override
    {
        CodegenFixture::SetUp();
        NewProjectSettings s;
        s.location = win("test");
        s.projectName = "test";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        ASSERT_TRUE(GenerateProject(s, m_context));
        ASSERT_TRUE(m_project.OpenProjectFile(win("test\\test.dsp")));
        Parse();
        m_messages.clearShown();
    }

    // Parses every project file again, as opening the project does, and rebuilds the controls.
    void Parse()
    {
        for (const std::string& file : m_project.GetFiles())
            if (file.ends_with(".h") || file.ends_with(".cpp"))
                m_parser.ReparseFile(file);
        m_parser.ResolveBaseClasses();
        const std::string script = read("test/test.rc");
        const std::string header = read("test/resource.h");
        RetrieveControls(m_project, {script, header, {}, m_messages});
    }

    std::string read(const std::string& relative) const { return m_folder.read(relative); }
    CClassItem& Form(const char* name = "CForm1") { return *m_project.FindClass(name); }
    CControlItem* Control(const std::string& member, const char* form = "CForm1")
    {
        return m_project.FindClass(form)->FindByMemberName(member);
    }
    static size_t Count(const std::string& text, const std::string& piece)
    {
        size_t count = 0;
        for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
            ++count;
        return count;
    }

    studio::Studio m_studio{m_fs, m_messages};
    IdeAutomation m_ide{&m_studio, m_fs};
    SourceTextService m_sources{m_ide, m_fs, m_messages};
    CProject m_project{m_fs, m_messages};
    CClassParser m_parser{m_project, m_fs, m_messages};
    CodeWriterServices m_services{m_context, m_sources, m_project, m_parser};
};

} // namespace morva::test
