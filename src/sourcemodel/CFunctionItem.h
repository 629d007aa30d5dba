#pragma once

#include <cstdint>
#include <string>

namespace morva {

// A member function of a parsed class and where its definition lies.
class CFunctionItem {
public:
    std::string m_strReturnType;
    std::string m_strName;
    std::string m_strParameters;
    std::string m_strAccess = "public";
    std::string m_strFile;
    int64_t m_nDefinitionStart = -1; // first character of the definition
    int64_t m_nBodyStart = -1;       // the opening brace
    int64_t m_nBodyEnd = -1;         // the closing brace
    int64_t m_nLine = -1;            // line of the definition, counted from 1
    std::string m_strMessage;        // message or notification handled, from the maps
    std::string m_strControlId;      // control identifier of a notification

    bool HasBody() const { return m_nBodyStart >= 0 && m_nBodyEnd > m_nBodyStart; }
};

} // namespace morva
