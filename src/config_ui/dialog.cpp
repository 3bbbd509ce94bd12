#include "config_ui/dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>

#include "platform/desktop_scale.h"
#include "platform/fltk_handles.h"
#include "platform/window.h"
#include "resources/dialogs.h"
#include "resources/resource_ids.h"

namespace dlg {

// The top-level window of a modal dialog: reports its moves, turns the close
// box and Esc into Cancel, and offers keys to the dialog first.
class DialogWindow : public Fl_Double_Window {
public:
    DialogWindow(CDialog* owner, int w, int h, const char* title)
        : Fl_Double_Window(w, h, title), owner_(owner) {
        callback(onClose, owner);
    }
    void resize(int x, int y, int w, int h) override {
        bool moved = x != this->x() || y != this->y();
        Fl_Double_Window::resize(x, y, w, h);
        if (moved && shown()) owner_->windowMoved();
    }
    CDialog* owner() const { return owner_; }
    int handle(int event) override {
        int handled = Fl_Double_Window::handle(event);
        // The toolkit may raise its window on a click; owned windows stay on top.
        if (event == FL_PUSH || event == FL_SHOW) owner_->raiseOwned();
        return handled;
    }

private:
    static void onClose(Fl_Widget*, void* owner) { static_cast<CDialog*>(owner)->notify(IDCANCEL, BN_CLICKED); }
    CDialog* owner_;
};

namespace {

// Keys go to the focused widget before its window sees them, so the modal
// dialog's key filter sits in front of the toolkit's delivery.
int dispatchWithKeyFilter(int event, Fl_Window* window) {
    if (event == FL_KEYBOARD || event == FL_SHORTCUT || event == FL_KEYUP) {
        Fl_Window* top = window;
        while (top && top->window()) top = top->window();
        if (auto* dialog = dynamic_cast<DialogWindow*>(top ? top : Fl::first_window())) {
            if (dialog->owner()->PreTranslateKey(Fl::event_key())) return 1;
        }
    }
    return Fl::handle_(event, window);
}

// One scale for the dialog and its pages, so that they fit together: the
// desktop's, unless the configuration dialog would then not fit on the screen.
double dialogScale() {
    static double scale = -1;
    if (scale > 0) return scale;
    scale = res::scaleFromDpi(platform::desktopDpi());
    if (const res::DialogTemplate* main = res::findDialogTemplate(res::IDD_CONFIGURE)) {
        const res::DialogUnits one;
        scale = res::scaleToFit(scale, one.x(main->cx), one.y(main->cy), GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN));
    }
    return scale;
}

}  // namespace

CDialog::CDialog(int templateId) : template_(res::findDialogTemplate(templateId)), units_(dialogScale()) {}

CDialog::~CDialog() {
    if (modalWindow_) {
        modalWindow_->hide();
        delete modalWindow_;
    } else if (group_) {
        if (Fl_Group* parent = group_->parent()) parent->remove(group_);
        delete group_;
    }
}

void CDialog::build(int originX, int originY) {
    controls_ = buildControls(*template_, originX, originY, units_, this);
}

bool CDialog::Create(CWnd& parent) {
    auto* host = dynamic_cast<Fl_Group*>(parent.widget());
    if (!template_ || !host || group_) return false;
    const int w = units_.x(template_->cx), h = units_.y(template_->cy);
    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    group_ = new Fl_Group(host->x(), host->y(), w, h);
    group_->box(FL_NO_BOX);
    group_->resizable(nullptr);
    group_->clip_children(1);
    build(group_->x(), group_->y());
    group_->end();
    group_->hide();
    host->add(group_);
    Fl_Group::current(current);
    OnInitDialog();
    return true;
}

int CDialog::DoModal() {
    if (!BeginModal()) return -1;
    while (!ended_ && modalWindow_->shown()) {
        // A termination request ends the dialog as Cancel does. The wait is
        // bounded so that the request is seen when nothing else wakes us.
        if (platform::terminationRequested()) EndDialog(IDCANCEL);
        else Fl::wait(0.25);
    }
    return FinishModal();
}

bool CDialog::BeginModal() {
    if (!template_ || group_) return false;
    const int w = units_.x(template_->cx), h = units_.y(template_->cy);
    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    modalWindow_ = new DialogWindow(this, w, h, template_->caption);
    group_ = modalWindow_;
    modalWindow_->resizable(nullptr);
    modalWindow_->size_range(w, h, w, h);
    if (template_->style & res::CenterOnScreen) {
        int sx, sy, sw, sh;
        Fl::screen_xywh(sx, sy, sw, sh, 0);
        modalWindow_->position(sx + (sw - w) / 2, sy + (sh - h) / 2);
    }
    build(0, 0);
    modalWindow_->end();
    modalWindow_->set_modal();
    Fl_Group::current(current);
    ended_ = false;
    Fl::event_dispatch(dispatchWithKeyFilter);
    // The window is shown before the dialog initialises itself, so that
    // windows the initialisation creates can be owned by it. Nothing is
    // drawn until the initialisation returns to the loop.
    modalWindow_->show();
    OnInitDialog();
    if (!ended_) OnShowWindow(TRUE);
    return true;
}

int CDialog::FinishModal() {
    if (!modalWindow_) return -1;
    if (Fl::event_dispatch() == dispatchWithKeyFilter) Fl::event_dispatch(nullptr);
    modalWindow_->hide();
    Fl::flush();
    return ended_ ? result_ : IDCANCEL;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

Fl_Widget* CDialog::GetDlgItem(int id) const {
    for (const BuiltControl& c : controls_)
        if (c.id == id && id != res::kNoId) return c.widget;
    return nullptr;
}

Fl_Window* CDialog::window() const { return group_ ? (modalWindow_ ? modalWindow_ : group_->window()) : nullptr; }

bool CDialog::GetControlScreenRect(int id, RECT* rect) const {
    Fl_Widget* w = GetDlgItem(id);
    Fl_Window* top = window();
    if (!w || !top || !rect) return false;
    // Widget positions are relative to their window; the window's are the
    // screen position of its client area.
    int x = w->x() + top->x(), y = w->y() + top->y();
    *rect = RECT{x, y, x + w->w(), y + w->h()};
    return true;
}

HWND CDialog::GetSafeHwnd() const {
    Fl_Window* top = window();
    while (top && top->window()) top = top->window();
    return platform::hwndOfFltkWindow(top);
}

void CDialog::ShowWindow(int command) {
    if (!group_ || modalWindow_) return;
    if (command == SW_HIDE) group_->hide();
    else group_->show();
    if (group_->parent()) group_->parent()->redraw();
}

BOOL CDialog::IsWindowVisible() const { return group_ && group_->visible(); }

void CDialog::MoveWindow(int x, int y, int width, int height) {
    if (!group_ || modalWindow_) return;
    Fl_Group* parent = group_->parent();
    int px = parent ? parent->x() : 0, py = parent ? parent->y() : 0;
    group_->resize(px + x, py + y, width, height);
    if (parent) parent->redraw();
}

void CDialog::OnCommand(int id, int code, CommandHandler handler) {
    handlers_[{id, code}] = [handler]() -> LRESULT {
        handler();
        return 0;
    };
}

void CDialog::OnNotify(int id, int code, NotifyHandler handler) { handlers_[{id, code}] = std::move(handler); }

LRESULT CDialog::notify(int controlId, int code) {
    auto it = handlers_.find({controlId, code});
    if (it != handlers_.end()) {
        NotifyHandler h = it->second;  // a handler may rebind
        return h();
    }
    if (modalWindow_ && code == BN_CLICKED) {
        if (controlId == IDOK) OnOK();
        else if (controlId == IDCANCEL) OnCancel();
    }
    return 0;
}

void CDialog::raiseOwned() const {
    if (keptAbove_ && IsWindow(keptAbove_) && ::IsWindowVisible(keptAbove_)) platform::raiseAboveOwner(keptAbove_);
}

void CDialog::windowMoved() {
    if (modalWindow_) OnMove(modalWindow_->x(), modalWindow_->y());
}

}  // namespace dlg
