#include "gui/contacts/TfrmTrovaClienti.h"

#include <QCloseEvent>
#include <QComboBox>

#include "core/app/Messaggi.h"
#include "core/app/Testo.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/contacts/TfrmClienti.h"

namespace {

// A control of the opener, not of a window the opener owns (this search among them: it
// has fields of the same names).
QWidget* ControlloDi(QWidget* finestra, const char* nome) {
    for (QWidget* w : finestra->findChildren<QWidget*>(QString::fromLatin1(nome)))
        if (w->window() == finestra->window()) return w;
    return nullptr;
}

void Scrivi(QWidget* finestra, const char* nome, const std::string& valore) {
    QWidget* w = ControlloDi(finestra, nome);
    if (auto* campo = qobject_cast<QLineEdit*>(w))
        campo->setText(Q(valore));
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setEditText(Q(valore));
}

}  // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* chiamante)
    : Dialogo(chiamante, "TfrmTrovaClienti", QStringLiteral(" Trova contatti in archivio"),
              kDialogoElenco, Argb(kColoreElenco), Qt::white) {
    lblMemory = new QLabel(this);
    lblMemory->setObjectName("lblMemory");
    lblMemory->hide();
    lblConta = new QLabel(this);
    lblConta->setObjectName("lblConta");
    lblConta->hide();

    // Filter panel.
    panAvvio = new QWidget(this);
    panAvvio->setObjectName("panAvvio");
    panAvvio->setGeometry(rect());
    const QFont testo = Carattere("Verdana", 9);
    const QFont pulsanti = Carattere("Verdana", 10);
    const char* righe[] = {
        "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
        "trovare e premere il pulsante Cerca.",
        "Lasciare in bianco tutti gli altri campi.",
        "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.",
    };
    for (int i = 0; i < 3; ++i)
        Etichetta(panAvvio, QStringLiteral("lblRigo0%1").arg(i + 1), Q(righe[i]),
                  QPoint(16, 14 + 18 * i), testo);

    struct Filtro {
        QLineEdit** campo;
        const char* nome;
        const char* etichetta;
    };
    const Filtro tabella[ricerca::kFiltri] = {
        {&txtCliente, "txtCliente", "Cognome e nome contatto:"},
        {&txtComuneRes, "txtComuneRes", "Comune di residenza:"},
        {&txtPartitaIva, "txtPartitaIva", "Partita IVA:"},
        {&txtCodFisc, "txtCodFisc", "Codice fiscale:"},
        {&txtDocumento, "txtDocumento", "Estremi documento:"},
        {&txtOccupazione, "txtOccupazione", "Occupazione:"},
        {&txtProdotti, "txtProdotti", "Prodotti e servizi di interesse:"},
        {&txtZona, "txtZona", "Zona di appartenenza:"},
        {&txtQuestioni, "txtQuestioni", "Questioni in sospeso:"},
        {&txtNote, "txtNote", "Note:"},
    };
    constexpr int kCampoX = 300, kPrimaY = 86, kPasso = 37;
    QList<QWidget*> catena;
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) {
        const int y = kPrimaY + kPasso * static_cast<int>(i);
        QLabel* l = Etichetta(panAvvio, QStringLiteral("tit") + QString(tabella[i].nome).mid(3),
                              Q(tabella[i].etichetta), QPoint(0, 0), Carattere("Verdana", 9, true));
        l->move(kCampoX - 12 - l->width(), y + (27 - l->height()) / 2);
        QLineEdit* campo = CampoTesto(panAvvio, tabella[i].nome, QRect(kCampoX, y, 544, 27), 0,
                                      Carattere("Verdana", 10));
        Evidenzia(campo);
        *tabella[i].campo = campo;
        filtri_[i] = campo;
        catena.append(campo);
    }
    CatenaInvio(catena);

    lblAttendere =
        Etichetta(panAvvio, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."),
                  QPoint(kCampoX, 470), Carattere("Verdana", 10, true), QColor(0x80, 0, 0));
    lblAttendere->hide();
    btnAnnulla = Pulsante(panAvvio, "btnAnnulla", "Chiudi", QRect(16, 552, 160, 34), pulsanti);
    btnCerca = Pulsante(panAvvio, "btnCerca", "Cerca", QRect(684, 552, 160, 34), pulsanti);
    CollegaAttesa(btnCerca, lblAttendere);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QWidget::close);

    // Result panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName("panContainer");
    panContainer->setGeometry(rect());
    static std::string ricordato;  // one remembered find text for this window class
    Costruisci(panContainer, ricordato, QStringLiteral("Riepilogo contatti"), true);
    Evidenzia(txtTrova);  // a search window highlights every field it has
    connect(lstRecords, &ListaRisultati::DoppioClic, this, &TfrmTrovaClienti::lstRecordsDblClick);
    panContainer->hide();
}

void TfrmTrovaClienti::Apri(QWidget* chiamante, const QString& modo) {
    auto finestra = std::make_unique<TfrmTrovaClienti>(chiamante);
    finestra->lblMemory->setText(modo);
    MostraPerUso(std::move(finestra));
}

void TfrmTrovaClienti::FormShow() {
    risultati->Dimentica();
    panContainer->hide();
    panAvvio->show();
    txtCliente->setFocus();
}

void TfrmTrovaClienti::closeEvent(QCloseEvent* e) {
    lstRecords->clear();
    lblAttendere->hide();
    Dialogo::closeEvent(e);
}

void TfrmTrovaClienti::btnCercaClick() {
    ricerca::FiltriContatto filtri;
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) filtri[i] = S(filtri_[i]->text());
    const ricerca::RicercaContatti cerca(filtri);
    lblConta->setText(QString::number(cerca.Soglia()));
    try {
        risultati->Elenca<TSchedaContatto>(
            PercorsoProgramma(TArchivioContatti::NomeFile),
            [&cerca](const ricerca::VistaContatto& s) { return cerca.Trovato(s); },
            ricerca::RigaContatto);
    } catch (...) {
        lblAttendere->hide();
        MostraMessaggio(this, Q(messaggi::AccessoArchivio));
        return;
    }
    lblTrovate->setText(
        QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lstRecords->count()));
    panAvvio->hide();
    panContainer->show();
    txtTrova->clear();
    txtTrova->setFocus();
    lblAttendere->hide();
}

void TfrmTrovaClienti::lstRecordsDblClick() {
    risultati->Scegli<TSchedaContatto>(PercorsoProgramma(TArchivioContatti::NomeFile),
                                       ricerca::RigaContatto,
                                       [this](std::int64_t posizione, const TSchedaContatto& s) {
                                           CopiaNelChiamante(posizione, s);
                                       });
}

void TfrmTrovaClienti::CopiaNelChiamante(std::int64_t posizione, const TSchedaContatto& s) {
    QWidget* chiamante = parentWidget();
    if (!chiamante) return;
    const std::string modo = testo::Rifila(S(lblMemory->text()));
    if (modo == "clienti") {
        MostraSullaScheda(chiamante, posizione, s);
    } else if (modo == "ricordario") {
        Scrivi(chiamante, "txtPagatore", s.Cliente);
        Scrivi(chiamante, "txtCodFisc", s.CodFisc);
        Scrivi(chiamante, "txtNumTessera", s.Zona);
        Scrivi(chiamante, "txtCarica", s.Questioni);
        Scrivi(chiamante, "txtTelCel", s.TelCel);
        Scrivi(chiamante, "txtRecapito", s.Recapito);
    } else if (modo == "riepilogo") {
        Scrivi(chiamante, "txtCliente", s.Cliente);
    }
}

void MostraSullaScheda(QWidget* scheda, std::int64_t posizione, const TSchedaContatto& s) {
    if (auto* clienti = qobject_cast<TfrmClienti*>(scheda)) clienti->MostraScheda(posizione, s);
}
