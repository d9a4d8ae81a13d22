#include "app/Translations.h"
#include "app/help/AboutDialog.h"
#include "app/window/Mnemonics.h"
#include "app/window/frmMain.h"
#include "settings/SettingsFileFormat.h"
#include "support/PdfReadback.h"
#include "support/RowName.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

/// A language's translators installed for one test, loaded as start-up loads them.
class Language {
public:
    explicit Language(const QString& locale)
        : m_translators(translations::load(QLocale(locale)))
    {
        for (const auto& translator : m_translators)
            QCoreApplication::installTranslator(translator.get());
    }
    ~Language()
    {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
    }
    std::size_t count() const { return m_translators.size(); }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

/// What of a control's text its geometry cuts off, or nothing.
QString clipped(QWidget* widget)
{
    const int width = widget->width();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (!box->title().isEmpty() && box->minimumSizeHint().width() > width)
            return box->title();
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(push);
        const QRect inside = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        const QString text = push->text().remove(QLatin1Char('&'));
        if (const int needs = push->fontMetrics().horizontalAdvance(text); needs > inside.width())
            return QStringLiteral("%1 (%2 of %3 px)").arg(text).arg(needs).arg(inside.width());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // Where the style puts a check box's or an option's text.
        QStyleOptionButton option;
        option.initFrom(button);
        const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
        const QRect inside = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        const QString text = button->text().remove(QLatin1Char('&'));
        if (const int needs = button->fontMetrics().horizontalAdvance(text); needs > inside.width())
            return QStringLiteral("%1 (%2 of %3 px)").arg(text).arg(needs).arg(inside.width());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool fits = label->wordWrap() ? label->heightForWidth(width) <= label->height()
                                            : label->sizeHint().width() <= width;
        if (!label->text().isEmpty() && !fits)
            return label->text();
    }
    return QString();
}

/// Where a control's text is drawn in its parent, from the control's left edge to the text's end;
/// other controls by their geometry.
QRect ink(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && !qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
        const QRect inside = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        const int end = inside.left()
            + button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
        return QRect(widget->pos(), QSize(end, widget->height()));
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap() && !label->text().isEmpty())
        return QRect(widget->pos(), QSize(label->sizeHint().width(), widget->height()));
    return widget->geometry();
}

/// Which controls' texts run into a neighbour of the same parent, by name.
std::set<QString> overlaps(QWidget& window)
{
    std::set<QString> found;
    const auto name = [](QWidget* widget) {
        return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                              : widget->objectName();
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)
            || !(qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)))
            continue;
        if (!widget->parentWidget()->rect().contains(ink(widget)))
            found.insert(name(widget) + QStringLiteral(" runs out of ") + name(widget->parentWidget()));
        for (QObject* other : widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(other);
            if (sibling != nullptr && sibling != widget && sibling->isVisibleTo(&window)
                && ink(widget).intersects(ink(sibling)))
                found.insert(name(widget) + QStringLiteral(" runs into ") + name(sibling));
        }
    }
    return found;
}

struct LanguageRow {
    const char* locale;
    bool translated; ///< the program speaks it; else the window is English
    const char* title; ///< the window's, from the program's translation
    const char* cancel; ///< a message-box button, from Qt's
    const char* printDialog;
};

class WindowLanguage : public ::testing::TestWithParam<LanguageRow> { };

} // namespace

TEST_P(WindowLanguage, SpeaksItWithoutCuttingATextOrSharingAKey)
{
    const LanguageRow& row = GetParam();
    // Where the design lets controls touch in English, they may in every language.
    std::set<QString> designed;
    {
        SettingsModel model;
        frmMain window(model);
        window.show();
        designed = overlaps(window);
    }
    const Language language(QString::fromLatin1(row.locale));
    EXPECT_EQ(language.count(), row.translated ? 2u : 0u);
    SettingsModel model;
    frmMain window(model);
    window.show();
    window.showVersion();
    window.showPaper(QCoreApplication::translate("PrinterPapers", "%1, landscape").arg(QStringLiteral("A4")));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(row.title));
    // English texts mirrored right to left read ".Print Alt".
    EXPECT_FALSE(window.isRightToLeft());
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
        QString::fromUtf8(row.cancel));
    QPrintDialog print;
    EXPECT_EQ(print.windowTitle(), QString::fromUtf8(row.printDialog));
    // The guide and the manual page are English: About says so in every other language.
    const AboutDialog about(nullptr);
    EXPECT_EQ(
        about.findChild<QLabel*>(QStringLiteral("DocumentationLanguage")) != nullptr, language.count() > 0);

    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->isVisibleTo(&window))
            if (const QString text = clipped(widget); !text.isEmpty())
                cut << widget->objectName() + QStringLiteral(": ") + text;
    for (const QString& overlap : overlaps(window))
        if (!designed.count(overlap))
            cut << overlap;
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral("\n")).toStdString();

    std::map<QChar, QString> keys;
    const QStringList clashes = mnemonicClashes(window, keys);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLanguage,
    ::testing::Values(LanguageRow { "en_GB", false, "Print Vennaros", "Cancel", "Print" },
        LanguageRow { "fr_FR", true, "Vennaros – impression", "Annuler", "Imprimer" },
        LanguageRow { "de_DE", true, "Vennaros drucken", "Abbrechen", "Drucken" },
        LanguageRow { "es_ES", true, "Vennaros – imprimir", "Cancelar", "Imprimir" },
        LanguageRow { "it_IT", true, "Vennaros – stampa", "Annulla", "Stampa" },
        LanguageRow { "nl_NL", true, "Vennaros afdrukken", "Annuleren", "Afdrukken" },
        LanguageRow { "pl_PL", true, "Vennaros – drukowanie", "Anuluj", "Drukowanie" },
        LanguageRow { "pt_BR", true, "Vennaros – imprimir", "Cancelar", "Imprimir" },
        LanguageRow { "ru_RU", true, "Vennaros — печать", "Отмена", "Печать" },
        LanguageRow { "cs_CZ", true, "Vennaros – tisk", "Zrušit", "Tisk" },
        // Qt speaks Arabic, the program does not: English throughout, left to right.
        LanguageRow { "ar_EG", false, "Print Vennaros", "Cancel", "Print" }),
    [](const ::testing::TestParamInfo<LanguageRow>& row) { return rowName(row.param.locale); });

namespace {

struct CountRow {
    const char* locale;
    int count;
    const char* stop; ///< how a restore that stopped after `count` settings begins
    const char* restored; ///< the status after restoring `count` settings
};

class CountLanguage : public ::testing::TestWithParam<CountRow> { };

} // namespace

// A count takes the language's plural form: French says 0 and 1 in the singular, Polish, Russian
// and Czech have a form for 2 to 4 (and 22 to 24) of their own.
TEST_P(CountLanguage, SaysHowManySettingsCameInItsPluralForm)
{
    const CountRow& row = GetParam();
    const Language language(QString::fromLatin1(row.locale));
    const QString path = QStringLiteral("/tmp/s.txt");
    const QString stop = QString::fromUtf8(row.stop);
    EXPECT_EQ(SettingsFileFormat::stopMessage(path, row.count, 0).left(stop.size()).toStdString(), row.stop);
    EXPECT_EQ(QCoreApplication::translate(
                  "SettingsFileCommands", "%n settings restored from '%1'", nullptr, row.count)
                  .arg(path)
                  .toStdString(),
        row.restored);
}

INSTANTIATE_TEST_SUITE_P(Plurals, CountLanguage,
    ::testing::Values(CountRow { "en_GB", 2, "2 of 38 settings restored from '/tmp/s.txt'",
                          "2 settings restored from '/tmp/s.txt'" },
        CountRow { "fr_FR", 0, "0 réglage sur 38 chargé depuis '/tmp/s.txt'",
            "0 réglage chargé depuis '/tmp/s.txt'" },
        CountRow { "fr_FR", 2, "2 réglages sur 38 chargés depuis '/tmp/s.txt'",
            "2 réglages chargés depuis '/tmp/s.txt'" },
        CountRow { "pl_PL", 22, "Wczytano 22 z 38 ustawień z '/tmp/s.txt'",
            "Wczytano 22 ustawienia z '/tmp/s.txt'" },
        CountRow {
            "pl_PL", 25, "Wczytano 25 z 38 ustawień z '/tmp/s.txt'", "Wczytano 25 ustawień z '/tmp/s.txt'" },
        CountRow { "ru_RU", 21, "Загружено 21 из 38 настроек из '/tmp/s.txt'",
            "21 настройка загружена из '/tmp/s.txt'" },
        CountRow { "ru_RU", 3, "Загружено 3 из 38 настроек из '/tmp/s.txt'",
            "3 настройки загружены из '/tmp/s.txt'" },
        CountRow { "ru_RU", 11, "Загружено 11 из 38 настроек из '/tmp/s.txt'",
            "11 настроек загружено из '/tmp/s.txt'" },
        CountRow {
            "cs_CZ", 3, "Načteno 3 z 38 nastavení z '/tmp/s.txt'", "Načteno 3 nastavení z '/tmp/s.txt'" },
        CountRow { "pt_BR", 1, "1 de 38 configurações carregada de '/tmp/s.txt'",
            "1 configuração carregada de '/tmp/s.txt'" }),
    [](const ::testing::TestParamInfo<CountRow>& row) {
        return rowName(row.param.locale) + "_" + std::to_string(row.param.count);
    });

TEST(German, ASavedSettingsFileIsTheOneSavedInEnglish)
{
    SettingsModel model;
    model.setText(SizeText::Altitude, QStringLiteral("3.5"));
    model.setText(SizeText::Azimuth, QStringLiteral("450,5"));
    const QByteArray english = SettingsFileFormat::contents(model);
    const QLocale before;
    const Language german(QStringLiteral("de_DE"));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QByteArray saved = SettingsFileFormat::contents(model);
    QLocale::setDefault(before);
    EXPECT_EQ(saved, english);
}

namespace {

struct Outcome {
    int exitCode = -1;
    QString err;
};

/// The program as a German desktop starts it (the suite itself runs under C).
Outcome inGerman(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VENNAROS_BINARY), arguments);
    Outcome run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(German, TheProgramRefusesAndPrintsItsSheetsInGerman)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ring.pdf"));
    const Outcome refused = inGerman({ QStringLiteral("--print-pdf"), pdf, QStringLiteral("--size"),
        QStringLiteral("10mm"), QStringLiteral("--altitude") });
    EXPECT_EQ(refused.exitCode, 1);
    // Qt may say something of its own first; the message is the last line.
    EXPECT_EQ(refused.err.trimmed().section(QLatin1Char('\n'), -1),
        QStringLiteral("Höhenkreis: Größe muss mindestens 60 mm sein"));
    EXPECT_FALSE(QFile::exists(pdf));

    // A 450 mm split strip: its sheets' aids and its caption line.
    const Outcome printed = inGerman({ QStringLiteral("--print-pdf"), pdf, QStringLiteral("--size"),
        QStringLiteral("450mm"), QStringLiteral("--split"), QStringLiteral("--azimuth") });
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const std::vector<pdfreadback::PdfPage> sheets = pdfreadback::readPdfPages(pdf);
    ASSERT_GE(sheets.size(), 1u);
    QStringList texts;
    for (const pdfreadback::PdfPage& sheet : sheets)
        for (const pdfreadback::TextRun& run : sheet.texts)
            texts << run.text;
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(texts.contains(QStringLiteral("Blatt 1 von %1   Azimutkreis 450 mm Dm.").arg(sheets.size())))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("Azimutkreis, Länge = 1413 mm, Feinste Teilung = 1°")))
        << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Circle length"))) << all.toStdString();
}
