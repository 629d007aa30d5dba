#pragma once

namespace morva::tpl {

// String resources of the handler and map editor.
constexpr int kOverridesBlock = 61548;     // AFX_VIRTUAL block with public: and protected:
constexpr int kMessageMap = 61551;         // BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP
constexpr int kEventSinkMap = 61600;       // BEGIN_EVENTSINK_MAP ... END_EVENTSINK_MAP
constexpr int kOnCreateBody = 61623;
constexpr int kOnCreateDeclaration = 61624;
constexpr int kOnDrawDeclaration = 61625;
constexpr int kOnDrawBody = 61626;
constexpr int kOnPaintBody = 61627;
constexpr int kOnPaintDeclaration = 61628;
constexpr int kMsgNoMessageMap = 61629;
constexpr int kMsgNoMessageMapMarkers = 61630;
constexpr int kWindowProcBody = 61631;
constexpr int kWindowProcDeclaration = 61632;
constexpr int kDispatchEventsCall = 61633;

} // namespace morva::tpl
