#pragma once
// The control window's part for the phone remote: the QR code a phone scans to pair, a line
// about the paired phone, and the Unpair button.

#include <QWidget>

#include <string>

class QImage;
class QLabel;
class QPushButton;

namespace lenvari {

class PhonePairingPanel : public QWidget {
 public:
  PhonePairingPanel();
  // A null image hides the panel.
  void Show(const QImage& code, const std::string& text);
  // True once after Unpair was pressed.
  bool TakeUnpairRequest();

 private:
  QLabel* code_ = nullptr;
  QLabel* text_ = nullptr;
  QPushButton* unpair_ = nullptr;
  bool unpairAsked_ = false;
};

}  // namespace lenvari
