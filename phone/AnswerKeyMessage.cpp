#include "phone/AnswerKeyMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lenvari {
namespace {

// The chart's texts are Latin-1 bytes (the letter-set files are); shown as such on the page.
QString Text(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::string AnswerKeyMessage(const AnswerKey& key, int frame) {
  QJsonArray rows;
  for (const std::string& line : key.lines) rows.append(Text(line));
  QJsonObject object{{"t", "key"},
                     {"frame", frame},
                     {"caption", Text(key.caption)},
                     {"heading", Text(key.heading)},
                     {"rows", rows}};
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace lenvari
