#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace orbalux::testing {

/** Marks every text it is asked for as ⟦source⟧, so a text without the marks was never asked. */
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return {};
        return QStringLiteral("\u27E6") + QString::fromUtf8(source) + QStringLiteral("\u27E7");
    }
    bool isEmpty() const override { return false; }
};

/**
 * The English left in text once every marked part is taken out: words of two letters or more
 * other than the program's name (the board's letters H, R, O and a to z are symbols, not words).
 */
inline QString unmarkedEnglish(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
    for (QString before; before != text;) {
        before = text;
        text.replace(innermost, QStringLiteral(" "));
    }
    text.remove(QStringLiteral("Orbalux"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch() ? text : QString();
}

/**
 * The game's words, and Qt's own, in one language for as long as it lives: translations from the
 * build's folder, QLocale's default set as the program sets it.
 */
class LanguageScope {
public:
    /** language as "de"; an empty one installs the pseudo-translator instead. */
    explicit LanguageScope(const QString& language)
    {
        if (language.isEmpty()) {
            m_game = std::make_unique<PseudoTranslator>();
        } else {
            m_game = std::make_unique<QTranslator>();
            m_loaded = m_game->load(QStringLiteral("orbalux_") + language, QStringLiteral(ORBALUX_TRANSLATIONS_DIR));
            m_qt = std::make_unique<QTranslator>();
            m_loaded = m_qt->load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) && m_loaded;
            QCoreApplication::installTranslator(m_qt.get());
            QLocale::setDefault(QLocale(language));
        }
        QCoreApplication::installTranslator(m_game.get());
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(m_game.get());
        if (m_qt)
            QCoreApplication::removeTranslator(m_qt.get());
        QLocale::setDefault(m_previous);
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

    /** Whether both the game's and Qt's translations were found. */
    bool loaded() const { return m_loaded; }

private:
    QLocale m_previous;
    std::unique_ptr<QTranslator> m_game;
    std::unique_ptr<QTranslator> m_qt;
    bool m_loaded = true;
};

} // namespace orbalux::testing
