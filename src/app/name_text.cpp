#include "app/name_text.h"

#include <QStringDecoder>

namespace bw {

QString NameText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string NameBytes(const QString& text, const std::vector<std::string>& known) {
    for (const std::string& name : known)
        if (NameText(name) == text) return name;
    return text.toStdString();
}

}  // namespace bw
