#pragma once

#include <string_view>

// The catalogue's definition tables as text in their line grammar (see DefinitionLine.h).
namespace morva::tables {

extern const std::string_view kCommonProperties;
extern const std::string_view kFormProperties;
extern const std::string_view kMdiFormProperties;
extern const std::string_view kPictureBoxProperties;
extern const std::string_view kLabelProperties;
extern const std::string_view kTextBoxProperties;
extern const std::string_view kFrameProperties;
extern const std::string_view kButtonProperties;
extern const std::string_view kCheckBoxProperties;
extern const std::string_view kOptionButtonProperties;
extern const std::string_view kComboBoxProperties;
extern const std::string_view kListBoxProperties;
extern const std::string_view kScrollBarProperties;
extern const std::string_view kTimerProperties;
extern const std::string_view kShapeProperties;
extern const std::string_view kLineProperties;
extern const std::string_view kImageProperties;
extern const std::string_view kDataProperties;
extern const std::string_view kCommonEvents;
extern const std::string_view kFormEvents;
extern const std::string_view kPictureBoxEvents;
extern const std::string_view kLabelEvents;
extern const std::string_view kListBoxEvents;
extern const std::string_view kComboBoxEvents;
extern const std::string_view kTimerEvents;
extern const std::string_view kDataEvents;
extern const std::string_view kCommonMethods;
extern const std::string_view kFormMethods;
extern const std::string_view kGraphicsMethods;
extern const std::string_view kLinkMethods;
extern const std::string_view kListMethods;
extern const std::string_view kDataMethods;
extern const std::string_view kIntrinsicClassNames;
extern const std::string_view kRuntimeClassNames;

} // namespace morva::tables
