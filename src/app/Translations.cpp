#include "app/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

std::vector<std::unique_ptr<QTranslator>> translations::load(const QLocale& locale)
{
    std::vector<std::unique_ptr<QTranslator>> loaded;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return loaded;
    // Compiled in: found without installing, by the program and its tests alike.
    auto program = std::make_unique<QTranslator>();
    if (!program->load(locale, QStringLiteral("vennaros"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return loaded;
    // Qt's own only with the program's: its dialogs in Arabic beside English labels, or a window
    // mirrored for a language it does not speak, would be worse than English throughout.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        loaded.push_back(std::move(qt));
    loaded.push_back(std::move(program));
    return loaded;
}

QLocale translations::messagesLocale()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = QString::fromLocal8Bit(qgetenv(variable));
        if (!value.isEmpty()) {
            // "de_DE.UTF-8@euro" names the locale de_DE; "C.UTF-8" and "POSIX" are C.
            const QString name = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
            return name == QLatin1String("POSIX") ? QLocale::c() : QLocale(name);
        }
    }
    return QLocale::c();
}

QString translations::install(const QLocale& locale)
{
    QString language;
    for (std::unique_ptr<QTranslator>& translator : load(locale)) {
        if (translator->filePath().startsWith(QLatin1String(":/i18n")))
            language = translator->language();
        QCoreApplication::installTranslator(translator.get());
        translator.release()->setParent(QCoreApplication::instance());
    }
    // The desktop's locale may still ask for right to left; the English texts read left to right.
    if (language.isEmpty() && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    return language;
}
