#include "ui/main_window.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QSignalBlocker>

#include "translations/solid_names.h"
#include "ui/app_icon.h"
#include "ui/cp1252.h"
#include "ui/file_commands.h"
#include "ui/presentation_mode.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"
#include "ui/window_menus.h"
#include "ui/window_placement.h"
#include "ui/window_settings.h"

namespace velkora {

TFVelkora::TFVelkora(ErrorReporter reporter, QWidget* parent) : QWidget(parent) {
  setErrorReporter(std::move(reporter));
  setObjectName(QStringLiteral("FVelkora"));
  setWindowTitle(QStringLiteral("Korvelindra"));
  setWindowIcon(QIcon(QPixmap::fromImage(appIconImage())));
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(kFormColour));
  setPalette(palette);
  menuBar_.setObjectName(QStringLiteral("MenuBar"));

  files_ = std::make_unique<FileCommands>(*this, reportError_);
  tools_ = std::make_unique<ToolWindows>(*this, reportError_);
  presentation_ = std::make_unique<PresentationMode>(*this);
  settings_ = std::make_unique<WindowSettings>(*this);
  menus_ = std::make_unique<WindowMenus>(*this, menuBar_, texts_, reportError_);
  texts_.add([this] {
    setAccessibleName(QStringLiteral("Korvelindra"));
    setAccessibleDescription(
        tr("Betrachter der 31 konvexen Polyeder: links das Bild des Körpers, rechts die "
           "Liste der Körper und die Bedienelemente."));
    controls_.applyAccessibleTexts();
    controls_.describePicture(viewer_.pictureFacts(), pickLine());
    menus_->applyAccessibleTexts();
  });
  // The client area keeps its design size below the menu bar; the design
  // size is the smallest size (a fixed size could not be maximised).
  const int bar = menuBar_.sizeHint().height();
  setMinimumSize(kClientWidth, kClientHeight + bar);
  resize(kClientWidth, kClientHeight + bar);
  presentation_->placePanels();
  controls_.PB1.setPicture(&viewer_.frameBuffers().frame);
  viewer_.setSurfaceSource([this] {
    const int scale = controls_.pixelScale();
    return Viewer::Surface{controls_.PB1.width(), controls_.PB1.height(), scale};
  });
  viewer_.setListener([this](unsigned changes) { viewerChanged(changes); });
  wireControls();
  FormCreate();
}

TFVelkora::~TFVelkora() {
  // No handler may run while the members are torn down.
  viewer_.setListener({});
  for (QObject* child : findChildren<QObject*>()) {
    QObject::disconnect(child, nullptr, this, nullptr);
  }
  setMoveCursor(false);
  FormDestroy();
}

void TFVelkora::setErrorReporter(ErrorReporter reporter) {
  if (reporter) {
    reportError_ = std::move(reporter);
  } else {
    reportError_ = [this](const QString& text) { showErrorBox(this, text); };
  }
}

QList<QAction*> TFVelkora::commands() const { return menus_->commands(); }

bool TFVelkora::columnHidden() const { return presentation_->columnHidden(); }

QString TFVelkora::selectedName() const {
  const QListWidgetItem* item = controls_.Listbox1.currentItem();
  return item != nullptr ? item->text() : QString();
}

DialogChoices* TFVelkora::rememberedChoices() { return settings_->rememberedChoices(); }

void TFVelkora::wireControls() {
  WindowControls& c = controls_;
  connect(&c.Listbox1, &QListWidget::currentRowChanged, this, [this] { LB1C(); });
  // One entry is always chosen: Ctrl+click or Ctrl+Space on the chosen entry
  // would otherwise unselect it while its solid stays on show.
  connect(&c.Listbox1, &QListWidget::itemSelectionChanged, this, [&c] {
    if (c.Listbox1.currentItem() != nullptr && c.Listbox1.selectedItems().isEmpty()) {
      c.Listbox1.currentItem()->setSelected(true);
    }
  });
  for (QRadioButton* radio : {&c.RadioB1, &c.RadioB2, &c.RadioB3}) {
    // Only the button that becomes checked redraws; the one unchecked stays quiet.
    connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) guarded([this] { viewer_.setView(controls_.checkedView()); });
    });
  }
  connect(&c.CPunkte, &QCheckBox::toggled, this, [this] { CB1C(); });
  connect(&c.Button1, &QPushButton::clicked, this, [this] { B2C(); });
  for (QToolButton* zoom : {&c.Speed2, &c.Speed3}) {
    connect(zoom, &QToolButton::clicked, this, [this, zoom] { S8C(zoom); });
  }
  for (QSpinBox* spin : {&c.SpinEdit1, &c.SpinEdit2, &c.SpinEdit3}) {
    connect(spin, &QSpinBox::valueChanged, this, [this, spin] { t6C(spin); });
  }
  connect(&c.PB1, &PaintBox::pressed, this, &TFVelkora::PB1MD);
  connect(&c.PB1, &PaintBox::moved, this, &TFVelkora::PB1MM);
  connect(&c.PB1, &PaintBox::released, this, &TFVelkora::PB1MU);
  connect(&c.PB1, &PaintBox::pickPressed, this, &TFVelkora::PB1Pick);
  connect(&c.PB1, &PaintBox::escapePressed, this,
          [this] { guarded([this] { viewer_.clearPick(); }); });
  // A new surface size needs a new frame, centred on the new middle; in
  // presentation mode the picture is fitted to the new size first.
  connect(&c.PB1, &PaintBox::resized, this,
          [this] { guarded([this] { viewer_.surfaceResized(); }); });
  connect(&c.PB1, &PaintBox::wheeled, this,
          [this](int angleDelta) { guarded([this, angleDelta] { viewer_.wheel(angleDelta); }); });
  connect(&c.PB1, &PaintBox::arrowPressed, this, [this](int key, bool fine) {
    guarded([this, key, fine] { menus_->arrowKey(key, fine); });
  });
}

void TFVelkora::viewerChanged(unsigned changes) {
  WindowControls& c = controls_;
  if ((changes & kRotationChanged) != 0u) {
    Timer1.setInterval(viewer_.rotating() ? kAnimationInterval : 0);
    c.showRotation(viewer_.rotating());
  }
  if ((changes & kCaptionsChanged) != 0u) {
    // A pick that did not come from the list (a kaleidoscope stop): the list shows it.
    if (c.Listbox1.currentRow() != viewer_.position()) {
      const QSignalBlocker quiet(c.Listbox1);
      c.Listbox1.setCurrentRow(viewer_.position());
    }
    c.setCaptions(viewer_.captionFamily());
  }
  if ((changes & kViewsChanged) != 0u) c.setViewsOff(viewer_.viewsOff(), viewer_.captionFamily());
  if ((changes & kPictureChanged) != 0u) {
    const int scale = viewer_.composedScale();
    c.PB1.setPictureScale(scale);
    c.showFoldLabels(viewer_.controller().foldLabels(), scale);
    c.PB1.update();
  }
  if ((changes & (kDescriptionChanged | kPickChanged)) != 0u)
    c.describePicture(viewer_.pictureFacts(), pickLine());
  if ((changes & kPickChanged) != 0u) {
    if (PropertiesWindow* properties = tools_->propertiesWindow()) properties->showPick(pickLine());
  }
  if ((changes & kToolsChanged) != 0u) tools_->followTools();
  if ((changes & kSolidChanged) != 0u) tools_->followSolid();
}

void TFVelkora::placeWithinScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  // The window manager's frame, once known; before that a title bar's height.
  QSize frame = frameGeometry().size() - size();
  if (frame.height() <= 0) frame = QSize(0, 32);
  const Placement placement = placeWindow(size(), frame, screen->availableGeometry());
  if (placement.shrunk) {
    // A small screen: the window fits it and the control column scrolls.
    setMinimumSize(minimumSize().boundedTo(placement.clientSize));
    resize(placement.clientSize);
  }
  move(placement.framePosition);
}

void TFVelkora::setMoveCursor(bool on) {
  if (on == moveCursorShown_) return;
  if (on) {
    QApplication::setOverrideCursor(Qt::SizeAllCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  moveCursorShown_ = on;
}

void TFVelkora::guarded(const std::function<void()>& body) { runGuarded(reportError_, body); }

void TFVelkora::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  if (settings_->startGeometry()) {
    if (!isMaximized()) setGeometry(*settings_->startGeometry());
  } else {
    placeWithinScreen();
  }
  FormShow();
  // The model is loaded on the first showing; later paints only show it.
  B1C();
}

void TFVelkora::closeEvent(QCloseEvent* event) {
  guarded([this] { viewer_.setRotating(false); });
  setMoveCursor(false);
  settings_->save();
  event->accept();
}

void TFVelkora::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  presentation_->placePanels();
}

void TFVelkora::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  guarded([this] {
    texts_.renew();
    for (int row = 0; row < controls_.Listbox1.count(); ++row) {
      QListWidgetItem* item = controls_.Listbox1.item(row);
      const QByteArray line = item->data(Qt::UserRole).toByteArray();
      item->setText(shownSolidName(listDisplayName(std::string_view(line.data(), line.size()))));
    }
    controls_.setViewsOff(viewer_.viewsOff(), viewer_.captionFamily());
    // The picture's description and the pick's sentence are made of words too.
    controls_.describePicture(viewer_.pictureFacts(), pickLine());
    if (PropertiesWindow* properties = tools_->propertiesWindow()) properties->showPick(pickLine());
  });
}

}  // namespace velkora
