#pragma once
// What must hold after every event of a random session: the window's solid
// is the list's selection, loaded afresh from the catalogue; the view
// captions follow its family; the controls agree with the state they show
// (the radio buttons, the mark box, the rotation button, presentation mode
// and the control column, the properties window); no dialog, popup or move
// cursor is left behind; the window's frame equals one composed afresh for
// the model and the controls' view; and, when asked, the drawing area on
// screen shows that picture.

#include <QSize>
#include <QStringList>
#include <vector>

#include "render/frame.h"
#include "tests/random_session/dialog_answerer.h"
#include "ui/main_window.h"

namespace velkora::test {

// One line per disagreement; empty when everything holds. scratch is the
// checks' own frame buffers, kept between calls; compareScreen also grabs the
// drawing area (slower).
QStringList windowInconsistencies(TFVelkora& window, FrameBuffers& scratch, bool compareScreen);

// The files that accepted dialogs named must exist and hold what their
// suffix says; a picture has the drawing area's size times its scale.
QStringList fileProblems(const std::vector<ChosenFile>& files, QSize drawingArea);

}  // namespace velkora::test
