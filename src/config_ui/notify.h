// Notifications that dialog controls send to the dialog that holds them,
// numbered as the desktop framework numbers them, and the interface through
// which a control reaches its dialog.
#pragma once

#include "platform/win_types.h"

namespace dlg {

enum : int {
    BN_CLICKED = 0,          // push button or check box clicked
    STN_CLICKED = 0,         // static with Notify style clicked
    LBN_SELCHANGE = 1,       // list box: the selection moved
    CLBN_CHKCHANGE = 40,     // check list box: an entry's check mark changed
    NM_RELEASEDCAPTURE = -16,  // track bar: the mouse let go of the thumb
    TRBN_KEYCHANGE = -1501,  // track bar: the position moved by keyboard
    TCN_SELCHANGE = -551,    // tab control: a new tab is current
    TCN_SELCHANGING = -552,  // tab control: the current tab is about to change
};

class NotifySink {
public:
    virtual ~NotifySink() = default;
    // Returns the handler's result (0 when there is no handler); for
    // TCN_SELCHANGING non-zero forbids the change.
    virtual LRESULT notify(int controlId, int code) = 0;
};

// Where a control sends its notifications: its dialog and its own id.
struct NotifyTarget {
    NotifySink* sink = nullptr;
    int id = -1;
    LRESULT send(int code) const { return sink ? sink->notify(id, code) : 0; }
};

}  // namespace dlg
