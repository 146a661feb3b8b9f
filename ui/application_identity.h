#pragma once

namespace zelvarin::ui {

// Gives the running application the program's title and version. The title is set as the
// application's name only, not as its display name: Qt would append a display name to the
// title of every other window ("Резултат — Zelvarin"), and each box keeps its own title.
void applyApplicationIdentity();

} // namespace zelvarin::ui
