#include "gui/summary/TfrmMenuRiepCosti.h"

#include <QGroupBox>

#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TestoQt.h"
#include "gui/app/Titoli.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/summary/TfrmRiepCosti.h"

namespace {

const QColor kSfondo = Argb(0xFF408AB3);
const QColor kDidascalia(0x00, 0x00, 0x80);
const char* const kNonAccessibile = "Attenzione: il file di archivio non risulta accessibile.";

// A list field left with a text it does not admit is emptied.
void SvuotaSeNonAmmesso(QComboBox* c, bool (*ammesso)(std::string_view)) {
    QuandoEsce(c, [c, ammesso] {
        if (ammesso(S(c->currentText()))) return;
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    });
}

}  // namespace

TfrmMenuRiepCosti::TfrmMenuRiepCosti()
    : FinestraIntera("TfrmMenuRiepCosti", Titolo("Riepilogo scadenze"), kSfondo) {
    QWidget* p = Pannello();
    new Immagine(p, "icoIcona", {122, 14, 70, 74}, "icona", false);
    new Immagine(p, "icoTitolo", {204, 15, 583, 77}, "titolo", false);
    new Immagine(p, "icoVersione", {794, 11, 78, 77}, "versione", false);
    new Rettangolo(p, "shpCentro", {196, 150, 740, 400}, Qt::white, Argb(0xFFB0C4DE));
    new Rettangolo(p, "shpTessera", {40, 150, 140, 140}, Qt::white, Argb(0xFFB0C4DE));
    new Immagine(p, "icoRiepilogo", {50, 160, 120, 120}, "app04", false);

    const QFont spiegazione = Carattere("Verdana", 10);
    const QFont didascalia = Carattere("Verdana", 9);
    const QFont campo = Carattere("Verdana", 12, true);
    Etichetta(p, "lblRigo01",
              QStringLiteral("Indicare l'anno solare di interesse, il nome del contatto e/o la "
                             "causale della scadenza o appuntamento."),
              {220, 176}, spiegazione, kDidascalia);
    Etichetta(p, "lblRigo02",
              QStringLiteral("Per ottenere il riepilogo di tutte le scadenze registrate, lasciare "
                             "in bianco i campi di testo."),
              {220, 284}, spiegazione, kDidascalia);
    Etichetta(p, "lblRigo03",
              QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare in "
                             "base alla data di scadenza."),
              {220, 404}, spiegazione, kDidascalia);

    // A field with its caption above it.
    auto testo = [&](const char* nome, QRect r, const char* titolo, int lunghezza) {
        Etichetta(p, QStringLiteral("tit") + QString(nome).mid(3), Q(titolo), {r.x(), r.y() - 20},
                  didascalia, kDidascalia);
        return CampoTesto(p, nome, r, lunghezza, campo);
    };
    txtAnno = testo("txtAnno", {220, 242, 69, 24}, "Anno:", 4);
    txtCliente = testo("txtCliente", {412, 242, 204, 24}, "Cognome e nome:", 50);
    txtTarga = testo("txtTarga", {655, 242, 258, 24}, "Causale scadenza o appuntamento:", 250);
    txtAnno->setAlignment(Qt::AlignCenter);
    FiltroCifre(txtAnno);
    impCliente = new Immagine(p, "impCliente", {620, 243, 22, 22}, "sezione01");
    connect(impCliente, &QAbstractButton::clicked, this, &TfrmMenuRiepCosti::impClienteClick);

    // The interval: day, month and the year it belongs to, twice.
    // `nome` is "Inizio" or "Fine": txtGiornoInizio, txtMeseInizio, lblAnnoInizio...
    auto estremo = [&](const QString& nome, const char* titolo, QRect r, QComboBox*& giorno,
                       QComboBox*& mese, QLabel*& anno) {
        auto* g = new QGroupBox(Q(titolo), p);
        g->setObjectName("grp" + nome);
        g->setGeometry(r);
        g->setFont(Carattere("Verdana", 9, true));
        Etichetta(g, "titGiorno" + nome, QStringLiteral("Giorno:"), {16, 30}, didascalia,
                  kDidascalia);
        giorno = ComboSoloLista(g, "txtGiorno" + nome, {16, 50, 72, 23}, campo,
                                Q(scadenza::VociGiorno()));
        giorno->lineEdit()->setMaxLength(2);
        giorno->setMaxVisibleItems(16);
        SvuotaSeNonAmmesso(giorno, riepilogo::GiornoAmmesso);
        Etichetta(g, "titMese" + nome, QStringLiteral("Mese:"), {96, 30}, didascalia, kDidascalia);
        mese =
            ComboSoloLista(g, "txtMese" + nome, {96, 50, 128, 23}, campo, Q(scadenza::VociMese()));
        mese->lineEdit()->setMaxLength(9);
        mese->setMaxVisibleItems(12);
        SvuotaSeNonAmmesso(mese, riepilogo::MeseAmmesso);
        anno = Etichetta(g, "lblAnno" + nome, QStringLiteral("ANNO"), {234, 44},
                         Carattere("Verdana", 18, true), kDidascalia);
        anno->setGeometry(234, 44, 78, 34);
    };
    estremo("Inizio", " Data inizio intervallo: ", {219, 441, 318, 86}, txtGiornoInizio,
            txtMeseInizio, lblAnnoInizio);
    estremo("Fine", " Data fine intervallo: ", {587, 441, 318, 86}, txtGiornoFine, txtMeseFine,
            lblAnnoFine);
    // The two year labels always show the year field.
    connect(txtAnno, &QLineEdit::textChanged, this, [this](const QString& t) {
        lblAnnoInizio->setText(Rifilato(t));
        lblAnnoFine->setText(Rifilato(t));
    });

    const QFont pulsanti = Carattere("Verdana", 10, true);
    btnVisualizza = Pulsante(p, "btnVisualizza", QStringLiteral("Visualizza riepilogo"),
                             {753, 628, 211, 34}, pulsanti);
    btnEsci = Pulsante(p, "btnEsci", QStringLiteral("Esci"), {28, 628, 211, 34}, pulsanti);
    lblAttendere =
        Etichetta(p, "lblAttendere", QStringLiteral("Caricamento riepilogo in corso. Attendere..."),
                  {273, 638}, Carattere("Verdana", 12), QColor(0x00, 0x8B, 0x8B));
    lblAttendere->hide();
    CollegaAttesa(btnVisualizza, lblAttendere);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnEsciClick);

    CatenaInvio({txtAnno, txtCliente, txtTarga, txtGiornoInizio, txtMeseInizio, txtGiornoFine,
                 txtMeseFine});
    // The last field only reaches the button; Enter on the button presses it.
    InvioAlPulsante(txtMeseFine, btnVisualizza);
    setTabOrder(txtMeseFine, btnVisualizza);
    setTabOrder(btnVisualizza, btnEsci);
}

QWidget* TfrmMenuRiepCosti::Controllo(riepilogo::Campo campo) const {
    using riepilogo::Campo;
    switch (campo) {
        case Campo::Anno:
            return txtAnno;
        case Campo::Cliente:
            return txtCliente;
        case Campo::Targa:
            return txtTarga;
        case Campo::GiornoInizio:
            return txtGiornoInizio;
        case Campo::MeseInizio:
            return txtMeseInizio;
        case Campo::GiornoFine:
            return txtGiornoFine;
        case Campo::MeseFine:
            return txtMeseFine;
    }
    return nullptr;
}

void TfrmMenuRiepCosti::FormShow() {
    txtCliente->clear();
    txtTarga->clear();
    for (QComboBox* c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    txtAnno->setText(
        QStringLiteral("%1").arg(piattaforma().Adesso().date().year(), 4, 10, QChar('0')));
    lblAnnoInizio->setText(Rifilato(txtAnno->text()));
    lblAnnoFine->setText(Rifilato(txtAnno->text()));
    txtCliente->setFocus();
}

void TfrmMenuRiepCosti::impClienteClick() {
    // The contact search puts the picked contact's name into txtCliente.
    TfrmTrovaClienti::Apri(this, [this](std::int64_t, const TSchedaContatto& s) {
        txtCliente->setText(Q(s.Cliente));
    });
}

void TfrmMenuRiepCosti::VisualizzaIntervallo(int giornoInizio, int meseInizio, int giornoFine,
                                             int meseFine) {
    txtGiornoInizio->setCurrentIndex(giornoInizio - 1);
    txtMeseInizio->setCurrentIndex(meseInizio - 1);
    txtGiornoFine->setCurrentIndex(giornoFine - 1);
    txtMeseFine->setCurrentIndex(meseFine - 1);
    btnVisualizzaClick();
}

void TfrmMenuRiepCosti::btnVisualizzaClick() {
    try {
        const riepilogo::ModuloRichiesta modulo{
            S(txtAnno->text()),
            S(txtCliente->text()),
            S(txtTarga->text()),
            S(txtGiornoInizio->currentText()),
            S(txtMeseInizio->currentText()),
            S(txtGiornoFine->currentText()),
            S(txtMeseFine->currentText()),
        };
        const riepilogo::EsitoRichiesta esito =
            riepilogo::ControllaRichiesta(modulo, PercorsoProgramma(QString()));
        if (const auto& rifiuto = esito.rifiuto) {
            lblAttendere->hide();
            if (rifiuto->modo == ModoRifiuto::Avviso)
                MostraAvviso(this, Q(rifiuto->testo), TipoAvviso::Avvertimento);
            else
                MostraMessaggio(this, Q(rifiuto->testo));
            if (rifiuto->campo) Controllo(*rifiuto->campo)->setFocus();
            return;
        }
        MostraPerUso(std::make_unique<TfrmRiepCosti>(this, *esito.richiesta));
    } catch (...) {
        lblAttendere->hide();
        MostraMessaggio(this, Q(kNonAccessibile));
        return;
    }
    // The summary has closed; the fields stay as they are for the next request.
    lblAttendere->hide();
}
