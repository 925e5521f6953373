#pragma once
// What the program remembers between runs (window place, solid, view, marks,
// spin steps, line width, reduced motion, the dialogs' choices and folders) and the INI file that
// keeps it. The file is the user's and may be damaged or hostile: every value is checked on its own
// and a bad one is dropped for its default. No widgets here.

#include <array>
#include <map>
#include <optional>

#include <QList>
#include <QRect>
#include <QString>

#include "animation/animation_frames.h"
#include "nets/net_types.h"
#include "render/frame.h"
#include "solid_export/mesh_export.h"

class QSettings;

namespace velkora {

// The net dialog's choices; edgeMm 0 stands for the largest edge that fits one page.
struct NetChoices {
  Paper paper = Paper::A4;
  Orientation orientation = Orientation::Best;
  double edgeMm = 0.0;
  TabStyle tabStyle = TabStyle::One;
  bool numbers = true;
  bool faceNumbers = true;
  bool foldAngles = false;
  bool scaleBar = true;
  bool operator==(const NetChoices&) const = default;
};

// The choices made in the dialogs, each starting at the dialog's own default.
struct DialogChoices {
  int pictureScale = 1;  // one of kPictureScales
  AnimationKind animationKind = AnimationKind::Spin;
  int animationFrames = kDefaultAnimationFrames;
  bool solidCurrentPose = true;
  double solidSizeMm = kDefaultDiameterMm;
  NetChoices net;
  bool sheetBlanks = false;
  // The last folder of each file dialog, by its key (kFolderKeys).
  std::map<QString, QString> folders;
  bool operator==(const DialogChoices&) const = default;
};

// The net's part of choices, or null without them.
inline NetChoices* netChoices(DialogChoices* choices) {
  return choices != nullptr ? &choices->net : nullptr;
}

// The file dialogs whose folder is kept.
inline constexpr const char* kFolderKeys[] = {"picture", "animation", "solid", "net", "sheet"};

// How the window looked when it closed. Every part is empty where the file
// had no usable value: the window then keeps its own start.
struct StartChoices {
  std::optional<QRect> geometry;  // the client area, in screen coordinates
  bool maximized = false;
  std::optional<int> position;  // list position 0..kSolidCount-1
  std::optional<View> view;
  std::optional<bool> marks;
  std::array<std::optional<int>, 3> steps;  // the x/y/z spin values, -15..15
  std::optional<int> lineWidth;             // kMinLineWidth..kMaxLineWidth
  std::optional<bool> reducedMotion;
  std::optional<bool> colourFaces;  // faces filled in the tints of their kinds
  bool operator==(const StartChoices&) const = default;
};

struct Settings {
  StartChoices start;
  DialogChoices dialogs;
  // The code of the language chosen in the menu (one the program has).
  std::optional<QString> language;
  bool operator==(const Settings&) const = default;
};

// The limits a stored window size must keep.
inline constexpr int kLargestWindowSide = 16384;
inline constexpr int kFarthestWindowCorner = 100000;

// Reads every value of file, checked one by one; what is missing or wrong
// keeps its default.
Settings readSettings(const QSettings& file);
// Replaces everything in file with settings (numbers locale-free).
void writeSettings(QSettings& file, const Settings& settings);

// Where a stored client rectangle may open: moved into the first available
// screen area (screens) that holds its top edge, or empty where none does or
// where it is larger than that area or smaller than minimum.
std::optional<QRect> restorableGeometry(QRect stored, QSize minimum, const QList<QRect>& screens);

// The file on disk. A missing, unreadable or damaged file reads as
// defaults; a file that cannot be written is noted once on stderr and
// otherwise ignored: the program runs on.
class SettingsStore {
 public:
  // The user's file: korvelindra/korvelindra.ini in the configuration folder.
  SettingsStore();
  // Another file (tests).
  explicit SettingsStore(QString path);

  const QString& path() const { return path_; }
  Settings load() const;
  // Deletes the file: the next load is that of a first start.
  void reset();
  // Writes settings; returns whether they reached the disk.
  bool save(const Settings& settings);

 private:
  QString path_;
  bool noted_ = false;
};

}  // namespace velkora
