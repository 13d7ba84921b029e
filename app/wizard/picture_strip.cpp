#include "app/wizard/picture_strip.h"

#include <QLinearGradient>
#include <QPainter>

namespace skarvel {

PictureStrip::PictureStrip(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize PictureStrip::sizeHint() const { return {fontMetrics().height() * 6, 200}; }

void PictureStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0.0, QColor(0x1f, 0x3a, 0x5f));
  gradient.setColorAt(1.0, QColor(0x3f, 0x8f, 0xbf));
  painter.fillRect(rect(), gradient);
  // A till receipt's tear line down the right edge.
  painter.setPen(QPen(QColor(255, 255, 255, 90), 2, Qt::DashLine));
  painter.drawLine(width() - 4, 0, width() - 4, height());
  QFont font = painter.font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 2.2);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.translate(width() / 2.0 + painter.fontMetrics().ascent() / 2.5, height() - 24);
  painter.rotate(-90);
  painter.drawText(0, 0, QStringLiteral("Lumtrak"));
}

QPixmap WizardIcon(int size) {
  QPixmap icon(size, size);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);
  QLinearGradient gradient(0, 0, 0, 64);
  gradient.setColorAt(0.0, QColor(0x1f, 0x3a, 0x5f));
  gradient.setColorAt(1.0, QColor(0x3f, 0x8f, 0xbf));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(20, 14, 24, 34));
  painter.setPen(QPen(QColor(0x1f, 0x3a, 0x5f), 3, Qt::SolidLine, Qt::RoundCap));
  for (const int y : {22, 28, 34}) painter.drawLine(25, y, y == 34 ? 34 : 39, y);
  return icon;
}

}  // namespace skarvel
