#include "ui/properties_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "base/errors.h"
#include "properties/properties_text.h"
#include "text/ui_text.h"
#include "translations/solid_names.h"

namespace velkora {

PropertiesWindow::PropertiesWindow(CatalogueSource catalogue, ErrorReporter reportError,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      catalogue_(std::move(catalogue)),
      reportError_(std::move(reportError)),
      tool_(*this) {
  setObjectName(QStringLiteral("Eigenschaften"));
  title_.setObjectName(QStringLiteral("PropertiesTitle"));
  QFont bold = title_.font();
  bold.setBold(true);
  title_.setFont(bold);
  table_.setObjectName(QStringLiteral("PropertiesTable"));
  table_.setColumnCount(2);
  table_.verticalHeader()->hide();
  table_.horizontalHeader()->setStretchLastSection(true);
  table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_.setWordWrap(true);
  dualButton_.setObjectName(QStringLiteral("DualButton"));
  copyButton_.setObjectName(QStringLiteral("CopyButton"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(&dualButton_);
  buttons->addStretch();
  buttons->addWidget(&copyButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&title_);
  pick_.setObjectName(QStringLiteral("PropertiesPick"));
  pick_.setWordWrap(true);
  pick_.hide();
  layout->addWidget(&pick_);
  layout->addWidget(&table_);
  layout->addLayout(buttons);
  table_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  resize(620, 660);

  tool_.texts().add([this] {
    setWindowTitle(tr("Eigenschaften"));
    table_.setHorizontalHeaderLabels({tr("Größe"), tr("Wert")});
    copyButton_.setText(tr("&Kopieren"));
    fillTable();
    applyAccessibleTexts();
  });

  connect(&copyButton_, &QPushButton::clicked, this, [this] { copyTable(); });
  connect(&table_, &QTableWidget::cellClicked, this, [this](int row, int /*column*/) {
    const QTableWidgetItem* label = table_.item(row, 0);
    if (label == nullptr) return;
    if (label->text() == QString::fromStdString(uiText("Properties", "Flächenarten"))) {
      emit askedAbout(false);
    } else if (label->text() ==
               QString::fromStdString(uiText("Properties", "Eckenkonfiguration"))) {
      emit askedAbout(true);
    }
  });
  connect(&dualButton_, &QPushButton::clicked, this, [this] {
    if (shown_ && properties_.dualPosition >= 0) emit positionPicked(properties_.dualPosition);
  });
}

void PropertiesWindow::showSolid(const Solid& solid) {
  shown_ = false;
  table_.setRowCount(0);
  dualButton_.setEnabled(false);
  dualButton_.setText(tr("Dualer Körper"));
  title_.clear();
  if (solid.geometry.vertices.empty()) return;
  try {
    properties_ = computeProperties(solid, catalogue_());
  } catch (const std::exception& error) {
    reportError_(errorText(error));
    return;
  }
  shown_ = true;
  dualButton_.setEnabled(properties_.dualPosition >= 0 &&
                         properties_.dualPosition != solid.position);
  fillTable();
}

void PropertiesWindow::fillTable() {
  if (!shown_) {
    dualButton_.setText(tr("Dualer Körper"));
    return;
  }
  title_.setText(shownSolidName(QString::fromStdString(properties_.name)));
  const auto rows = propertiesRows(properties_);
  table_.setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const auto& [label, value] = rows[static_cast<std::size_t>(row)];
    table_.setItem(row, 0, new QTableWidgetItem(QString::fromStdString(label)));
    table_.setItem(row, 1, new QTableWidgetItem(QString::fromStdString(value)));
  }
  table_.resizeColumnToContents(0);
  table_.resizeRowsToContents();
  dualButton_.setText(
      properties_.dualPosition >= 0
          ? tr("Dual: %1").arg(shownSolidName(QString::fromStdString(properties_.dualName)))
          : tr("Dualer Körper"));
}

QString PropertiesWindow::tableText() const {
  return shown_ ? QString::fromStdString(propertiesTable(properties_)) : QString();
}

void PropertiesWindow::copyTable() {
  if (shown_) QApplication::clipboard()->setText(tableText());
}

void PropertiesWindow::applyAccessibleTexts() {
  setAccessibleName(tr("Eigenschaften"));
  setAccessibleDescription(tr("Die Zahlen des gezeigten Körpers, aus seiner Geometrie berechnet."));
  title_.setAccessibleName(tr("Körper"));
  title_.setAccessibleDescription(tr("Name des Körpers, dessen Eigenschaften die Tabelle zeigt."));
  pick_.setAccessibleName(tr("Frage an das Bild"));
  pick_.setAccessibleDescription(
      tr("Was das Bild über eine Fläche oder Ecke sagt: Strg+Klick ins Bild fragt, Esc oder ein "
         "Klick beendet die Frage."));
  table_.setAccessibleName(tr("Eigenschaften"));
  table_.setAccessibleDescription(tr("Je Zeile eine Größe und ihr Wert."));
  dualButton_.setAccessibleDescription(tr("Wählt den dualen Körper in der Liste."));
  copyButton_.setAccessibleDescription(tr("Kopiert die Tabelle als Text."));
  dualButton_.setToolTip(tr("Wählt den dualen Körper in der Liste des Hauptfensters."));
  copyButton_.setToolTip(tr("Kopiert die Tabelle als Text in die Zwischenablage."));
}

void PropertiesWindow::showPick(const QString& text) {
  pick_.setText(text);
  pick_.setVisible(!text.isEmpty());
}

}  // namespace velkora
