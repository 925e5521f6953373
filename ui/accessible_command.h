#pragma once
// What assistive technology reads for a window command in a menu: its text as
// the name, its status tip as the description, its "What's this" text as the
// help and its key, and pressing it. Qt's own menu items give only the name;
// this one serves the commands marked as described (markDescribed), every
// other action keeps Qt's own.

class QAction;

namespace velkora {

// Lets the accessibility of action come from its status tip; installs the
// factory on the first call.
void markDescribed(QAction& action);

}  // namespace velkora
