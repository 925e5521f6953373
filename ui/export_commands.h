#pragma once
// The window's export commands: saving and copying the picture, saving an
// animation, exporting the solid and saving the paper net. The dialogs only collect a file name and
// options; the files are written by the export service that the command line
// uses too. The methods throw; the window runs them at its guarded boundary.

#include <QImage>
#include <QString>

#include "animation/animation_frames.h"

namespace velkora {

class TFVelkora;

class ExportCommands {
 public:
  // window must outlive the commands; they read its solid, view and picture size.
  explicit ExportCommands(TFVelkora& window) : window_(window) {}

  // Dialog (file name and scale), then savePictureTo.
  void savePicture();
  // The current picture at scale times the drawing area, as PNG.
  void savePictureTo(const QString& path, int scale);
  // The current picture to the clipboard.
  void copyPicture();
  // Dialog (file name, kind and frames), then saveAnimationTo.
  void saveAnimation();
  // An animation of kind from what is on show, in its current pose, view and
  // marks, as GIF or WebP by the path's suffix, with a progress dialog that
  // can cancel it (then nothing is written). Returns whether it was written.
  bool saveAnimationTo(const QString& path, AnimationKind kind, int frames);
  // Dialog (file name, pose and size), then exportSolidTo.
  void exportSolid();
  // The selected solid in the current or the start pose, by the path's suffix.
  void exportSolidTo(const QString& path, bool currentPose, double diameterMm);
  // The net options dialog, a save dialog, then the net by the path's suffix.
  void saveNet();

 private:
  // The picture on show at scale: the solid in its view, or the folding net.
  QImage shownPicture(int scale);
  TFVelkora& window_;
};

}  // namespace velkora
