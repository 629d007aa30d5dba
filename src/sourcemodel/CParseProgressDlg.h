#pragma once

#include <string>
#include <string_view>

namespace morva {

class IProgressDialogHost;

// The modeless progress dialog shown while a project's files are parsed (dialog resource 109):
// a two-line status text, a bar advanced one step per file, a percentage and a Cancel button.
// It keeps the state a window shows; the host shows it and delivers the Cancel click.
class CParseProgressDlg {
public:
    static constexpr int IDD = 109;
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_PROGRESS = 1003;
    static constexpr int IDC_PERCENT = 1004;
    static constexpr int IDC_STATUS = 1005;

    // Caption string identifiers: the first reading of a project and every later one.
    static constexpr int kFirstReadingCaption = 61621;
    static constexpr int kReadingCaption = 61622;
    static std::string_view CaptionText(int captionId);

    explicit CParseProgressDlg(IProgressDialogHost& host, int captionId = kFirstReadingCaption);
    ~CParseProgressDlg();
    CParseProgressDlg(const CParseProgressDlg&) = delete;
    CParseProgressDlg& operator=(const CParseProgressDlg&) = delete;

    // Disables an enabled owner (remembering it) and shows the dialog; on failure the owner is
    // enabled again and the answer is false.
    bool Create();
    // Closes the dialog and enables the owner again when Create disabled it.
    void Destroy();
    bool IsCreated() const { return m_bCreated; }

    void SetStatus(std::string text);
    void SetRange(int lower, int upper);
    // Lets pending messages through, advances the bar by one step and updates the percentage.
    void StepIt();
    // Whether Cancel was pressed since the last call (pending messages first); clears it.
    bool CheckCancel();
    // The Cancel button's handler.
    void OnCancel() { m_bCancel = true; }

    const std::string& GetCaption() const { return m_strCaption; }
    const std::string& GetStatus() const { return m_strStatus; }
    const std::string& GetPercentText() const { return m_strPercent; }
    int GetPosition() const { return m_nPosition; }
    int GetLower() const { return m_nLower; }
    int GetUpper() const { return m_nUpper; }

    // The percentage text for a position: the share of the range, taken modulo 100 unless it is
    // exactly 100, followed by "%".
    static std::string PercentText(int position, int lower, int upper);

private:
    IProgressDialogHost& m_host;
    int m_nCaptionId;
    std::string m_strCaption;
    std::string m_strStatus;
    std::string m_strPercent = " 0 %";
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nStep = 1;
    int m_nPosition = 0;
    bool m_bCancel = false;
    bool m_bOwnerDisabled = false;
    bool m_bCreated = false;
};

} // namespace morva
