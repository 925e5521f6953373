#pragma once
// Tooltips at a readable width: a tooltip text wider than kToolTipWidth
// pixels in the tooltip font becomes rich text broken into lines at word
// boundaries, whenever it is set on a widget that is watched. Short texts and
// texts that are rich text already stay as they are.

#include <QString>

class QWidget;

namespace velkora {

// The widest line of a wrapped tooltip, in pixels of the tooltip font.
inline constexpr int kToolTipWidth = 360;

// text as it is where it fits one line of kToolTipWidth (or is rich text
// already), else as rich text broken into lines that fit.
QString wrappedToolTip(const QString& text);

// Wraps widget's tooltip now and every time it is set from now on; a second
// call adds nothing.
void wrapToolTips(QWidget& widget);

}  // namespace velkora
