#pragma once

#include "platform/ideapi/IdeProject.h"

#include <string>

namespace studio {

// A project of the open workspace: its name and its .dsp file.
class StudioProject : public platform::IdeProject {
public:
    StudioProject(std::string name, std::string fullName) : m_name(std::move(name)), m_fullName(std::move(fullName)) {}
    std::string name() const override { return m_name; }
    std::string fullName() const override { return m_fullName; }

private:
    std::string m_name;
    std::string m_fullName;
};

} // namespace studio
