#pragma once
// The picture of the remote's body as a widget: drawn at the widget's top-left corner in its
// full 239 x 660 pixels times its scale, whatever the widget's size.

#include <QWidget>

namespace lenvari {

class RemotePicture : public QWidget {
 public:
  using QWidget::QWidget;
  void SetScale(double scale) { scale_ = scale; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double scale_ = 1;
};

}  // namespace lenvari
