// The window's event handlers. Each one is thin: it reads the controls,
// calls the catalogue, model, motion and render functions on the
// ViewerState, and catches every error at its own boundary.

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include <QByteArray>
#include <QSignalBlocker>

#include "base/family.h"
#include "model/load.h"
#include "model/solid_catalogue.h"
#include "model/zoom.h"
#include "motion/motion_state.h"
#include "render/frame.h"
#include "ui/cp1252.h"
#include "ui/main_window.h"
#include "ui/properties_window.h"

namespace velkora {

namespace {

constexpr int kListItemHeight = 14;
constexpr int kPreselectedEntry = 3;  // "Ikosaeder"

}  // namespace

void TFVelkora::FormCreate() {
  guarded([this] {
    state_.texts = loadCatalogueTexts();
    state_.motion.stepX = 0.0;
    state_.motion.stepY = 0.0;
    state_.motion.stepZ = 0.5;
    state_.markPoints = false;
    state_.motion.formReady = true;
  });
}

void TFVelkora::FormShow() {
  guarded([this] {
    // Filling and preselecting from code is not a user's selection: no LB1C.
    const QSignalBlocker quiet(Listbox1);
    Listbox1.clear();
    for (const ByteString& line : state_.texts.names) {
      Listbox1.addItem(listDisplayName(line));
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

int TFVelkora::selectedPosition() const { return Listbox1.currentRow(); }

void TFVelkora::setViewCaptions(int position) {
  // The list keeps the families in blocks, so the position gives the family.
  const Family family =
      position < 0 ? Family::Platonic : familyOf(std::min(position, kSolidCount - 1));
  RadioB3.setText(family == Family::Catalan ? QStringLiteral("äußere Kugel")
                                            : QStringLiteral("Umkugel"));
  RadioB2.setText(family == Family::Archimedean ? QStringLiteral("innere Kugel")
                                                : QStringLiteral("Velkora"));
  RadioB1.setToolTip(QStringLiteral("Zeigt den Körper allein."));
  switch (family) {
    case Family::Archimedean:
      RadioB2.setToolTip(QStringLiteral(
          "Zeigt den Körper mit einer Kugel in seinem Innern, die seine nächstgelegenen Flächen "
          "berührt."));
      RadioB3.setToolTip(QStringLiteral("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
    case Family::Catalan:
      RadioB2.setToolTip(
          QStringLiteral("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(QStringLiteral(
          "Zeigt den Körper in einer äußeren Kugel durch seine entferntesten Ecken."));
      break;
    case Family::Platonic:
      RadioB2.setToolTip(
          QStringLiteral("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(QStringLiteral("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
  }
}

void TFVelkora::FormDestroy() {
  Timer1.setInterval(0);
  state_.texts = CatalogueTexts{};
}

void TFVelkora::LB1C() {
  guarded([this] {
    Timer1.setInterval(0);
    Button1.setText(QStringLiteral("Rotation"));
    setViewCaptions(Listbox1.currentRow());
    B1C();
  });
}

void TFVelkora::B1C() {
  guarded([this] {
    const QListWidgetItem* item = Listbox1.currentItem();
    if (item == nullptr) return;
    const QByteArray line = item->data(Qt::UserRole).toByteArray();
    loadModel(state_.model,
              std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
              state_.texts.vertexLines, state_.texts.faceLines);
    ++loadCount_;
    presentationFit_ = 1.0;
    if (inPresentation()) {
      fitForPresentation();  // draws
    } else {
      zeichnen();
    }
    if (properties_ != nullptr && properties_->isVisible()) {
      properties_->showSolid(selectedPosition());
    }
  });
}

void TFVelkora::zeichnen() {
  guarded([this] {
    composeCurrentFrame();
    PB1.update();
  });
}

void TFVelkora::composeCurrentFrame() {
  // At a screen scale above 100 % the frame is composed at the device's
  // resolution (rounded up) and shown at the logical size.
  const int scale = pixelScale();
  composeFrame(state_.model, viewState(), PB1.width() * scale, PB1.height() * scale, buffers_,
               scale);
  PB1.setPictureScale(scale);
}

int TFVelkora::pixelScale() const {
  return std::clamp(static_cast<int>(std::ceil(PB1.devicePixelRatioF() - 1e-9)), 1, 4);
}

void TFVelkora::CB1C() {
  guarded([this] {
    state_.markPoints = CPunkte.isChecked();
    zeichnen();
  });
}

void TFVelkora::B2C() {
  guarded([this] {
    if (Timer1.interval() == 0) {
      Timer1.setInterval(kAnimationInterval);
      Button1.setText(QStringLiteral("Abbruch"));
      prepareAnimationStart(state_.motion);
    } else {
      Timer1.setInterval(0);
      Button1.setText(QStringLiteral("Rotation"));
    }
  });
}

void TFVelkora::T1Tim() {
  guarded([this] {
    try {
      rechnen(state_.model, state_.motion);
      composeCurrentFrame();
      PB1.update();
    } catch (...) {
      // One error box, not one per tick: a failing animation stops.
      Timer1.setInterval(0);
      Button1.setText(QStringLiteral("Rotation"));
      throw;
    }
  });
}

void TFVelkora::t6C(const QObject* sender) {
  guarded([this, sender] {
    const std::array<const QSpinBox*, 3> spins{&SpinEdit1, &SpinEdit2, &SpinEdit3};
    for (int axis = 0; axis < 3; ++axis) {
      if (sender == spins[static_cast<std::size_t>(axis)]) {
        setStepFromSpin(state_.motion, axis, spins[static_cast<std::size_t>(axis)]->value());
      }
    }
    if (state_.motion.formReady) {
      rechnen(state_.model, state_.motion);
      zeichnen();
    }
  });
}

void TFVelkora::S8C(const QObject* sender) {
  guarded([this, sender] {
    if (sender == &Speed2) {
      zoomModel(state_.model, kEnlargeFactor);
    } else if (sender == &Speed3) {
      zoomModel(state_.model, kShrinkFactor);
    } else {
      return;
    }
    zeichnen();
  });
}

void TFVelkora::PB1MD(Qt::MouseButton button, QPoint position) {
  guarded([this, button, position] {
    if (dragPress(state_.motion, button == Qt::LeftButton, position.x(), position.y())) {
      setMoveCursor(true);
    }
  });
}

void TFVelkora::PB1MM(QPoint position) {
  guarded([this, position] {
    if (dragMove(state_.model, state_.motion, position.x(), position.y())) {
      zeichnen();
    }
  });
}

void TFVelkora::PB1MU(Qt::MouseButton /*button*/, QPoint /*position*/) {
  guarded([this] {
    dragRelease(state_.motion);
    setMoveCursor(false);
  });
}

}  // namespace velkora
