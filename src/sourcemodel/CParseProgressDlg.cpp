#include "sourcemodel/CParseProgressDlg.h"

#include "sourcemodel/IProgressDialogHost.h"

namespace morva {

std::string_view CParseProgressDlg::CaptionText(int captionId)
{
    switch (captionId) {
    case kFirstReadingCaption: return "Reding project info for the first time";
    case kReadingCaption: return "Reading project info";
    default: return {};
    }
}

CParseProgressDlg::CParseProgressDlg(IProgressDialogHost& host, int captionId) : m_host(host), m_nCaptionId(captionId)
{
}

CParseProgressDlg::~CParseProgressDlg()
{
    Destroy();
}

bool CParseProgressDlg::Create()
{
    if (m_bCreated)
        return true;
    if (m_host.IsOwnerEnabled()) {
        m_host.EnableOwner(false);
        m_bOwnerDisabled = true;
    }
    // What the window shows once it exists: the bar at its lower bound and the caption.
    m_nPosition = m_nLower;
    m_strCaption = std::string(CaptionText(m_nCaptionId));
    if (!m_host.ShowDialog(*this)) {
        if (m_bOwnerDisabled)
            m_host.EnableOwner(true);
        m_bOwnerDisabled = false;
        return false;
    }
    m_bCreated = true;
    return true;
}

void CParseProgressDlg::Destroy()
{
    if (m_bCreated) {
        m_host.DestroyDialog(*this);
        m_bCreated = false;
    }
    if (m_bOwnerDisabled) {
        m_host.EnableOwner(true);
        m_bOwnerDisabled = false;
    }
}

void CParseProgressDlg::SetStatus(std::string text)
{
    m_strStatus = std::move(text);
    m_host.ControlChanged(*this, IDC_STATUS);
}

void CParseProgressDlg::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    m_host.ControlChanged(*this, IDC_PROGRESS);
}

void CParseProgressDlg::StepIt()
{
    m_host.ProcessPendingMessages(*this);
    m_nPosition += m_nStep;
    m_host.ControlChanged(*this, IDC_PROGRESS);
    std::string text = PercentText(m_nPosition, m_nLower, m_nUpper);
    if (text != m_strPercent) {
        m_strPercent = std::move(text);
        m_host.ControlChanged(*this, IDC_PERCENT);
    }
}

bool CParseProgressDlg::CheckCancel()
{
    m_host.ProcessPendingMessages(*this);
    const bool cancelled = m_bCancel;
    m_bCancel = false;
    return cancelled;
}

std::string CParseProgressDlg::PercentText(int position, int lower, int upper)
{
    // An empty range has no share to show; it reads as nothing done rather than dividing by 0.
    const long long span = static_cast<long long>(upper) - lower;
    long long percent = span == 0 ? 0 : (static_cast<long long>(position) - lower) * 100 / span;
    if (percent != 100)
        percent %= 100;
    return std::to_string(percent) + "%";
}

} // namespace morva
