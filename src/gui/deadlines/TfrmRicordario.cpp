#include "gui/deadlines/TfrmRicordario.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <tuple>

#include "core/app/Guida.h"
#include "core/app/Messaggi.h"
#include "core/app/Testo.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/TfrmGuida.h"
#include "gui/checkers/TfrmCodFisc.h"
#include "gui/checkers/TfrmPartitaIva.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/ElencoImpegni.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "gui/export/TfrmExpRicordario.h"
#include "gui/reports/Modelli.h"
#include "gui/reports/Stampa.h"

namespace {

const QColor kSfondo = Argb(0xFF427AA8);
const QColor kSezione = Argb(0xFFF0EFEE);
const QColor kBordoSezione(0xC8, 0xC6, 0xC2);
const QColor kDidascalia(0x00, 0x00, 0x80);
const QColor kSabbia(0xF4, 0xA4, 0x60);

QFont CarattereCampo() { return Carattere("Verdana", 12, true); }
QFont CarattereDidascalia() { return Carattere("Verdana", 9); }

// A list-only field left with a text that is not exactly one of its items empties itself.
void SoloVociDellaLista(QComboBox* c, const std::vector<std::string>& voci) {
    QuandoEsce(c, [c, &voci] {
        const QString resta = Q(scadenza::VoceDiLista(S(c->currentText()), voci));
        if (resta != c->currentText()) {
            c->setCurrentIndex(-1);
            c->setEditText(resta);
        }
    });
}

void ScriviTesto(QWidget* w, const QString& t) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(t);
        e->setCursorPosition(0);  // a long text shows its beginning
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        // The item with that text is selected; a text no item has is shown all the same.
        c->setCurrentIndex(c->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive));
        c->setEditText(t);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    }
}

}  // namespace

TfrmRicordario::TfrmRicordario()
    : FinestraIntera("TfrmRicordario",
                     QStringLiteral(" Ricordario Diz 3.0 - Archivio scadenze e appuntamenti"),
                     kSfondo) {
    QWidget* p = Pannello();

    CreaCampi(p);
    panInfo = StrisciaInfo(p, {16, 642, 777, 32},
                           QStringLiteral("Pronto per archiviare una nuova scheda..."));
    stato_ = new RigaStato(panInfo);
    CreaComandi(p);

    lblFile = EtichettaNascosta(p, "lblFile");
    lblData = EtichettaNascosta(p, "lblData");
    lblOra = EtichettaNascosta(p, "lblOra");

    for (std::size_t i = 0; i < controlli_.size(); ++i) {
        controlli_[i] = findChild<QWidget*>(Q(std::string(scadenza::ControlliScheda[i].controllo)));
        Q_ASSERT(controlli_[i]);
    }

    // Over the background, the panels, the labels and the pictures without a hint the
    // status line empties.
    stato_->SvuotaSu(this);
    for (QWidget* w : p->findChildren<QWidget*>()) {
        auto* immagine = qobject_cast<Immagine*>(w);
        if (dynamic_cast<Rettangolo*>(w) || qobject_cast<QLabel*>(w) ||
            qobject_cast<QGroupBox*>(w) || (immagine && !immagine->property("cliccabile").toBool()))
            stato_->SvuotaSu(w);
    }
    stato_->SvuotaSu(p);
}

void TfrmRicordario::CreaCampi(QWidget* p) {
    // Light sections, top to bottom, with their decorative tiles.
    const QRect sezioni[] = {{16, 16, 777, 110},  {16, 134, 777, 70}, {16, 214, 777, 123},
                             {16, 348, 777, 123}, {16, 479, 777, 63}, {16, 544, 226, 22},
                             {16, 569, 514, 64},  {539, 569, 254, 64}};
    int n = 0;
    for (const QRect& r : sezioni)
        new Rettangolo(p, QStringLiteral("shpSezione%1").arg(++n, 2, 10, QChar('0')), r, kSezione,
                       kBordoSezione);
    struct Tessera {
        QRect r;
        const char* risorsa;
    };
    const Tessera tessere[] = {
        {{32, 27, 70, 88}, "sezione_scadenza"},  {{498, 27, 70, 88}, "sezione04"},
        {{24, 142, 54, 54}, "sezione_scadenza"}, {{24, 222, 54, 50}, "sezione03"},
        {{24, 356, 54, 50}, "sezione01"},        {{24, 484, 54, 54}, "sezione02"},
        {{550, 574, 54, 54}, "sezione05"},
    };
    n = 0;
    for (const auto& t : tessere) {
        const QString numero = QStringLiteral("%1").arg(++n, 2, 10, QChar('0'));
        new Rettangolo(p, "shpTessera" + numero, t.r, Qt::white, kBordoSezione);
        const int lato = qMin(t.r.width(), t.r.height()) - 8;
        new Immagine(p, "icoSezione" + numero,
                     QRect(t.r.x() + (t.r.width() - lato) / 2, t.r.y() + (t.r.height() - lato) / 2,
                           lato, lato),
                     t.risorsa, false);
    }

    const QFont campo = CarattereCampo();
    const QFont didascalia = CarattereDidascalia();
    auto titolo = [&](QWidget* genitore, const QString& nomeCampo, const char* testo, QPoint pos) {
        return Etichetta(genitore, "tit" + nomeCampo.mid(3), Q(testo), pos, didascalia,
                         kDidascalia);
    };

    // Date and time: list-only fields in two groups.
    auto gruppo = [&](const char* nome, const char* testo, QRect r) {
        auto* g = new QGroupBox(Q(testo), p);
        g->setObjectName(nome);
        g->setGeometry(r);
        g->setFont(Carattere("Verdana", 9, true));
        return g;
    };
    QGroupBox* grpData = gruppo("grpData", " Data scadenza: ", {115, 24, 318, 86});
    QGroupBox* grpOra = gruppo("grpOra", " Ora appuntamento: ", {584, 24, 194, 86});
    struct Lista {
        QComboBox** membro;
        QGroupBox* gruppo;
        const char* nome;
        QRect r;
        const char* didascalia;
        int lunghezza;
        const std::vector<std::string>& voci;
    };
    const Lista liste[] = {
        {&txtGiorno, grpData, "txtGiorno", {16, 50, 72, 23}, "Giorno:", 2, scadenza::VociGiorno()},
        {&txtMese, grpData, "txtMese", {96, 50, 128, 23}, "Mese:", 10, scadenza::VociMese()},
        {&txtOreApp, grpOra, "txtOreApp", {16, 50, 72, 23}, "Ore:", 2, scadenza::VociOre()},
        {&txtMinutiApp,
         grpOra,
         "txtMinutiApp",
         {104, 50, 72, 23},
         "Minuti:",
         2,
         scadenza::VociMinuti()},
    };
    for (const auto& l : liste) {
        QComboBox* c = ComboSoloLista(l.gruppo, l.nome, l.r, campo, Q(l.voci));
        c->lineEdit()->setMaxLength(l.lunghezza);
        c->setMaxVisibleItems(16);
        titolo(l.gruppo, l.nome, l.didascalia, {l.r.x(), l.r.y() - 20});
        SoloVociDellaLista(c, l.voci);
        Evidenzia(c);
        *l.membro = c;
    }
    Etichetta(grpOra, "titSeparatoreOra", ":", {92, 50}, campo, kDidascalia);
    lblAnno = new QLabel(grpData);
    lblAnno->setObjectName("lblAnno");
    lblAnno->setFont(Carattere("Verdana", 18, true));
    lblAnno->setGeometry(234, 44, 78, 34);
    lblAnno->setStyleSheet(QStringLiteral("color: #000080"));

    // Days of warning, on one line with its two captions.
    txtAvviso = CampoTesto(p, "txtAvviso", {164, 158, 61, 22}, 3, campo);
    txtAvviso->setAlignment(Qt::AlignCenter);
    FiltroCifre(txtAvviso);
    Evidenzia(txtAvviso);
    for (auto [nome, testo, x] :
         {std::tuple{"titAvviso", "Avvisa n.", 88},
          std::tuple{"titAvvisoGiorni", "giorni prima della scadenza.", 234}}) {
        QLabel* l = Etichetta(p, nome, Q(testo), {x, 158}, didascalia, kDidascalia);
        l->setFixedHeight(22);
        l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    }

    struct Testo {
        QLineEdit** membro;
        const char* nome;
        QRect r;
        const char* didascalia;
        int lunghezza;
    };
    const Testo testi[] = {
        {&txtBeneficiario, "txtBeneficiario", {88, 247, 248, 22}, "Tipologia:", 50},
        {&txtDettagli, "txtDettagli", {348, 247, 435, 22}, "Causale scadenza o appuntamento:", 250},
        {&txtOfficina, "txtOfficina", {24, 305, 312, 22}, "Pagamento:", 150},
        {&txtCosto, "txtCosto", {348, 305, 158, 22}, "Importo in euro:", 15},
        {&txtContatto, "txtContatto", {518, 305, 265, 22}, "Esito:", 50},
        {&txtPagatore, "txtPagatore", {88, 381, 220, 22}, "Cognome e nome:", 50},
        {&txtCodFisc, "txtCodFisc", {348, 381, 170, 22}, "Codice fiscale:", 16},
        {&txtNumTessera, "txtNumTessera", {560, 381, 222, 22}, "Zona:", 50},
        {&txtCarica, "txtCarica", {24, 439, 312, 22}, "Questioni in sospeso:", 50},
        {&txtTelCel, "txtTelCel", {348, 439, 200, 22}, "Tel. cellulare:", 30},
        {&txtRecapito, "txtRecapito", {560, 439, 222, 22}, "Recapito preferenziale:", 50},
        {&txtAnticipi, "txtAnticipi", {88, 508, 248, 22}, "Altre persone da incontrare:", 120},
        {&txtComplessivo, "txtComplessivo", {348, 508, 200, 22}, "Luogo appuntamento:", 50},
        {&txtRateazione, "txtRateazione", {560, 508, 222, 22}, "Durata prevista:", 120},
        {&txtNote, "txtNote", {24, 598, 496, 22}, "Note:", 250},
    };
    for (const auto& t : testi) {
        *t.membro = CampoTesto(p, t.nome, t.r, t.lunghezza, campo);
        titolo(p, t.nome, t.didascalia, {t.r.x(), t.r.y() - 20});
        Evidenzia(*t.membro);
    }
    txtCosto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtCosto->setText(QStringLiteral("0,00"));
    FiltroCifre(txtCosto, true);
    QuandoEsce(txtCosto, [this] { txtCostoExit(); });
    FiltroMaiuscole(txtCodFisc);

    chkDaConfermare = new QCheckBox(QStringLiteral("Appuntamento da confermare"), p);
    chkDaConfermare->setObjectName("chkDaConfermare");
    chkDaConfermare->setGeometry(22, 544, 218, 22);
    chkDaConfermare->setFont(CarattereDidascalia());
    new Rettangolo(p, "shpEffettuata", {616, 582, 165, 38}, kSabbia, kSabbia.darker(120));
    chkEffettuata = new QCheckBox(QStringLiteral("Impegno assolto"), p);
    chkEffettuata->setObjectName("chkEffettuata");
    chkEffettuata->setGeometry(628, 590, 148, 22);
    chkEffettuata->setFont(Carattere("Verdana", 10, true));
    for (QCheckBox* c : {chkDaConfermare, chkEffettuata}) {
        QPalette pal = c->palette();
        pal.setColor(QPalette::WindowText, kDidascalia);
        c->setPalette(pal);
    }

    CatenaInvio({txtGiorno,       txtMese,     txtOreApp,      txtMinutiApp,  txtAvviso,
                 txtBeneficiario, txtDettagli, txtOfficina,    txtCosto,      txtContatto,
                 txtPagatore,     txtCodFisc,  txtNumTessera,  txtCarica,     txtTelCel,
                 txtRecapito,     txtAnticipi, txtComplessivo, txtRateazione, txtNote});
    // Tab reaches the check boxes too, each in its place.
    setTabOrder(txtRateazione, chkDaConfermare);
    setTabOrder(chkDaConfermare, txtNote);
    setTabOrder(txtNote, chkEffettuata);
}

void TfrmRicordario::CreaComandi(QWidget* p) {
    new Rettangolo(p, "shpComandi", {800, 16, 177, 489}, Qt::white, kBordoSezione);
    new Immagine(p, "imgDecoro", {800, 512, 177, 121}, "decoro", false);
    new Rettangolo(p, "shpNavigazione", {800, 642, 177, 32}, Qt::white, kBordoSezione);

    using Azione = void (TfrmRicordario::*)();
    struct Comando {
        Immagine** membro;
        const char* nome;
        const char* parola;
        const char* suggerimento;
        Azione azione;  // none: its window comes later
    };
    const Comando comandi[] = {
        {&cmdNuovo, "cmdNuovo", "Nuovo",
         "Prepara la schermata per la registrazione di una nuova scheda.",
         &TfrmRicordario::cmdNuovoClick},
        {&cmdDuplica, "cmdDuplica", "Duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
         "correnti.",
         &TfrmRicordario::cmdDuplicaClick},
        {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
         &TfrmRicordario::cmdSalvaClick},
        {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.",
         &TfrmRicordario::cmdTrovaClick},
        {&cmdImporta, "cmdImporta", "Anteprima", "Visualizza l'anteprima di stampa.",
         &TfrmRicordario::cmdImportaClick},
        {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.",
         &TfrmRicordario::cmdStampaClick},
        {&cmdEsporta, "cmdEsporta", "Esporta archivio",
         "Esporta le schede in archivio in un file di Microsoft Excel.",
         &TfrmRicordario::cmdEsportaClick},
        {&cmdDaConfermare, "cmdDaConfermare", "Da confermare",
         "Visualizza l'elenco degli appuntamenti in attesa di conferma.",
         &TfrmRicordario::cmdDaConfermareClick},
        {&cmdDaEffettuare, "cmdDaEffettuare", "Non assolti",
         "Visualizza il riepilogo degli impegni non assolti, sia scaduti che non.",
         &TfrmRicordario::cmdDaEffettuareClick},
        {&cmdEffettuate, "cmdEffettuate", "Scaduti",
         "Visualizza il riepilogo degli impegni scaduti e non assolti.",
         &TfrmRicordario::cmdEffettuateClick},
        {&cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
         &TfrmRicordario::cmdGuidaClick},
        {&cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.",
         &TfrmRicordario::cmdEsciClick},
    };
    int y = 30;
    for (const auto& c : comandi) {
        *c.membro = Immagine::Comando(p, c.nome, {814, y, 148, 32}, Q(c.parola));
        y += 39;
        stato_->Descrivi(*c.membro, Q(c.suggerimento));
        if (c.azione) connect(*c.membro, &QAbstractButton::clicked, this, c.azione);
    }

    struct Picture {
        Immagine** membro;
        const char* nome;
        QRect r;
        const char* risorsa;
        const char* suggerimento;
        Azione azione;
    };
    const Picture pulsanti[] = {
        {&cmdPrimo,
         "cmdPrimo",
         {806, 649, 15, 17},
         "primo",
         "Visualizza la prima scheda in archivio.",
         &TfrmRicordario::cmdPrimoClick},
        {&cmdIndietro,
         "cmdIndietro",
         {830, 649, 10, 17},
         "indietro",
         "Visualizza la scheda precedente in archivio.",
         &TfrmRicordario::cmdIndietroClick},
        {&cmdAvanti,
         "cmdAvanti",
         {934, 649, 10, 17},
         "avanti",
         "Visualizza la scheda successiva in archivio.",
         &TfrmRicordario::cmdAvantiClick},
        {&cmdUltimo,
         "cmdUltimo",
         {955, 649, 15, 17},
         "ultimo",
         "Visualizza l'ultima scheda in archivio.",
         &TfrmRicordario::cmdUltimoClick},
        {&impPag,
         "impPag",
         {314, 381, 22, 22},
         "sezione01",
         "Importa i dati dall'archivio anagrafico dei contatti.",
         &TfrmRicordario::impPagClick},
        {&btnCodFisc,
         "btnCodFisc",
         {525, 381, 22, 22},
         "controlla",
         "Controlla il codice fiscale.",
         &TfrmRicordario::btnCodFiscClick},
    };
    for (const auto& b : pulsanti) {
        *b.membro = new Immagine(p, b.nome, b.r, b.risorsa);
        stato_->Descrivi(*b.membro, Q(b.suggerimento));
        connect(*b.membro, &QAbstractButton::clicked, this, b.azione);
    }
    stato_->Descrivi(chkDaConfermare,
                     QStringLiteral("Spunta questa casella per annotare che l'appuntamento è in "
                                    "attesa di conferma."));
    stato_->Descrivi(chkEffettuata, QStringLiteral("Spunta questa casella per annotare che "
                                                   "l'impegno è stato assolto."));

    lblPosizione = new QLabel(p);
    lblPosizione->setObjectName("lblPosizione");
    // Same look as the contact card's number, level with the arrows.
    lblPosizione->setGeometry(846, 649, 82, 19);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Carattere("Verdana", 12, true));
}

// --- Card and record ------------------------------------------------------------------------

void TfrmRicordario::SvuotaDataOra() {
    for (QComboBox* c : {txtGiorno, txtMese, txtOreApp, txtMinutiApp}) c->setCurrentIndex(-1);
    txtGiorno->setEditText(QString());
    txtMese->setEditText(QString());
    txtOreApp->setEditText(QStringLiteral("00"));
    txtMinutiApp->setEditText(QStringLiteral("00"));
}

void TfrmRicordario::PulisciScheda() {
    SvuotaDataOra();
    for (QLineEdit* e : Pannello()->findChildren<QLineEdit*>()) {
        // The lists' own line edits are done above.
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        e->clear();
    }
    txtCosto->setText(QStringLiteral("0,00"));
    chkDaConfermare->setChecked(false);
    chkEffettuata->setChecked(false);
    lblPosizione->clear();
    txtGiorno->setFocus();
}

void TfrmRicordario::MostraScheda(const TSchedaScadenza& scheda, std::int64_t posizione) {
    for (std::size_t i = 0; i < controlli_.size(); ++i) {
        const std::string& valore = scheda.*(TSchedaScadenza::Campi[i].membro);
        if (auto* casella = qobject_cast<QCheckBox*>(controlli_[i])) {
            // Neither "Sì" nor "No": the box stays as it was.
            const int spunta = flag::Leggi(valore);
            if (spunta >= 0) casella->setChecked(spunta == 1);
        } else {
            ScriviTesto(controlli_[i], Q(valore));
        }
    }
    lblPosizione->setText(QString::number(posizione));
}

TSchedaScadenza TfrmRicordario::ComponiScheda() const {
    TSchedaScadenza scheda;
    for (std::size_t i = 0; i < controlli_.size(); ++i) {
        std::string& valore = scheda.*(TSchedaScadenza::Campi[i].membro);
        if (auto* casella = qobject_cast<const QCheckBox*>(controlli_[i]))
            valore = flag::Da(casella->isChecked());
        else
            valore = S(TestoDi(controlli_[i]));
    }
    return scheda;
}

std::filesystem::path TfrmRicordario::PercorsoArchivio() const {
    return std::filesystem::path(lblFile->text().trimmed().toStdU16String());
}

void TfrmRicordario::ErroreAccesso() {
    MostraAvviso(this, Q(messaggi::AccessoArchivio), TipoAvviso::Errore);
}

void TfrmRicordario::txtCostoExit() {
    const QString normale = Q(scadenza::NormalizzaImporto(S(txtCosto->text())));
    if (normale != txtCosto->text()) txtCosto->setText(normale);
}

// --- Commands --------------------------------------------------------------------------------

void TfrmRicordario::cmdSalvaClick() {
    const scadenza::EsitoSalvataggio esito = scadenza::PreparaSalvataggio(ComponiScheda());
    if (Q(esito.Costo) != txtCosto->text()) txtCosto->setText(Q(esito.Costo));
    if (esito.Ora) lblOra->setText(Q(*esito.Ora));
    if (esito.Data) lblData->setText(Q(*esito.Data));
    if (esito.rifiuto) {
        const scadenza::Rifiuto& r = *esito.rifiuto;
        if (r.modo == scadenza::ModoRifiuto::Messaggio)
            MostraMessaggio(this, Q(r.testo));
        else
            MostraAvviso(this, Q(r.testo), TipoAvviso::Avvertimento);
        if (auto* w = Pannello()->findChild<QWidget*>(Q(r.controllo))) w->setFocus();
        return;
    }

    const std::int64_t prima = scadenza::LeggiPosizione(S(lblPosizione->text()));
    std::int64_t posizione = 0;
    try {
        posizione = SalvaScadenza(PercorsoArchivio(), prima, esito.scheda);
    } catch (const std::exception&) {
        ErroreAccesso();
        return;
    }
    lblPosizione->setText(QString::number(posizione));
    MostraAvviso(this,
                 Q(std::string(prima > 0 ? scadenza::ModificheSalvate : scadenza::SchedaSalvata)),
                 TipoAvviso::Informazione);
}

void TfrmRicordario::cmdDuplicaClick() {
    if (lblPosizione->text().trimmed().isEmpty()) {
        MostraAvviso(this, Q(messaggi::DuplicaNonArchiviata), TipoAvviso::Avvertimento);
        return;
    }
    lblPosizione->clear();
    try {
        // Opened only to make sure the archive is there to take the copy.
        TArchivioScadenze archivio;
        archivio.Apri(PercorsoArchivio());
        SvuotaDataOra();
        txtGiorno->setFocus();
        archivio.Chiudi();
    } catch (const std::exception&) {
        ErroreAccesso();
        return;
    }
    MostraAvviso(this, Q(messaggi::DopoDuplica), TipoAvviso::Informazione);
}

void TfrmRicordario::Naviga(scadenza::Navigazione comando) {
    SchedaNavigata<TSchedaScadenza> esito;
    try {
        esito = NavigaScadenze(PercorsoArchivio(), comando,
                               scadenza::LeggiPosizione(S(lblPosizione->text())));
    } catch (const std::exception&) {
        ErroreAccesso();
        return;
    }
    switch (esito.passo.esito) {
        case scadenza::PassoNavigazione::Mostra:
            MostraScheda(esito.scheda, esito.passo.posizione);
            break;
        case scadenza::PassoNavigazione::ArchivioVuoto:
            if (esito.passo.svuotaPosizione) lblPosizione->clear();
            MostraAvviso(this, Q(messaggi::ArchivioVuoto), TipoAvviso::Informazione);
            break;
        case scadenza::PassoNavigazione::Niente:
            break;
    }
}

// The search in mode "ricordario" writes the picked contact's six fields straight into
// this card; the card stays new or stored as it was.
void TfrmRicordario::impPagClick() {
    // The contact's data the deadline card takes; nothing else of the card changes.
    TfrmTrovaClienti::Apri(this, QStringLiteral("ricordario"),
                           [this](std::int64_t, const TSchedaContatto& s) {
                               txtPagatore->setText(Q(s.Cliente));
                               txtCodFisc->setText(Q(s.CodFisc));
                               txtNumTessera->setText(Q(s.Zona));
                               txtCarica->setText(Q(s.Questioni));
                               txtTelCel->setText(Q(s.TelCel));
                               txtRecapito->setText(Q(s.Recapito));
                           });
}

void TfrmRicordario::cmdEsportaClick() { TfrmExpRicordario::Apri(this, PercorsoArchivio()); }

void TfrmRicordario::btnCodFiscClick() {
    // Digits only go to the partita IVA checker: TfrmCodFisc::Apri decides.
    TfrmCodFisc::Apri(this, Rifilato(txtCodFisc->text()));
}

report::Modello TfrmRicordario::SchedaDaStampare() const {
    report::Modello modello = report::ModelloScheda(report::VarianteScheda::Scadenza);
    report::RiempiScheda(modello, Q(std::string(scadenza::TitoloStampa)),
                         scadenza::RigheStampa(ComponiScheda(), chkDaConfermare->isChecked(),
                                               chkEffettuata->isChecked()));
    return modello;
}

void TfrmRicordario::cmdImportaClick() { report::MostraAnteprima(SchedaDaStampare(), this); }

void TfrmRicordario::cmdStampaClick() { report::StampaReport(SchedaDaStampare(), this); }

namespace {

// The search and the three lists read the year file the card shows, and a record picked
// there goes on the card as browsing puts it.
elenco::Scelta<TSchedaScadenza> MostraSu(TfrmRicordario* scheda) {
    return [scheda](std::int64_t posizione, const TSchedaScadenza& s) {
        scheda->MostraScheda(s, posizione);
    };
}

}  // namespace

void TfrmRicordario::cmdTrovaClick() {
    TfrmTrovaRicordario::Apri(this, PercorsoArchivio(), MostraSu(this));
}

void TfrmRicordario::cmdDaConfermareClick() {
    TfrmDaConfermare::Apri(this, PercorsoArchivio(), MostraSu(this));
}

void TfrmRicordario::cmdDaEffettuareClick() {
    TfrmConfermati::Apri(this, PercorsoArchivio(), MostraSu(this));
}

void TfrmRicordario::cmdEffettuateClick() {
    TfrmNonConfermati::Apri(this, PercorsoArchivio(), MostraSu(this));
}

void TfrmRicordario::cmdGuidaClick() { MostraGuida(this, guida::InserimentoScadenze); }
