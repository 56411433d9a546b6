#include "gui/contacts/TfrmClienti.h"

#include <QComboBox>

#include "core/app/Guida.h"
#include "core/app/Messaggi.h"
#include "core/app/Testo.h"
#include "core/contacts/StampaContatto.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/TfrmGuida.h"
#include "gui/checkers/TfrmCarta.h"
#include "gui/checkers/TfrmCodFisc.h"
#include "gui/checkers/TfrmIban.h"
#include "gui/checkers/TfrmPartitaIva.h"
#include "gui/contacts/TfrmAllegaCartella.h"
#include "gui/contacts/TfrmRicontatta.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/export/TfrmExpClienti.h"

namespace {

static_assert(TSchedaContatto::Campi[29].nome == "Ricontatta");
static_assert(TSchedaContatto::Campi[30].nome == "File01");

enum class Genere { Libero, Centrato, Provincia };
using Filtro = void (*)(QLineEdit*);
void Cifre(QLineEdit* e) { FiltroCifre(e); }

// The fields in record order, which is also their Enter and tab order.
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
static_assert(std::size(kCampi) == 29);

struct Sezione {
    int y, altezza;
};
constexpr Sezione kSezioni[] = {{16, 154}, {176, 105}, {288, 105}, {400, 105}, {512, 121}};

struct ComandoScheda {
    const char* nome;
    const char* parola;  // empty for the arrows, which are pictures
    QRect r;
    const char* risorsa;
    const char* descrizione;
    void (TfrmClienti::*azione)();
};
// clang-format off
const ComandoScheda kComandi[] = {
    {"cmdNuovo", "Nuovo", {814, 30, 148, 32}, "",
     "Prepara la schermata per la registrazione di una nuova scheda.",
     &TfrmClienti::cmdNuovoClick},
    {"cmdDuplica", "Duplica", {814, 69, 148, 32}, "",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
     &TfrmClienti::cmdDuplicaClick},
    {"cmdFile", "Allega file", {814, 108, 148, 32}, "",
     "Allega file alla scheda corrente.",
     &TfrmClienti::cmdFileClick},
    {"cmdSalva", "Salva", {814, 147, 148, 32}, "",
     "Salva la scheda corrente in archivio.",
     &TfrmClienti::cmdSalvaClick},
    {"cmdTrova", "Trova", {814, 186, 148, 32}, "",
     "Trova una scheda in archivio.",
     &TfrmClienti::cmdTrovaClick},
    {"cmdAnteprima", "Anteprima", {814, 225, 148, 32}, "",
     "Visualizza l'anteprima di stampa.",
     &TfrmClienti::cmdAnteprimaClick},
    {"cmdStampa", "Stampa", {814, 264, 148, 32}, "",
     "Stampa la scheda corrente.",
     &TfrmClienti::cmdStampaClick},
    {"cmdPDF", "Crea PDF", {814, 303, 148, 32}, "",
     "Esporta la scheda in formato PDF.",
     &TfrmClienti::cmdPDFClick},
    {"cmdRicontatta", "Da ricontattare", {814, 342, 148, 32}, "",
     "Visualizza il riepilogo delle persone da ricontattare.",
     &TfrmClienti::cmdRicontattaClick},
    {"cmdEsporta", "Esporta archivio", {814, 381, 148, 32}, "",
     "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TfrmClienti::cmdEsportaClick},
    {"cmdGuida", "Guida", {814, 420, 148, 32}, "",
     "Visualizza la guida in linea.",
     &TfrmClienti::cmdGuidaClick},
    {"cmdEsci", "Esci", {814, 459, 148, 32}, "",
     "Esci dalla schermata di lavoro corrente.",
     &TfrmClienti::cmdEsciClick},
    {"cmdPrimo", "", {806, 649, 15, 17}, "primo",
     "Visualizza la prima scheda in archivio.",
     &TfrmClienti::cmdPrimoClick},
    {"cmdIndietro", "", {830, 649, 10, 17}, "indietro",
     "Visualizza la scheda precedente in archivio.",
     &TfrmClienti::cmdIndietroClick},
    {"cmdAvanti", "", {934, 649, 10, 17}, "avanti",
     "Visualizza la scheda successiva in archivio.",
     &TfrmClienti::cmdAvantiClick},
    {"cmdUltimo", "", {955, 649, 15, 17}, "ultimo",
     "Visualizza l'ultima scheda in archivio.",
     &TfrmClienti::cmdUltimoClick},
    {"btnCodFisc", "", {353, 314, 22, 22}, "controlla",
     "Controlla il codice fiscale.",
     &TfrmClienti::btnCodFiscClick},
    {"btnCarta", "", {647, 314, 22, 22}, "controlla",
     "Controlla il numero di carta di credito.",
     &TfrmClienti::btnCartaClick},
    {"btnPartitaIva", "", {353, 362, 22, 22}, "controlla",
     "Controlla il numero di partita IVA.",
     &TfrmClienti::btnPartitaIvaClick},
    {"btnIban", "", {760, 362, 22, 22}, "controlla",
     "Controlla l'IBAN.",
     &TfrmClienti::btnIbanClick},
    {"btnEmail", "", {760, 250, 22, 22}, "busta",
     "Invia una e-mail all'indirizzo indicato.",
     &TfrmClienti::btnEmailClick},
};
// clang-format on

void ScriviCampo(QWidget* campo, const QString& t) {
    if (auto* e = qobject_cast<QLineEdit*>(campo)) {
        e->setText(t);
        e->setCursorPosition(0);  // a long text shows its beginning
        return;
    }
    auto* c = static_cast<QComboBox*>(campo);
    c->setCurrentIndex(-1);  // no entry selected, whatever the text
    c->setEditText(t);
}

}  // namespace

TfrmClienti::TfrmClienti()
    : FinestraIntera("TfrmClienti", QStringLiteral(" Ricordario Diz 3.0 - Anagrafica contatti"),
                     Argb(0xFF8BB2D3)) {
    QWidget* p = Pannello();
    new Rettangolo(p, "shpSfondo", QRect(0, 0, 995, 692), Argb(0xFFC3D0DE));
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
    new Rettangolo(p, "shpComandi", QRect(800, 16, 177, 489), Qt::white);
    new Immagine(p, "imgDecoro", QRect(800, 512, 177, 121), "decoro", false);
    new Rettangolo(p, "shpNavigazione", QRect(800, 642, 177, 32), Qt::white);

    lblPosizione_ =
        Etichetta(p, "lblPosizione", QString(), QPoint(846, 650), Carattere("Verdana", 12, true));
    lblPosizione_->setGeometry(846, 650, 82, 19);
    lblPosizione_->setAlignment(Qt::AlignCenter);

    // The hidden attachment labels lie over the decorative picture.
    for (int k = 0; k < kAllegati; ++k) {
        const auto& campo = TSchedaContatto::Campi[30 + k];
        allegati_[k] =
            Etichetta(p, "lbl" + QString::fromLatin1(campo.nome.data(), campo.nome.size()),
                      QString(), QPoint(808, 520 + 18 * k), Carattere("Verdana", 8));
        allegati_[k]->hide();
    }

    CostruisciCampi(p);
    CostruisciComandi(p);
}

void TfrmClienti::CostruisciCampi(QWidget* p) {
    const QFont fCampo = Carattere("Verdana", 12, true);
    const QFont fDidascalia = Carattere("Verdana", 8);
    QList<QWidget*> catena;
    for (int i = 0; i < kCampiTesto; ++i) {
        const CampoScheda& c = kCampi[i];
        const QString nome = QString::fromLatin1(c.nome);
        Q_ASSERT(nome.mid(3) == QString::fromLatin1(TSchedaContatto::Campi[i].nome.data(),
                                                    TSchedaContatto::Campi[i].nome.size()));
        const QRect r(c.x, c.y, c.larghezza, 22);
        const int massimo = static_cast<int>(TSchedaContatto::Campi[i].capacita);
        Etichetta(p, "tit" + nome.mid(3), Q(c.didascalia), QPoint(c.x, c.y - 18), fDidascalia);
        QWidget* campo;
        if (c.genere == Genere::Provincia) {
            campo = ComboProvincia(p, nome, r, fCampo);
        } else {
            QLineEdit* e = CampoTesto(p, nome, r, massimo, fCampo);
            if (c.genere == Genere::Centrato) e->setAlignment(Qt::AlignCenter);
            if (c.filtro) c.filtro(e);
            campo = e;
        }
        Evidenzia(campo);
        campi_[i] = campo;
        catena.append(campo);
    }
    CatenaInvio(catena);

    chkRicontatta_ = new QCheckBox(QStringLiteral("Da ricontattare"), p);
    chkRicontatta_->setObjectName("chkRicontatta");
    chkRicontatta_->setFont(Carattere("Verdana", 10, true));
    chkRicontatta_->setGeometry(640, 536, 137, 22);
    // Tab reaches the check box between the open questions and the notes; Enter skips it.
    QWidget::setTabOrder(Testo("txtQuestioni"), chkRicontatta_);

    txtCliente_ = Testo("txtCliente");
    txtCodFisc_ = Testo("txtCodFisc");
    txtPartitaIva_ = Testo("txtPartitaIva");
    txtCarta_ = Testo("txtCarta");
    txtIban_ = Testo("txtIban");
    txtEmail_ = Testo("txtEmail");
}

void TfrmClienti::CostruisciComandi(QWidget* p) {
    riga_ = new RigaStato(StrisciaInfo(
        p, QRect(16, 642, 777, 32), QStringLiteral("Pronto per archiviare una nuova scheda...")));
    // Background, sections, pictures and labels empty the status line; the fields leave it.
    riga_->SvuotaSu(this);
    for (QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool campo = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QCheckBox*>(w);
        if (!campo && w->objectName() != "panInfo" && w->objectName() != "shpInfo")
            riga_->SvuotaSu(w);
    }
    riga_->SvuotaSu(p);

    for (const ComandoScheda& c : kComandi) {
        Immagine* i = *c.parola ? Immagine::Comando(p, c.nome, c.r, Q(c.parola))
                                : new Immagine(p, c.nome, c.r, c.risorsa);
        riga_->Descrivi(i, Q(c.descrizione));
        connect(i, &QAbstractButton::clicked, this, c.azione);
    }
    riga_->Descrivi(chkRicontatta_,
                    Q("Annota che il contatto è da ricontattare per questioni in sospeso."));
}

QLineEdit* TfrmClienti::Testo(const char* nome) const {
    return Pannello()->findChild<QLineEdit*>(nome, Qt::FindDirectChildrenOnly);
}

// --- Card helpers --------------------------------------------------------------------------

void TfrmClienti::PulisciScheda() {
    for (QWidget* c : campi_) ScriviCampo(c, QString());
    chkRicontatta_->setChecked(false);
    for (QLabel* l : allegati_) l->clear();
    lblPosizione_->clear();
    txtCliente_->setFocus();
}

void TfrmClienti::MostraScheda(std::int64_t posizione, const TSchedaContatto& scheda) {
    const auto& campi = TSchedaContatto::Campi;
    for (int i = 0; i < kCampiTesto; ++i)
        ScriviCampo(campi_[i], Q(testo::Rifila(scheda.*(campi[i].membro))));
    if (const int spunta = flag::Leggi(scheda.Ricontatta); spunta >= 0)
        chkRicontatta_->setChecked(spunta == 1);
    for (int k = 0; k < kAllegati; ++k)
        allegati_[k]->setText(Q(testo::Rifila(scheda.*(campi[30 + k].membro))));
    lblPosizione_->setText(QString::number(posizione));
}

TSchedaContatto TfrmClienti::ComponiScheda() const {
    TSchedaContatto s;
    const auto& campi = TSchedaContatto::Campi;
    for (int i = 0; i < kCampiTesto; ++i)
        s.*(campi[i].membro) = testo::Rifila(S(TestoDi(campi_[i])));
    s.Ricontatta = flag::Da(chkRicontatta_->isChecked());
    for (int k = 0; k < kAllegati; ++k)
        s.*(campi[30 + k].membro) = testo::Rifila(S(allegati_[k]->text()));
    return s;
}

std::optional<std::int64_t> TfrmClienti::Posizione() const {
    bool ok = false;
    const qint64 n = lblPosizione_->text().trimmed().toLongLong(&ok);
    if (ok && n > 0) return n;
    return std::nullopt;
}

bool TfrmClienti::ConArchivio(const std::function<void(TArchivioContatti&)>& comando) {
    try {
        TArchivioContatti archivio;
        archivio.Apri(PercorsoProgramma(QString::fromLatin1(TArchivioContatti::NomeFile)));
        comando(archivio);
        archivio.Chiudi();
        return true;
    } catch (const std::exception&) {
        // The archive closes itself on the way out; the card keeps what it showed.
        MostraAvviso(this, Q(messaggi::AccessoArchivio), TipoAvviso::Errore);
        return false;
    }
}

// --- Commands --------------------------------------------------------------------------------

void TfrmClienti::cmdNuovoClick() { PulisciScheda(); }

void TfrmClienti::cmdSalvaClick() {
    if (Rifilato(txtCliente_->text()).isEmpty()) {
        MostraAvviso(this,
                     Q("Attenzione: per salvare la scheda è necessario indicare il nome del "
                       "contatto."),
                     TipoAvviso::Avvertimento);
        txtCliente_->setFocus();
        return;
    }
    const std::optional<std::int64_t> n = Posizione();
    const TSchedaContatto scheda = ComponiScheda();
    const bool fatto = ConArchivio([&](TArchivioContatti& a) {
        if (n)
            a.ScriviScheda(*n, scheda);
        else
            lblPosizione_->setText(QString::number(a.AccodaScheda(scheda)));
    });
    if (!fatto) return;
    MostraAvviso(this,
                 n ? Q(messaggi::ModificheSalvate)
                   : Q("La scheda corrente è stata inserita in archivio."),
                 TipoAvviso::Informazione);
}

void TfrmClienti::cmdDuplicaClick() {
    if (!Posizione()) {
        MostraAvviso(this, Q(messaggi::DuplicaNonArchiviata), TipoAvviso::Avvertimento);
        return;
    }
    // The copy keeps every field and the check box, never the attachments.
    for (QLabel* l : allegati_) l->clear();
    lblPosizione_->clear();
    if (!ConArchivio([](TArchivioContatti&) {})) return;
    txtCliente_->setFocus();
    MostraAvviso(this, Q(messaggi::DopoDuplica), TipoAvviso::Informazione);
}

void TfrmClienti::Scorri(Navigazione comando) {
    SchedaNavigata<TSchedaContatto> esito;
    try {
        esito = NavigaArchivio<TArchivioContatti>(
            PercorsoProgramma(QString::fromLatin1(TArchivioContatti::NomeFile)), comando,
            Posizione().value_or(0));
    } catch (const std::exception&) {
        MostraAvviso(this, Q(messaggi::AccessoArchivio), TipoAvviso::Errore);
        return;
    }
    switch (esito.passo.esito) {
        case PassoNavigazione::Mostra:
            MostraScheda(esito.passo.posizione, esito.scheda);
            break;
        case PassoNavigazione::ArchivioVuoto:
            if (esito.passo.svuotaPosizione) lblPosizione_->clear();
            MostraAvviso(this, Q(messaggi::ArchivioVuoto), TipoAvviso::Informazione);
            break;
        case PassoNavigazione::Niente:
            break;
    }
}

// The checkers take the trimmed field; a codice fiscale of digits only is a company's and
// goes to the partita IVA checker (TfrmCodFisc::Apri decides).
void TfrmClienti::btnCodFiscClick() { TfrmCodFisc::Apri(this, Rifilato(txtCodFisc_->text())); }
void TfrmClienti::btnPartitaIvaClick() {
    TfrmPartitaIva::Apri(this, Rifilato(txtPartitaIva_->text()));
}
void TfrmClienti::btnCartaClick() { TfrmCarta::Apri(this, Rifilato(txtCarta_->text())); }
void TfrmClienti::btnIbanClick() { TfrmIban::Apri(this, Rifilato(txtIban_->text())); }

void TfrmClienti::cmdFileClick() { TfrmAllegaCartella::Apri(this); }
void TfrmClienti::cmdTrovaClick() {
    TfrmTrovaClienti::Apri(this, QStringLiteral("clienti"),
                           [this](std::int64_t posizione, const TSchedaContatto& s) {
                               MostraScheda(posizione, s);
                           });
}
void TfrmClienti::cmdRicontattaClick() {
    TfrmRicontatta::Apri(this, [this](std::int64_t posizione, const TSchedaContatto& s) {
        MostraScheda(posizione, s);
    });
}
void TfrmClienti::cmdEsportaClick() { TfrmExpClienti::Apri(this); }

void TfrmClienti::btnEmailClick() { TMisc::Open("\"mailto:" + Rifilato(txtEmail_->text()) + "\""); }

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
