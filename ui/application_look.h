#pragma once

namespace zelvarin::ui {

// Gives the running application the look its windows and pictures were drawn for, whatever
// colour scheme or platform theme the desktop has: call it before any window is built.
void applyApplicationLook();

} // namespace zelvarin::ui
