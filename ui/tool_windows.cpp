#include "ui/tool_windows.h"

#include <QAction>

#include "ui/fold_window.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/properties_command.h"
#include "ui/properties_window.h"
#include "viewer/viewer.h"

namespace velkora {

ToolWindows::ToolWindows(TFVelkora& window, const ErrorReporter& report)
    : QObject(&window), window_(window), viewer_(window.viewer()), report_(report) {}

ToolWindows::~ToolWindows() = default;

void ToolWindows::useActions(QAction& properties, QAction& morph, QAction& kaleidoscope,
                             QAction& fold) {
  properties_ = std::make_unique<PropertiesCommand>(window_, properties, report_);
  morphAction_ = &morph;
  kaleidoscopeAction_ = &kaleidoscope;
  foldAction_ = &fold;
}

void ToolWindows::setPropertiesShown(bool shown) {
  guarded([this, shown] { properties_->setShown(shown); });
}

PropertiesWindow* ToolWindows::propertiesWindow() const { return properties_->window(); }

void ToolWindows::setMorphShown(bool shown) {
  guarded([this, shown] {
    morphAction_->setChecked(shown);
    if (shown) {
      makeMorphWindow();
      viewer_.openTool(Tool::Morph);
    } else {
      viewer_.closeTool(Tool::Morph);
    }
  });
}

void ToolWindows::setKaleidoscopeShown(bool shown) {
  guarded([this, shown] {
    kaleidoscopeAction_->setChecked(shown);
    if (shown) {
      makeKaleidoscopeWindow();
      viewer_.openTool(Tool::Kaleidoscope);
    } else {
      viewer_.closeTool(Tool::Kaleidoscope);
    }
  });
}

void ToolWindows::setFoldShown(bool shown) {
  guarded([this, shown] {
    foldAction_->setChecked(shown);
    if (!shown) {
      viewer_.closeTool(Tool::Fold);
      return;
    }
    makeFoldWindow();
    try {
      viewer_.openTool(Tool::Fold);
    } catch (...) {
      foldAction_->setChecked(false);
      throw;
    }
  });
}

void ToolWindows::showHelp() {
  guarded([this] {
    if (help_ == nullptr) help_ = std::make_unique<HelpWindow>(window_.commands(), &window_);
    help_->tool().open();
  });
}

void ToolWindows::setMorphParameter(double t) {
  guarded([this, t] {
    viewer_.setMorphParameter(t, morph_ != nullptr && morph_->player().ticking());
  });
}

void ToolWindows::setKaleidoscopeFamily(WythoffFamily family) {
  guarded([this, family] { viewer_.setKaleidoscopeFamily(family); });
}

void ToolWindows::setKaleidoscopeWeights(WythoffWeights weights) {
  guarded([this, weights] { viewer_.setKaleidoscopeWeights(weights); });
}

void ToolWindows::setFoldStage(double f) {
  guarded([this, f] { viewer_.setFoldStage(f, fold_ != nullptr && fold_->player().ticking()); });
}

void ToolWindows::setReducedMotion(bool on) {
  reducedMotion_ = on;
  if (morph_ != nullptr) morph_->setReducedMotion(on);
  if (fold_ != nullptr) fold_->setReducedMotion(on);
}

void ToolWindows::makeMorphWindow() {
  if (morph_ != nullptr) return;
  morph_ = std::make_unique<MorphWindow>(&window_);
  connect(morph_.get(), &MorphWindow::parameterChanged, this,
          [this](double t) { setMorphParameter(t); });
  connect(morph_.get(), &MorphWindow::touchMarksChanged, this,
          [this](bool on) { guarded([this, on] { viewer_.setTouchMarks(on); }); });
  connect(&morph_->tool(), &ToolWindow::closed, this, [this] { setMorphShown(false); });
  connect(&morph_->player(), &SliderPlayer::stopped, this,
          [this] { guarded([this] { viewer_.playStopped(); }); });
  morph_->setReducedMotion(reducedMotion_);
}

void ToolWindows::makeKaleidoscopeWindow() {
  if (kaleidoscope_ != nullptr) return;
  kaleidoscope_ = std::make_unique<KaleidoscopeWindow>(&window_);
  connect(kaleidoscope_.get(), &KaleidoscopeWindow::familyChosen, this,
          [this](WythoffFamily family) { setKaleidoscopeFamily(family); });
  connect(kaleidoscope_.get(), &KaleidoscopeWindow::weightsChanged, this,
          [this](WythoffWeights weights) { setKaleidoscopeWeights(weights); });
  connect(kaleidoscope_.get(), &KaleidoscopeWindow::positionPicked, this,
          [this](int position) { window_.selectPosition(position); });
  connect(&kaleidoscope_->tool(), &ToolWindow::closed, this,
          [this] { setKaleidoscopeShown(false); });
}

void ToolWindows::makeFoldWindow() {
  if (fold_ != nullptr) return;
  fold_ = std::make_unique<FoldWindow>(&window_);
  connect(fold_.get(), &FoldWindow::stageChanged, this, [this](double f) { setFoldStage(f); });
  connect(fold_.get(), &FoldWindow::labelsChanged, this,
          [this](bool on) { guarded([this, on] { viewer_.setFoldLabels(on); }); });
  connect(&fold_->tool(), &ToolWindow::closed, this, [this] { setFoldShown(false); });
  connect(&fold_->player(), &SliderPlayer::stopped, this,
          [this] { guarded([this] { viewer_.playStopped(); }); });
  fold_->setReducedMotion(reducedMotion_);
}

void ToolWindows::followTools() {
  const ViewerController& controller = viewer_.controller();
  if (morph_ != nullptr) {
    const bool open = viewer_.toolOpen(Tool::Morph);
    if (open && viewer_.morphPaths() != morphPathShown_) {
      morphPathShown_ = viewer_.morphPaths();
      morph_->showPath(controller.morphStops());
    }
    if (open && !morph_->isVisible()) morph_->tool().open();
    if (!open && morph_->isVisible()) morph_->hide();
    morphAction_->setChecked(open);
  }
  if (kaleidoscope_ != nullptr) {
    const bool open = viewer_.toolOpen(Tool::Kaleidoscope);
    if (open && viewer_.kaleidoscopeRounds() != kaleidoscopeRoundShown_) {
      kaleidoscopeRoundShown_ = viewer_.kaleidoscopeRounds();
      kaleidoscope_->showFamily(viewer_.kaleidoscopeFamily(), controller.kaleidoscopeStops(),
                                viewer_.kaleidoscopeStart());
    }
    if (open && !kaleidoscope_->isVisible()) kaleidoscope_->tool().open();
    if (!open && kaleidoscope_->isVisible()) kaleidoscope_->hide();
    kaleidoscopeAction_->setChecked(open);
  }
  if (fold_ != nullptr) {
    const bool open = viewer_.toolOpen(Tool::Fold);
    if (open && viewer_.foldRounds() != foldRoundShown_) {
      foldRoundShown_ = viewer_.foldRounds();
      fold_->moveTo(0.0);
    }
    if (open && !fold_->isVisible()) fold_->tool().open();
    if (!open && fold_->isVisible()) {
      fold_->setPlaying(false);
      fold_->hide();
    }
    foldAction_->setChecked(open);
  }
}

void ToolWindows::followSolid() {
  if (properties_ != nullptr) properties_->follow(viewer_.controller().shownSolid());
}

}  // namespace velkora
