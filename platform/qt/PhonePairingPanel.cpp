#include "platform/qt/PhonePairingPanel.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace lenvari {

PhonePairingPanel::PhonePairingPanel() {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 4, 0, 0);
  code_ = new QLabel;
  code_->setObjectName("phonePairingCode");
  row->addWidget(code_, 0, Qt::AlignTop);
  auto* column = new QVBoxLayout;
  text_ = new QLabel;
  text_->setObjectName("phonePairingText");
  text_->setWordWrap(true);
  text_->setTextFormat(Qt::PlainText);
  column->addWidget(text_);
  unpair_ = new QPushButton("Unpair");
  unpair_->setToolTip("Forget every paired phone and show a new code");
  column->addWidget(unpair_, 0, Qt::AlignLeft);
  column->addStretch(1);
  row->addLayout(column, 1);
  connect(unpair_, &QPushButton::clicked, this, [this] { unpairAsked_ = true; });
  hide();
}

void PhonePairingPanel::Show(const QImage& code, const std::string& text) {
  if (code.isNull()) {
    hide();
    return;
  }
  // The code's modules stay sharp: drawn at their own pixels, never scaled by the screen.
  QPixmap pixmap = QPixmap::fromImage(code);
  code_->setPixmap(pixmap);
  code_->setFixedSize(code.size() / devicePixelRatioF());
  pixmap.setDevicePixelRatio(devicePixelRatioF());
  code_->setPixmap(pixmap);
  text_->setText(QString::fromStdString(text));
  show();
}

bool PhonePairingPanel::TakeUnpairRequest() {
  const bool asked = unpairAsked_;
  unpairAsked_ = false;
  return asked;
}

}  // namespace lenvari
