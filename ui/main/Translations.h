#pragma once

#include <filesystem>
#include <string>
#include <vector>

class QCoreApplication;

namespace orbalux {

/** Where the translations lie in each data folder. */
inline const std::string kTranslationsFolder = "translations";

/**
 * Gives app the game's words and Qt's own in the first of the desktop's languages (LANGUAGE,
 * else LC_ALL, LC_MESSAGES, LANG) that the game speaks, from the translations folder of the
 * first data folder in folders that has one, and makes it QLocale's default. English, the
 * source, stays when English comes first or no language is found. Nothing is stored.
 */
void installTranslations(QCoreApplication& app, const std::vector<std::filesystem::path>& folders);

/**
 * The instructions document's names to look for, best first: "Instruct.de.doc" when QLocale's
 * default is German, then the English "Instruct.doc".
 */
std::vector<std::string> instructionsNames();

} // namespace orbalux
