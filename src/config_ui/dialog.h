// The dialog class of the framework: a dialog built from a template, either
// as a modal top-level window (DoModal) or as a page inside another
// dialog's control (Create). Pages bind their members to controls in
// DoDataExchange and their handlers with OnCommand and OnNotify, the way a
// message map does; unhandled OK and Cancel clicks end a modal dialog.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "config_ui/controls.h"
#include "config_ui/dialog_builder.h"
#include "config_ui/notify.h"
#include "resources/dialog_template.h"
#include "resources/dialog_units.h"

class Fl_Group;
class Fl_Window;

namespace dlg {

class DialogWindow;

class CDialog : public NotifySink {
public:
    explicit CDialog(int templateId);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Builds the dialog as a hidden page inside parent (a control of another
    // dialog) and runs OnInitDialog. False when the template is unknown.
    bool Create(CWnd& parent);
    // Builds, initialises and shows the dialog as a modal window and runs
    // the toolkit's loop until EndDialog; returns EndDialog's result.
    int DoModal();
    // DoModal in two halves, for callers that run the loop themselves:
    // BeginModal builds, shows and initialises (false when it cannot), and
    // FinishModal hides the window and answers the result.
    bool BeginModal();
    int FinishModal();
    void EndDialog(int result);
    bool modalEnded() const { return ended_; }

    virtual BOOL OnInitDialog();  // the framework's part: DoDataExchange
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The modal window moved on the screen (x, y: its client origin).
    virtual void OnMove(int x, int y) { (void)x; (void)y; }
    virtual void OnShowWindow(BOOL show) { (void)show; }
    // Every key event bound for the modal window (or the focused widget in
    // it), before the toolkit delivers it; true swallows the key.
    virtual bool PreTranslateKey(int key) { (void)key; return false; }

    // The widget of a control, or nullptr.
    Fl_Widget* GetDlgItem(int id) const;
    // Binds a member to a control (DoDataExchange).
    void DDX_Control(int id, CWnd& member) const { member.Attach(GetDlgItem(id)); }
    // A control's rectangle in screen coordinates; false when it is unknown
    // or the window is not on the screen.
    bool GetControlScreenRect(int id, RECT* rect) const;

    // The page group or the modal window; null before creation.
    Fl_Group* group() const { return group_; }
    Fl_Window* window() const;
    HWND GetSafeHwnd() const;  // the top-level window's handle
    void ShowWindow(int command);
    BOOL IsWindowVisible() const;
    // Places a page in its parent's client coordinates.
    void MoveWindow(int x, int y, int width, int height);
    const res::DialogUnits& units() const { return units_; }

    using CommandHandler = std::function<void()>;
    using NotifyHandler = std::function<LRESULT()>;
    void OnCommand(int id, int code, CommandHandler handler);
    void OnNotify(int id, int code, NotifyHandler handler);
    LRESULT notify(int controlId, int code) override;

    // The modal window's moves (called by its window).
    void windowMoved();
    // A window of ours that this dialog owns and keeps above itself.
    void KeepAbove(HWND owned) { keptAbove_ = owned; }
    void raiseOwned() const;

protected:
    const res::DialogTemplate* template_;

private:
    void build(int originX, int originY);

    res::DialogUnits units_;
    Fl_Group* group_ = nullptr;
    DialogWindow* modalWindow_ = nullptr;
    std::vector<BuiltControl> controls_;
    std::map<std::pair<int, int>, NotifyHandler> handlers_;
    HWND keptAbove_ = nullptr;
    bool ended_ = false;
    int result_ = IDCANCEL;
};

}  // namespace dlg
