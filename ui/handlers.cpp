// The window's event handlers. Each one is thin: it reads the controls,
// calls the ViewerController, updates captions and the timer, and catches
// every error at its own boundary.

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include <QByteArray>
#include <QSignalBlocker>

#include "base/family.h"
#include "model/solid_catalogue.h"
#include "translations/solid_names.h"
#include "ui/cp1252.h"
#include "ui/main_window.h"
#include "ui/properties_command.h"

namespace velkora {

namespace {

constexpr int kListItemHeight = 14;
constexpr int kPreselectedEntry = 3;  // "Ikosaeder"

}  // namespace

// Loads both catalogues and sets the initial steps, markPoints and formReady.
void TFVelkora::FormCreate() {
  guarded([this] { controller_.create(); });
}

void TFVelkora::FormShow() {
  guarded([this] {
    // Filling and preselecting from code is not a user's selection: no LB1C.
    const QSignalBlocker quiet(Listbox1);
    Listbox1.clear();
    for (const ByteString& line : state().texts.names) {
      Listbox1.addItem(shownSolidName(listDisplayName(line)));
      QListWidgetItem* item = Listbox1.item(Listbox1.count() - 1);
      item->setData(Qt::UserRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
      item->setSizeHint(QSize(0, kListItemHeight));
    }
    const bool chosen = startPosition_ >= 0 && startPosition_ < Listbox1.count();
    const int start = chosen ? startPosition_ : kPreselectedEntry;
    Listbox1.setCurrentRow(start);
    if (chosen || startView_ != View::Polyhedron) {
      setViewCaptions(start);
      const QSignalBlocker quietRadios[] = {QSignalBlocker(RadioB1), QSignalBlocker(RadioB2),
                                            QSignalBlocker(RadioB3)};
      RadioB1.setChecked(startView_ == View::Polyhedron);
      RadioB2.setChecked(startView_ == View::InnerSphere);
      RadioB3.setChecked(startView_ == View::OuterSphere);
    }
    Timer1.setInterval(0);
  });
}

void TFVelkora::setStartSolid(int position, View view) {
  startPosition_ = position;
  startView_ = view;
}

void TFVelkora::setViewCaptions(int position) {
  // The list keeps the families in blocks, so the position gives the family.
  const Family family =
      position < 0 ? Family::Platonic : familyOf(std::min(position, kSolidCount - 1));
  RadioB3.setText(family == Family::Catalan ? tr("äußere Kugel") : tr("Umkugel"));
  RadioB2.setText(family == Family::Archimedean ? tr("innere Kugel") : tr("Velkora"));
  RadioB1.setToolTip(tr("Zeigt den Körper allein."));
  switch (family) {
    case Family::Archimedean:
      RadioB2.setToolTip(
          tr("Zeigt den Körper mit einer Kugel in seinem Innern, die seine nächstgelegenen Flächen "
             "berührt."));
      RadioB3.setToolTip(tr("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
    case Family::Catalan:
      RadioB2.setToolTip(tr("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(
          tr("Zeigt den Körper in einer äußeren Kugel durch seine entferntesten Ecken."));
      break;
    case Family::Platonic:
      RadioB2.setToolTip(tr("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(tr("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
  }
  // These are the tooltips of buttons that are on; off ones get theirs again.
  viewsOff_ = ViewsOff::Unknown;
}

void TFVelkora::FormDestroy() {
  Timer1.setInterval(0);
  controller_.destroy();
}

void TFVelkora::LB1C() {
  guarded([this] {
    Timer1.setInterval(0);
    Button1.setText(tr("Rotation"));
    setViewCaptions(Listbox1.currentRow());
    B1C();
  });
}

void TFVelkora::B1C() {
  guarded([this] {
    const QListWidgetItem* item = Listbox1.currentItem();
    if (item == nullptr) return;
    const QByteArray line = item->data(Qt::UserRole).toByteArray();
    controller_.load(std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
                     Listbox1.currentRow());
    if (inPresentation()) {
      fitForPresentation();  // draws
    } else {
      zeichnen();
    }
    properties_->follow(controller_.shownSolid());
    morphFollowsPick();
    updateViewButtons();
  });
}

void TFVelkora::zeichnen() { drawFrame(false); }

void TFVelkora::drawFrame(bool playTick) {
  // While the rotation runs, its next tick (as often as a play tick) draws
  // the frame of a play tick; one frame per tick is enough.
  if (playTick && Timer1.interval() != 0) return;
  guarded([this, playTick] {
    composeCurrentFrame();
    PB1.update();
    if (!playTick) describePicture();
  });
}

void TFVelkora::showChange(bool playTick) {
  updateViewButtons();
  drawFrame(playTick);
  properties_->follow(controller_.shownSolid());
}

void TFVelkora::composeCurrentFrame() {
  // At a screen scale above 100 % the frame is composed at the device's
  // resolution (rounded up) and shown at the logical size.
  const int scale = pixelScale();
  controller_.compose(viewState().view, PB1.width() * scale, PB1.height() * scale, scale);
  PB1.setPictureScale(scale);
  showFoldLabels();
  checkFold();
}

int TFVelkora::pixelScale() const {
  return std::clamp(static_cast<int>(std::ceil(PB1.devicePixelRatioF() - 1e-9)), 1, 4);
}

void TFVelkora::CB1C() {
  guarded([this] {
    controller_.setMarks(CPunkte.isChecked());
    zeichnen();
  });
}

void TFVelkora::B2C() {
  guarded([this] {
    if (Timer1.interval() == 0) {
      Timer1.setInterval(kAnimationInterval);
      Button1.setText(tr("Abbruch"));
      controller_.prepareAnimation();
    } else {
      Timer1.setInterval(0);
      Button1.setText(tr("Rotation"));
    }
    describePicture();
  });
}

void TFVelkora::T1Tim() {
  guarded([this] {
    try {
      controller_.tick();
      composeCurrentFrame();
      PB1.update();
    } catch (...) {
      // One error box, not one per tick: a failing animation stops.
      Timer1.setInterval(0);
      Button1.setText(tr("Rotation"));
      throw;
    }
  });
}

void TFVelkora::t6C(const QObject* sender) {
  guarded([this, sender] {
    const std::array<const QSpinBox*, 3> spins{&SpinEdit1, &SpinEdit2, &SpinEdit3};
    for (int axis = 0; axis < 3; ++axis) {
      const QSpinBox* spin = spins[static_cast<std::size_t>(axis)];
      if (sender == spin && controller_.setStep(axis, spin->value())) zeichnen();
    }
  });
}

void TFVelkora::S8C(const QObject* sender) {
  guarded([this, sender] {
    if (sender == &Speed2) {
      controller_.zoom(1);
    } else if (sender == &Speed3) {
      controller_.zoom(-1);
    } else {
      return;
    }
    zeichnen();
  });
}

void TFVelkora::PB1MD(Qt::MouseButton button, QPoint position) {
  guarded([this, button, position] {
    if (controller_.press(button == Qt::LeftButton, position.x(), position.y())) {
      setMoveCursor(true);
    }
  });
}

void TFVelkora::PB1MM(QPoint position) {
  guarded([this, position] {
    if (controller_.move(position.x(), position.y())) {
      zeichnen();
    }
  });
}

void TFVelkora::PB1MU(Qt::MouseButton /*button*/, QPoint /*position*/) {
  guarded([this] {
    controller_.release();
    setMoveCursor(false);
  });
}

}  // namespace velkora
