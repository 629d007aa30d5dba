#include "sourcemodel/BaseClassList.h"

namespace morva {

std::string_view BaseClassList()
{
    // The runtime's list keeps its stored entries: CXFrame twice and the misspelt CXImge.
    static constexpr std::string_view kList =
        "CWnd\n"
        "CView\nCScrollView\nCFormView\nCRecordView\nCEditView\nCRichEditView\nCTreeView\nCDaoRecordView\n"
        "CFrameWnd\nCMDIChildWnd\nCMDIFrameWnd\nCMiniFrameWnd\nCOleIPFrameWnd\n"
        "CDialog\nCFileDialog\nCColorDialog\nCFontDialog\nCPrintDialog\nCFindReplaceDialog\nCPropertyPage\n"
        "COleDialog\nCOleInsertDialog\nCOleChangeIconDialog\nCOlePasteSpecialDialog\nCOleConvertDialog\n"
        "COleLinkDialog\nCOleUpdateDialog\n"
        "CControlBar\nCDialogBar\nCOleResizeBar\nCStatusBar\nCToolBar\n"
        "CXForm\nCXMdiForm\nCXOptionButton\nCXCheckBox\nCXLine\nCXFrame\nCXTextBox\nCXListBox\nCXComboBox\n"
        "CXLabel\nCXFrame\nCXButton\nCXPictureBox\nCXImge\nCXTimer\nCXHScrollBar\nCXVScrollBar\nCXShape\n"
        "CXData\nCXImage\n";
    return kList;
}

bool IsListedBaseClass(std::string_view name)
{
    return BaseClassList().find(name) != std::string_view::npos;
}

} // namespace morva
