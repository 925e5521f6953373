#include "ui/tooltip_wrap.h"

#include <QEvent>
#include <QFontMetrics>
#include <QObject>
#include <QStringList>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace velkora {

namespace {

// Wraps the tooltip of the widget it is installed on each time it changes.
class ToolTipWrapper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTipChange) {
      if (auto* widget = qobject_cast<QWidget*>(watched)) {
        const QString text = widget->toolTip();
        const QString wrapped = wrappedToolTip(text);
        // Setting it again sends another change, which finds it wrapped.
        if (wrapped != text) widget->setToolTip(wrapped);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

QString wrappedToolTip(const QString& text) {
  if (text.isEmpty() || Qt::mightBeRichText(text)) return text;
  const QFontMetrics metrics(QToolTip::font());
  if (metrics.horizontalAdvance(text) <= kToolTipWidth && !text.contains(QLatin1Char('\n'))) {
    return text;
  }
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > kToolTipWidth) {
        lines << line.toHtmlEscaped();
        line = word;
      } else {
        line = longer;
      }
    }
    lines << line.toHtmlEscaped();
  }
  return QStringLiteral("<qt>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</qt>");
}

void wrapToolTips(QWidget& widget) {
  // Once per widget, however often the texts are applied again.
  const QString name = QStringLiteral("ToolTipWrapper");
  if (widget.findChild<QObject*>(name, Qt::FindDirectChildrenOnly) == nullptr) {
    auto* wrapper = new ToolTipWrapper(&widget);
    wrapper->setObjectName(name);
    widget.installEventFilter(wrapper);
  }
  const QString wrapped = wrappedToolTip(widget.toolTip());
  if (wrapped != widget.toolTip()) widget.setToolTip(wrapped);
}

}  // namespace velkora
