#include "ui/unit_Idioma.h"

#include "core/unit_ArquivoRegular.h"
#include "core/unit_Erros.h"
#include "core/unit_Formatador.h"
#include "core/unit_Recursos.h"
#include "core/unit_Texto.h"
#include "ui/unit_Frame.h"

#include <QComboBox>
#include <QWidget>

namespace {

QString chaveDe(const QWidget* control) {
    const QWidget* recipiente = control->parentWidget();
    if (!recipiente)
        throw EErro(QStringLiteral("Control %1 has no parent").arg(control->objectName()));
    while (recipiente->parentWidget() && !qobject_cast<const TFrame*>(recipiente))
        recipiente = recipiente->parentWidget();
    return recipiente->objectName() + QLatin1Char('.') + control->objectName();
}

// A language file on disk is read like a missing one when it is not a
// regular file (a FIFO would hold the start-up) or is larger than a language
// file could be (the built-in ones hold a few kilobytes).
QByteArray lerArquivoIdioma(const QString& arquivo) {
    if (arquivo == QLatin1String("PT") || arquivo == QLatin1String("EN"))
        return Recursos::ler(QStringLiteral("IDIOMA_") + arquivo);
    ArquivoRegular::TLeitura leitura = ArquivoRegular::ler(arquivo, TIdioma::tamanhoMaximo);
    if (!leitura.bytes)
        throw EArquivo(QStringLiteral("Cannot open file \"%1\": %2.").arg(arquivo, leitura.motivo));
    return *std::move(leitura.bytes);
}

} // namespace

void TIdioma::add(QWidget* control, const QString& Prop) {
    listaControls.append({control, chaveDe(control), Prop});
    connect(control, &QObject::destroyed, this, &TIdioma::esquecerControl);
}

std::optional<QString> TIdioma::procurar(const QString& nome) const {
    for (const QString& linha : lang) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual < 0 || linha.left(igual).compare(nome, Qt::CaseInsensitive) != 0)
            continue;
        QString valor = linha.mid(igual + 1);
        valor.replace(QLatin1String("\\n"), Texto::quebraLinha);
        return Texto::apararControles(valor);
    }
    return std::nullopt;
}

QString TIdioma::get(const QString& nome) const {
    return procurar(nome).value_or(QLatin1Char('$') + nome);
}

bool TIdioma::possui(const QString& nome) const {
    return procurar(nome).has_value();
}

QString TIdioma::get(const QString& nome, const QStringList& Args) const {
    const auto modelo = procurar(nome);
    return modelo ? Formatador::formatar(*modelo, Args) : QLatin1Char('$') + nome;
}

void TIdioma::carregarIdioma(const QString& arquivo) {
    lang = Texto::linhas(lerArquivoIdioma(arquivo));
    Q_EMIT idiomaCarregado();
}

void TIdioma::aplicarIdioma() {
    for (const TIdiomaControl& entrada : std::as_const(listaControls))
        aplicar(entrada);
}

void TIdioma::aplicarIdioma(const QWidget* tela) {
    for (const TIdiomaControl& entrada : std::as_const(listaControls))
        if (tela->isAncestorOf(entrada.control))
            aplicar(entrada);
}

void TIdioma::aplicar(const TIdiomaControl& entrada) const {
    QWidget* control = entrada.control;
    if (!control)
        return;
    const QString texto = get(entrada.nome);
    if (auto* lista = qobject_cast<QComboBox*>(control)) {
        lista->clear();
        lista->addItems(texto.split(Texto::quebraLinha));
        lista->setCurrentIndex(-1);
        return;
    }
    // "Caption" is the text a control shows.
    const char* propriedade = "text";
    if (entrada.prop != QLatin1String("Caption") || control->metaObject()->indexOfProperty(propriedade) < 0)
        throw EErro(QStringLiteral("Property %1 does not exist").arg(entrada.prop));
    control->setProperty(propriedade, texto);
}

void TIdioma::esquecerControl(QObject* control) {
    listaControls.removeIf(
        [control](const TIdiomaControl& e) { return e.control.isNull() || e.control == control; });
}
