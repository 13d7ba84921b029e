#pragma once

#include <QCheckBox>

namespace skarvel {

// A step box of the steps page: open, ticked when its step is done, or failed, which shows a
// cross in the box and the caption in the error colour, so that a failed step never looks done.
class StepBox : public QCheckBox {
  Q_OBJECT
  Q_PROPERTY(bool failed READ Failed)

 public:
  explicit StepBox(QWidget* parent = nullptr);

  // Failed unticks the box; the failure lasts until SetFailed(false).
  void SetFailed(bool failed);
  bool Failed() const { return failed_; }
  // Where the cross is drawn: the box's indicator.
  QRect CrossArea() const;

  static QColor FailedColour();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Restyle();

  bool failed_ = false;
};

}  // namespace skarvel

using skarvel::StepBox;
