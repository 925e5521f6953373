#include "tests/random_session/session_checks.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "exports/picture.h"
#include "model/solid_catalogue.h"
#include "render/depth_picture.h"
#include "render/frame.h"
#include "ui/paint_box.h"

namespace velkora::test {

namespace {

// A view caption in the language the window speaks.
QString caption(const char* german) {
  return QCoreApplication::translate("velkora::TFVelkora", german);
}

template <class Control>
Control* find(TFVelkora& window, const char* name) {
  return window.findChild<Control*>(QString::fromLatin1(name));
}

QString colourText(QRgb colour) {
  return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

// The first pixel where the picture on screen differs from the composed one.
// The first pixel that differs, leaving out a border of margin pixels.
QString firstDifference(const QImage& shown, const QImage& composed, int margin) {
  if (shown.size() != composed.size()) {
    return QStringLiteral("picture %1 x %2, composed %3 x %4")
        .arg(shown.width())
        .arg(shown.height())
        .arg(composed.width())
        .arg(composed.height());
  }
  for (int y = margin; y < shown.height() - margin; ++y) {
    for (int x = margin; x < shown.width() - margin; ++x) {
      const QRgb a = shown.pixel(x, y) & 0xFFFFFFu;
      const QRgb b = composed.pixel(x, y) & 0xFFFFFFu;
      if (a != b) {
        return QStringLiteral("pixel (%1, %2) shows %3, composed %4")
            .arg(x)
            .arg(y)
            .arg(colourText(a), colourText(b));
      }
    }
  }
  return {};
}

bool finiteModel(const Model& model) {
  for (int i = 0; i < model.vertexCount; ++i) {
    const Point3& p = model.vertices[static_cast<std::size_t>(i)];
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
  }
  return std::isfinite(model.scale) && model.scale > 0.0;
}

}  // namespace

QStringList windowInconsistencies(TFVelkora& window, FrameBuffers& scratch, bool compareScreen) {
  QStringList problems;
  auto* list = find<QListWidget>(window, "Listbox1");
  auto* picture = find<QWidget>(window, "PB1");
  auto* marks = find<QCheckBox>(window, "CPunkte");
  auto* rotation = find<QPushButton>(window, "Button1");
  QRadioButton* radios[] = {find<QRadioButton>(window, "RadioB1"),
                            find<QRadioButton>(window, "RadioB2"),
                            find<QRadioButton>(window, "RadioB3")};
  auto* bar = find<QMenuBar>(window, "MenuBar");
  auto* column = find<QWidget>(window, "Panel2");
  if (list == nullptr || picture == nullptr || marks == nullptr || rotation == nullptr ||
      radios[0] == nullptr || radios[1] == nullptr || radios[2] == nullptr || bar == nullptr ||
      column == nullptr) {
    return {QStringLiteral("a control is missing")};
  }

  // The list's selection and the solid on show.
  const int row = list->currentRow();
  if (row < 0 || row >= list->count()) {
    return {QStringLiteral("the list has no current entry (%1)").arg(row)};
  }
  const QList<QListWidgetItem*> selected = list->selectedItems();
  if (selected.size() != 1 || selected.front() != list->item(row)) {
    problems << QStringLiteral("the list shows %1 selected entries, its current entry is %2")
                    .arg(selected.size())
                    .arg(row);
  }
  const ViewerState& state = window.state();
  auto fresh = std::make_unique<Model>();
  loadSolidAt(*fresh, state.texts, row);
  const Model& shown = state.model;
  if (shown.polyType != fresh->polyType || shown.vertexCount != fresh->vertexCount ||
      shown.faceCount != fresh->faceCount) {
    problems << QStringLiteral("the window shows type %1, the list selects entry %2 (type %3)")
                    .arg(shown.polyType)
                    .arg(row)
                    .arg(fresh->polyType);
  }
  if (!finiteModel(shown)) problems << QStringLiteral("the model holds a value that is not finite");

  // The view captions follow the family of the solid's type number.
  const int type = fresh->polyType;
  const QString inner = caption(type >= 5 && type <= 17 ? "innere Kugel" : "Velkora");
  const QString outer = caption(type >= 18 ? "äußere Kugel" : "Umkugel");
  if (radios[1]->text() != inner || radios[2]->text() != outer) {
    problems << QStringLiteral("type %1 has the captions \"%2\" and \"%3\"")
                    .arg(type)
                    .arg(radios[1]->text(), radios[2]->text());
  }
  const int checked =
      int(radios[0]->isChecked()) + int(radios[1]->isChecked()) + int(radios[2]->isChecked());
  if (checked != 1) problems << QStringLiteral("%1 view buttons are checked").arg(checked);

  if (state.markPoints != marks->isChecked()) {
    problems << QStringLiteral("the mark flag is %1, its box %2")
                    .arg(state.markPoints)
                    .arg(marks->isChecked());
  }
  const bool turning = window.animationTimer().isActive();
  const QString buttonCaption = caption(turning ? "Abbruch" : "Rotation");
  if (rotation->text() != buttonCaption) {
    problems << QStringLiteral("the animation %1, its button says \"%2\"")
                    .arg(turning ? QStringLiteral("runs") : QStringLiteral("stands"),
                         rotation->text());
  }

  // Presentation mode, the menu bar and the control column.
  const bool presenting = window.inPresentation();
  if (presenting && !(window.windowState() & Qt::WindowFullScreen)) {
    problems << QStringLiteral("presentation mode in a window that is not full screen");
  }
  if (bar->isVisible() == presenting) {
    problems << QStringLiteral("the menu bar is %1 %2 presentation mode")
                    .arg(presenting ? QStringLiteral("shown") : QStringLiteral("hidden"),
                         presenting ? QStringLiteral("in") : QStringLiteral("outside"));
  }
  if (!presenting && window.columnHidden()) {
    problems << QStringLiteral("the control column is hidden outside presentation mode");
  }
  if (column->isVisible() == window.columnHidden()) {
    problems << QStringLiteral("the control column's visibility disagrees with its flag");
  }
  const int top = presenting ? 0 : bar->height();
  const QSize area(window.width() - (window.columnHidden() ? 0 : kControlColumnWidth),
                   window.height() - top);
  if (picture->size() != area) {
    problems << QStringLiteral("the drawing area is %1 x %2 in a window of %3 x %4")
                    .arg(picture->width())
                    .arg(picture->height())
                    .arg(window.width())
                    .arg(window.height());
  }

  // The properties window names the solid on show: the selected one, or the
  // morph's or the kaleidoscope's solid of the moment while a tool shows one.
  if (auto* properties = find<QWidget>(window, "Eigenschaften");
      properties != nullptr && properties->isVisible()) {
    const auto* title = properties->findChild<QLabel*>(QStringLiteral("PropertiesTitle"));
    const std::string shownName = window.controller().showingMoment()
                                      ? window.controller().shownSolid().name
                                      : solidNameAt(state.texts, row);
    const QString name = QCoreApplication::translate(
        "Solid", QString::fromStdString(shownName).toUtf8().constData());
    if (title == nullptr || title->text() != name) {
      problems << QStringLiteral("the properties window shows \"%1\", the window shows \"%2\"")
                      .arg(title ? title->text() : QString(), name);
    }
  }

  if (QApplication::overrideCursor() != nullptr) {
    problems << QStringLiteral("a cursor is still set with no button held (shape %1)")
                    .arg(QApplication::overrideCursor()->shape());
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    problems << QStringLiteral("a modal %1 is still open")
                    .arg(QString::fromLatin1(modal->metaObject()->className()));
  }

  // The frame is the model's in the view the controls name: composed here
  // into buffers with another history of frames, it must equal the window's
  // frame pixel for pixel.
  const ViewState view{radios[2]->isChecked()   ? View::OuterSphere
                       : radios[1]->isChecked() ? View::InnerSphere
                                                : View::Polyhedron,
                       marks->isChecked(),
                       {},
                       window.lineWidth()};
  const Bitmap& frame = window.frameBuffers().frame;
  if (!picture->size().isEmpty() && window.pixelScale() == 1) {
    ViewerController& controller = window.controller();
    if (controller.folding()) {
      // The folding net is the picture while its window is open.
      DepthScene scene;
      controller.foldingNet()->scene(controller.foldStage(), controller.shownModel(), scene);
      DepthBuffer depth;
      composeDepthPicture(scene, picture->width(), picture->height(), scratch.frame, depth, 1,
                          window.lineWidth());
    } else if (controller.showingMoment()) {
      ViewState moment = controller.viewState(View::Polyhedron);
      moment.lineWidth = window.lineWidth();
      const Model& model = controller.shownModel();
      moment.faceTints = controller.frameTints(model);
      composeFrame(model, moment, picture->width(), picture->height(), scratch);
    } else {
      ViewState tinted = view;
      tinted.faceTints = controller.frameTints(shown);
      composeFrame(shown, tinted, picture->width(), picture->height(), scratch);
    }
    const FrameBuffers* fresh = &scratch;
    if (frame.width != fresh->frame.width || frame.height != fresh->frame.height) {
      problems << QStringLiteral("the frame is %1 x %2 for a drawing area of %3 x %4")
                      .arg(frame.width)
                      .arg(frame.height)
                      .arg(picture->width())
                      .arg(picture->height());
    } else if (frame.pixels != fresh->frame.pixels) {
      const auto [mine, theirs] =
          std::mismatch(frame.pixels.begin(), frame.pixels.end(), fresh->frame.pixels.begin());
      const auto at = static_cast<int>(mine - frame.pixels.begin());
      problems << QStringLiteral(
                      "the frame is not the current one: pixel (%1, %2) is %3, a fresh "
                      "frame has %4")
                      .arg(at % frame.width)
                      .arg(at / frame.width)
                      .arg(colourText(*mine), colourText(*theirs));
    }
  }

  // What the screen shows: the drawing area copies the frame.
  if (compareScreen && !picture->size().isEmpty()) {
    ViewerController& controller = window.controller();
    ViewState momentView = controller.viewState(View::Polyhedron);
    momentView.lineWidth = window.lineWidth();
    const Model& shownModel = controller.showingMoment() ? controller.shownModel() : shown;
    momentView.faceTints = controller.frameTints(shownModel);
    ViewState tinted = view;
    tinted.faceTints = momentView.faceTints;
    const QImage composed =
        controller.folding()
            ? composeFoldPicture(*controller.foldingNet(), controller.shownModel(),
                                 controller.foldStage(), picture->size(), 1, window.lineWidth())
        : controller.showingMoment() ? composePicture(shownModel, momentView, picture->size(), 1)
                                     : composePicture(shown, tinted, picture->size(), 1);
    const QImage onScreen = picture->grab().toImage();
    // The focus frame that the keyboard's focus brings lies along the edge.
    const QString difference =
        firstDifference(onScreen, composed, picture->hasFocus() ? PaintBox::kFocusFrameReach : 0);
    if (!difference.isEmpty()) {
      problems << QStringLiteral("the picture is not the current one: ") + difference;
    }
  }
  return problems;
}

QStringList fileProblems(const std::vector<ChosenFile>& files, QSize drawingArea) {
  QStringList problems;
  for (const ChosenFile& file : files) {
    const QFileInfo info(file.path);
    if (!info.isFile() || info.size() == 0) {
      problems << QStringLiteral("%1 was accepted but not written").arg(file.path);
      continue;
    }
    if (file.pictureScale > 0) {
      const QImage image(file.path, "PNG");
      if (image.size() != drawingArea * file.pictureScale) {
        problems << QStringLiteral("%1 is %2 x %3, not %4 times the drawing area")
                        .arg(file.path)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(file.pictureScale);
      }
    } else if (info.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
      QFile pdf(file.path);
      if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF")) {
        problems << QStringLiteral("%1 is not a PDF file").arg(file.path);
      }
    }
  }
  return problems;
}

}  // namespace velkora::test
