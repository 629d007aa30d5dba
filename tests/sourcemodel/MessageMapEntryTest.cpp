#include "sourcemodel/MessageMapEntry.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

TEST(MessageMapEntryTest, EntriesGiveMessageIdentifierHandlerAndClass)
{
    const struct {
        const char* entry;
        const char* message;
        const char* id;
        const char* handler;
        const char* notifyClass;
    } cases[] = {
        {"ON_WM_PAINT()", "WM_PAINT", "", "OnPaint", ""},
        {"\tON_BN_CLICKED( IDC_OK , OnOK )", "BN_CLICKED", "IDC_OK", "OnOK", "CButton"},
        {"ON_EN_CHANGE(IDC_EDIT1, OnChangeEdit1)", "EN_CHANGE", "IDC_EDIT1", "OnChangeEdit1", "CEdit"},
        {"ON_CLBN_CHKCHANGE(IDC_LIST, OnChk)", "CLBN_CHKCHANGE", "IDC_LIST", "OnChk", "CCheckListBox"},
        {"ON_LBN_DBLCLK(IDC_LIST, OnDbl)", "LBN_DBLCLK", "IDC_LIST", "OnDbl", "CListBox"},
        {"ON_COMMAND(ID_FILE_OPEN, OnFileOpen)", "COMMAND", "ID_FILE_OPEN", "OnFileOpen", ""},
        {"ON_WM_TFX_CLICK(IDC_COMMAND1, Command1_Click)", "WM_TFX_CLICK", "IDC_COMMAND1", "Command1_Click", ""},
        {"ON_EVENT(CForm1, IDC_AX1, 1, Ax1_Click, VTS_NONE)", "EVENT", "IDC_AX1", "Ax1_Click", ""},
    };
    for (const auto& c : cases) {
        MessageMapEntry entry;
        ASSERT_TRUE(ParseMessageMapEntry(c.entry, entry)) << c.entry;
        EXPECT_EQ(entry.m_strMessage, c.message) << c.entry;
        EXPECT_EQ(entry.m_strControlId, c.id) << c.entry;
        EXPECT_EQ(entry.m_strHandler, c.handler) << c.entry;
        EXPECT_EQ(entry.m_strNotificationClass, c.notifyClass) << c.entry;
    }
    MessageMapEntry entry;
    EXPECT_FALSE(ParseMessageMapEntry("//{{AFX_MSG_MAP(CForm1)", entry));
    EXPECT_FALSE(ParseMessageMapEntry("ON_", entry));
    EXPECT_TRUE(IsWindowMessageHandler("OnLButtonDown", "WM_LBUTTONDOWN"));
    EXPECT_TRUE(IsWindowMessageHandler("OnNcHitTest", "WM_NCHITTEST"));
    EXPECT_FALSE(IsWindowMessageHandler("OnPaintX", "WM_PAINT"));
}

} // namespace
} // namespace morva
