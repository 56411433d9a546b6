#include "gui/deadlines/TfrmRicordario.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <tuple>

#include "core/help/Guida.h"
#include "core/deadlines/Festivita.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/Ripetizioni.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"
#include "gui/checkers/TfrmCodFisc.h"
#include "gui/checkers/TfrmPartitaIva.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/ElencoImpegni.h"
#include "gui/deadlines/TfrmRipeti.h"
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

}  // namespace

TfrmRicordario::TfrmRicordario()
    : FinestraArchivio("TfrmRicordario", Titolo("Archivio scadenze e appuntamenti"),
                       {kSfondo, QColor(), kBordoSezione, 649}, scadenza::Regole()) {
    CreaCampi(Pannello());
    CreaComandi();
    lblFile = EtichettaNascosta("lblFile");
    lblData = EtichettaNascosta("lblData");
    lblOra = EtichettaNascosta("lblOra");
    CompletaScheda();
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

    // The working-day hint, on the free end of the warning line.
    lblLavorativo = Etichetta(p, "lblLavorativo", QString(), {470, 142}, Carattere("Verdana", 8, true),
                              Argb(0xFFB22222));
    lblLavorativo->setGeometry(470, 142, 312, 52);
    lblLavorativo->setWordWrap(true);
    for (QComboBox* c : {txtGiorno, txtMese})
        connect(c, &QComboBox::currentTextChanged, this,
                &TfrmRicordario::MostraGiornoLavorativo);

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
    // Sixteen capitals in bold need a smaller size than the other fields to be seen whole.
    txtCodFisc->setFont(Carattere("Verdana", 9, true));

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

    ImpostaCatena({txtGiorno,       txtMese,     txtOreApp,      txtMinutiApp,  txtAvviso,
                   txtBeneficiario, txtDettagli, txtOfficina,    txtCosto,      txtContatto,
                   txtPagatore,     txtCodFisc,  txtNumTessera,  txtCarica,     txtTelCel,
                   txtRecapito,     txtAnticipi, txtComplessivo, txtRateazione, txtNote});
    // Tab reaches the check boxes too, each in its place.
    setTabOrder(txtRateazione, chkDaConfermare);
    setTabOrder(chkDaConfermare, txtNote);
    setTabOrder(txtNote, chkEffettuata);
}

void TfrmRicordario::CreaComandi() {
    using T = TfrmRicordario;
    namespace d = descrizioni;
    // clang-format off
    const Comando<T> comandi[] = {
        {"cmdNuovo", "Nuovo", d::Nuovo, &T::cmdNuovoClick, {}, nullptr, &T::cmdNuovo},
        {"cmdDuplica", "Duplica", d::Duplica, &T::cmdDuplicaClick, {}, nullptr, &T::cmdDuplica},
        {"cmdSalva", "Salva", d::Salva, &T::cmdSalvaClick, {}, nullptr, &T::cmdSalva},
        {"cmdTrova", "Trova", d::Trova, &T::cmdTrovaClick, {}, nullptr, &T::cmdTrova},
        {"cmdImporta", "Anteprima", d::Anteprima, &T::cmdImportaClick, {}, nullptr,
         &T::cmdImporta},
        {"cmdStampa", "Stampa", d::Stampa, &T::cmdStampaClick, {}, nullptr, &T::cmdStampa},
        {"cmdEsporta", "Esporta archivio", d::Esporta, &T::cmdEsportaClick, {}, nullptr, &T::cmdEsporta},
        {"cmdDaConfermare", "Da confermare",
         "Visualizza l'elenco degli appuntamenti in attesa di conferma.", &T::cmdDaConfermareClick, {}, nullptr,
         &T::cmdDaConfermare},
        {"cmdDaEffettuare", "Non assolti",
         "Visualizza il riepilogo degli impegni non assolti, sia scaduti che non.", &T::cmdDaEffettuareClick, {},
         nullptr, &T::cmdDaEffettuare},
        {"cmdEffettuate", "Scaduti", "Visualizza il riepilogo degli impegni scaduti e non assolti.",
         &T::cmdEffettuateClick, {}, nullptr, &T::cmdEffettuate},
        {"cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
         &T::cmdGuidaClick, {}, nullptr, &T::cmdGuida},
        {"cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick, {}, nullptr,
         &T::cmdEsci},
        {"impPag", nullptr, "Importa i dati dall'archivio anagrafico dei contatti.",
         &T::impPagClick, {314, 381, 22, 22}, "sezione01", &T::impPag},
        {"btnCodFisc", nullptr, d::CodFisc, &T::btnCodFiscClick, {525, 381, 22, 22}, "controlla",
         &T::btnCodFisc},
    };
    // clang-format on
    AggiungiComandi(comandi);
    // Repeat stands below the column, over the top of the decoration, which keeps its place.
    cmdRipeti = Immagine::Comando(Pannello(), "cmdRipeti", {814, 520, 148, 32}, QStringLiteral("Ripeti"));
    connect(cmdRipeti, &QAbstractButton::clicked, this, &TfrmRicordario::cmdRipetiClick);
    Descrivi(cmdRipeti, "Ripete la scheda corrente ogni settimana, ogni mese o più mesi, "
                        "nell'archivio dell'anno di ogni ripetizione.");
    Descrivi(chkDaConfermare,
             "Spunta questa casella per annotare che l'appuntamento è in attesa di conferma.");
    Descrivi(chkEffettuata, "Spunta questa casella per annotare che l'impegno è stato assolto.");
}

// --- Card and record ------------------------------------------------------------------------

void TfrmRicordario::ImpostaAnno(int anno, std::filesystem::path file) {
    anno_ = anno;
    file_ = std::move(file);
    const QString testo = QStringLiteral("%1").arg(anno_, 4, 10, QChar('0'));
    ScriviCampo("Anno", S(testo));
    lblFile->setText(QString::fromStdU16String(file_.u16string()));
    setWindowTitle(Titolo(QStringLiteral("Archivio scadenze e appuntamenti anno ") + testo));
}

void TfrmRicordario::MostraGiornoLavorativo() {
    const auto data = scadenza::ComponiData(S(txtGiorno->currentText()), S(txtMese->currentText()),
                                            S(lblAnno->text()));
    const auto nota = data ? festivita::NotaNonLavorativo(std::string_view(*data)) : std::nullopt;
    lblLavorativo->setText(nota ? Q(*nota) : QString());
}

void TfrmRicordario::cmdRipetiClick() {
    if (Posizione() <= 0) {
        MostraAvviso(this, Q(std::string(ripetizione::NonArchiviata)), TipoAvviso::Avvertimento);
        return;
    }
    // The record as saved: what the card shows may hold changes not yet saved.
    TSchedaScadenza salvata;
    try {
        TArchivioScadenze archivio;
        archivio.Apri(file_, Accesso::SolaLettura);
        salvata = archivio.LeggiScheda(Posizione());
        archivio.Chiudi();
    } catch (const std::exception& e) {
        ErroreAccesso(e);
        return;
    }
    TfrmRipeti::Apri(this, std::move(salvata), file_.parent_path());
}

void TfrmRicordario::txtCostoExit() {
    const QString normale = Q(scadenza::NormalizzaImporto(S(txtCosto->text())));
    if (normale != txtCosto->text()) txtCosto->setText(normale);
}

// --- Commands --------------------------------------------------------------------------------

void TfrmRicordario::impPagClick() {
    // The contact's data the deadline card takes; nothing else of the card changes.
    TfrmTrovaClienti::Apri(this, [this](std::int64_t, const TSchedaContatto& s) {
        txtPagatore->setText(Q(s.Cliente));
        txtCodFisc->setText(Q(s.CodFisc));
        txtNumTessera->setText(Q(s.Zona));
        txtCarica->setText(Q(s.Questioni));
        txtTelCel->setText(Q(s.TelCel));
        txtRecapito->setText(Q(s.Recapito));
    });
}

void TfrmRicordario::cmdEsportaClick() { TfrmExpRicordario::Apri(this, file_, anno_); }

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
        scheda->MostraScheda(posizione, s);
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
