#include "tests/random_session/dialog_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace velkora::test {

namespace {

constexpr char kAttempts[] = "sessionAttempts";

// The suffix of a name filter such as "PNG-Bilder (*.png)", without the dot.
QString filterSuffix(const QString& filter) {
  return filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0).trimmed();
}

// How many times the session has answered widget so far (counting this time).
int nextAttempt(QWidget& widget) {
  const int attempt = widget.property(kAttempts).toInt() + 1;
  widget.setProperty(kAttempts, attempt);
  return attempt;
}

}  // namespace

DialogAnswerer::DialogAnswerer(const QString& folder) : folder_(folder) {
  timer_.setInterval(1);
  QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
  timer_.start();
}

void DialogAnswerer::startEvent(std::mt19937_64& random) {
  random_ = &random;
  chosen_.clear();
  badName_ = false;
  edgeChosen_ = false;
}

QStringList DialogAnswerer::takeFailures() {
  QStringList taken;
  taken.swap(failures_);
  return taken;
}

int DialogAnswerer::below(int n) {
  return random_ == nullptr ? 0 : std::uniform_int_distribution<int>(0, n - 1)(*random_);
}

void DialogAnswerer::look() {
  if (pending_ != nullptr) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  // Answered from a queued call, not from this timer's own slot: the answer
  // may open another modal dialog (a question to overwrite), and this timer
  // must be free to fire in that dialog's event loop.
  pending_ = modal;
  QTimer::singleShot(0, modal, [this, modal] {
    pending_.clear();
    answer(modal);
  });
}

void DialogAnswerer::answer(QWidget* modal) {
  if (!modal->isVisible()) return;
  if (auto* files = qobject_cast<QFileDialog*>(modal)) {
    answerFileDialog(*files);
  } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    answerMessageBox(*box);
  } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
    answerPreview(*preview);
  } else if (modal->objectName() == QStringLiteral("NetOptions")) {
    answerNetOptions(*qobject_cast<QDialog*>(modal));
  } else {
    // A print or page set-up dialog, or anything unforeseen: never accepted.
    ++tally_.unknown;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }
}

void DialogAnswerer::answerFileDialog(QFileDialog& dialog) {
  const int attempt = nextAttempt(dialog);
  if (attempt == 1) ++tally_.fileDialogs;
  if (attempt > 3 || below(100) < 20) {
    ++tally_.cancelled;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return;
  }
  // Another file type, as a user picks it from the list (emits filterSelected).
  if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      types != nullptr && types->count() > 1 && below(100) < 30) {
    QTest::keyClick(types, below(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
  }
  if (auto* scale = dialog.findChild<QComboBox*>(QStringLiteral("PictureScale"))) {
    const int roll = below(100);
    scale->setCurrentIndex(roll < 70 ? 0 : roll < 92 ? 1 : 2);
  }
  if (auto* pose = dialog.findChild<QComboBox*>(QStringLiteral("SolidPose"))) {
    pose->setCurrentIndex(below(pose->count()));
  }
  if (auto* size = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("SolidSize"))) {
    if (below(2) == 0) size->setValue(1.0 + below(20000) * 0.5);
  }

  const QString suffix = filterSuffix(dialog.selectedNameFilter());
  const QString base = folder_ + QStringLiteral("/f") + QString::number(below(6));
  const int roll = below(100);
  QString path;
  bool bad = false;
  if (roll < 55) {
    path = base + QLatin1Char('.') + suffix;
  } else if (roll < 70) {
    path = base;  // the dialog adds its default suffix
  } else if (roll < 80) {
    path = base + QLatin1Char('.') + suffix.toUpper();
  } else if (roll < 88) {
    path = base + QStringLiteral(".xyz");
    bad = true;
  } else if (roll < 94) {
    path = folder_ + QStringLiteral("/missing/f.") + suffix;
    bad = true;
  } else {
    path = QStringLiteral("/proc/velkora-session.") + suffix;
    bad = true;
  }
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name == nullptr) {
    failures_ << QStringLiteral("the file dialog has no name field");
    dialog.reject();
    return;
  }
  badName_ = badName_ || bad;
  if (bad) ++tally_.badNames;
  ++tally_.filesChosen;
  int scale = 0;
  if (auto* scales = dialog.findChild<QComboBox*>(QStringLiteral("PictureScale"))) {
    scale = scales->currentData().toInt();
  }
  name->setText(path);
  // Return accepts, after a question when the file exists; the dialog then
  // gives the name with its default suffix, which is what the window writes.
  QTest::keyClick(name, Qt::Key_Return);
  if (dialog.result() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    chosen_.push_back(ChosenFile{dialog.selectedFiles().front(), scale});
  }
}

void DialogAnswerer::answerMessageBox(QMessageBox& box) {
  if (nextAttempt(box) > 1) return;  // the click below closes it
  const QString text = box.text();
  if (box.icon() == QMessageBox::Critical) {
    ++tally_.errorBoxes;
    if (text.contains(QStringLiteral("Interner Fehler")) ||
        text.contains(QStringLiteral("Internal error"))) {
      failures_ << QStringLiteral("internal error box: ") + text;
    } else if (!badName_ && !(edgeChosen_ && text.contains(QStringLiteral("zu groß")))) {
      failures_ << QStringLiteral("error box although every file name was writable: ") + text;
    }
  } else {
    ++tally_.otherBoxes;
  }
  const QList<QAbstractButton*> buttons = box.buttons();
  if (buttons.isEmpty()) {
    box.reject();
    return;
  }
  QTest::mouseClick(buttons[below(static_cast<int>(buttons.size()))], Qt::LeftButton);
}

void DialogAnswerer::answerNetOptions(QDialog& dialog) {
  if (nextAttempt(dialog) > 1) {
    dialog.reject();
    return;
  }
  ++tally_.netOptions;
  for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
    if (below(100) < 40) combo->setCurrentIndex(below(combo->count()));
  }
  if (auto* edge = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("NetEdge"))) {
    // Mostly the largest edge that fits one page; now and then a fixed one,
    // small enough that the pages stay few.
    if (below(100) < 30) {
      edge->setValue(10.0 + below(90));
      edgeChosen_ = true;
    }
  }
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    if (below(100) < 20) QTest::mouseClick(box, Qt::LeftButton);
  }
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  if (buttons == nullptr || below(100) < 20) {
    ++tally_.cancelled;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return;
  }
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void DialogAnswerer::answerPreview(QPrintPreviewDialog& preview) {
  if (nextAttempt(preview) == 1) ++tally_.previews;
  auto* pages = preview.findChild<QPrintPreviewWidget*>();
  if (pages == nullptr || below(2) == 0) {
    ++tally_.cancelled;
    preview.reject();
    return;
  }
  // What the preview's print button does after its print dialog, but into a
  // PDF file: no printer is ever reached.
  QPrinter* printer = preview.printer();
  printer->setOutputFormat(QPrinter::PdfFormat);
  const QString path = folder_ + QStringLiteral("/net") + QString::number(printCount_++ % 4) +
                       QStringLiteral(".pdf");
  printer->setOutputFileName(path);
  pages->print();
  ++tally_.printedToPdf;
  chosen_.push_back(ChosenFile{path, 0});
  preview.accept();
}

}  // namespace velkora::test
