#include "platform/qtgui/DisplayIdentity.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

#include <cstdlib>

#include "platform/qtgui/MonitorEdid.h"
#ifdef _WIN32
#include "platform/win/MonitorEdidWin.h"
#endif

namespace lenvari {

std::vector<DisplayIdentity> ParseDisplayIdentities(const std::string& json) {
  std::vector<DisplayIdentity> identities;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json));
  for (const QJsonValue& value : document.array()) {
    const QJsonObject o = value.toObject();
    DisplayIdentity identity;
    identity.manufacturer = o["manufacturer"].toString().toStdString();
    identity.model = o["model"].toString().toStdString();
    identity.serialNumber = o["serialNumber"].toString().toStdString();
    identity.physicalWidthMm = o["physicalWidthMm"].toDouble();
    identity.physicalHeightMm = o["physicalHeightMm"].toDouble();
    identities.push_back(identity);
  }
  return identities;
}

std::vector<DisplayIdentity> EnumDisplayIdentities() {
  std::vector<DisplayIdentity> identities;
  for (const QScreen* screen : QGuiApplication::screens()) {
    DisplayIdentity identity;
    identity.manufacturer = screen->manufacturer().trimmed().toStdString();
    identity.model = screen->model().trimmed().toStdString();
    identity.serialNumber = screen->serialNumber().trimmed().toStdString();
    identity.physicalWidthMm = screen->physicalSize().width();
    identity.physicalHeightMm = screen->physicalSize().height();
#ifdef _WIN32
    // Qt on Windows leaves the monitor's own fields empty; its EDID has them.
    if (identity.manufacturer.empty()) {
      const DisplayIdentity edid = IdentityFromEdid(ReadMonitorEdid(screen->name().toStdWString()));
      identity.manufacturer = edid.manufacturer;
      identity.model = edid.model;
      identity.serialNumber = edid.serialNumber;
    }
#endif
    const int angle = screen->angleBetween(screen->nativeOrientation(), screen->orientation());
    identity.rotationDegrees = ((angle % 360) + 360) % 360;
    identities.push_back(identity);
  }
  const char* overrideFile = std::getenv("LENVARI_SCREEN_IDENTITY");
  if (overrideFile && *overrideFile) {
    QFile file(QString::fromLocal8Bit(overrideFile));
    std::vector<DisplayIdentity> given;
    if (file.open(QIODevice::ReadOnly)) given = ParseDisplayIdentities(file.readAll().toStdString());
    for (size_t i = 0; i < identities.size(); ++i) {
      const int rotation = identities[i].rotationDegrees;
      identities[i] = i < given.size() ? given[i] : DisplayIdentity{};
      identities[i].rotationDegrees = rotation;
    }
  }
  return identities;
}

}  // namespace lenvari
