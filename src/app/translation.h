#pragma once
// The player's language: the program's translation, chosen from the system
// locale, and the messages of the layers without Qt, translated where they
// are shown. Without a translation every text is the English source text.
#include <QLocale>
#include <QString>
#include <string>

namespace bw {

// The folder of the compiled translations ("brindlewick_de.qm"), beside the
// help pages in the program folder.
QString TranslationsFolder();

// Installs the translation for the first of the locale's languages that has
// one in `folder`, in place of an earlier one; English when none has. Returns
// the language installed ("de"), empty for English.
QString InstallTranslation(const QString& folder, const QLocale& locale);
void RemoveTranslation();

// The language installed, empty for English: the help pages follow it.
QString TranslationLanguage();

// A message of the core, storage, interaction or drawing layers in the
// player's language: every marked text in it is replaced by its translation,
// its placeholders ("%s", "%1") by what they stood for in the message.
QString TranslatedMessage(const std::string& text);

}  // namespace bw
