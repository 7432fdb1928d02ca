#include "app/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

#include "core/params.h"

namespace bw {

namespace {

// Every text marked in the layers without Qt (generated from the sources).
const char* const kMessageTexts[] = {
#include "app/message_texts.inc"
};

// Qt's own texts that the program shows: the standard buttons of message
// boxes. They are looked up in Qt's context, so the program's translation
// carries them and no other catalogue is needed.
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString& Language() {
    static QString language;
    return language;
}

const QRegularExpression& PlaceholderPattern() {
    static const QRegularExpression re(QStringLiteral("%s|%[1-9]"));
    return re;
}

// A marked text as a pattern: its fixed parts literally, each placeholder a
// capture (within one line, as names and paths are).
struct MessagePattern {
    QString source;
    QStringList placeholders;
    QRegularExpression re;
};

MessagePattern MakePattern(const QString& source) {
    MessagePattern m{source, {}, {}};
    QString pattern;
    qsizetype from = 0;
    auto it = PlaceholderPattern().globalMatch(source);
    while (it.hasNext()) {
        const QRegularExpressionMatch p = it.next();
        pattern += QRegularExpression::escape(source.mid(from, p.capturedStart() - from));
        m.placeholders << p.captured();
        from = p.capturedEnd();
        // A placeholder at the end takes the rest of the line, one before a
        // fixed part as little as it can.
        pattern +=
            from < source.size() ? QStringLiteral("([^\\r\\n]*?)") : QStringLiteral("([^\\r\\n]*)");
    }
    pattern += QRegularExpression::escape(source.mid(from));
    m.re.setPattern(pattern);
    return m;
}

// The longest texts first, so that a short one never takes a piece of a
// longer one.
const std::vector<MessagePattern>& Patterns() {
    static const std::vector<MessagePattern> patterns = [] {
        std::vector<MessagePattern> all;
        for (const char* text : kMessageTexts) all.push_back(MakePattern(QString::fromUtf8(text)));
        std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
            return a.source.size() > b.source.size();
        });
        return all;
    }();
    return patterns;
}

// The translation with the message's values in its placeholders: "%1" takes
// what the source's "%1" stood for, each "%s" the next "%s" of the source.
QString Filled(const QString& translation, const MessagePattern& m,
               const QRegularExpressionMatch& match) {
    QString out;
    qsizetype from = 0, nextS = 0;
    auto it = PlaceholderPattern().globalMatch(translation);
    while (it.hasNext()) {
        const QRegularExpressionMatch p = it.next();
        out += translation.mid(from, p.capturedStart() - from);
        from = p.capturedEnd();
        qsizetype index = -1;
        if (p.captured() == QLatin1String("%s")) {
            for (qsizetype seen = 0, i = 0; i < m.placeholders.size(); ++i)
                if (m.placeholders[i] == QLatin1String("%s") && seen++ == nextS) index = i;
            ++nextS;
        } else {
            index = m.placeholders.indexOf(p.captured());
        }
        // A placeholder the source does not have stays as it is written.
        out += index >= 0 ? match.captured(static_cast<int>(index) + 1) : p.captured();
    }
    return out + translation.mid(from);
}

}  // namespace

QString TranslationsFolder() {
    return QString::fromStdString(ProgramDir()) + QStringLiteral("translations");
}

QString InstallTranslation(const QString& folder, const QLocale& locale) {
    RemoveTranslation();
    auto translator = std::make_unique<QTranslator>();
    // "de_AT" finds "brindlewick_de.qm"; English has no file and stops the search.
    for (const QString& name : locale.uiLanguages()) {
        QString language = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) return {};
        if (translator->load(QStringLiteral("brindlewick_") + language, folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            Installed() = std::move(translator);
            Language() = language;
            return language;
        }
    }
    return {};
}

void RemoveTranslation() {
    if (Installed()) QCoreApplication::removeTranslator(Installed().get());
    Installed().reset();
    Language().clear();
}

QString TranslationLanguage() {
    return Language();
}

QString TranslatedMessage(const std::string& text) {
    QString message = QString::fromStdString(text);
    if (!Installed()) return message;
    for (const MessagePattern& m : Patterns()) {
        const QString source = m.source;
        const QString translation =
            QCoreApplication::translate("Messages", source.toUtf8().constData());
        if (translation == source) continue;
        QString out;
        qsizetype from = 0;
        auto it = m.re.globalMatch(message);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            out += message.mid(from, match.capturedStart() - from) + Filled(translation, m, match);
            from = match.capturedEnd();
        }
        if (from > 0) message = out + message.mid(from);
    }
    return message;
}

}  // namespace bw
