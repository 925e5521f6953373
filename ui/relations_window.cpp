#include "ui/relations_window.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

#include "base/family.h"
#include "exports/picture.h"
#include "model/model.h"
#include "translations/solid_names.h"

namespace velkora {
namespace {

// The map is laid out in units of a 1180 x 730 plan, scaled to the window.
constexpr double kPlanWidth = 1180.0;
constexpr double kPlanHeight = 730.0;
constexpr double kMiddleY = 340.0;
constexpr double kPicture = 64.0;   // a solid's picture, in plan units
constexpr double kLineReach = 5.0;  // pixels from a line that count as on it
// The middles of the three symmetry groups' parts: T, O, I.
constexpr std::array<double, 3> kGroupX{100.0, 430.0, 915.0};
constexpr double kInnerX = 135.0, kInnerY = 160.0;  // the Archimedean ring's half axes
constexpr double kOuterX = 210.0, kOuterY = 300.0;  // the Catalan ring's
constexpr double kPi = 3.14159265358979323846;

// Colours that colour-blind viewers can tell apart (Okabe and Ito), per kind.
QColor kindColour(RelationKind kind) {
  switch (kind) {
    case RelationKind::Dual:
      return QColor(0x77, 0x77, 0x77);
    case RelationKind::Truncate:
      return QColor(0xE6, 0x9F, 0x00);
    case RelationKind::Rectify:
      return QColor(0x56, 0xB4, 0xE9);
    case RelationKind::Cantellate:
      return QColor(0x00, 0x9E, 0x73);
    case RelationKind::Omnitruncate:
      return QColor(0xCC, 0x79, 0xA7);
    case RelationKind::Snub:
      return QColor(0xD5, 0x5E, 0x00);
    case RelationKind::Jitterbug:
      return QColor(0x00, 0x72, 0xB2);
  }
  return Qt::black;
}

constexpr std::array<RelationKind, 7> kKinds{RelationKind::Dual,         RelationKind::Truncate,
                                             RelationKind::Rectify,      RelationKind::Cantellate,
                                             RelationKind::Omnitruncate, RelationKind::Snub,
                                             RelationKind::Jitterbug};

int groupOf(WythoffFamily family) { return static_cast<int>(family); }

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t =
      length2 > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + ab * t;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

RelationsWindow::RelationsWindow(CatalogueSource catalogue, QWidget* parent)
    : QWidget(parent, Qt::Window), catalogue_(std::move(catalogue)), tool_(*this) {
  setObjectName(QStringLiteral("Verwandtschaften"));
  setMinimumSize(660, 420);
  resize(980, 640);
  setMouseTracking(true);
  tool_.texts().add([this] {
    setWindowTitle(tr("Verwandtschaften"));
    setAccessibleName(tr("Verwandtschaften"));
    setAccessibleDescription(
        tr("Die 31 Körper und ihre Verwandtschaften: ein Klick auf einen Körper wählt ihn, "
           "ein Klick auf eine Linie öffnet das Werkzeug, das diesen Weg zeigt."));
    if (built_) {
      for (std::size_t p = 0; p < names_.size(); ++p)
        names_[p] = shownSolidName(QString::fromStdString(catalogue_()[p].name));
    }
    update();
  });
}

QString RelationsWindow::kindText(RelationKind kind) const {
  switch (kind) {
    case RelationKind::Dual:
      return tr("dual");
    case RelationKind::Truncate:
      return tr("Abstumpfen");
    case RelationKind::Rectify:
      return tr("Rektifizieren");
    case RelationKind::Cantellate:
      return tr("Kantellieren");
    case RelationKind::Omnitruncate:
      return tr("Vollständig abstumpfen");
    case RelationKind::Snub:
      return tr("Abschrägen");
    case RelationKind::Jitterbug:
      return tr("Jitterbug");
  }
  return {};
}

void RelationsWindow::build() {
  if (built_) return;
  const std::span<const Solid> solids = catalogue_();
  relations_ = relationMap(solids);
  pictures_.assign(solids.size(), QImage());
  names_.assign(solids.size(), QString());
  FrameBuffers buffers;
  for (const Solid& solid : solids) {
    Model model;
    placeSolid(model, solid);
    // The start picture's middle, where the solid lies, made small.
    const QImage picture = composePicture(model, ViewState{}, QSize(634, 663), 1, buffers);
    const QImage middle = picture.copy(QRect(317 - 270, 331 - 270, 540, 540));
    const auto p = static_cast<std::size_t>(solid.position);
    // The white around the solid lets the lines behind show.
    QImage small = middle.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < small.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(small.scanLine(y));
      for (int x = 0; x < small.width(); ++x) {
        if (qRed(row[x]) > 245 && qGreen(row[x]) > 245 && qBlue(row[x]) > 245) row[x] = 0;
      }
    }
    pictures_[p] = small;
    names_[p] = shownSolidName(QString::fromStdString(solid.name));
  }
  placeNodes();
  built_ = true;
}

void RelationsWindow::placeNodes() {
  const std::span<const Solid> solids = catalogue_();
  places_.assign(solids.size(), QPointF());
  // A solid's group: the largest family among the kaleidoscope's paths into
  // or out of it (the cuboctahedron is the tetrahedron's cantellation too,
  // but the cube's rectification); the Catalan ones take their dual's.
  std::vector<int> group(solids.size(), 0);
  std::vector<int> dual(solids.size(), -1);
  for (const Relation& r : relations_) {
    if (r.kind == RelationKind::Dual) {
      dual[static_cast<std::size_t>(r.from)] = r.to;
      dual[static_cast<std::size_t>(r.to)] = r.from;
    } else if (r.kind != RelationKind::Jitterbug) {
      for (const int p : {r.from, r.to})
        group[static_cast<std::size_t>(p)] =
            std::max(group[static_cast<std::size_t>(p)], groupOf(r.family));
    }
  }
  for (std::size_t p = 0; p < solids.size(); ++p) {
    if (familyOf(static_cast<int>(p)) == Family::Catalan && dual[p] >= 0)
      group[p] = group[static_cast<std::size_t>(dual[p])];
  }
  for (int g = 0; g < 3; ++g) {
    // The group's Platonic solids one above the other in its middle, in list order.
    std::vector<int> platonic;
    for (std::size_t p = 0; p < solids.size(); ++p) {
      if (group[p] == g && familyOf(static_cast<int>(p)) == Family::Platonic)
        platonic.push_back(static_cast<int>(p));
    }
    for (std::size_t k = 0; k < platonic.size(); ++k) {
      // Not straight above each other, so that no path runs along another.
      const double offset = platonic.size() == 1 ? 0.0 : (k == 0 ? -1.0 : 1.0);
      places_[static_cast<std::size_t>(platonic[k])] =
          QPointF(kGroupX[g] + 25.0 * offset, kMiddleY + 50.0 * offset);
    }
    // Its Archimedean solids round them, in the order of how they are made
    // (the first Platonic solid's truncation top left, the second's top
    // right), each Catalan solid further out beyond its dual.
    std::vector<std::pair<int, int>> ranked;  // rank, position
    for (std::size_t p = 0; p < solids.size(); ++p) {
      if (group[p] != g || familyOf(static_cast<int>(p)) != Family::Archimedean) continue;
      int rank = 99;
      for (const Relation& r : relations_) {
        if (r.to != static_cast<int>(p) || groupOf(r.family) != g ||
            familyOf(r.from) != Family::Platonic || r.kind == RelationKind::Dual ||
            r.kind == RelationKind::Jitterbug)
          continue;
        const bool first = !platonic.empty() && r.from == platonic.front();
        const int kindRank = r.kind == RelationKind::Truncate       ? (first ? 0 : 2)
                             : r.kind == RelationKind::Rectify      ? 1
                             : r.kind == RelationKind::Cantellate   ? 3
                             : r.kind == RelationKind::Omnitruncate ? 4
                                                                    : 5;
        rank = std::min(rank, kindRank);
      }
      ranked.emplace_back(rank, static_cast<int>(p));
    }
    std::sort(ranked.begin(), ranked.end());
    const int count = static_cast<int>(ranked.size());
    for (int k = 0; k < count; ++k) {
      // Six places round the middle from top left clockwise; a lone one on top.
      const double angle = count == 1 ? -kPi / 2 : -kPi * 5 / 6 + k * (2 * kPi / count);
      const auto p = static_cast<std::size_t>(ranked[static_cast<std::size_t>(k)].second);
      places_[p] =
          QPointF(kGroupX[g] + kInnerX * std::cos(angle), kMiddleY + kInnerY * std::sin(angle));
      if (dual[p] >= 0)
        places_[static_cast<std::size_t>(dual[p])] =
            QPointF(kGroupX[g] + kOuterX * std::cos(angle), kMiddleY + kOuterY * std::sin(angle));
    }
  }
  // The tetrahedron's own group has one Archimedean solid: its Catalan dual
  // goes above it, the ring's width being the group's.
  for (std::size_t p = 0; p < solids.size(); ++p) {
    if (group[p] == 0 && familyOf(static_cast<int>(p)) == Family::Catalan)
      places_[p] = QPointF(kGroupX[0], kMiddleY - kOuterY);
  }
}

double RelationsWindow::mapScale() const {
  return std::min(width() / kPlanWidth, height() / kPlanHeight);
}

QPointF RelationsWindow::toWidget(QPointF mapPoint) const {
  const double s = mapScale();
  const QPointF origin((width() - kPlanWidth * s) / 2, (height() - kPlanHeight * s) / 2);
  return origin + mapPoint * s;
}

QRectF RelationsWindow::nodeBox(int position) const {
  if (position < 0 || position >= static_cast<int>(places_.size())) return {};
  const double side = kPicture * mapScale();
  const QPointF middle = toWidget(places_[static_cast<std::size_t>(position)]);
  return QRectF(middle.x() - side / 2, middle.y() - side / 2, side, side);
}

QPointF RelationsWindow::lineMiddle(int relation) const {
  const Relation& r = relations_.at(static_cast<std::size_t>(relation));
  return (nodeBox(r.from).center() + nodeBox(r.to).center()) / 2;
}

QFont RelationsWindow::labelFont() const {
  QFont font = this->font();
  font.setPointSizeF(std::max(6.5, 8.0 * mapScale()));
  return font;
}

std::vector<QRectF> RelationsWindow::labelBoxes() const {
  const QFontMetricsF metrics(labelFont(), this);
  const double gap = 2.0 * mapScale();
  std::vector<QRectF> pictures;
  for (std::size_t p = 0; p < places_.size(); ++p)
    pictures.push_back(nodeBox(static_cast<int>(p)));
  const auto overlap = [](const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    return both.isEmpty() ? 0.0 : both.width() * both.height();
  };
  const auto candidatesOf = [&](std::size_t p) {
    const QRectF box = pictures[p];
    const QSizeF size = metrics.size(Qt::TextSingleLine, names_[p]) + QSizeF(4.0, 0.0);
    const double middleY = box.center().y() - size.height() / 2;
    const double below = box.bottom() - gap;
    const double above = box.top() + gap - size.height();
    const double centred = box.center().x() - size.width() / 2;
    // Centred below or above, beside, then below or above but pushed to one side.
    return std::array<QRectF, 8>{QRectF(QPointF(centred, below), size),
                                 QRectF(QPointF(centred, above), size),
                                 QRectF(QPointF(box.right(), middleY), size),
                                 QRectF(QPointF(box.left() - size.width(), middleY), size),
                                 QRectF(QPointF(box.left(), below), size),
                                 QRectF(QPointF(box.right() - size.width(), below), size),
                                 QRectF(QPointF(box.left(), above), size),
                                 QRectF(QPointF(box.right() - size.width(), above), size)};
  };
  std::vector<QRectF> labels;
  for (std::size_t p = 0; p < places_.size(); ++p)
    labels.push_back(candidatesOf(p).front());
  // Each name in turn takes its first place that touches nothing, given
  // where the others are; a few rounds let two neighbours settle.
  for (int round = 0; round < 4; ++round) {
    bool moved = false;
    for (std::size_t p = 0; p < labels.size(); ++p) {
      QRectF best = labels[p];
      double bestCost = INFINITY;
      for (const QRectF& candidate : candidatesOf(p)) {
        // Leaving the window counts as much as covering what it leaves over.
        double cost = candidate.width() * candidate.height() - overlap(candidate, rect());
        for (std::size_t q = 0; q < pictures.size(); ++q) {
          if (q != p) cost += overlap(candidate, pictures[q]) + overlap(candidate, labels[q]);
        }
        if (cost < bestCost - 1e-9) {
          bestCost = cost;
          best = candidate;
        }
        if (cost <= 0.0) break;
      }
      moved = moved || best != labels[p];
      labels[p] = best;
    }
    if (!moved) break;
  }
  return labels;
}

int RelationsWindow::positionAt(QPointF place) const {
  for (std::size_t p = 0; p < places_.size(); ++p) {
    if (nodeBox(static_cast<int>(p)).contains(place)) return static_cast<int>(p);
  }
  return -1;
}

int RelationsWindow::relationAt(QPointF place) const {
  int best = -1;
  double bestDistance = kLineReach;
  for (std::size_t k = 0; k < relations_.size(); ++k) {
    const Relation& r = relations_[k];
    if (r.from == r.to) continue;
    const double d = distanceToSegment(place, nodeBox(r.from).center(), nodeBox(r.to).center());
    if (d <= bestDistance) {
      bestDistance = d;
      best = static_cast<int>(k);
    }
  }
  return best;
}

void RelationsWindow::showEvent(QShowEvent* event) {
  if (!built_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    build();
    QApplication::restoreOverrideCursor();
  }
  QWidget::showEvent(event);
}

void RelationsWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!built_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = mapScale();
  for (const Relation& r : relations_) {
    if (r.from == r.to) continue;  // the tetrahedron is its own dual: no line
    QPen pen(kindColour(r.kind), std::max(1.5, 2.5 * s));
    if (r.kind == RelationKind::Dual) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(nodeBox(r.from).center(), nodeBox(r.to).center());
  }
  painter.setFont(labelFont());
  for (std::size_t p = 0; p < places_.size(); ++p)
    painter.drawImage(nodeBox(static_cast<int>(p)), pictures_[p]);
  // The names on a light ground, so that a line that passes under one leaves it readable.
  const std::vector<QRectF> labels = labelBoxes();
  for (std::size_t p = 0; p < labels.size(); ++p) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(labels[p], 3.0, 3.0);
    painter.setPen(Qt::black);
    painter.drawText(labels[p], Qt::AlignCenter, names_[p]);
  }
  // The legend: one line of each kind with its word, along the bottom.
  double x = toWidget(QPointF(20, 0)).x();
  const double y = toWidget(QPointF(0, kPlanHeight - 18)).y();
  for (const RelationKind kind : kKinds) {
    QPen pen(kindColour(kind), std::max(1.5, 2.5 * s));
    if (kind == RelationKind::Dual) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(QPointF(x, y), QPointF(x + 28 * s, y));
    painter.setPen(Qt::black);
    const QString text = kindText(kind);
    painter.drawText(QPointF(x + 32 * s, y + 4 * s), text);
    x += 32 * s + painter.fontMetrics().horizontalAdvance(text) + 22 * s;
  }
}

void RelationsWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !built_) return;
  const QPointF place = event->position();
  if (const int position = positionAt(place); position >= 0) {
    emit positionPicked(position);
  } else if (const int relation = relationAt(place); relation >= 0) {
    emit pathChosen(relations_[static_cast<std::size_t>(relation)]);
  }
}

bool RelationsWindow::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && built_) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF place = help->pos();
    QString text;
    if (const int position = positionAt(place); position >= 0) {
      text = names_[static_cast<std::size_t>(position)];
    } else if (const int k = relationAt(place); k >= 0) {
      const Relation& r = relations_[static_cast<std::size_t>(k)];
      text = tr("%1: %2 – %3")
                 .arg(kindText(r.kind), names_[static_cast<std::size_t>(r.from)],
                      names_[static_cast<std::size_t>(r.to)]);
    }
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace velkora
