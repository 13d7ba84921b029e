#pragma once

#include <QWidget>

namespace skarvel {

// The picture strip on the left of every page and window: the product's colours and name,
// painted, so it scales with the window and the system font.
class PictureStrip : public QWidget {
  Q_OBJECT

 public:
  explicit PictureStrip(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The wizard's window icon: a receipt on the strip's colours, painted at the given size.
QPixmap WizardIcon(int size);

}  // namespace skarvel

using skarvel::PictureStrip;
