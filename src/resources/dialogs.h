// The dialog resources of the configuration dialog: the frame (101), the
// scenes page (102), the general settings page (104), the preview view (107)
// and the About page (108).
#pragma once

#include "resources/dialog_template.h"

namespace res {

// The template with this resource id, or nullptr when there is none.
const DialogTemplate* findDialogTemplate(int id);

}  // namespace res
