#pragma once

namespace morva {

class CParseProgressDlg;

// What the progress dialog needs from the window system: its owner window, a window to show the
// dialog in, and a turn of the message loop so that a Cancel click arrives while a long job runs.
// Headless, a host may show nothing and pump nothing.
class IProgressDialogHost {
public:
    virtual ~IProgressDialogHost() = default;

    virtual bool IsOwnerEnabled() const = 0;
    virtual void EnableOwner(bool enable) = 0;
    // Shows the dialog's window; false when it cannot be created.
    virtual bool ShowDialog(CParseProgressDlg& dialog) = 0;
    virtual void DestroyDialog(CParseProgressDlg& dialog) = 0;
    // Delivers the window messages waiting in the queue (a Cancel click among them).
    virtual void ProcessPendingMessages(CParseProgressDlg& dialog) = 0;
    // The dialog changed a control's text or the bar's position.
    virtual void ControlChanged(CParseProgressDlg& dialog, int controlId) = 0;
};

// A host without windows: the owner counts as enabled and nothing is shown.
class HeadlessProgressHost : public IProgressDialogHost {
public:
    bool IsOwnerEnabled() const override { return m_bOwnerEnabled; }
    void EnableOwner(bool enable) override { m_bOwnerEnabled = enable; }
    bool ShowDialog(CParseProgressDlg&) override { return true; }
    void DestroyDialog(CParseProgressDlg&) override {}
    void ProcessPendingMessages(CParseProgressDlg&) override {}
    void ControlChanged(CParseProgressDlg&, int) override {}

private:
    bool m_bOwnerEnabled = true;
};

} // namespace morva
