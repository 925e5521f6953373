// The window's commands for reading the picture more easily: the line width
// of the picture, reduced motion of the morph and fold windows' play buttons,
// and turning the solid by the arrow keys while the drawing area has the focus.

#include <QActionGroup>
#include <QMenu>

#include "ui/fold_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"

namespace velkora {

void TFVelkora::buildAccessCommands(QMenu* view) {
  view->addSeparator();
  QAction* picture =
      addCommand(view, QT_TR_NOOP("Zum &Bild (Pfeiltasten drehen)"), QKeySequence(Qt::Key_F6),
                 [this] { PB1.setFocus(Qt::ShortcutFocusReason); });
  picture->setObjectName(QStringLiteral("FocusPicture"));
  picture->setProperty(kOwnDescription, true);
  texts_.add([picture] {
    const QString text =
        tr("Gibt dem Bild die Tastatur: die Pfeiltasten drehen dann den Körper wie Alt+Pfeil, "
           "mit Umschalt um 1°; Tab geht zurück zu den Bedienelementen.");
    picture->setStatusTip(text);
    picture->setWhatsThis(text);
  });
  QMenu* widths = view->addMenu(QString());
  texts_.add([widths] { widths->setTitle(tr("&Linienstärke")); });
  widths->setObjectName(QStringLiteral("LineWidthMenu"));
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  for (int width = kMinLineWidth; width <= kMaxLineWidth; ++width) {
    QAction* action = addCommand(widths, QT_TR_NOOP("&%1 px"), QKeySequence(),
                                 [this, width] { setLineWidth(width); });
    action->setObjectName(QStringLiteral("LineWidth%1").arg(width));
    action->setCheckable(true);
    action->setChecked(width == lineWidth());
    action->setActionGroup(group);
    action->setProperty(kOwnDescription, true);
    texts_.add([action, width] {
      action->setText(tr("&%1 px").arg(width));
      const QString text = tr("Zeichnet Kanten und Eckmarken %1 Pixel breit.").arg(width);
      action->setStatusTip(text);
      action->setWhatsThis(text);
    });
    lineWidthActions_.append(action);
  }
  reducedMotionAction_ =
      addCommand(view, QT_TR_NOOP("Bewegung &reduzieren"), QKeySequence(),
                 [this] { setReducedMotion(reducedMotionAction_->isChecked()); });
  reducedMotionAction_->setObjectName(QStringLiteral("ReducedMotion"));
  reducedMotionAction_->setCheckable(true);
  reducedMotionAction_->setChecked(reducedMotion_);
  reducedMotionAction_->setProperty(kOwnDescription, true);
  texts_.add([this] {
    const QString text =
        tr("„Abspielen“ in den Fenstern Verwandlung und Netz falten bewegt nicht von selbst, "
           "sondern geht je Druck einen Schritt weiter.");
    reducedMotionAction_->setStatusTip(text);
    reducedMotionAction_->setWhatsThis(text);
  });
}

void TFVelkora::setLineWidth(int width) {
  guarded([this, width] {
    controller_.setLineWidth(width);
    for (QAction* action : lineWidthActions_) {
      action->setChecked(action == lineWidthActions_.value(lineWidth() - kMinLineWidth));
    }
    // Before the first showing there is no picture yet to draw again.
    if (shownBefore_) zeichnen();
  });
}

void TFVelkora::setReducedMotion(bool on) {
  guarded([this, on] {
    reducedMotion_ = on;
    if (reducedMotionAction_ != nullptr) reducedMotionAction_->setChecked(on);
    if (morph_ != nullptr) morph_->setReducedMotion(on);
    if (fold_ != nullptr) fold_->setReducedMotion(on);
  });
}

void TFVelkora::PB1Arrow(int key, bool fine) {
  guarded([this, key, fine] {
    // Exactly the command of Alt (and Shift) with the same key.
    const QKeySequence wanted(fine ? (Qt::ALT | Qt::SHIFT | Qt::Key(key))
                                   : (Qt::ALT | Qt::Key(key)));
    for (QAction* action : commands_) {
      if (action->shortcuts().contains(wanted) && action->isEnabled()) {
        action->trigger();
        return;
      }
    }
  });
}

}  // namespace velkora
