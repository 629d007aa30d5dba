#pragma once

namespace morva::tpl {

// Identifiers of the generator's string resources.
constexpr int kGuidFormat = 106; // printf format of the GUID part of an include guard

constexpr int kAppHeader = 61446;
constexpr int kAppSource = 61447;
constexpr int kFormSource = 61448;
constexpr int kFormSourceControls = 61590; // appended to kFormSource
constexpr int kFormHeader = 61449;

// The resource script, in joining order.
constexpr int kRcIncludes = 61450;
constexpr int kRcLanguage = 61451;
constexpr int kRcIcons = 61452;
constexpr int kRcBitmapsCursorsMenus = 61453;
constexpr int kRcVersion = 61495;
constexpr int kRcStringTable = 61563;
constexpr int kRcTextInclude3 = 61564;

constexpr int kResourceHeader = 61463;
constexpr int kRc2 = 61521;
constexpr int kStdAfxHeader = 61561;
constexpr int kStdAfxSource = 61522;

// The project file, in joining order.
constexpr int kDspHeader = 61464;
constexpr int kDspRelease = 61499;
constexpr int kDspDebug = 61500;
constexpr int kDspSourceFiles = 61502;
constexpr int kDspHeaderAndResourceFiles = 61504;

constexpr int kWorkspace = 61520;

// Messages.
constexpr int kMsgWorkspaceExists = 61562;
constexpr int kMsgProjectNotGenerated = 61593;
constexpr int kMsgFormNotGenerated = 61594;

// Property value strings of a new start-up form, with their enclosing double quotes.
constexpr int kFormPropValues = 61615;
constexpr int kMdiFormPropValues = 61616;

} // namespace morva::tpl
