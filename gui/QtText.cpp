#include "QtText.h"


#include <QFile>
#include <QTextDocument>

namespace quorlex {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QString PathToQt(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace quorlex
