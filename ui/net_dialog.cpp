#include "ui/net_dialog.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

#include "nets/layout.h"
#include "text/number_text.h"
#include "ui/settings_store.h"

namespace velkora {

namespace {

QComboBox* paperBox(QDialog& dialog) {
  auto* paper = new QComboBox(&dialog);
  paper->addItem(QStringLiteral("A4"), static_cast<int>(Paper::A4));
  paper->addItem(QStringLiteral("A3"), static_cast<int>(Paper::A3));
  paper->addItem(QCoreApplication::translate("Korvelindra", "Letter"),
                 static_cast<int>(Paper::Letter));
  return paper;
}

QComboBox* orientationBox(QDialog& dialog) {
  auto* orientation = new QComboBox(&dialog);
  orientation->addItem(QCoreApplication::translate("Korvelindra", "beste"),
                       static_cast<int>(Orientation::Best));
  orientation->addItem(QCoreApplication::translate("Korvelindra", "Hochformat"),
                       static_cast<int>(Orientation::Portrait));
  orientation->addItem(QCoreApplication::translate("Korvelindra", "Querformat"),
                       static_cast<int>(Orientation::Landscape));
  return orientation;
}

// Glue tabs: one per cut pair (the default), on both edges of a pair, or none.
QComboBox* tabStyleBox(QDialog& dialog) {
  auto* style = new QComboBox(&dialog);
  style->setObjectName(QStringLiteral("NetTabs"));
  style->addItem(QCoreApplication::translate("Korvelindra", "eine je Schnittkantenpaar"),
                 static_cast<int>(TabStyle::One));
  style->addItem(QCoreApplication::translate("Korvelindra", "an beiden Kanten (dünnes Papier)"),
                 static_cast<int>(TabStyle::Both));
  style->addItem(QCoreApplication::translate("Korvelindra", "keine"),
                 static_cast<int>(TabStyle::None));
  return style;
}

QCheckBox* checkBox(QDialog& dialog, const QString& text, const QString& name, bool checked) {
  auto* box = new QCheckBox(text, &dialog);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

// The longest edge in mm; 0 stands for the largest that fits one page.
QDoubleSpinBox* edgeBox(QDialog& dialog) {
  auto* edge = new QDoubleSpinBox(&dialog);
  edge->setObjectName(QStringLiteral("NetEdge"));
  edge->setRange(0.0, 1000.0);
  edge->setDecimals(1);
  edge->setSuffix(QStringLiteral(" mm"));
  edge->setSpecialValueText(
      QCoreApplication::translate("Korvelindra", "größte, die auf eine Seite passt"));
  return edge;
}

}  // namespace

std::optional<NetOptions> askNetOptions(QWidget* parent, const Polyhedron& solid,
                                        const QString& title, NetChoices* remembered) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("NetOptions"));
  dialog.setWindowTitle(title);
  dialog.setAccessibleName(title);
  dialog.setAccessibleDescription(QCoreApplication::translate(
      "NetDialog", "Papier, Kantenlänge, Laschen und Beschriftung des Netzes."));
  auto* paper = paperBox(dialog);
  auto* orientation = orientationBox(dialog);
  auto* edge = edgeBox(dialog);
  auto* largest = new QLabel(&dialog);
  largest->setObjectName(QStringLiteral("NetLargest"));
  auto* tabs = tabStyleBox(dialog);
  auto* numbers =
      new QCheckBox(QCoreApplication::translate("Korvelindra", "Kanten nummerieren"), &dialog);
  numbers->setChecked(true);
  const NetOptions defaults;
  auto* faceNumbers =
      checkBox(dialog, QCoreApplication::translate("Korvelindra", "Flächen nummerieren"),
               QStringLiteral("NetFaceNumbers"), defaults.faceNumbers);
  auto* foldAngles = checkBox(
      dialog, QCoreApplication::translate("Korvelindra", "Faltwinkel an die Faltlinien schreiben"),
      QStringLiteral("NetFoldAngles"), defaults.foldAngles);
  auto* scaleBar = checkBox(
      dialog,
      QCoreApplication::translate("Korvelindra", "Maßstab (50 mm) zum Prüfen der Druckgröße"),
      QStringLiteral("NetScaleBar"), defaults.scaleBar);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  if (remembered != nullptr) {
    paper->setCurrentIndex(std::max(0, paper->findData(static_cast<int>(remembered->paper))));
    orientation->setCurrentIndex(
        std::max(0, orientation->findData(static_cast<int>(remembered->orientation))));
    edge->setValue(remembered->edgeMm);
    tabs->setCurrentIndex(std::max(0, tabs->findData(static_cast<int>(remembered->tabStyle))));
    numbers->setChecked(remembered->numbers);
    faceNumbers->setChecked(remembered->faceNumbers);
    foldAngles->setChecked(remembered->foldAngles);
    scaleBar->setChecked(remembered->scaleBar);
  }

  auto* form = new QFormLayout(&dialog);
  form->addRow(QCoreApplication::translate("Korvelindra", "Papier:"), paper);
  form->addRow(QCoreApplication::translate("Korvelindra", "Ausrichtung:"), orientation);
  form->addRow(QCoreApplication::translate("Korvelindra", "Längste Kante:"), edge);
  form->addRow(QString(), largest);
  form->addRow(QCoreApplication::translate("Korvelindra", "Laschen:"), tabs);
  form->addRow(QString(), numbers);
  form->addRow(QString(), faceNumbers);
  form->addRow(QString(), foldAngles);
  form->addRow(QString(), scaleBar);
  form->addRow(buttons);
  // Each field is named by its caption (the form makes it the label's buddy)
  // and described for assistive technology.
  const std::pair<QWidget*, const char*> descriptions[] = {
      {paper, QT_TRANSLATE_NOOP("NetDialog", "Das Papierformat der Seiten.")},
      {orientation, QT_TRANSLATE_NOOP("NetDialog", "Hoch, quer oder was dem Netz besser passt.")},
      {edge, QT_TRANSLATE_NOOP("NetDialog",
                               "Die längste Kante des Netzes in Millimetern; 0 für "
                               "die größte, die auf eine Seite passt.")},
      {tabs, QT_TRANSLATE_NOOP("NetDialog",
                               "Klebelaschen an einer Kante jedes Paars, an beiden "
                               "oder keine.")},
      {numbers, QT_TRANSLATE_NOOP("NetDialog", "Nummern an den Schnittkanten.")},
      {faceNumbers, QT_TRANSLATE_NOOP("NetDialog", "Nummern in den Flächen.")},
      {foldAngles, QT_TRANSLATE_NOOP("NetDialog", "Der Winkel an jeder Faltlinie.")},
      {scaleBar, QT_TRANSLATE_NOOP("NetDialog", "Ein Maßstabsbalken von 50 mm.")}};
  for (const auto& [field, text] : descriptions) {
    field->setAccessibleDescription(QCoreApplication::translate("NetDialog", text));
  }

  const auto chosenPaper = [paper] { return static_cast<Paper>(paper->currentData().toInt()); };
  const auto chosenOrientation = [orientation] {
    return static_cast<Orientation>(orientation->currentData().toInt());
  };
  // A slot of the dialog's own event loop: no error may leave it.
  const auto showLargest = [&] {
    try {
      const double mm = largestEdgeMm(solid, chosenPaper(), chosenOrientation());
      largest->setText(
          QCoreApplication::translate("Korvelindra", "Auf eine Seite passen bis %1 mm.")
              .arg(QString::fromStdString(peopleNumber(mm, 1))));
    } catch (const std::exception& error) {
      largest->setText(QCoreApplication::translate(
                           "Korvelindra", "Die größte Kante für eine Seite ist nicht bekannt: %1")
                           .arg(QString::fromUtf8(error.what())));
    }
  };
  showLargest();
  QObject::connect(paper, &QComboBox::currentIndexChanged, &dialog, showLargest);
  QObject::connect(orientation, &QComboBox::currentIndexChanged, &dialog, showLargest);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  NetOptions options;
  options.paper = chosenPaper();
  options.orientation = chosenOrientation();
  if (edge->value() > 0.0) options.edgeMm = edge->value();
  options.tabStyle = static_cast<TabStyle>(tabs->currentData().toInt());
  options.tabs = options.tabStyle != TabStyle::None;
  options.numbers = numbers->isChecked();
  options.faceNumbers = faceNumbers->isChecked();
  options.foldAngles = foldAngles->isChecked();
  options.scaleBar = scaleBar->isChecked();
  if (remembered != nullptr) {
    *remembered =
        NetChoices{options.paper,   options.orientation, edge->value(),      options.tabStyle,
                   options.numbers, options.faceNumbers, options.foldAngles, options.scaleBar};
  }
  return options;
}

}  // namespace velkora
