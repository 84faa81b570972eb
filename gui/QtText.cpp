#include "QtText.h"

#include "util/Cp1252.h"

#include <QFile>
#include <QTextDocument>

namespace quorlex {

QString ToQt(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QString PathToQt(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace quorlex
