// The real window on Qt's offscreen platform: entering and leaving
// presentation mode (full screen, fitting the picture, composing a frame),
// one animation tick of the heaviest scene at the design size, one play tick
// of the morph, one drag step in the kaleidoscope, and a picture
// of it at 4 times the drawing area, the print preview of a paper net, and
// the start from a remembered settings file to the shown window (against the
// first start without one).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "exports/picture.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "nets/net_paint.h"
#include "ui/fold_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/presentation_mode.h"
#include "ui/relations_window.h"
#include "ui/settings_store.h"
#include "ui/tool_windows.h"
#include "ui/window_settings.h"

namespace {

using velkora::TFVelkora;

std::unique_ptr<TFVelkora> shownWindow(int row) {
  auto window = std::make_unique<TFVelkora>([](const QString&) {});
  window->show();
  // The offscreen platform exposes a shown window at once.
  [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
  window->findChild<QListWidget*>(QStringLiteral("Listbox1"))->setCurrentRow(row);
  window->findChild<QRadioButton*>(QStringLiteral("RadioB3"))->setChecked(true);
  return window;
}

void BM_PresentationEnterAndLeave(benchmark::State& state) {
  const auto window = shownWindow(21);  // Disdyakistriakontaeder, the most faces
  for (auto _ : state) {
    window->presentation().setPresentation(true);
    QApplication::processEvents();
    window->presentation().setPresentation(false);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PresentationEnterAndLeave)->Unit(benchmark::kMillisecond)->UseRealTime();

// One tick of the rotation as the window runs it: the turn, the frame and
// the events it posts (the paint), as the play ticks below are measured.
void BM_AnimationTick(benchmark::State& state) {
  const auto window = shownWindow(21);
  window->B2C();
  for (auto _ : state) {
    window->T1Tim();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMillisecond)->UseRealTime();

// One play tick of the morph window on the heaviest pair, with the
// animation running too: t moves one step, M(t) in the pose, the frame, the
// events it posts. Under 10 ms holds the 10 ms timer's 100 ticks a second.
void BM_MorphPlayTick(benchmark::State& state) {
  const auto window = shownWindow(static_cast<int>(state.range(0)));
  window->tools().setMorphShown(true);
  window->B2C();  // the rotation runs as well
  velkora::MorphWindow* morph = window->tools().morphWindow();
  morph->moveTo(0.3);
  for (auto _ : state) {
    morph->playTick();
    window->T1Tim();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MorphPlayTick)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond)->UseRealTime();

// One play tick of the fold window on the 120-face solid, with the
// animation running too: the stage moves one step, the scene, the
// depth-tested frame and the events it posts.
void BM_FoldPlayTick(benchmark::State& state) {
  const auto window = shownWindow(21);
  window->tools().setFoldShown(true);
  window->B2C();
  velkora::FoldWindow* fold = window->tools().foldWindow();
  fold->moveTo(0.3);
  for (auto _ : state) {
    fold->playTick();
    window->T1Tim();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_FoldPlayTick)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of a drag in the kaleidoscope's triangle, family I inside (120
// vertices): the solid at the new weights, in the pose, and the frame. Under
// 10 ms keeps the picture at 100 frames a second while dragging.
void BM_KaleidoscopeDragStep(benchmark::State& state) {
  const auto window = shownWindow(3);  // Ikosaeder: family I
  window->tools().setKaleidoscopeShown(true);
  int k = 0;
  for (auto _ : state) {
    const double shift = 1e-3 * (k++ % 2);
    window->viewer().setKaleidoscopeWeights({0.2 + shift, 0.3, 0.5 - shift});
    QApplication::processEvents();
  }
}
BENCHMARK(BM_KaleidoscopeDragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Bild speichern" at 4 times the drawing area: the heaviest scene composed
// afresh at 2536 x 2652 pixels and copied into the picture that is saved.
void BM_Picture4x(benchmark::State& state) {
  const auto window = shownWindow(21);
  window->findChild<QCheckBox*>(QStringLiteral("CPunkte"))->setChecked(true);
  const QSize size = window->findChild<QWidget*>(QStringLiteral("PB1"))->size();
  for (auto _ : state) {
    const QImage picture =
        velkora::composePicture(window->state().model, window->viewState(), size, 4);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_Picture4x)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Netz drucken": the print preview of the largest solid's default net,
// from building the net to the shown preview with its pages painted.
void BM_NetPrintPreview(benchmark::State& state) {
  const velkora::Solid solid = velkora::readSolid(velkora::loadCatalogueTexts(), 21);
  for (auto _ : state) {
    const velkora::NetDocument net = velkora::buildNet(solid, {});
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&net](QPrinter* target) { velkora::printNet(*target, net); });
    preview.show();
    QApplication::processEvents();
    preview.close();
  }
}
BENCHMARK(BM_NetPrintPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// The program's start as main() makes it: the store read, the window built,
// the remembered start applied and the window shown with its first frame.
// Without a file: the first start; with the first start's choices in a file:
// what reading and applying it costs; with the heaviest solid in the outer
// sphere view with marks, other steps and a larger place of its own.
enum class StartFile { None, FirstStartChoices, Heaviest };

void startToShownWindow(benchmark::State& state, StartFile kind) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("korvelindra.ini"));
  if (kind != StartFile::None) {
    velkora::Settings settings;
    settings.start = {std::nullopt, false,        3,           velkora::View::Polyhedron, false,
                      {{1, 0, 2}},  std::nullopt, std::nullopt};
    if (kind == StartFile::Heaviest) {
      settings.start = {QRect(40, 60, 1000, 760),
                        false,
                        21,
                        velkora::View::OuterSphere,
                        true,
                        {{3, -2, 7}},
                        std::nullopt,
                        std::nullopt};
    }
    settings.dialogs.folders[QStringLiteral("picture")] = folder.path();
    QSettings file(path, QSettings::IniFormat);
    velkora::writeSettings(file, settings);
  }
  for (auto _ : state) {
    velkora::SettingsStore store(path);
    auto window = std::make_unique<TFVelkora>([](const QString&) {});
    window->settings().use(&store);
    window->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    QApplication::processEvents();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

void BM_StartWithSettings(benchmark::State& state) {
  startToShownWindow(state, StartFile::Heaviest);
}
BENCHMARK(BM_StartWithSettings)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartWithFirstStartSettings(benchmark::State& state) {
  startToShownWindow(state, StartFile::FirstStartChoices);
}
BENCHMARK(BM_StartWithFirstStartSettings)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FirstStart(benchmark::State& state) { startToShownWindow(state, StartFile::None); }
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// The map of relations as its first showing makes it: the map worked out
// from the tools' stops, the 31 small pictures, the layout and the first
// paint of the whole window into an image. Each round starts from a new window.
void BM_RelationsMapFirstPaint(benchmark::State& state) {
  const std::vector<velkora::Solid> catalogue =
      velkora::readAllSolids(velkora::loadCatalogueTexts());
  for (auto _ : state) {
    velkora::RelationsWindow map([&] { return std::span<const velkora::Solid>(catalogue); });
    map.resize(980, 640);
    map.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&map);
    const QImage painted = map.grab().toImage();
    benchmark::DoNotOptimize(painted.constBits());
  }
}
BENCHMARK(BM_RelationsMapFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
