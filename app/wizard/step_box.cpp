#include "app/wizard/step_box.h"

#include <algorithm>

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace skarvel {

StepBox::StepBox(QWidget* parent) : QCheckBox(parent) {}

QColor StepBox::FailedColour() { return QColor(0xc0, 0x00, 0x00); }

void StepBox::SetFailed(bool failed) {
  if (failed) setChecked(false);
  if (failed == failed_) return;
  failed_ = failed;
  Restyle();
}

// The style sheet of the steps page colours a failed box's caption by this property.
void StepBox::Restyle() {
  style()->unpolish(this);
  style()->polish(this);
  update();
}

QRect StepBox::CrossArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

void StepBox::paintEvent(QPaintEvent* event) {
  QCheckBox::paintEvent(event);
  if (!failed_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect area = CrossArea();
  const int inset = std::max(2, area.width() / 5);
  const QRectF cross = QRectF(area).adjusted(inset, inset, -inset, -inset);
  painter.setPen(
      QPen(FailedColour(), std::max(2.0, area.width() / 7.0), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(cross.topLeft(), cross.bottomRight());
  painter.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace skarvel
