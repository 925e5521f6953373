#include "ui/morph_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QStringList>
#include <QVBoxLayout>

#include <cmath>

#include "text/number_text.h"
#include "translations/solid_names.h"
#include "viewer/viewer.h"

namespace velkora {

MorphWindow::MorphWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent)
    : QWidget(parent, Qt::Window),
      viewer_(viewer),
      player_(slider_, play_),
      tool_(*this, {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                    QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End)}) {
  setObjectName(QStringLiteral("Verwandlung"));
  slider_.setObjectName(QStringLiteral("MorphSlider"));
  slider_.setRange(0, kSteps);
  stopName_.setObjectName(QStringLiteral("MorphStopName"));
  ends_.setObjectName(QStringLiteral("MorphEnds"));
  ends_.setWordWrap(true);
  play_.setObjectName(QStringLiteral("MorphPlay"));
  touchMarks_.setObjectName(QStringLiteral("MorphTouchMarks"));
  tool_.texts().add([this] {
    player_.showCaption();
    setWindowTitle(tr("Verwandlung"));
    touchMarks_.setText(tr("&Berührpunkte"));
    touchMarks_.setToolTip(
        tr("Markiert die Punkte, in denen die Kanten des Körpers die Kantenkugel berühren. Dort "
           "berühren auch die Kanten des dualen Körpers die Kugel; bei t = 0,5 sind es genau die "
           "Ecken."));
    describePath();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&ends_);
  layout->addWidget(&slider_);
  layout->addWidget(&stopName_);
  layout->addWidget(&stopButtons_);
  auto* row = new QHBoxLayout;
  row->addWidget(&play_);
  row->addStretch();
  row->addWidget(&touchMarks_);
  layout->addLayout(row);
  resize(420, 260);

  connect(&slider_, &QSlider::valueChanged, this, [this](int) {
    showStopName();
    emit parameterChanged(parameter());
  });
  connect(&touchMarks_, &QCheckBox::toggled, this, &MorphWindow::touchMarksChanged);
  tool_.texts().add([this] { applyAccessibleTexts(); });

  connect(this, &MorphWindow::parameterChanged, this, [this, &report](double t) {
    runGuarded(report, [this, t] { viewer_.setMorphParameter(t, player_.ticking()); });
  });
  connect(this, &MorphWindow::touchMarksChanged, this, [this, &report](bool on) {
    runGuarded(report, [this, on] { viewer_.setTouchMarks(on); });
  });
  connect(&player_, &SliderPlayer::stopped, this,
          [this, &report] { runGuarded(report, [this] { viewer_.playStopped(); }); });
}

void MorphWindow::follow() {
  if (!viewer_.toolOpen(Tool::Morph)) {
    setPlaying(false);
    return;
  }
  if (viewer_.morphPaths() == pathShown_) return;
  pathShown_ = viewer_.morphPaths();
  showPath(viewer_.controller().morphStops());
}

void MorphWindow::applyAccessibleTexts() {
  setAccessibleName(tr("Verwandlung"));
  setAccessibleDescription(
      tr("Verwandelt den gezeigten Körper in seinen dualen Körper: ein "
         "Regler für t, die Haltepunkte als Knöpfe und Abspielen."));
  ends_.setAccessibleName(tr("Anfang und Ende"));
  ends_.setAccessibleDescription(tr("Der Körper bei t = 0 und sein dualer Körper bei t = 1."));
  slider_.setAccessibleName(tr("Parameter t"));
  slider_.setAccessibleDescription(
      tr("Von 0 (der Körper) bis 1 (sein dualer Körper); die Striche sind die Haltepunkte."));
  stopName_.setAccessibleName(tr("Stelle"));
  stopName_.setAccessibleDescription(
      tr("Der Wert von t und der Körper, wenn t ein Haltepunkt ist."));
  play_.setAccessibleName(tr("Abspielen"));
  showPlayDescription();
  touchMarks_.setAccessibleDescription(
      tr("Markiert die Punkte, in denen die Kanten die Kantenkugel berühren."));
}

void MorphWindow::setReducedMotion(bool on) {
  player_.setStepwise(on);
  showPlayDescription();
}

void MorphWindow::showPlayDescription() {
  const QString text =
      reducedMotion()
          ? tr("Bewegung reduziert: jeder Druck verschiebt t um ein Zehntel, an den Enden "
               "kehrt es um.")
          : tr("Spielt die Verwandlung von 0 bis 1 und zurück ab oder hält sie an.");
  play_.setAccessibleDescription(text);
  play_.setToolTip(text);
}

void MorphWindow::showPath(const std::vector<SolidStop>& stops) {
  setPlaying(false);
  stops_ = stops;
  std::vector<double> parameters;
  for (const SolidStop& stop : stops)
    parameters.push_back(stop.t);
  slider_.setStops(std::move(parameters));
  stopButtons_.setButtons(static_cast<int>(stops.size()), QStringLiteral("MorphStop"),
                          [this](int k) {
                            setPlaying(false);
                            moveTo(stops_[static_cast<std::size_t>(k)].t);
                          });
  describePath();
  const QSignalBlocker quiet(slider_);
  slider_.setValue(0);
  showStopName();
}

void MorphWindow::describePath() {
  QStringList names;
  int k = 0;
  for (const SolidStop& stop : stops_) {
    const QString name = shownSolidName(QString::fromStdString(stop.name));
    const QString t = QString::fromStdString(peopleNumber(stop.t, 4));
    names << QStringLiteral("t = %1: %2").arg(t, name);
    if (k < stopButtons_.count()) {
      QPushButton& button = stopButtons_.button(k);
      button.setText(QStringLiteral("%1 (t = %2)").arg(name, t));
      button.setAccessibleDescription(tr("Setzt t auf diesen Haltepunkt."));
      button.setToolTip(tr("Setzt t auf %1, wo der Körper %2 ist.").arg(t, name));
    }
    ++k;
  }
  slider_.setToolTip(tr("Die Striche zeigen die Haltepunkte:\n") + names.join(QLatin1Char('\n')));
  const QString from =
      stops_.empty() ? QString() : shownSolidName(QString::fromStdString(stops_.front().name));
  const QString to =
      stops_.empty() ? QString() : shownSolidName(QString::fromStdString(stops_.back().name));
  ends_.setText(tr("Von %1 (t = 0) zu %2 (t = 1)").arg(from, to));
  showStopName();
}

void MorphWindow::moveTo(double t) { slider_.moveTo(t); }

double MorphWindow::parameter() const { return slider_.parameter(); }

void MorphWindow::showStopName() {
  QStringList names;
  for (const auto& stop : stops_)
    names << shownSolidName(QString::fromStdString(stop.name));
  stopName_.setText(slider_.positionText(QLatin1Char('t'), names));
}

void MorphWindow::closeEvent(QCloseEvent* event) {
  setPlaying(false);
  event->accept();
}

}  // namespace velkora
