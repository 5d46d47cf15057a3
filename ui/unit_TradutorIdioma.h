#pragma once

#include <QPointer>
#include <QTranslator>

class TIdioma;

// Makes the texts that do not come from the registry follow the interface
// language:
// - Qt's own texts (the Yes and No of every message box) from Qt's
//   translation for the locale the language file names under the key
//   `chaveLocalidade` ("pt-BR"); without that key, Qt's own English;
// - the texts of the layers below the registry (the player), written as
//   QCoreApplication::translate(context, english, key): the language file's
//   text for the key, its "%s" directives standing for %1, %2, ... in order;
//   the English source when the file lacks the key.
// Follows every load of the language file; the installed translators tell
// every widget (QEvent::LanguageChange).
class TTradutorIdioma : public QTranslator {
    Q_OBJECT
public:
    static constexpr const char* chaveLocalidade = "Idioma.localidade";

    explicit TTradutorIdioma(const TIdioma& idioma, QObject* pai = nullptr);
    ~TTradutorIdioma() override;

    QString translate(const char* contexto, const char* texto, const char* chave, int n) const override;
    bool isEmpty() const override { return false; }

    // The file of Qt's translation in use; empty when Qt has none for the locale.
    QString arquivoQt() const;

private:
    void seguirIdioma();

    QPointer<const TIdioma> idioma_; // may go first
    QTranslator qt_;
    bool qtInstalado_ = false;
};
