// The interactive message box: a small modal FLTK window with the caption as
// its title, an icon where the type asks for one, the text and the buttons in
// the desktop's usual order (OK; Yes, No; Retry, Cancel).
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform {
namespace {

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
    struct Spec {
        const char* label;
        int id;
    };
    std::vector<Spec> buttons;
    int closeAnswer = IDOK;
    switch (type & MB_TYPEMASK) {
        case MB_YESNO: buttons = {{"&Yes", IDYES}, {"&No", IDNO}}; closeAnswer = IDNO; break;
        case MB_RETRYCANCEL: buttons = {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}}; closeAnswer = IDCANCEL; break;
        default: buttons = {{"OK", IDOK}}; closeAnswer = IDOK; break;
    }
    const char* iconText = nullptr;
    Fl_Color iconColor = FL_BLACK;
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: iconText = "X"; iconColor = FL_RED; break;
        case MB_ICONQUESTION: iconText = "?"; iconColor = FL_BLUE; break;
        case MB_ICONEXCLAMATION: iconText = "!"; iconColor = FL_DARK_YELLOW; break;
        case MB_ICONINFORMATION: iconText = "i"; iconColor = FL_BLUE; break;
        default: break;
    }

    fl_font(FL_HELVETICA, 14);
    int tw = 0, th = 0;
    fl_measure(text, tw, th, 0);
    const int iconW = iconText ? 48 : 0;
    const int bw = 90, bh = 28, pad = 16;
    int w = pad + iconW + tw + pad;
    int minW = pad + static_cast<int>(buttons.size()) * (bw + 8) + pad;
    if (w < minW) w = minW;
    if (w < 240) w = 240;
    int textH = th < 40 ? 40 : th;
    int h = pad + textH + pad + bh + pad;

    Fl_Window win(w, h, caption);
    win.set_modal();
    int answer = closeAnswer;
    std::vector<Answer> answers(buttons.size());
    if (iconText) {
        Fl_Box* icon = new Fl_Box(pad, pad, 36, 36, iconText);
        icon->box(FL_OVAL_BOX);
        icon->color(iconColor);
        icon->labelcolor(FL_WHITE);
        icon->labelfont(FL_HELVETICA_BOLD);
        icon->labelsize(22);
    }
    Fl_Box* msg = new Fl_Box(pad + iconW, pad, tw, textH, text);
    msg->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    msg->labelsize(14);
    int x = w - pad - static_cast<int>(buttons.size()) * (bw + 8) + 8;
    for (size_t i = 0; i < buttons.size(); ++i) {
        Fl_Button* b = (i == 0) ? new Fl_Return_Button(x, h - pad - bh, bw, bh, buttons[i].label)
                                : new Fl_Button(x, h - pad - bh, bw, bh, buttons[i].label);
        answers[i] = Answer{&answer, buttons[i].id, &win};
        b->callback(onButton, &answers[i]);
        x += bw + 8;
    }
    win.end();
    win.hotspot(&win);
    win.show();
    while (win.shown()) Fl::wait();
    return answer;
}

}  // namespace platform
