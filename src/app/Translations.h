#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

/// The program's texts and Qt's own dialogs in the user's language.
namespace translations {

/// The languages the program's texts are translated into, besides English.
inline constexpr const char* kLanguages[] = { "fr", "de", "es", "it", "nl", "pl", "pt_BR", "ru", "cs" };

/// Qt's and the program's translators for the locale, loaded but not installed: none for C,
/// English and every language the program lacks, where every text stays as written; Qt's own
/// comes only beside the program's, so that its dialogs speak the window's language.
std::vector<std::unique_ptr<QTranslator>> load(const QLocale& locale);

/// The language the user's messages are asked in: LC_ALL, else LC_MESSAGES, else LANG, as the C
/// library reads them (C when none is set).
QLocale messagesLocale();

/// Installs the translators for the locale on the running application, for its life. Returns the
/// language of the program's texts loaded ("de"), or an empty text when none were.
QString install(const QLocale& locale = messagesLocale());

} // namespace translations
