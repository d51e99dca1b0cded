#include "platform/qt/ProgramIcon.h"

#include <QGuiApplication>
#include <QIcon>

namespace lenvari {

void SetProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
  QGuiApplication::setWindowIcon(icon);
}

}  // namespace lenvari
