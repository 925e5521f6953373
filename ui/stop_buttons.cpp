#include "ui/stop_buttons.h"

#include <QGridLayout>

namespace velkora {

StopButtons::StopButtons(QWidget* parent) : QWidget(parent) { new QGridLayout(this); }

void StopButtons::setButtons(int count, const QString& prefix,
                             const std::function<void(int)>& pressed) {
  auto* grid = static_cast<QGridLayout*>(layout());
  while (QLayoutItem* item = grid->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  prefix_ = prefix;
  count_ = count;
  for (int k = 0; k < count; ++k) {
    auto* stop = new QPushButton(this);
    stop->setObjectName(prefix + QString::number(k));
    connect(stop, &QPushButton::clicked, this, [pressed, k] { pressed(k); });
    grid->addWidget(stop, k / 2, k % 2);
  }
}

QPushButton& StopButtons::button(int k) const {
  return *findChild<QPushButton*>(prefix_ + QString::number(k), Qt::FindDirectChildrenOnly);
}

}  // namespace velkora
