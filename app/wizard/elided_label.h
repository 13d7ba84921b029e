#pragma once

#include <QLabel>

namespace skarvel {

// A one-line label that never cuts its text off: a text wider than the label shows its beginning
// and its end with an ellipsis between (an address keeps its scheme and its path), and the whole
// text as its tool tip. It asks for no width of its own, so a long text never widens the window.
class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // What the label shows of text() at its present width.
  QString Shown() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace skarvel

using skarvel::ElidedLabel;
