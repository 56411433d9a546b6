#include "gui/summary/TfrmRiepCosti.h"

#include "core/help/Guida.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"

namespace {

const QColor kSfondo = Argb(0xFF2F6E9E);
const QColor kGranata(0x80, 0x00, 0x00);

}  // namespace

std::string& TfrmRiepCosti::TestoRicordato() {
    static std::string ricordato;
    return ricordato;
}

TfrmRiepCosti::TfrmRiepCosti(QWidget* chiamante, riepilogo::RichiestaRiepilogo richiesta)
    : DialogoIntero(chiamante, "TfrmRiepCosti", Titolo("Riepilogo scadenze"), kSfondo),
      richiesta_(std::move(richiesta)) {
    QWidget* p = Pannello();
    const QFont titolo = Carattere("Verdana", 12, true);
    new Immagine(p, "icoLogo", {24, 14, 70, 74}, "icona", false);
    lblTipologia =
        Etichetta(p, "lblTipologia", QStringLiteral("Contatto:"), {122, 48}, titolo, Qt::white);
    titTipologia = Etichetta(p, "titTipologia", QString(), {206, 48}, titolo, kGranata);
    // Where the font stands in for a narrower Verdana, the name still follows the caption.
    titTipologia->move(qMax(206, lblTipologia->geometry().right() + 8), 48);
    titTipologia->setFixedSize(966 - titTipologia->x(), lblTipologia->height());

    const QFont riga = Carattere("Verdana", 9);
    Etichetta(p, "lblRigo01",
              QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                             "elenco da cercare e premere il pulsante Trova."),
              {24, 98}, riga);
    Etichetta(p, "lblRigo02",
              QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                             "ricerca, fare di nuovo clic su Trova."),
              {24, 114}, riga);
    imgGuida = new Immagine(p, "imgGuida", {949, 96, 19, 21}, "guida");
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmRiepCosti::imgGuidaClick);

    new Immagine(p, "icoTrova", {90, 151, 28, 28}, "sezione05", false);
    txtTrova = CampoTesto(p, "txtTrova", {128, 154, 716, 22}, 0, titolo);
    btnTrova = Pulsante(p, "btnTrova", QStringLiteral("Trova"), {852, 149, 105, 30},
                        Carattere("Verdana", 10, true));
    lstRecords = new ListaRisultati(p, "lstRecords", {16, 208, 961, 385});
    // The find text is the program's, not this window's: it is not emptied on show.
    risultati_ = new ElencoRisultati(lstRecords, txtTrova, TestoRicordato());
    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepCosti::btnTrovaClick);

    Etichetta(p, "infIntervallo", QStringLiteral("Intervallo selezionato:"), {22, 610}, titolo);
    lblIntervallo = Etichetta(p, "lblIntervallo", Q(intervallo_), {224, 608}, titolo, kGranata);
    lblIntervallo->setGeometry(224, 608, 344, lblIntervallo->height());
    lblIntervallo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Etichetta(p, "infTotKmPercorsi", QStringLiteral("Totale importi: €"), {606, 610}, titolo);
    lblTotCosti = Etichetta(p, "lblTotCosti", Q(totale_), {790, 608}, titolo, kGranata);
    lblTotCosti->setGeometry(790, 608, 178, lblTotCosti->height());
    lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const QFont pulsanti = Carattere("Verdana", 10, true);
    btnStampa =
        Pulsante(p, "btnStampa", QStringLiteral("Stampa riepilogo"), {16, 642, 273, 32}, pulsanti);
    btnEsci = Pulsante(p, "btnEsci", QStringLiteral("Esci"), {704, 642, 273, 32}, pulsanti);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepCosti::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &TfrmRiepCosti::btnEsciClick);

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnEsci);
}

void TfrmRiepCosti::FormShow() {
    riepilogo::Riepilogo riepilogo(richiesta_);
    tipologia_ = riepilogo::TitoloContatto(richiesta_.cliente);
    titTipologia->setText(Q(tipologia_));
    try {
        risultati_->Elenca<TSchedaScadenza>(
            richiesta_.file,
            [&riepilogo](const VistaScheda<TSchedaScadenza>& s) { return riepilogo.Prendi(s); },
            scadenza::FormaScadenza);
    } catch (...) {
        // The archive could not be read: what was listed stays, with no total and no
        // interval, as every list that only reads does.
        totale_ = "0,00";
        lblTotCosti->setText(Q(totale_));
        return;
    }
    intervallo_ = riepilogo::TestoIntervallo(richiesta_);
    totale_ = riepilogo.Totale();
    lblIntervallo->setText(Q(intervallo_));
    lblTotCosti->setText(Q(totale_));
    txtTrova->setFocus();
    // Records that could not be read are not in the list: say so once the list is there.
    if (const auto avviso = riepilogo.AvvisoEscluse())
        QMetaObject::invokeMethod(
            this,
            [this, testo = Q(*avviso)] { MostraAvviso(this, testo, TipoAvviso::Avvertimento); },
            Qt::QueuedConnection);
}

void TfrmRiepCosti::FormClose() { lstRecords->clear(); }

void TfrmRiepCosti::btnStampaClick() {
    if (lstRecords->Righe().isEmpty()) {
        MostraAvviso(this, Q(std::string(riepilogo::NienteDaStampare)), TipoAvviso::Avvertimento);
        return;
    }
    if (ChiediConferma(this, Q(std::string(riepilogo::DomandaStampa))) == Risposta::No) return;
    QStringList finali;
    for (const auto& r : riepilogo::RigheFinali(intervallo_, totale_)) finali << Q(r);
    risultati_->Stampa(this, Q(riepilogo::TitoloStampa(tipologia_)), finali);
}

void TfrmRiepCosti::imgGuidaClick() { MostraGuida(this, guida::RiepilogoScadenze); }
