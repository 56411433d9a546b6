#include "gui/contacts/TfrmClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <array>
#include <utility>

#include "core/help/Guida.h"
#include "core/contacts/RegoleContatto.h"
#include "core/contacts/StampaContatto.h"
#include "core/interchange/VCard.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/Scambio.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"
#include "gui/checkers/TfrmCarta.h"
#include "gui/checkers/TfrmCodFisc.h"
#include "gui/checkers/TfrmIban.h"
#include "gui/checkers/TfrmPartitaIva.h"
#include "gui/contacts/TfrmAllegaCartella.h"
#include "gui/contacts/TfrmRicontatta.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/export/TfrmExpClienti.h"

namespace {

enum class Genere { Libero, Centrato, Provincia };
using Filtro = void (*)(QLineEdit*);
void Cifre(QLineEdit* e) { FiltroCifre(e); }

// The typed fields in record order, which is also their Enter and tab order.
struct CampoScheda {
    const char* nome;
    const char* didascalia;
    int x, y, larghezza;
    Genere genere;
    Filtro filtro;  // typing filter, if any
};
const CampoScheda kCampi[] = {
    {"txtCliente", "Cognome e nome o ragione sociale:", 136, 42, 281, Genere::Libero, nullptr},
    {"txtDataNasc", "Data di nascita:", 424, 42, 113, Genere::Centrato, nullptr},
    {"txtComuneNasc", "Comune di nascita:", 544, 42, 177, Genere::Libero, nullptr},
    {"txtProvNasc", "Prov.", 728, 42, 54, Genere::Provincia, nullptr},
    {"txtSesso", "Sesso:", 136, 90, 57, Genere::Centrato, FiltroSoloMaiuscole},
    {"txtRecapito", "Recapito preferenziale:", 200, 90, 217, Genere::Libero, nullptr},
    {"txtIndirizzoRes", "Residente in Via / Piazza e numero civico:", 424, 90, 297, Genere::Libero,
     nullptr},
    {"txtProvRes", "Prov.", 728, 90, 54, Genere::Provincia, nullptr},
    {"txtComuneRes", "Comune di residenza:", 136, 138, 209, Genere::Libero, nullptr},
    {"txtCapRes", "CAP:", 352, 138, 65, Genere::Libero, FiltroSoloMaiuscole},
    {"txtEstremi", "Modalità di pagamento:", 424, 138, 361, Genere::Libero, nullptr},
    {"txtTelCasa", "Tel. casa:", 136, 202, 212, Genere::Libero, nullptr},
    {"txtTelUff", "Tel. ufficio:", 354, 202, 212, Genere::Libero, nullptr},
    {"txtTelCel", "Tel. cellulare:", 572, 202, 212, Genere::Libero, nullptr},
    {"txtFax", "Fax:", 136, 250, 212, Genere::Libero, nullptr},
    {"txtEmail", "E-mail:", 404, 250, 351, Genere::Libero, FiltroRifila},
    {"txtCodFisc", "Codice fiscale:", 136, 314, 212, Genere::Libero, FiltroMaiuscole},
    {"txtCarta", "Carta di credito n.", 392, 314, 249, Genere::Libero, Cifre},
    {"txtScadeCarta", "Scadenza:", 678, 314, 105, Genere::Libero, nullptr},
    {"txtPartitaIva", "Partita IVA:", 136, 362, 212, Genere::Libero, Cifre},
    {"txtIban", "IBAN:", 392, 362, 361, Genere::Libero, FiltroMaiuscole},
    {"txtDocumento", "Estremi documento:", 136, 426, 212, Genere::Libero, nullptr},
    {"txtOccupazione", "Occupazione:", 354, 426, 212, Genere::Libero, nullptr},
    {"txtCivile", "Stato civile:", 573, 426, 210, Genere::Libero, nullptr},
    {"txtTitoli", "Titoli e qualifiche:", 136, 474, 212, Genere::Libero, nullptr},
    {"txtProdotti", "Prodotti o servizi di interesse:", 354, 474, 212, Genere::Libero, nullptr},
    {"txtZona", "Zona:", 573, 474, 210, Genere::Libero, nullptr},
    {"txtQuestioni", "Questioni in sospeso:", 136, 538, 488, Genere::Libero, nullptr},
    {"txtNote", "Note:", 136, 602, 647, Genere::Libero, nullptr},
};

// Every field takes as many characters as its record field holds.
int Capacita(const QString& campo) {
    for (const auto& c : TSchedaContatto::Campi)
        if (campo == QLatin1String(c.nome.data(), c.nome.size()))
            return static_cast<int>(c.capacita);
    return 0;
}

struct Sezione {
    int y, altezza;
};
constexpr Sezione kSezioni[] = {{16, 154}, {176, 105}, {288, 105}, {400, 105}, {512, 121}};

}  // namespace

TfrmClienti::TfrmClienti()
    : FinestraArchivio("TfrmClienti", Titolo("Anagrafica contatti"),
                       {Argb(0xFF8BB2D3), Argb(0xFFC3D0DE), QColor(), 650}, contatto::Regole()) {
    QWidget* p = Pannello();
    for (int i = 0; i < 5; ++i) {
        const auto [y, h] = kSezioni[i];
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QChar('0'));
        new Rettangolo(p, "shpSezione" + n, QRect(16, y, 777, h), Argb(0xFFE7EFF7));
        new Rettangolo(p, "shpQuadro" + n, QRect(16, y, 97, h), Qt::white);
        new Immagine(p, "imgSezione" + n, QRect(24, y + (h - 81) / 2, 81, 81), "sezione" + n,
                     false);
    }
    new Rettangolo(p, "shpEmail", QRect(354, 232, 40, 40), Qt::white);
    new Immagine(p, "icoEmail", QRect(358, 236, 32, 32), "busta", false);

    // The hidden attachment labels lie over the decorative picture.
    int k = 0;
    for (const char* nome :
         {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        EtichettaNascosta(nome)->setGeometry(808, 520 + 18 * k++, 169, 16);

    // The vCard commands lie on a white plate over the decorative picture, the only room
    // the card has left beside the command column.
    new Rettangolo(p, "shpScambio", QRect(800, 512, 177, 121), Qt::white);

    CostruisciCampi(p);
    CostruisciComandi(p);
    CompletaScheda();
}

void TfrmClienti::CostruisciCampi(QWidget* p) {
    const QFont fCampo = Carattere("Verdana", 12, true);
    const QFont fDidascalia = Carattere("Verdana", 8);
    QList<QWidget*> catena;
    for (const CampoScheda& c : kCampi) {
        const QString nome = QString::fromLatin1(c.nome);
        const QRect r(c.x, c.y, c.larghezza, 22);
        Etichetta(p, "tit" + nome.mid(3), Q(c.didascalia), QPoint(c.x, c.y - 18), fDidascalia);
        QWidget* campo;
        if (c.genere == Genere::Provincia) {
            campo = ComboProvincia(p, nome, r, fCampo);
        } else {
            QLineEdit* e = CampoTesto(p, nome, r, Capacita(nome.mid(3)), fCampo);
            if (c.genere == Genere::Centrato) e->setAlignment(Qt::AlignCenter);
            if (c.filtro) c.filtro(e);
            campo = e;
        }
        Evidenzia(campo);
        catena.append(campo);
    }
    ImpostaCatena(catena);

    auto* chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), p);
    chkRicontatta->setObjectName("chkRicontatta");
    chkRicontatta->setFont(Carattere("Verdana", 10, true));
    chkRicontatta->setGeometry(640, 536, 137, 22);
    // Tab reaches the check box between the open questions and the notes, the last two
    // fields of the chain; Enter skips it.
    QWidget::setTabOrder(catena[catena.size() - 2], chkRicontatta);
    Descrivi(chkRicontatta, "Annota che il contatto è da ricontattare per questioni in sospeso.");
}

void TfrmClienti::CostruisciComandi(QWidget* p) {
    using T = TfrmClienti;
    namespace d = descrizioni;
    // clang-format off
    const Comando<T> comandi[] = {
        {"cmdNuovo", "Nuovo", d::Nuovo, &T::cmdNuovoClick},
        {"cmdDuplica", "Duplica", d::Duplica, &T::cmdDuplicaClick},
        {"cmdFile", "Allega file", "Allega file alla scheda corrente.", &T::cmdFileClick},
        {"cmdSalva", "Salva", d::Salva, &T::cmdSalvaClick},
        {"cmdTrova", "Trova", d::Trova, &T::cmdTrovaClick},
        {"cmdAnteprima", "Anteprima", d::Anteprima, &T::cmdAnteprimaClick},
        {"cmdStampa", "Stampa", d::Stampa, &T::cmdStampaClick},
        {"cmdPDF", "Crea PDF", "Esporta la scheda in formato PDF.", &T::cmdPDFClick},
        {"cmdRicontatta", "Da ricontattare",
         "Visualizza il riepilogo delle persone da ricontattare.", &T::cmdRicontattaClick},
        {"cmdEsporta", "Esporta archivio", d::Esporta, &T::cmdEsportaClick},
        {"cmdGuida", "Guida", "Visualizza la guida in linea.", &T::cmdGuidaClick},
        {"cmdEsci", "Esci", "Esci dalla schermata di lavoro corrente.", &T::cmdEsciClick},
        {"btnCodFisc", nullptr, d::CodFisc, &T::btnCodFiscClick, {353, 314, 22, 22}, "controlla"},
        {"btnCarta", nullptr, "Controlla il numero di carta di credito.", &T::btnCartaClick,
         {647, 314, 22, 22}, "controlla"},
        {"btnPartitaIva", nullptr, "Controlla il numero di partita IVA.", &T::btnPartitaIvaClick,
         {353, 362, 22, 22}, "controlla"},
        {"btnIban", nullptr, "Controlla l'IBAN.", &T::btnIbanClick, {760, 362, 22, 22},
         "controlla"},
        {"btnEmail", nullptr, "Invia una e-mail all'indirizzo indicato.", &T::btnEmailClick,
         {760, 250, 22, 22}, "busta"},
    };
    // clang-format on
    AggiungiComandi(comandi);

    const std::pair<Immagine*, const char*> scambio[] = {
        {Immagine::Comando(p, "cmdEsportaVCard", {814, 537, 148, 32}, "Esporta vCard"),
         "Esporta le schede in archivio in un file vCard per la rubrica di altri programmi."},
        {Immagine::Comando(p, "cmdImportaVCard", {814, 576, 148, 32}, "Importa vCard"),
         "Aggiunge in archivio i contatti di un file vCard."},
    };
    for (const auto& [comando, descrizione] : scambio) Descrivi(comando, descrizione);
    connect(scambio[0].first, &QAbstractButton::clicked, this, &T::cmdEsportaVCardClick);
    connect(scambio[1].first, &QAbstractButton::clicked, this, &T::cmdImportaVCardClick);
}

std::filesystem::path TfrmClienti::PercorsoArchivio() const {
    return PercorsoProgramma(QString::fromLatin1(TArchivioContatti::NomeFile));
}

// --- Commands --------------------------------------------------------------------------------

// The checkers take the trimmed field; a codice fiscale of digits only is a company's and
// goes to the partita IVA checker (TfrmCodFisc::Apri decides).
void TfrmClienti::btnCodFiscClick() { TfrmCodFisc::Apri(this, TestoCampo("CodFisc")); }
void TfrmClienti::btnPartitaIvaClick() { TfrmPartitaIva::Apri(this, TestoCampo("PartitaIva")); }
void TfrmClienti::btnCartaClick() { TfrmCarta::Apri(this, TestoCampo("Carta")); }
void TfrmClienti::btnIbanClick() { TfrmIban::Apri(this, TestoCampo("Iban")); }

namespace {
constexpr std::array<std::pair<const char*, const char*>, 3> kCampiAllegati = {
    {{"File01", "Desc01"}, {"File02", "Desc02"}, {"File03", "Desc03"}}};
}  // namespace

TfrmAllegaCartella::Allegati TfrmClienti::Allegati() const {
    TfrmAllegaCartella::Allegati allegati;
    for (std::size_t i = 0; i < allegati.size(); ++i)
        allegati[i] = {TestoCampo(kCampiAllegati[i].first), TestoCampo(kCampiAllegati[i].second)};
    return allegati;
}

void TfrmClienti::ImpostaAllegati(const TfrmAllegaCartella::Allegati& allegati) {
    for (std::size_t i = 0; i < allegati.size(); ++i) {
        ScriviCampo(kCampiAllegati[i].first, S(allegati[i].file));
        ScriviCampo(kCampiAllegati[i].second, S(allegati[i].descrizione));
    }
}

void TfrmClienti::cmdFileClick() {
    TfrmAllegaCartella::Apri(this, Allegati(),
                             [this](const TfrmAllegaCartella::Allegati& a) { ImpostaAllegati(a); });
}
void TfrmClienti::cmdTrovaClick() {
    TfrmTrovaClienti::Apri(this, [this](std::int64_t posizione, const TSchedaContatto& s) {
        MostraScheda(posizione, s);
    });
}
void TfrmClienti::cmdRicontattaClick() {
    TfrmRicontatta::Apri(this, [this](std::int64_t posizione, const TSchedaContatto& s) {
        MostraScheda(posizione, s);
    });
}
void TfrmClienti::cmdEsportaClick() { TfrmExpClienti::Apri(this); }

void TfrmClienti::cmdEsportaVCardClick() {
    const std::filesystem::path vcf = PercorsoProgramma(QString::fromLatin1(vcard::NomeFile));
    EsportaFile(this,
                {Q(vcard::DomandaEsporta), Q(vcard::DomandaApri), Q(vcard::EsportazioneFallita)},
                vcf, [&] { vcard::EsportaContatti(PercorsoArchivio(), vcf); });
}

void TfrmClienti::cmdImportaVCardClick() {
    const auto testo = LeggiFileScelto(this, QStringLiteral("Selezionare il file vCard da importare:"),
                                       QStringLiteral("Contatti vCard (*.vcf *.vcard)"));
    if (!testo) return;
    vcard::EsitoImportazione esito;
    try {
        esito = vcard::ImportaContatti(*testo, PercorsoArchivio());
    } catch (const std::exception& e) {
        ErroreAccesso(e);
        return;
    }
    // The card shown stays as it is: the new contacts are at the end of the archive.
    MostraAvviso(this, Q(vcard::Riepilogo(esito)), TipoAvviso::Informazione);
}

void TfrmClienti::btnEmailClick() { TMisc::Open("\"mailto:" + TestoCampo("Email") + "\""); }

// --- Printing, PDF, help ---------------------------------------------------------------------

report::Modello TfrmClienti::ModelloCompilato(bool perPdf) const {
    // From the controls as they stand: an unsaved card prints as shown.
    report::Modello modello = report::ModelloScheda(report::VarianteScheda::Contatto);
    report::RiempiScheda(modello, Q(std::string(TitoloStampaContatto)),
                         RigheStampaContatto(ComponiScheda(), perPdf));
    return modello;
}

void TfrmClienti::cmdStampaClick() { report::StampaReport(ModelloCompilato(false), this); }

void TfrmClienti::cmdAnteprimaClick() { report::MostraAnteprima(ModelloCompilato(false), this); }

void TfrmClienti::cmdPDFClick() {
    const QString file = CartellaProgramma() + QStringLiteral("Contatto.pdf");
    if (!report::EsportaPDF(ModelloCompilato(true), report::PdfScheda(file), this)) return;
    if (ChiediConferma(this, QStringLiteral("L'esportazione della scheda in PDF è terminata con "
                                            "successo.\r\n\r\nSi vuole aprire il file?")) ==
        Risposta::No)
        return;
    TMisc::Open(QLatin1Char('"') + file + QLatin1Char('"'));
}

void TfrmClienti::cmdGuidaClick() { MostraGuida(this, guida::AnagraficaContatti); }
