// The track bar: a horizontal slider with whole-number positions, optional
// tick marks at every position, NM_RELEASEDCAPTURE when the mouse lets go of
// it and TRBN_KEYCHANGE when a key has moved it.
#pragma once

#include <FL/Fl_Slider.H>

#include "config_ui/notify.h"

namespace dlg {

class TrackBarWidget : public Fl_Slider {
public:
    TrackBarWidget(int x, int y, int w, int h, bool ticks, NotifyTarget target);

    void setRange(int minimum, int maximum);
    int minimum() const { return static_cast<int>(Fl_Slider::minimum()); }
    int maximum() const { return static_cast<int>(Fl_Slider::maximum()); }
    int position() const { return static_cast<int>(value()); }
    void setPosition(int position);  // clamped into the range

    int handle(int event) override;
    void draw() override;

private:
    int tickSpace() const;
    bool ticks_;
    NotifyTarget target_;
};

}  // namespace dlg
