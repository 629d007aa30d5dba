#include "catalogue/DefinitionTables.h"

// The definition tables of the catalogue, one definition per line, every field followed by a
// TAB. The order of the property lines is the field order of the persisted property value
// string, so lines may never be reordered, inserted or removed.

namespace morva::tables {

// clang-format off
const std::string_view kCommonProperties =
    "UINT\tAppearance\t1\t0 - Flat\t1 - 3D\t\n"
    "COLORREF\tBackColor\t16777215\t\n"
    "Icon\tDragIcon\t0\t\n"
    "UINT\tDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "BOOL\tEnabled\t1\t\n"
    "Font\tFont\tMS Sans Serif\t\n"
    "BOOL\tFontBold\t0\t\n"
    "BOOL\tFontItalic\t0\t\n"
    "UINT\tFontSize\t14\t\n"
    "BOOL\tFontStrikethru\t0\t\n"
    "BOOL\tFontUnderline\t0\t\n"
    "COLORREF\tForeColor\t0\t\n"
    "int\tHeight\t213\t\n"
    "UINT\tHelpContextID\t0\t\n"
    "UINT\tIndex\t0\t\n"
    "int\tLeft\t0\t\n"
    "Icon\tMouseIcon\t0\t\n"
    "UINT\tMousePointer\t0\t0 - Default\t1 - Arrow\t2 - Cross\t3 - I-Beam\t4 - Icon\t5 - Size\t6 - Size NE SW\t7 - Size N S\t8 - Size NW SE\t9 - Size W E\t10 - Up Arrow\t11 - Hour Glass\t12 - No Drop\t13 - Arrow And Hourglass\t14 - Arrow and Question\t15 - Size All\t99 - Custom\t\n"
    "UINT\tOLEDropMode\t0\t0 - None\t1 - Manual\t\n"
    "UINT\tTabIndex\t0\t\n"
    "BOOL\tTabStop\t1\t\n"
    "CString\tTag\tTag\t\n"
    "CString\tToolTipText\tToolTipText\t\n"
    "int\tTop\t0\t\n"
    "BOOL\tVisible\t1\t\n"
    "UINT\tWhatsThisHelpID\t0\t\n"
    "int\tWidth\t312\t\n";

const std::string_view kFormProperties =
    "BOOL\tAutoRedraw\t0\t\n"
    "UINT\tBorderStyle\t2\t0 - None\t1 - Fixed Single\t2 - Sizable\t3 - Fixed Dialog\t4 - Fixed ToolWindow\t5 - Sizable ToolWindow\t\n"
    "CString\tCaption\t\t\n"
    "BOOL\tClipControls\t1\t\n"
    "BOOL\tControlBox\t1\t\n"
    "UINT\tDrawMode\t13\t1 - Blackness\t2 - Not Merge Pen\t3 - Mask Not Pen\t4 - Not Copy Pen\t5 - Mask Pen Not\t6 - Invert\t7 - Xor Pen\t8 - Not Mask Pen\t9 - Mask Pen\t10 - Not Xor Pen\t11 - NOP\t12 - Merge Not Pen\t13 - Copy Pen\t14 - Merge Pen Not\t15 - Merge Pen\t16 - Whiteness\t\n"
    "UINT\tDrawStyle\t0\t0 - Solid\t1 - Dash\t2 - Dot\t3 - Dash-Dot\t4 - Dash-Dot-Dot\t5 - Transparent\t6 - Inside Solid\t\n"
    "UINT\tDrawWidth\t1\t\n"
    "COLORREF\tFillColor\t0\t\n"
    "UINT\tFillStyle\t1\t0 - Solid\t1 - Transparent\t2 - Horizontal Line\t3 - Vertical Line\t4 - Upward Diagonal\t5 - Downward Diagonal\t6 - Cross\t7 - Diagonal Cross\t\n"
    "BOOL\tFontTransparent\t1\t\n"
    "Icon\tIcon\t0\t\n"
    "BOOL\tKeyPreview\t0\t\n"
    "UINT\tLinkMode\t0\t0 - None\t1 - Source\t\n"
    "CString\tLinkTopic\tForm1\t\n"
    "BOOL\tMaxButton\t1\t\n"
    "BOOL\tMDIChild\t0\t\n"
    "BOOL\tMinButton\t1\t\n"
    "BOOL\tMoveable\t1\t\n"
    "BOOL\tNegotiateMenus\t1\t\n"
    "Picture\tPalette\t0\t\n"
    "UINT\tPaletteMode\t0\t0 - HalfTone\t1 - UseZOrder\t2 - Custom\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "int\tScaleHeight\t10\t\n"
    "int\tScaleLeft\t0\t\n"
    "UINT\tScaleMode\t3\t0 - User\t1 - Twip\t2 - Point\t3 - Pixel\t4 - Character\t5 - Inch\t6 - Millimeter\t7 - Centimeter\t\n"
    "int\tScaleTop\t0\t\n"
    "int\tScaleWidth\t10\t\n"
    "BOOL\tShowInTaskbar\t1\t\n"
    "UINT\tStartUpPosition\t0\t0 - Manual\t1 - CenterOwner\t2 - CenterScreen\t3 - WindowsDefault\t\n"
    "BOOL\tWhatsThisButton\t0\t\n"
    "BOOL\tWhatsThisHelp\t0\t\n"
    "UINT\tWindowState\t0\t0 - Normal\t1 - Minimized\t2 - Maximized\t\n";

const std::string_view kMdiFormProperties =
    "BOOL\tAutoShowChildren\t1\t\n"
    "CString\tCaption\tMDIForm\t\n"
    "Icon\tIcon\t0\t\n"
    "UINT\tLinkMode\t0\t0 - None\t1 - Source\t\n"
    "CString\tLinkTopic\tForm\t\n"
    "BOOL\tMoveable\t1\t\n"
    "BOOL\tNegotiateToolbars\t1\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "BOOL\tScrollBars\t1\t\n"
    "UINT\tStartUpPosition\t0\t0 - Manual\t1 - CenterOwner\t2 - CenterScreen\t3 - WindowsDefault\t\n"
    "BOOL\tWhatsThisHelp\t0\t\n"
    "UINT\tWindowState\t0\t0 - Normal\t1 - Minimized\t2 - Maximized\t\n";

const std::string_view kPictureBoxProperties =
    "UINT\tAlign\t0\t0 - None\t1 - Align Top\t2 - Align Bottom\t3 - Align Left\t4 - Align Right\t\n"
    "BOOL\tAutoRedraw\t0\t\n"
    "BOOL\tAutoSize\t0\t\n"
    "UINT\tBorderStyle\t1\t0 - None\t1 - Fixed Single\t\n"
    "BOOL\tClipControls\t1\t\n"
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "UINT\tDrawMode\t13\t1 - Blackness\t2 - Not Merge Pen\t3 - Mask Not Pen\t4 - Not Copy Pen\t5 - Mask Pen Not\t6 - Invert\t7 - Xor Pen\t8 - Not Mask Pen\t9 - Mask Pen\t10 - Not Xor Pen\t11 - NOP\t12 - Merge Not Pen\t13 - Copy Pen\t14 - Merge Pen Not\t15 - Merge Pen\t16 - Whiteness\t\n"
    "UINT\tDrawStyle\t0\t0 - Solid\t1 - Dash\t2 - Dot\t3 - Dash-Dot\t4 - Dash-Dot-Dot\t5 - Transparent\t6 - Inside Solid\t\n"
    "UINT\tDrawWidth\t1\t\n"
    "COLORREF\tFillColor\t0\t\n"
    "UINT\tFillStyle\t0\t0 - Solid\t1 - Transparent\t2 - Horizontal Line\t3 - Vertical Line\t4 - Upward Diagonal\t5 - Downward Diagonal\t6 - Cross\t7 - Diagonal Cross\t\n"
    "BOOL\tFontTransparent\t0\t\n"
    "CString\tLinkItem\t\t\n"
    "UINT\tLinkMode\t0\t0 - None\t1 - Automatic\t2 - Manual\t3 - Notify\t\n"
    "UINT\tLinkTimeOut\t1000\t\n"
    "CString\tLinkTopic\tTopic\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tNegotiate\t0\t\n"
    "UINT\tOLEDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "int\tScaleHeight\t10\t\n"
    "int\tScaleLeft\t0\t\n"
    "UINT\tScaleMode\t3\t0 - User\t1 - Twip\t2 - Point\t3 - Pixel\t4 - Character\t5 - Inch\t6 - Millimeter\t7 - Centimeter\t\n"
    "int\tScaleTop\t0\t\n"
    "int\tScaleWidth\t10\t\n";

const std::string_view kLabelProperties =
    "UINT\tAlignment\t0\t0 - Left Justify\t1 - Right Justify\t2 - Center\t\n"
    "BOOL\tAutoSize\t0\t\n"
    "UINT\tBackStyle\t1\t0 - Transparent\t1 - Opaque\t\n"
    "UINT\tBorderStyle\t0\t0 - None\t1 - Fixed Single\t\n"
    "CString\tCaption\tLabel1\t\n"
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "CString\tLinkItem\t\t\n"
    "UINT\tLinkMode\t0\t0 - None\t1 - Automatic\t2 - Manual\t3 - Notify\t\n"
    "UINT\tLinkTimeOut\t1000\t\n"
    "CString\tLinkTopic\t\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "BOOL\tUseMnemonic\t1\t\n"
    "BOOL\tWordWrap\t0\t\n";

const std::string_view kTextBoxProperties =
    "UINT\tAlignment\t0\t0 - Left Justify\t1 - Right Justify\t2 - Center\t\n"
    "UINT\tBorderStyle\t0\t0 - None\t1 - Fixed Single\t\n"
    "DatFld\tDataField\t\t\n"
    "DatSrc\tDataSource\t\t\n"
    "BOOL\tHideSelection\t1\t\n"
    "CString\tLinkItem\t\t\n"
    "UINT\tLinkMode\t0\t0 - None\t1 - Automatic\t2 - Manual\t3 - Notify\t\n"
    "UINT\tLinkTimeOut\t1000\t\n"
    "CString\tLinkTopic\t\t\n"
    "BOOL\tLocked\t0\t\n"
    "UINT\tMaxLength\t0\t\n"
    "BOOL\tMultiLine\t0\t\n"
    "UINT\tOLEDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "CString\tPasswordChar\t\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "UINT\tScrollBars\t0\t0 - None\t1 - Horizontal\t2 - Vertical\t3 - Both\t\n"
    "CString\tText\tText1\t\n";

const std::string_view kFrameProperties =
    "UINT\tBorderStyle\t0\t0 - None\t1 - Fixed Single\t\n"
    "CString\tCaption\tFrame1\t\n"
    "BOOL\tClipControls\t1\t\n"
    "BOOL\tRightToLeft\t0\t\n";

const std::string_view kButtonProperties =
    "CString\tCaption\tButton\t\n"
    "Picture\tDisabledPicture\t0\t\n"
    "Picture\tDownPicture\t0\t\n"
    "COLORREF\tMaskColor\t0\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "UINT\tStyle\t0\t0 - Standard\t1 - Graphical\t\n"
    "BOOL\tUseMaskColor\t0\t\n"
    "BOOL\tCancel\t0\t\n"
    "BOOL\tDefault\t0\t\n";

const std::string_view kCheckBoxProperties =
    "CString\tCaption\tCheckBox\t\n"
    "Picture\tDisabledPicture\t0\t\n"
    "Picture\tDownPicture\t0\t\n"
    "COLORREF\tMaskColor\t0\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "UINT\tStyle\t0\t0 - Standard\t1 - Graphical\t\n"
    "BOOL\tUseMaskColor\t0\t\n"
    "UINT\tAlignment\t0\t0 - Left Justify\t1 - Right Justify\t\n"
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "int\tValue\t0\t0 - Unchecked\t1 - Checked\t2 - Grayed\t\n";

const std::string_view kOptionButtonProperties =
    "CString\tCaption\tRadioButton\t\n"
    "Picture\tDisabledPicture\t0\t\n"
    "Picture\tDownPicture\t0\t\n"
    "COLORREF\tMaskColor\t0\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "UINT\tStyle\t0\t0 - Standard\t1 - Graphical\t\n"
    "BOOL\tUseMaskColor\t0\t\n"
    "UINT\tAlignment\t0\t0 - Left Justify\t1 - Right Justify\t\n"
    "int\tValue\t0\t0 - Unchecked\t1 - Checked\t2 - Grayed\t\n";

const std::string_view kComboBoxProperties =
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "BOOL\tIntegralHeight\t1\t\n"
    "LIST\tItemData\t\t\n"
    "LIST\tList\t\t\n"
    "BOOL\tLocked\t0\t\n"
    "UINT\tOLEDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "BOOL\tSorted\t0\t\n"
    "UINT\tStyle\t0\t0 - Dropdown Combo\t1 - Simple Combo\t2 - Dropdown List\t\n"
    "CString\tText\tComboBox\t\n";

const std::string_view kListBoxProperties =
    "UINT\tColumns\t0\t\n"
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "BOOL\tIntegralHeight\t1\t\n"
    "LIST\tItemData\t0\t\n"
    "LIST\tList\t\t\n"
    "UINT\tMultiSelect\t0\t0 - None\t1 - Simple\t2 - Extended\t\n"
    "UINT\tOLEDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "BOOL\tSorted\t0\t\n"
    "UINT\tStyle\t0\t0 - Standard\t1 - Checkbox\t\n";

const std::string_view kScrollBarProperties =
    "int\tLargeChange\t10\t\n"
    "int\tMax\t100\t\n"
    "int\tMin\t0\t\n"
    "BOOL\tRightToLeft\t0\t\n"
    "int\tSmallChange\t2\t\n"
    "int\tValue\t0\t\n";

const std::string_view kTimerProperties =
    "BOOL\tEnabled\t1\t\n"
    "int\tIndex\t0\t\n"
    "int\tInterval\t0\t\n"
    "int\tLeft\t0\t\n"
    "CString\tTag\t\t\n"
    "int\tTop\t0\t\n";

const std::string_view kShapeProperties =
    "UINT\tBackStyle\t1\t0 - Transparent\t1 - Opaque\t\n"
    "COLORREF\tBorderColor\t0\t\n"
    "UINT\tBorderStyle\t1\t0 - Transparent\t1 - Solid\t2 - Dash\t3 - Dot\t4 - Dash - Dot\t5 - Dash - Dot -Dot\t6 - Inside Solid\t\n"
    "UINT\tBorderWidth\t1\t\n"
    "UINT\tDrawMode\t13\t1 - Blackness\t2 - Not Merge Pen\t3 - Mask Not Pen\t4 - Not Copy Pen\t5 - Mask Pen Not\t6 - Invert\t7 - Xor Pen\t8 - Not Mask Pen\t9 - Mask Pen\t10 - Not Xor Pen\t11 - NOP\t12 - Merge Not Pen\t13 - Copy Pen\t14 - Merge Pen Not\t15 - Merge Pen\t16 - Whiteness\t\n"
    "COLORREF\tFillColor\t12632256\t\n"
    "UINT\tFillStyle\t1\t0 - Solid\t1 - Transparent\t2 - Horizontal Line\t3 - Vertical Line\t4 - Upward Diagonal\t5 - Downward Diagonal\t6 - Cross\t7 - Diagonal Cross\t\n"
    "UINT\tShape\t0\t0 - Rectangle\t1 - Square\t2 - Oval\t3 - Circle\t4 - Rounded Rectangle\t5 - Rounded Square\t\n";

const std::string_view kLineProperties =
    "int\tIndex\t0\t\n"
    "CString\tTag\t\t\n"
    "BOOL\tVisible\t1\t\n"
    "COLORREF\tBorderColor\t0\t\n"
    "UINT\tBorderStyle\t1\t0 - Transparent\t1 - Solid\t2 - Dash\t3 - Dot\t4 - Dash-Dot\t5 - Dash-Dot-Dot\t6 - Inside Solid\t\n"
    "UINT\tBorderWidth\t1\t\n"
    "UINT\tDrawMode\t13\t1 - Blackness\t2 - Not Merge Pen\t3 - Mask Not Pen\t4 - Not Copy Pen\t5 - Mask Pen Not\t6 - Invert\t7 - Xor Pen\t8 - Not Mask Pen\t9 - Mask Pen\t10 - Not Xor Pen\t11 - NOP\t12 - Merge Not Pen\t13 - Copy Pen\t14 - Merge Pen Not\t15 - Merge Pen\t16 - Whiteness\t\n"
    "int\tX1\t0\t\n"
    "int\tX2\t0\t\n"
    "int\tY1\t0\t\n"
    "int\tY2\t0\t\n";

const std::string_view kImageProperties =
    "UINT\tBorderStyle\t0\t0 - None\t1 - Fixed Single\t\n"
    "CString\tDataField\t\t\n"
    "CString\tDataSource\t\t\n"
    "UINT\tOLEDragMode\t0\t0 - Manual\t1 - Automatic\t\n"
    "Picture\tPicture\t0\t\n"
    "BOOL\tStretch\t0\t\n";

const std::string_view kDataProperties =
    "UINT\tAlign\t0\t0 - None\t1 - Align Top\t2 - Align Bottom\t3 - Align Left\t4 - Align Right\t\n"
    "UINT\tBOFAction\t0\t0 - Move First\t1 - BOF\t\n"
    "CString\tCaption\tData1\t\n"
    "UINT\tConnect\t1\t1 - Access\t2 - dBase III\t3 - dBase IV\t4 - dBase V\t\n"
    "Mdb\tDatabaseName\t\t\n"
    "UINT\tDefaultCursorType\t0\t0 - DefaultCursor\t1 - ODBCCursor\t2 - SeverSideCursor\t\n"
    "UINT\tDefaultType\t2\t1 - UseODBC\t2 - UseJet\t\n"
    "UINT\tEOFAction\t0\t0 - MoveLast\t1 - EOF\t2 - Add New\t\n"
    "BOOL\tExclusive\t0\t\n"
    "BOOL\tNegotiate\t0\t\n"
    "UINT\tOptions\t0\t\n"
    "BOOL\tReadOnly\t0\t\n"
    "UINT\tRecordsetType\t1\t0 - Table\t1 - Dynaset\t2 - Snapshot\t\n"
    "RecSrc\tRecordSource\t\t\n"
    "BOOL\tRightToLeft\t0\t\n";

const std::string_view kCommonEvents =
    "void\tClick\t\t\n"
    "void\tDblClick\t\t\n"
    "void\tDragDrop\tCWnd* pSource, int nX, int nY\t\n"
    "void\tDragOver\tCWnd* pSource, int nX, int nY, int nState\t\n"
    "void\tGotFocus\t\t\n"
    "void\tKeyDown\tint nKeyCode, int nShift\t\n"
    "void\tKeyPress\tint nKeyAscii\t\n"
    "void\tKeyUp\tint KeyCode, int nShift\t\n"
    "void\tLostFocus\t\t\n"
    "void\tMouseDown\tint nButton, int nShift, int nX, int nY\t\n"
    "void\tMouseMove\tint nButton, int nShift, int nX, int nY\t\n"
    "void\tMouseUp\tint nButton, int nShift, int nX, int nY\t\n"
    "void\tOLECompleteDrag\tDROPEFFECT lEffect\t\n"
    "DROPEFFECT\tOLEDragDrop\tCOleDataObject* pDataObject, DROPEFFECT lEffect, int nButton, int nShift, int nX, int nY\t\n"
    "DROPEFFECT\tOLEDragOver\tCOleDataObject* pDataObject, DROPEFFECT lEffect, int nButton, int nShift, int nX, int nY, int nState\t\n"
    "void\tOLEGiveFeedback\tDROPEFFECT lEffect, BOOL bDefaultCursors\t\n"
    "void\tOLESetData\tCOleDataObject* pDataObject, int nDataFormat\t\n"
    "void\tOLEStartDrag\tCOleDataObject* pDataObject, DROPEFFECT lAllowedEffects\t\n";

const std::string_view kFormEvents =
    "void\tActivate\t\t\n"
    "void\tDeactivate\t\t\n"
    "void\tInitialize\t\t\n"
    "void\tLinkClose\t\t\n"
    "void\tLinkError\tint nLinkErr\t\n"
    "void\tLinkExecute\tCString strCmd, int nCancel\t\n"
    "void\tLinkOpen\tint nCancel\t\n"
    "void\tLoad\t\t\n"
    "void\tPaint\t\t\n"
    "void\tQueryUnload\tint& nCancel, int nUnloadMode\t\n"
    "void\tResize\t\t\n"
    "void\tTerminate\t\t\n"
    "void\tUnload\tint nCancel\t\n";

const std::string_view kPictureBoxEvents =
    "void\tLinkClose\t\t\n"
    "void\tLinkError\tint nLinkErr\t\n"
    "void\tLinkExecute\tCString strCmd, int nCancel\t\n"
    "void\tLinkOpen\tint nCancel\t\n"
    "void\tPaint\t\t\n"
    "void\tResize\t\t\n";

const std::string_view kLabelEvents =
    "void\tChange\t\t\n"
    "void\tLinkClose\t\t\n"
    "void\tLinkError\tint nLinkErr\t\n"
    "void\tLinkNotify\t\t\n"
    "void\tLinkOpen\tint nCancel\t\n";

const std::string_view kListBoxEvents =
    "void\tItemCheck\tint nItem\t\n";

const std::string_view kComboBoxEvents =
    "void\tChange\t\t\n"
    "void\tScroll\t\t\n";

const std::string_view kTimerEvents =
    "void\tTimer\t\t\n";

const std::string_view kDataEvents =
    "void\tError\tint nDataErr, int nResponse\t\n"
    "void\tReposition\t\t\n"
    "void\tResize\t\t\n"
    "void\tValidate\tint nAction, int nSave\t\n";

const std::string_view kCommonMethods =
    "Drag(int nAction)\n"
    "Move(int nLeft, int nTop, int nWidth, int nHeight)\n"
    "OLEDrag()\n"
    "Refresh()\n"
    "SetFocus()\n"
    "ShowWhatsThis()\n"
    "ZOrder(int nPosition)\n";

const std::string_view kFormMethods =
    "Hide()\n"
    "PopupMenu( CString strMenuName, UINT nFlags, int nX, int nY, CString strBoldCommand)\n"
    "PrintForm()\n"
    "Show(int nModalType, CWnd* pParent)\n"
    "WhatsThisMode()\n";

const std::string_view kGraphicsMethods =
    "Circle(int nX, int nY, int nRadius, COLORREF clrBorder,  int nStart, int nEnd, double dblAspect)\n"
    "Cls()\n"
    "Line(int nX1, int nY1, int nX2, int nY2,  COLORREF clr)\n"
    "PaintPicture( CXPicture tfxPic, int nX1, int nY1, int nWidth1, int nHeight1, int nX2, int nY2, int nWidth2, int nHeight2, DWORD dwRop)\n"
    "Point(int nX, int nY)\n"
    "PSet(int nX, int nY, COLORREF clr, BOOL bStep)\n"
    "Scale(int nX1, int nY1, int nX2, int nY2)\n"
    "ScaleX(double nWidth, double nFromscale, double nToscale)\n"
    "ScaleY( double nHeight, double nFromscale, int nToscale)\n"
    "TextHeight(CString strText)\n"
    "TextWidth(CString strText)\n"
    "Line_Step(int nX, int nY)\n";

const std::string_view kLinkMethods =
    "LinkExecute(CString strCmd)\n"
    "LinkPoke()\n"
    "LinkRequest()\n"
    "LinkSend()\n";

const std::string_view kListMethods =
    "AddItem(CString strItem, int nIndex)\n"
    "RemoveItem(int nIndex)\n";

const std::string_view kDataMethods =
    "UpdateControls()\n"
    "UpdateRecord()\n";

// Searched as one text each: a name is "in" a list when it occurs anywhere in it.
const std::string_view kIntrinsicClassNames =
    "CXTextBox\nCXListBox\nCXComboBox\nCXLabel\nCXButton\nCXPictureBox\nCXLine\nCXFrame\n"
    "CXOptionButton\nCXCheckBox\nCXHScrollBar\nCXVScrollBar\nCXTimer\nCXShape\nCXImage\nCXData\n";
const std::string_view kRuntimeClassNames =
    "CXForm\nCXMdiForm\nCXOptionButton\nCXCheckBox\nCXLine\nCXFrame\nCXTextBox\nCXListBox\n"
    "CXComboBox\nCXLabel\nCXButton\nCXPictureBox\nCXTimer\nCXHScrollBar\nCXVScrollBar\nCXShape\n"
    "CXData\nCXImage\n";
// clang-format on

} // namespace morva::tables
