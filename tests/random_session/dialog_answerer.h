#pragma once
// Answers the modal dialogs that the window opens during a random session:
// a timer finds the active modal widget and, from the event's random source,
// cancels it or fills it in and accepts. File names point into the session's
// temporary folder (or, on purpose, where nothing can be written); print
// previews print only to a PDF file there, never to a printer. Error boxes
// are read and closed: an internal error is a failure, and so is any other
// error unless a file name was bad on purpose or a chosen net edge is too
// long for a face to fit on the paper.

#include <random>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>

class QDialog;
class QFileDialog;
class QMessageBox;
class QPrintPreviewDialog;
class QWidget;

namespace velkora::test {

// A file that an accepted dialog asked the window to write.
struct ChosenFile {
  QString path;
  int pictureScale = 0;  // the picture dialog's scale; 0 for other dialogs
};

// How often each kind of dialog was met and how it was answered.
struct AnswerTally {
  int fileDialogs = 0;
  int filesChosen = 0;
  int badNames = 0;  // names chosen where nothing can be written
  int netOptions = 0;
  int previews = 0;
  int printedToPdf = 0;
  int errorBoxes = 0;
  int otherBoxes = 0;  // about box, overwrite questions
  int cancelled = 0;
  int unknown = 0;  // any other modal widget, cancelled
};

class DialogAnswerer {
 public:
  // Writes only below folder, which must exist.
  explicit DialogAnswerer(const QString& folder);
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Starts a new event whose answers are drawn from random (kept until the next call).
  void startEvent(std::mt19937_64& random);
  // Files chosen during this event, and whether an error box is to be expected.
  const std::vector<ChosenFile>& chosenFiles() const { return chosen_; }
  bool badNameChosen() const { return badName_; }
  // Failures seen since the last call: internal errors, unexpected error boxes.
  QStringList takeFailures();
  const AnswerTally& tally() const { return tally_; }

 private:
  void look();
  void answer(QWidget* modal);
  void answerFileDialog(QFileDialog& dialog);
  void answerMessageBox(QMessageBox& box);
  void answerNetOptions(QDialog& dialog);
  void answerPreview(QPrintPreviewDialog& preview);
  int below(int n);

  QString folder_;
  std::mt19937_64* random_ = nullptr;
  QTimer timer_;
  QPointer<QWidget> pending_;  // a modal widget whose answer is queued
  std::vector<ChosenFile> chosen_;
  bool badName_ = false;
  bool edgeChosen_ = false;  // a net edge of the session's choosing, which may be too long
  int printCount_ = 0;
  QStringList failures_;
  AnswerTally tally_;
};

}  // namespace velkora::test
