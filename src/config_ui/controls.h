// The control classes the dialog pages bind to their controls: thin handles
// on the widgets a template built. A handle that is bound to nothing (or to
// a widget of another kind) does nothing and answers zero or -1, so a page
// whose template lacks a control still works.
#pragma once

#include <string>

#include "platform/win_types.h"

class Fl_Widget;

namespace dlg {

class CheckListWidget;
class TrackBarWidget;
class TabsWidget;
class StaticWidget;

enum : int { LB_ERR = -1 };
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };

class CWnd {
public:
    virtual ~CWnd() = default;
    void Attach(Fl_Widget* widget) { widget_ = widget; }
    Fl_Widget* widget() const { return widget_; }
    void EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    void ShowWindow(int command);
    BOOL IsWindowVisible() const;
    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    // The client rectangle: (0, 0) to the control's size.
    void GetClientRect(RECT* rect) const;
    // Moves (in the coordinates of its top-level window) and resizes.
    void SetWindowPos(int x, int y, int cx, int cy, UINT flags);

protected:
    Fl_Widget* widget_ = nullptr;
    std::string text_;  // keeps the caption alive for buttons
};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int state);
};

class CStatic : public CWnd {
public:
    void SetTextColor(unsigned char red, unsigned char green, unsigned char blue);
    void SetHandCursor(bool on);

private:
    StaticWidget* text() const;
};

class CCheckListBox : public CWnd {
public:
    void ResetContent();
    int AddString(const char* text);  // index of the new entry
    int GetCount() const;
    int GetCurSel() const;        // LB_ERR without a selection
    int SetCurSel(int index);     // LB_ERR when index is out of range
    int GetCheck(int index) const;
    void SetCheck(int index, int state);

private:
    CheckListWidget* list() const;
};

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int position);
    int GetPos() const;

private:
    TrackBarWidget* bar() const;
};

class CTabCtrl : public CWnd {
public:
    int InsertItem(int index, const char* text);
    BOOL SetItemData(int index, LPARAM data);
    LPARAM GetItemData(int index) const;
    int GetCurSel() const;
    int SetCurSel(int index);
    BOOL GetItemRect(int index, RECT* rect) const;
    int GetItemCount() const;

private:
    TabsWidget* tabs() const;
};

}  // namespace dlg
