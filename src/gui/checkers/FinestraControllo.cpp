#include "gui/checkers/FinestraControllo.h"

#include <QKeyEvent>

#include "core/text/Testo.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Filtri.h"
#include "gui/app/TestoQt.h"

namespace {

constexpr int kMargine = 16;
constexpr int kAltezzaCampo = 40;
constexpr QSize kPulsante(120, 32);

QFont CarattereCampo() { return Carattere("Courier New", 20, true); }
QFont CarattereInvito() { return Carattere("Verdana", 9); }

// Wide enough for the longest text the field takes, and for the line above it.
QSize Dimensione(int lunghezzaMassima, const QString& invito) {
    const int campo = QFontMetrics(CarattereCampo())
                          .horizontalAdvance(QString(lunghezzaMassima, QLatin1Char('W'))) +
                      24;
    const int riga = QFontMetrics(CarattereInvito()).horizontalAdvance(invito);
    const int larghezza = qMax(qMax(campo, riga), 2 * kPulsante.width() + kMargine) + 2 * kMargine;
    return {larghezza, 40 + kAltezzaCampo + kMargine + kPulsante.height() + kMargine};
}

void MostraEsito(QWidget* finestra, const controlli::EsitoControllo& esito) {
    const QString testo = Q(esito.testo);
    switch (esito.riquadro) {
        case controlli::Riquadro::AvvisoInformazione:
            MostraAvviso(finestra, testo, TipoAvviso::Informazione);
            break;
        case controlli::Riquadro::AvvisoAvvertimento:
            MostraAvviso(finestra, testo, TipoAvviso::Avvertimento);
            break;
        case controlli::Riquadro::AvvisoErrore:
            MostraAvviso(finestra, testo, TipoAvviso::Errore);
            break;
        case controlli::Riquadro::Messaggio:
            MostraMessaggio(finestra, testo);
            break;
    }
}

}  // namespace

FinestraControllo::FinestraControllo(QWidget* chiamante, const char* nome, const char* titolo,
                                     const char* nomeCampo, int lunghezzaMassima,
                                     const char* invito, Filtri filtri, Verifica verifica)
    : Dialogo(chiamante, nome, Q(titolo), Dimensione(lunghezzaMassima, Q(invito)), Argb(0xFF8BB2D3),
              Qt::white),
      filtri_(filtri),
      verifica_(verifica) {
    const int larghezza = width() - 2 * kMargine;
    Etichetta(this, "titInvito", Q(invito), QPoint(kMargine, 16), CarattereInvito());
    campo_ = CampoTesto(this, nomeCampo, QRect(kMargine, 40, larghezza, kAltezzaCampo),
                        lunghezzaMassima, CarattereCampo());

    const int y = 40 + kAltezzaCampo + kMargine;
    const QFont f = Carattere("Verdana", 10);
    btnChiudi = Pulsante(this, "btnChiudi", "Chiudi", QRect(QPoint(kMargine, y), kPulsante), f);
    btnControlla = Pulsante(this, "btnControlla", "Controlla",
                            QRect(QPoint(width() - kMargine - kPulsante.width(), y), kPulsante), f);
    setTabOrder(campo_, btnControlla);
    setTabOrder(btnControlla, btnChiudi);

    if (filtri_.maiuscole) FiltroMaiuscole(campo_);
    if (filtri_.cifre) FiltroCifre(campo_);
    InvioAlPulsante(campo_, btnControlla);
    campo_->installEventFilter(this);

    connect(btnControlla, &QPushButton::clicked, this, &FinestraControllo::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &FinestraControllo::btnChiudiClick);
}

void FinestraControllo::Consegna(const QString& testo) {
    const QString t = Rifilato(testo);
    // A text longer than what can be typed is kept whole, so that it is judged as it is
    // (a wrong length) and not cut into another number.
    if (t.size() > campo_->maxLength()) campo_->setMaxLength(static_cast<int>(t.size()));
    campo_->setText(t);
}

void FinestraControllo::FormShow() {
    // The text handed over by the card goes through the same filter as typed text.
    Normalizza();
    campo_->setFocus();
}

void FinestraControllo::Normalizza() {
    if (!filtri_.maiuscole) return;
    const QString t = Q(testo::MaiuscoleAZ(testo::Rifila(S(campo_->text()))));
    if (t != campo_->text()) campo_->setText(t);
}

bool FinestraControllo::eventFilter(QObject* o, QEvent* e) {
    if (o == campo_ && e->type() == QEvent::KeyRelease && filtri_.alRilascio) Normalizza();
    return Dialogo::eventFilter(o, e);
}

void FinestraControllo::btnControllaClick() {
    const controlli::EsitoControllo esito = verifica_(S(campo_->text()));
    MostraEsito(this, esito);
    if (esito.ChiudeFinestra())
        close();
    else
        campo_->setFocus();
}

void FinestraControllo::btnChiudiClick() { close(); }
