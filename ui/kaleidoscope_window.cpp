#include "ui/kaleidoscope_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

#include "kaleidoscope/kaleidoscope_tour.h"
#include "text/ui_text.h"
#include "translations/solid_names.h"
#include "viewer/viewer.h"

namespace velkora {

namespace {

constexpr int kTickMs = 10;
constexpr int kStepsPerLeg = 100;  // 1 s from one stop to the next
constexpr double kSameWeight = 1e-6;

bool sameWeights(WythoffWeights x, WythoffWeights y) {
  return std::fabs(x.a - y.a) < kSameWeight && std::fabs(x.b - y.b) < kSameWeight &&
         std::fabs(x.c - y.c) < kSameWeight;
}

}  // namespace

KaleidoscopeWindow::KaleidoscopeWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent)
    : QWidget(parent, Qt::Window),
      viewer_(viewer),
      triangle_([this](WythoffWeights w) {
        showStopName(w);
        emit weightsChanged(w);
      }),
      tool_(*this, {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                    QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)}) {
  setObjectName(QStringLiteral("Kaleidoskop"));
  family_.setObjectName(QStringLiteral("KaleidoscopeFamily"));
  family_.addItems({QString(), QString(), QString()});
  snub_.setObjectName(QStringLiteral("KaleidoscopeSnub"));
  mirror_.setObjectName(QStringLiteral("KaleidoscopeMirror"));
  mirror_.setEnabled(false);
  stopName_.setObjectName(QStringLiteral("KaleidoscopeStopName"));
  tourButton_.setObjectName(QStringLiteral("KaleidoscopeTour"));
  timer_.setInterval(kTickMs);
  tool_.texts().add([this] {
    setWindowTitle(tr("Kaleidoskop"));
    family_.setItemText(0, tr("T: Tetraeder-Familie"));
    family_.setItemText(1, tr("O: Oktaeder-Familie"));
    family_.setItemText(2, tr("I: Ikosaeder-Familie"));
    snub_.setText(tr("Abschrägen"));
    mirror_.setText(tr("Spiegelbild"));
    tourButton_.setText(touring() ? tr("Anhalten") : tr("Rundgang"));
    nameStops();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&family_);
  auto* choices = new QHBoxLayout;
  choices->addWidget(&snub_);
  choices->addWidget(&mirror_);
  choices->addStretch();
  layout->addLayout(choices);
  layout->addWidget(&triangle_, 1);
  layout->addWidget(&stopName_);
  layout->addWidget(&stopButtons_);
  auto* row = new QHBoxLayout;
  row->addWidget(&tourButton_);
  row->addStretch();
  layout->addLayout(row);
  resize(420, 560);
  tool_.texts().add([this] { applyAccessibleTexts(); });

  connect(&family_, &QComboBox::activated, this, [this](int index) {
    setTouring(false);
    emit familyChosen(static_cast<WythoffFamily>(index));
  });
  // The boxes as the user left them; the core decides what they mean.
  const auto chooseSnub = [this, &report] {
    runGuarded(report,
               [this] { viewer_.setKaleidoscopeSnub(snub_.isChecked(), mirror_.isChecked()); });
    showSnubChoice();  // also after a refusal
  };
  connect(&snub_, &QCheckBox::clicked, this, chooseSnub);
  connect(&mirror_, &QCheckBox::clicked, this, chooseSnub);
  connect(&tourButton_, &QPushButton::clicked, this, [this] { setTouring(!touring()); });
  connect(&timer_, &QTimer::timeout, this, [this] { tourTick(); });

  connect(this, &KaleidoscopeWindow::familyChosen, this, [this, &report](WythoffFamily family) {
    runGuarded(report, [this, family] { viewer_.setKaleidoscopeFamily(family); });
  });
  connect(this, &KaleidoscopeWindow::weightsChanged, this, [this, &report](WythoffWeights w) {
    runGuarded(report, [this, w] { viewer_.setKaleidoscopeWeights(w); });
  });
  // A stop's solid is picked as from the list; the list follows the core.
  connect(this, &KaleidoscopeWindow::positionPicked, this, [this, &report](int position) {
    runGuarded(report, [this, position] { viewer_.pick(position); });
  });
}

void KaleidoscopeWindow::showSnubChoice() {
  snub_.setChecked(viewer_.kaleidoscopeSnub());
  mirror_.setChecked(viewer_.kaleidoscopeMirror());
  mirror_.setEnabled(viewer_.kaleidoscopeSnub());
}

void KaleidoscopeWindow::follow() {
  showSnubChoice();
  if (!viewer_.toolOpen(Tool::Kaleidoscope)) {
    setTouring(false);
    return;
  }
  if (viewer_.kaleidoscopeRounds() == roundShown_) return;
  roundShown_ = viewer_.kaleidoscopeRounds();
  showFamily(viewer_.kaleidoscopeFamily(), viewer_.controller().kaleidoscopeStops(),
             viewer_.kaleidoscopeStart());
}

void KaleidoscopeWindow::showFamily(WythoffFamily family,
                                    const std::vector<KaleidoscopeStop>& stops,
                                    WythoffWeights start) {
  setTouring(false);
  stops_ = stops;
  family_.setCurrentIndex(static_cast<int>(family));
  stopButtons_.setButtons(static_cast<int>(stops.size()), QStringLiteral("KaleidoscopeStop"),
                          [this](int k) {
                            setTouring(false);
                            emit positionPicked(stops_[static_cast<std::size_t>(k)].position);
                          });

  nameStops();
  tour_ = kaleidoscopeTour(stops);
  leg_ = 0;
  stepInLeg_ = 0;
  triangle_.placeQuietly(start);
  showStopName(triangle_.weights());
}

void KaleidoscopeWindow::nameStops() {
  std::vector<TriangleView::Mark> marks;
  int k = 0;
  for (const KaleidoscopeStop& stop : stops_) {
    const QString name = shownSolidName(QString::fromStdString(stop.name));
    marks.push_back({stop.weights, name});
    if (k < stopButtons_.count()) {
      QPushButton& button = stopButtons_.button(k);
      button.setText(name);
      button.setToolTip(tr("Wählt diesen Körper in der Liste."));
      button.setAccessibleDescription(tr("Wählt diesen Körper in der Liste."));
    }
    ++k;
  }
  triangle_.setMarks(marks);
  showStopName(triangle_.weights());
}

void KaleidoscopeWindow::setTouring(bool on) {
  if (on == touring()) return;
  if (on) {
    leg_ = 0;
    stepInLeg_ = 0;
    timer_.start();
  } else {
    timer_.stop();
  }
  tourButton_.setText(on ? tr("Anhalten") : tr("Rundgang"));
}

void KaleidoscopeWindow::tourTick() {
  if (tour_.size() < 2) return;
  ++stepInLeg_;
  if (stepInLeg_ >= kStepsPerLeg) {
    triangle_.setWeights(tour_[(leg_ + 1) % tour_.size()]);  // exactly on the stop
    stepInLeg_ = 0;
    leg_ = (leg_ + 1) % tour_.size();
    return;
  }
  triangle_.setWeights(tourPoint(tour_, leg_, static_cast<double>(stepInLeg_) / kStepsPerLeg));
}

void KaleidoscopeWindow::showStopName(WythoffWeights weights) {
  QString text = tr("Gewichte %1 : %2 : %3")
                     .arg(weights.a, 0, 'f', 3)
                     .arg(weights.b, 0, 'f', 3)
                     .arg(weights.c, 0, 'f', 3);
  if (decimalComma()) text.replace(QLatin1Char('.'), QLatin1Char(','));
  for (const KaleidoscopeStop& stop : stops_) {
    if (sameWeights(stop.weights, weights))
      text += QStringLiteral(": ") + shownSolidName(QString::fromStdString(stop.name));
  }
  stopName_.setText(text);
}

void KaleidoscopeWindow::closeEvent(QCloseEvent* event) {
  setTouring(false);
  event->accept();
}

void KaleidoscopeWindow::applyAccessibleTexts() {
  setAccessibleName(tr("Kaleidoskop"));
  setAccessibleDescription(
      tr("Wythoffs Konstruktion: ein Punkt im Dreieck der Spiegel wird über die Kugel "
         "gespiegelt; die Hülle der Bilder ist der Körper im Hauptfenster."));
  family_.setAccessibleName(tr("Symmetriefamilie"));
  family_.setAccessibleDescription(tr("Die Spiegelgruppe: Tetraeder, Oktaeder oder Ikosaeder."));
  family_.setToolTip(tr("Wählt die Symmetriefamilie, deren Spiegel den Punkt abbilden."));
  snub_.setAccessibleDescription(
      tr("Nur die Drehungen der Familie bilden den Punkt ab, nicht ihre Spiegelungen."));
  snub_.setToolTip(
      tr("Die Hülle der Bilder des Punkts unter den Drehungen allein: im Innern des Dreiecks "
         "ein abgeschrägter Körper."));
  mirror_.setAccessibleDescription(tr("Der abgeschrägte Körper in seiner anderen Händigkeit."));
  mirror_.setToolTip(tr("Zeigt das Spiegelbild des abgeschrägten Körpers."));
  triangle_.setAccessibleName(tr("Spiegeldreieck"));
  triangle_.setAccessibleDescription(
      tr("Der Punkt im Dreieck der Spiegel; die Pfeiltasten verschieben ihn, an den "
         "Haltepunkten rastet er ein."));
  stopName_.setAccessibleName(tr("Haltepunkt"));
  stopName_.setAccessibleDescription(
      tr("Der Körper am Haltepunkt, wenn der Punkt auf einem liegt."));
  tourButton_.setAccessibleDescription(
      tr("Führt den Punkt an allen Haltepunkten vorbei oder hält ihn an."));
  tourButton_.setToolTip(
      tr("Führt den Punkt die Seiten entlang und ins Innere, an jedem "
         "Haltepunkt vorbei."));
}

}  // namespace velkora
