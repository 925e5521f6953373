#include "ui/jitterbug_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "render/face_tints.h"
#include "text/number_text.h"
#include "translations/solid_names.h"
#include "viewer/viewer.h"

namespace velkora {
namespace {

QString colourBox(std::uint32_t tint) {
  return QStringLiteral("<span style=\"background-color:#%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>")
      .arg(tint & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

}  // namespace

JitterbugWindow::JitterbugWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent)
    : QWidget(parent, Qt::Window),
      viewer_(viewer),
      player_(slider_, play_),
      tool_(*this, {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                    QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End)}) {
  setObjectName(QStringLiteral("Jitterbug"));
  slider_.setObjectName(QStringLiteral("JitterbugSlider"));
  slider_.setRange(0, kSteps);
  stopName_.setObjectName(QStringLiteral("JitterbugStopName"));
  tints_.setObjectName(QStringLiteral("JitterbugTints"));
  tints_.setTextFormat(Qt::RichText);
  play_.setObjectName(QStringLiteral("JitterbugPlay"));
  tool_.texts().add([this] {
    player_.showCaption();
    setWindowTitle(tr("Jitterbug"));
    setAccessibleName(tr("Jitterbug"));
    setAccessibleDescription(
        tr("Die acht Dreiecke des Kuboktaeders drehen sich um j mal 60 Grad, bis sie sich zum "
           "Oktaeder schließen: ein Regler für j, die Haltepunkte als Knöpfe und Abspielen."));
    slider_.setAccessibleName(tr("Parameter j"));
    slider_.setAccessibleDescription(
        tr("Von 0 (das Kuboktaeder) bis 1 (das Oktaeder); die Striche sind die Haltepunkte."));
    stopName_.setAccessibleName(tr("Stelle"));
    play_.setAccessibleName(tr("Abspielen"));
    tints_.setText(tr("%1 die acht drehenden Dreiecke, %2 die Flächen, die sich dazwischen öffnen")
                       .arg(colourBox(kindTint(0)), colourBox(kindTint(1))));
    describe();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&slider_);
  layout->addWidget(&stopName_);
  layout->addWidget(&tints_);
  layout->addWidget(&stopButtons_);
  auto* row = new QHBoxLayout;
  row->addWidget(&play_);
  row->addStretch();
  layout->addLayout(row);
  resize(420, 220);

  connect(&slider_, &QSlider::valueChanged, this, [this, &report](int) {
    showStopName();
    runGuarded(report, [this] { viewer_.setJitterbugParameter(parameter(), player_.ticking()); });
  });
  connect(&player_, &SliderPlayer::stopped, this,
          [this, &report] { runGuarded(report, [this] { viewer_.playStopped(); }); });
}

void JitterbugWindow::follow() {
  if (!viewer_.toolOpen(Tool::Jitterbug)) {
    player_.setPlaying(false);
    return;
  }
  if (viewer_.jitterbugRounds() == roundShown_) return;
  roundShown_ = viewer_.jitterbugRounds();
  showStops();
}

void JitterbugWindow::showStops() {
  player_.setPlaying(false);
  stops_ = viewer_.controller().jitterbugStops();
  std::vector<double> parameters;
  for (const JitterbugStop& stop : stops_)
    parameters.push_back(stop.j);
  slider_.setStops(std::move(parameters));
  stopButtons_.setButtons(static_cast<int>(stops_.size()), QStringLiteral("JitterbugStop"),
                          [this](int k) {
                            player_.setPlaying(false);
                            moveTo(stops_[static_cast<std::size_t>(k)].j);
                          });
  const QSignalBlocker quiet(slider_);
  slider_.setValue(
      static_cast<int>(std::lround(viewer_.controller().jitterbugParameter() * kSteps)));
  describe();
}

void JitterbugWindow::describe() {
  QStringList names;
  for (int k = 0; k < static_cast<int>(stops_.size()); ++k) {
    const JitterbugStop& stop = stops_[static_cast<std::size_t>(k)];
    const QString name = shownSolidName(QString::fromStdString(stop.name));
    const QString j = QString::fromStdString(peopleNumber(stop.j, 4));
    names << QStringLiteral("j = %1: %2").arg(j, name);
    if (k < stopButtons_.count()) {
      QPushButton& button = stopButtons_.button(k);
      button.setText(QStringLiteral("%1 (j = %2)").arg(name, j));
      button.setToolTip(tr("Setzt j auf %1, wo der Körper %2 ist.").arg(j, name));
    }
  }
  slider_.setToolTip(tr("Die Striche zeigen die Haltepunkte:\n") + names.join(QLatin1Char('\n')));
  showStopName();
}

void JitterbugWindow::moveTo(double j) { slider_.moveTo(j); }

double JitterbugWindow::parameter() const { return slider_.parameter(); }

void JitterbugWindow::showStopName() {
  QStringList names;
  for (const auto& stop : stops_)
    names << shownSolidName(QString::fromStdString(stop.name));
  stopName_.setText(slider_.positionText(QLatin1Char('j'), names));
}

void JitterbugWindow::closeEvent(QCloseEvent* event) {
  player_.setPlaying(false);
  event->accept();
}

}  // namespace velkora
