// The interactive message box: a small modal FLTK window with the caption as
// its title, an icon where the type asks for one, the text and the buttons in
// the desktop's usual order (OK; Yes, No; Retry, Cancel).
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cmath>
#include <string>
#include <vector>

#include "platform/desktop_scale.h"
#include "platform/message_box.h"
#include "platform/window.h"

namespace platform {
namespace {

// A text label drawn as it stands: a plain Fl_Box would read "@" in the
// text as the start of a symbol name.
class PlainText : public Fl_Box {
public:
    PlainText(int x, int y, int w, int h, const char* text, int fontSize)
        : Fl_Box(x, y, w, h), text_(text), fontSize_(fontSize) {}
    void draw() override {
        fl_font(FL_HELVETICA, fontSize_);
        fl_color(FL_FOREGROUND_COLOR);
        fl_draw(text_, x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, nullptr, 0);
    }

private:
    const char* text_;
    int fontSize_;
};

// Lengths of the box at 96 dots per inch, grown with the desktop's scale
// (Xft.dpi) by the dialog's rule, so that a box is not tiny on a dense
// display: absurd settings count as 96, and a box never shrinks.
class BoxScale {
public:
    BoxScale() {
        const double dpi = desktopDpi();
        if (dpi > 96 && dpi <= 960) scale_ = dpi / 96.0;
    }
    int operator()(int pixels) const { return static_cast<int>(std::lround(pixels * scale_)); }

private:
    double scale_ = 1.0;
};

struct Answer {
    int* slot;
    int value;
    Fl_Window* window;
};

void onButton(Fl_Widget*, void* data) {
    Answer* a = static_cast<Answer*>(data);
    *a->slot = a->value;
    a->window->hide();
}

}  // namespace

int showInteractiveMessageBox(HWND, const char* text, const char* caption, UINT type) {
    struct ButtonDef {
        const char* label;
        int id;
    };
    static const ButtonDef okButtons[] = {{"OK", IDOK}};
    static const ButtonDef yesNoButtons[] = {{"&Yes", IDYES}, {"&No", IDNO}};
    static const ButtonDef retryCancelButtons[] = {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}};
    // The answer when the box is closed without a button (Escape, the
    // window manager's close button).
    const ButtonDef* buttons = okButtons;
    int buttonCount = 1;
    int closeAnswer = IDOK;
    switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            buttons = yesNoButtons;
            buttonCount = 2;
            closeAnswer = IDNO;
            break;
        case MB_RETRYCANCEL:
            buttons = retryCancelButtons;
            buttonCount = 2;
            closeAnswer = IDCANCEL;
            break;
        default:
            break;
    }
    // After a termination request nobody is left to answer.
    if (terminationRequested()) return closeAnswer;
    const char* iconText = nullptr;
    Fl_Color iconColor = FL_BLACK;
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: iconText = "X"; iconColor = FL_RED; break;
        case MB_ICONQUESTION: iconText = "?"; iconColor = FL_BLUE; break;
        case MB_ICONEXCLAMATION: iconText = "!"; iconColor = FL_DARK_YELLOW; break;
        case MB_ICONINFORMATION: iconText = "i"; iconColor = FL_BLUE; break;
        default: break;
    }

    // Fonts can only be measured once the display is open.
    fl_open_display();
    const BoxScale px;
    const int fontSize = px(14);
    fl_font(FL_HELVETICA, fontSize);
    int tw = 0, th = 0;
    fl_measure(text, tw, th, 0);
    const int maxTextW = px(560);
    if (tw > maxTextW) {  // long texts wrap instead of making a very wide box
        tw = maxTextW;
        th = 0;
        fl_measure(text, tw, th, 0);
    }
    const int iconW = iconText ? px(48) : 0;
    const int bw = px(90), bh = px(28), pad = px(16), gap = px(8);
    int w = pad + iconW + tw + pad;
    int minW = pad + buttonCount * (bw + gap) + pad;
    if (w < minW) w = minW;
    if (w < px(240)) w = px(240);
    int textH = th < px(40) ? px(40) : th;
    int h = pad + textH + pad + bh + pad;

    Fl_Window win(w, h, caption);
    win.set_modal();
    int answer = closeAnswer;
    std::vector<Answer> answers(static_cast<size_t>(buttonCount));
    if (iconText) {
        Fl_Box* icon = new Fl_Box(pad, pad, px(36), px(36), iconText);
        icon->box(FL_OVAL_BOX);
        icon->color(iconColor);
        icon->labelcolor(FL_WHITE);
        icon->labelfont(FL_HELVETICA_BOLD);
        icon->labelsize(px(22));
    }
    new PlainText(pad + iconW, pad, tw, textH, text, fontSize);
    int x = w - pad - buttonCount * (bw + gap) + gap;
    for (int i = 0; i < buttonCount; ++i) {
        Fl_Button* b = (i == 0) ? new Fl_Return_Button(x, h - pad - bh, bw, bh, buttons[i].label)
                                : new Fl_Button(x, h - pad - bh, bw, bh, buttons[i].label);
        b->labelsize(fontSize);
        Answer& a = answers[static_cast<size_t>(i)];
        a = Answer{&answer, buttons[i].id, &win};
        b->callback(onButton, &a);
        x += bw + gap;
    }
    win.end();
    win.hotspot(&win);
    win.show();
    // A termination request (SIGTERM, Ctrl+C) closes the box as its close
    // button would, so that the run can end through its own loop. The
    // signal interrupts the wait; the time-out covers one that lands just
    // before it.
    while (win.shown() && !terminationRequested()) Fl::wait(0.25);
    win.hide();
    Fl::flush();  // take the box off the screen before the caller goes on
    return answer;
}

}  // namespace platform
