#pragma once

#include <cstdint>
#include <string>

namespace morva {

// The design-time link settings of a form or control.
struct DdeLinkRecord {
    int32_t m_nTimeout = 1000;
    int32_t m_nMode = 0;
    std::string m_strTopic;
    std::string m_strItem;
    std::string m_strApplication;
};

} // namespace morva
