// The string resources of the event-handler and message-map editor: standard handler
// declarations and bodies, new maps, the overrides block and the editor's messages. Tokens in
// angle brackets are replaced by the editor.

#include "codegen/templates/TemplateEntry.h"

namespace morva {

namespace {

// Sorted by identifier.
constexpr TemplateEntry kHandlerTemplates[] = {
    {61548, "\r\n// Overrides\r\n\t// ClassWizard generated virtual function overrides\r\n"
            "\t//{{AFX_VIRTUAL(<BASE_CLASS>)\r\npublic:\r\nprotected:\r\n\t//}}AFX_VIRTUAL\n"},
    {61551, "\r\nBEGIN_MESSAGE_MAP(<C>, <BC>)\r\n\t//{{AFX_MSG_MAP(<C>)\r\n\t//}}AFX_MSG_MAP\r\n"
            "END_MESSAGE_MAP()\r\n"},
    {61600, "BEGIN_EVENTSINK_MAP(<C>, <BC>)\r\n    //{{AFX_EVENTSINK_MAP(<C>)\r\n\t//}}AFX_EVENTSINK_MAP\r\n"
            "END_EVENTSINK_MAP()\r\n"},
    {61623, "\r\n\r\nint <CLASS_NAME>::OnCreate(LPCREATESTRUCT lpCreateStruct) \n{\r\n"
            "\tif (<BASE_CLASSNAME>::OnCreate(lpCreateStruct) == -1)\r\n\t\treturn -1;\r\n\t\r\n"
            "\t// TODO: Add your specialized creation code here\r\n\r\n\r\n\treturn 0;\r\n}\r\n"},
    {61624, "afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);"},
    {61625, "virtual void OnDraw(CDC* pDC);"},
    {61626, "void <CLASS_NAME>::OnDraw(CDC* pDC)\r\n{\r\n\tASSERT_VALID(this);\r\n\r\n}\r\n"},
    {61627, "void <CLASS_NAME>::OnPaint() \r\n{\r\n\tCPaintDC dc(this); // device context for painting\r\n\r\n"
            "\t// Do not call CWnd::OnPaint() for painting messages\r\n}\r\n"},
    {61628, "afx_msg void OnPaint();"},
    {61629, "Morva couldn't find any appropriate BEGIN_MESSAGE_MAP and END_MESSAGE_MAP macros\n"
            " in implementation file. Please add these macros manually."},
    {61630, "Morva couldn't find any appropriate //{{AFX_MSG_MAP(<Class Name>) and //}}AFX_MSG_MAP strings \n"
            " in implementation file. Please insert these strings manually."},
    {61631, "LRESULT <CLASS_NAME>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) \r\n{\r\n\r\n\t\r\n"
            "\treturn <BASE_CLASSNAME>::WindowProc(message, wParam, lParam);\r\n}\r\n"},
    {61632, "\tvirtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);\r\n\n"},
    {61633, "::DispatchTfxControlEvents(message, wParam, lParam, GetMessageMap(), this);"},
};
static_assert(IsSortedById(kHandlerTemplates));

} // namespace

std::span<const TemplateEntry> HandlerTemplates()
{
    return kHandlerTemplates;
}

} // namespace morva
