// The simple control widgets of the dialog framework: push buttons (with the
// default button that Enter presses), texts that draw exactly what they are
// given (no symbol or shortcut parsing, since scene texts are data), a
// clickable text, frames, separator lines and pictures.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Image.H>

#include <memory>
#include <string>

#include "config_ui/notify.h"

namespace dlg {

class PushButtonWidget : public Fl_Button {
public:
    PushButtonWidget(int x, int y, int w, int h, const char* text, bool isDefault);
    int handle(int event) override;
    void draw() override;
    bool isDefault() const { return default_; }

private:
    std::string text_;
    bool default_;
};

// Text drawn as given, top-left aligned; wrapped when wordWrap is set.
class StaticWidget : public Fl_Box {
public:
    StaticWidget(int x, int y, int w, int h, const char* text, bool wordWrap);
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    void draw() override;
    // A clickable text sends STN_CLICKED on a click released over it.
    void makeClickable(NotifyTarget target) { clickTarget_ = target; clickable_ = true; }
    // A hand cursor while the mouse is over the text.
    void setHandCursor(bool on) { handCursor_ = on; }
    // Fixed labels may run past their box where the desktop's font is wider
    // than the dialog font; texts that change are kept inside it.
    void setClipped(bool on) { clipped_ = on; }
    bool handCursor() const { return handCursor_; }
    int handle(int event) override;

private:
    std::string text_;
    bool wrap_;
    bool clickable_ = false;
    bool handCursor_ = false;
    bool clipped_ = true;
    NotifyTarget clickTarget_;
};

// Etched frame with an optional caption set into its top edge.
class GroupBoxWidget : public Fl_Box {
public:
    GroupBoxWidget(int x, int y, int w, int h, const char* text);
    void draw() override;

private:
    std::string text_;
};

class EtchedLineWidget : public Fl_Box {
public:
    EtchedLineWidget(int x, int y, int w, int h);
    void draw() override;
};

// A picture drawn at its own size from the top-left corner and clipped to
// the widget. A picture that could not be loaded draws nothing.
class PictureWidget : public Fl_Box {
public:
    PictureWidget(int x, int y, int w, int h, std::unique_ptr<Fl_Image> image);
    void draw() override;
    const Fl_Image* image() const { return image_.get(); }

private:
    std::unique_ptr<Fl_Image> image_;
};

}  // namespace dlg
