// A long session through the real window's handlers: animation steps with a
// frame every tenth, random drags, spin changes, zooms (with 500 enlarges and
// 5,000 shrinks in a row), view, mark and solid changes. The model stays
// finite, keeps every invariant, and every point keeps its distance from the
// centre in catalogue units (distance / scale) to 1e-9 of its value after the load.
// Every drag turns the model exactly as drehen does for its moves, and every
// change of the list entry loads exactly that entry's solid.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "model/load.h"
#include "model/rotation.h"
#include "tests/model/model_invariants.h"
#include "tests/support/sanitized.h"
#include "tests/ui/window_fixture.h"
#include "viewer/motion_state.h"

namespace velkora::test {
namespace {

// Under the sanitizers a fifth of the steps: the same handlers, the same rows
// of 500 enlarges and 5,000 shrinks, with thousands of frames, each many times
// slower there.
constexpr int kSteps = test::roundsToRun(100000, 5);
constexpr int kEventEvery = 97;  // steps between two random user actions
constexpr int kCheckEvery = 10;  // steps between two full checks
constexpr int kEnlargesInARow = 500;
constexpr int kShrinksInARow = 5000;
constexpr double kRelativeTolerance = 1e-9;

// Distance from the centre divided by scale: for every vertex, then every
// inner and every outer sphere point. Rotations and zooms must not change it.
std::vector<double> radialProfile(const Model& m) {
  std::vector<double> profile;
  auto add = [&](const auto& points, int count) {
    for (int i = 0; i < count; ++i) {
      const Point3& p = points[static_cast<std::size_t>(i)];
      // hypot: the squares of coordinates near 1e-200 would underflow to 0.
      profile.push_back(std::hypot(p.x, p.y, p.z) / m.scale);
    }
  };
  add(m.vertices, m.vertexCount);
  add(m.innerPoints, m.spherePointCount);
  add(m.outerPoints, m.spherePointCount);
  return profile;
}

bool finitePoints(const Model& m) {
  auto finite = [](const auto& array, int count) {
    return std::all_of(array.begin(), array.begin() + count, [](const auto& p) {
      return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
    });
  };
  return std::isfinite(m.scale) && m.scale > 0.0 && finite(m.vertices, m.vertexCount) &&
         finite(m.faceCentres, m.faceCount) && finite(m.innerPoints, m.spherePointCount) &&
         finite(m.outerPoints, m.spherePointCount) && finite(m.innerCentres, m.sphereQuadCount) &&
         finite(m.outerCentres, m.sphereQuadCount);
}

// Resident set size now, in kilobytes (Linux).
long residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class LongSession : public WindowTest {
 protected:
  // Checks the model now; false (with a failure added) when anything is wrong.
  bool modelIsSound(const char* when, int step) {
    const Model& m = model();
    if (!finitePoints(m)) {
      ADD_FAILURE() << when << ", step " << step << ": a value is not finite";
      return false;
    }
    const double largest = test::largestCoordinate(m);
    const auto invariants = test::modelInvariantsHold(m, kRelativeTolerance * largest);
    if (!invariants) {
      ADD_FAILURE() << when << ", step " << step << ": " << invariants.message();
      return false;
    }
    const std::vector<double> profile = radialProfile(m);
    if (profile.size() != reference.size()) {
      ADD_FAILURE() << when << ", step " << step << ": point count changed";
      return false;
    }
    for (std::size_t i = 0; i < profile.size(); ++i) {
      const double drift = std::fabs(profile[i] - reference[i]) / reference[i];
      worstDrift = std::max(worstDrift, drift);
      if (!(drift <= kRelativeTolerance)) {
        ADD_FAILURE() << when << ", step " << step << ": point " << i << " at " << profile[i]
                      << " instead of " << reference[i] << " (relative " << drift << ")";
        return false;
      }
    }
    return true;
  }

  void takeReference() { reference = radialProfile(model()); }

  std::vector<double> reference;
  double worstDrift = 0.0;
};

TEST_F(LongSession, StepsDragsSpinsZoomsAndChangesKeepTheSolidIntact) {
  auto& list = control<QListWidget>("Listbox1");
  auto& marks = control<QCheckBox>("CPunkte");
  auto& enlarge = control<QToolButton>("Speed2");
  auto& shrink = control<QToolButton>("Speed3");
  const std::array<QRadioButton*, 3> radios{&control<QRadioButton>("RadioB1"),
                                            &control<QRadioButton>("RadioB2"),
                                            &control<QRadioButton>("RadioB3")};
  const std::array<QSpinBox*, 3> spins{&control<QSpinBox>("SpinEdit1"),
                                       &control<QSpinBox>("SpinEdit2"),
                                       &control<QSpinBox>("SpinEdit3")};
  const QSize surface = control<QWidget>("PB1").size();
  std::mt19937 rng(8122026);
  auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto anywhere = [&] { return QPoint(below(surface.width()), below(surface.height())); };

  const long peakBefore = peakKilobytes();
  const auto start = std::chrono::steady_clock::now();
  takeReference();
  ASSERT_TRUE(modelIsSound("after the load", 0));

  int frames = 0;
  int drags = 0;
  int dragMoves = 0;
  int spinChanges = 0;
  int zooms = 0;
  int viewChanges = 0;
  int solidChanges = 0;
  int markChanges = 0;
  long residentEarly = 0;
  // What the model must be after a drag or a solid change, worked out beside the window.
  auto expected = std::make_unique<Model>();
  auto matchesExpected = [&](const char* what, int step) {
    if (model() == *expected) return true;
    ADD_FAILURE() << what << ", step " << step << ": " << test::modelDifference(model(), *expected);
    return false;
  };

  auto zoom = [&](QToolButton& button, int times) {
    for (int i = 0; i < times; ++i)
      window->S8C(&button);
    zooms += times;
  };

  for (int step = 1; step <= kSteps; ++step) {
    // Nine steps by rechnen alone, the tenth through T1Tim with its frame.
    if (step % 10 == 0) {
      window->T1Tim();
      ++frames;
    } else {
      rechnen(model(), window->state().motion);
    }

    if (step % kEventEvery == 0) {
      const int roll = below(100);
      if (roll < 30) {
        // A drag; now and then a right press that starts none, or moves without a press.
        // A left drag turns by one degree per pixel of each move (x-y plane by the
        // leftward, y-z plane by the upward movement); a right one turns nothing.
        const bool left = below(5) != 0;
        *expected = model();
        QPoint last = anywhere();
        window->PB1MD(left ? Qt::LeftButton : Qt::RightButton, last);
        const int moves = 1 + below(8);
        for (int i = 0; i < moves; ++i) {
          const QPoint to = anywhere();
          window->PB1MM(to);
          if (left && to != last) {
            drehen(*expected, static_cast<double>(last.x() - to.x()),
                   static_cast<double>(last.y() - to.y()), 0.0);
          }
          last = to;
        }
        window->PB1MU(left ? Qt::LeftButton : Qt::RightButton, anywhere());
        if (!matchesExpected(left ? "left drag" : "right drag", step)) return;
        ++drags;
        dragMoves += moves;
      } else if (roll < 50) {
        spins[static_cast<std::size_t>(below(3))]->setValue(below(31) - 15);
        ++spinChanges;
      } else if (roll < 70) {
        zoom(below(2) == 0 ? enlarge : shrink, 1 + below(5));
      } else if (roll < 85) {
        radios[static_cast<std::size_t>(below(3))]->setChecked(true);
        ++viewChanges;
      } else if (roll < 95) {
        // Choosing another entry loads its solid over the current model; the same
        // entry again changes nothing.
        const int row = below(31);
        *expected = model();
        if (row != list.currentRow()) {
          const CatalogueTexts& texts = window->state().texts;
          loadModel(*expected, texts.names[static_cast<std::size_t>(row)], texts.vertexLines,
                    texts.faceLines);
          ++solidChanges;
        }
        list.setCurrentRow(row);
        if (!matchesExpected("solid change", step)) return;
        takeReference();
      } else {
        marks.toggle();
        ++markChanges;
      }
    }

    if (step == kSteps / 4) {
      zoom(enlarge, kEnlargesInARow);
      ASSERT_TRUE(modelIsSound("after 500 enlarges", step));
      zoom(shrink, kEnlargesInARow);
      ASSERT_TRUE(modelIsSound("after 500 shrinks back", step));
    }
    if (step == kSteps / 2) {
      zoom(shrink, kShrinksInARow);
      ASSERT_TRUE(modelIsSound("after 5,000 shrinks", step));
    }
    if (step == kSteps / 10) residentEarly = residentKilobytes();
    if (step % kCheckEvery == 0 && !modelIsSound("during the session", step)) return;
  }

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long residentLate = residentKilobytes();
  const long peakAfter = peakKilobytes();
  std::cout << "long session: " << kSteps << " steps, " << frames << " frames by T1Tim, " << drags
            << " drags (" << dragMoves << " moves), " << spinChanges << " spin changes, " << zooms
            << " zooms, " << viewChanges << " view changes, " << solidChanges << " solid changes, "
            << markChanges << " mark changes" << std::endl;
  std::cout << "long session: " << seconds << " s, peak memory " << peakAfter / 1024 << " MB ("
            << peakBefore / 1024 << " MB before), resident " << residentEarly / 1024
            << " MB at 10% and " << residentLate / 1024 << " MB at the end, worst drift "
            << worstDrift << std::endl;

  EXPECT_TRUE(errors.isEmpty());
#if !defined(__SANITIZE_ADDRESS__)
  // Nothing may pile up from frame to frame (the sanitizer keeps freed memory
  // in quarantine, so there the figure says nothing).
  EXPECT_LT(residentLate - residentEarly, 32L * 1024) << "resident memory grew";
#endif
}

}  // namespace
}  // namespace velkora::test
