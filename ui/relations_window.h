#pragma once
// The map of the relations between the 31 solids in a window of its own:
// each solid as a small picture (the Platonic ones in the middle of their
// symmetry's group, its Archimedean solids around them, the Catalan ones
// beyond their duals), a line per relation in the colour of its kind, and a
// legend. A click on a solid asks for its pick, a click on a line for the
// tool that shows that path; the map itself comes from relations/.

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

#include "model/solid.h"
#include "relations/relation_map.h"
#include "ui/tool_window.h"

namespace velkora {

class RelationsWindow : public QWidget {
  Q_OBJECT

 public:
  using CatalogueSource = std::function<std::span<const Solid>()>;
  // catalogue gives the 31 in list order when the map is first shown.
  explicit RelationsWindow(CatalogueSource catalogue, QWidget* parent = nullptr);

  ToolWindow& tool() { return tool_; }
  // Works out the map and the pictures, once; showing the window does it too.
  void build();
  const std::vector<Relation>& relations() const { return relations_; }
  // Where a solid's picture and a relation's line are drawn now (widget pixels).
  QRectF nodeBox(int position) const;
  QPointF lineMiddle(int relation) const;
  // Where each solid's name is written now, per list position: below its
  // picture, else above, right, left, or below or above pushed to one side,
  // whichever first touches no other picture or name (else the one that
  // touches least).
  std::vector<QRectF> labelBoxes() const;
  // The relation whose line passes within a few pixels of place, or -1.
  int relationAt(QPointF place) const;
  // The solid whose picture holds place, or -1.
  int positionAt(QPointF place) const;

 signals:
  void positionPicked(int position);
  void pathChosen(const velkora::Relation& relation);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void placeNodes();
  QPointF toWidget(QPointF mapPoint) const;
  double mapScale() const;
  QFont labelFont() const;
  QString kindText(RelationKind kind) const;

  CatalogueSource catalogue_;
  ToolWindow tool_;
  std::vector<Relation> relations_;
  std::vector<QPointF> places_;   // per list position, in map units
  std::vector<QImage> pictures_;  // per list position
  std::vector<QString> names_;    // per list position, as shown
  bool built_ = false;
};

}  // namespace velkora
