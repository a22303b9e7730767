#include "main/Translations.h"

#include "platform/OpenInstructions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace orbalux {

namespace {

bool speaksEnglish(const QLocale& language)
{
    return language.language() == QLocale::English || language.language() == QLocale::C;
}

// "de" for German, whatever the country; the files are named by language alone.
QString languageCode(const QLocale& language)
{
    return language.name().section(QLatin1Char('_'), 0, 0);
}

// The first data folder whose translations folder holds file wins.
bool loadFromDataFolders(QTranslator& translator, const QString& file, const std::vector<std::filesystem::path>& folders)
{
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path candidate = folder / kTranslationsFolder;
        if (translator.load(file, QString::fromStdU16String(candidate.u16string())))
            return true;
    }
    return false;
}

// Qt's own words: the standard buttons of the message boxes, the context menus.
void installQtTranslation(QCoreApplication& app, const QLocale& language)
{
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language.name(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace

// Each language tag is tried alone, so a desktop that puts English before German stays English
// rather than falling through to the first file that happens to exist.
void installTranslations(QCoreApplication& app, const std::vector<std::filesystem::path>& folders)
{
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QLocale language(tag);
        if (speaksEnglish(language))
            return;
        auto game = std::make_unique<QTranslator>(&app);
        if (!loadFromDataFolders(*game, QStringLiteral("orbalux_") + languageCode(language), folders))
            continue;
        QCoreApplication::installTranslator(game.release());
        installQtTranslation(app, language);
        QLocale::setDefault(language);
        return;
    }
}

std::vector<std::string> instructionsNames()
{
    const QLocale language;
    if (speaksEnglish(language))
        return {kInstructionsFile};
    return {"Instruct." + languageCode(language).toStdString() + ".doc", kInstructionsFile};
}

} // namespace orbalux
