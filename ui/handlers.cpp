// The window's event handlers, under the original window's names. Each one is
// thin: it reads its control, gives the viewer core a command and catches
// every error at its own boundary; the core's listener shows the result.

#include <array>
#include <string_view>

#include <QByteArray>
#include <QSignalBlocker>

#include "model/solid_catalogue.h"
#include "properties/pick_facts.h"
#include "translations/solid_names.h"
#include "ui/cp1252.h"
#include "ui/main_window.h"
#include "ui/window_settings.h"

namespace velkora {

namespace {

constexpr int kListItemHeight = 14;

}  // namespace

void TFVelkora::FormCreate() {
  guarded([this] { viewer_.create(); });
}

void TFVelkora::FormShow() {
  guarded([this] {
    QListWidget& list = controls_.Listbox1;
    // Filling and preselecting from code is not a user's selection: no LB1C.
    const QSignalBlocker quiet(list);
    list.clear();
    for (const ByteString& line : viewer_.listLines()) {
      list.addItem(shownSolidName(listDisplayName(line)));
      QListWidgetItem* item = list.item(list.count() - 1);
      item->setData(Qt::UserRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
      item->setSizeHint(QSize(0, kListItemHeight));
    }
    const int chosen = settings_->startPosition();
    const View view = settings_->startView();
    const int start = viewer_.startPosition(chosen);
    list.setCurrentRow(start);
    if (start == chosen || view != View::Polyhedron) {
      controls_.setCaptions(captionFamilyOf(start));
      controls_.showView(view);
    }
    viewer_.preselect(start, controls_.checkedView());
    viewer_.setRotating(false);
  });
}

void TFVelkora::FormDestroy() { viewer_.destroy(); }

void TFVelkora::LB1C() {
  guarded([this] { viewer_.pick(controls_.Listbox1.currentRow()); });
}

void TFVelkora::B1C() {
  guarded([this] {
    if (controls_.Listbox1.currentItem() == nullptr) return;
    viewer_.preselect(controls_.Listbox1.currentRow(), viewer_.view());
    viewer_.reload();
  });
}

void TFVelkora::zeichnen() {
  guarded([this] { viewer_.draw(); });
}

void TFVelkora::CB1C() {
  guarded([this] { viewer_.setMarks(controls_.CPunkte.isChecked()); });
}

void TFVelkora::B2C() {
  guarded([this] { viewer_.setRotating(!viewer_.rotating()); });
}

void TFVelkora::T1Tim() {
  // A failing rotation stops in the core: one error box, not one per tick.
  guarded([this] { viewer_.tick(); });
}

void TFVelkora::t6C(const QObject* sender) {
  guarded([this, sender] {
    const std::array<const QSpinBox*, 3> spins{&controls_.SpinEdit1, &controls_.SpinEdit2,
                                               &controls_.SpinEdit3};
    for (int axis = 0; axis < 3; ++axis) {
      const QSpinBox* spin = spins[static_cast<std::size_t>(axis)];
      if (sender == spin) viewer_.setStep(axis, spin->value());
    }
  });
}

void TFVelkora::S8C(const QObject* sender) {
  guarded([this, sender] {
    if (sender == &controls_.Speed2) {
      viewer_.zoom(1);
    } else if (sender == &controls_.Speed3) {
      viewer_.zoom(-1);
    }
  });
}

void TFVelkora::PB1MD(Qt::MouseButton button, QPoint position) {
  guarded([this, button, position] {
    if (viewer_.press(button == Qt::LeftButton, position.x(), position.y())) setMoveCursor(true);
  });
}

void TFVelkora::PB1Pick(QPoint position) {
  guarded([this, position] {
    if (!viewer_.pickVertex(position.x(), position.y()))
      viewer_.pickFace(position.x(), position.y());
  });
}

QString TFVelkora::pickLine() const { return QString::fromStdString(pickText(viewer_.picked())); }

void TFVelkora::PB1MM(QPoint position) {
  guarded([this, position] { viewer_.move(position.x(), position.y()); });
}

void TFVelkora::PB1MU(Qt::MouseButton /*button*/, QPoint /*position*/) {
  guarded([this] {
    viewer_.release();
    setMoveCursor(false);
  });
}

}  // namespace velkora
