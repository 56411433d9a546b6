#include "gui/app/TfrmGuida.h"

#include <QFile>

#include "core/help/Guida.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Controlli.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmAvvio.h"
#include "gui/app/Titoli.h"

namespace {

// The help pages, read once from the resources.
const guida::Guida& Pagine() {
    static const guida::Guida pagine = [] {
        QFile f(QStringLiteral(":/testi/guida.txt"));
        f.open(QIODevice::ReadOnly);
        return guida::Guida::DaTesto(f.readAll().toStdString());
    }();
    return pagine;
}

QPushButton* Chiudi(Dialogo* d, QRect r) {
    auto* b = Pulsante(d, "btnChiudi", "Chiudi", r, Carattere("Verdana", 12));
    QObject::connect(b, &QPushButton::clicked, d, &QDialog::accept);
    return b;
}

}  // namespace

// --- TfrmGuida -------------------------------------------------------------------------------

TfrmGuida::TfrmGuida(QWidget* genitore)
    : Dialogo(genitore, "TfrmGuida", QStringLiteral(" Guida all'utilizzo del software"),
              QSize(670, 572), Qt::white, Argb(0xFFBFD8EF)) {
    auto* p = new QWidget(this);
    p->setObjectName("panGuida");
    p->setGeometry((670 - 642) / 2, (572 - 540) / 2, 642, 540);
    new Rettangolo(p, "shpSfondo", QRect(8, 8, 625, 89), Qt::white, QColor(0xFFE4C4));
    new Immagine(p, "imgLogo", QRect(24, 16, 587, 69), "logo", false);
    QFont titolo = Carattere("Arial", 16, true);
    lblTitolo = Etichetta(p, "lblTitolo", QStringLiteral("Argomento della guida."), QPoint(8, 104),
                          titolo, QColor(0xDC, 0x14, 0x3C));
    lblTitolo->setFixedWidth(625);
    txtGuida = new QPlainTextEdit(p);
    txtGuida->setObjectName("txtGuida");
    txtGuida->setGeometry(8, 128, 625, 350);
    txtGuida->setFont(Carattere("Verdana", 12, true));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    imgPDF = new Immagine(p, "imgPDF", QRect(8, 496, 27, 27), "pdf");
    lnkWeb = new Collegamento(p, "lnkWeb", QStringLiteral("Visualizza guida in formato PDF"),
                              QPoint(44, 500));
    btnChiudi =
        Pulsante(p, "btnChiudi", "Chiudi", QRect(472, 488, 161, 41), Carattere("Verdana", 12));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(imgPDF, &QAbstractButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(lnkWeb, &Collegamento::clicked, this, &TfrmGuida::lnkWebClick);
}

void TfrmGuida::lnkWebClick() {
    TMisc::Open(QLatin1Char('"') + CartellaProgramma() + QString::fromLatin1(guida::FileManuale) +
                QLatin1Char('"'));
}

void MostraGuida(QWidget* genitore, const char* titoloPagina) {
    auto finestra = std::make_unique<TfrmGuida>(genitore);
    if (const guida::Pagina* pagina = Pagine().Trova(titoloPagina)) {
        finestra->lblTitolo->setText(Q(pagina->titolo));
        finestra->txtGuida->setPlainText(Q(pagina->testo));
    }
    MostraPerUso(std::move(finestra));
}

// --- TfrmInfo --------------------------------------------------------------------------------

TfrmInfo::TfrmInfo(QWidget* genitore)
    : Dialogo(genitore, "TfrmInfo", QStringLiteral(" Informazioni su ") + Q(NomeProgramma),
              QSize(473, 579), Qt::black, Qt::white) {
    auto* p = new Rettangolo(this, "panInfo", QRect(15, 15, 442, 490), QColor(0xF4F7FB),
                             QColor(0xB0C4DE));
    new Rettangolo(p, "shpSfondo", QRect(8, 8, 425, 72), Qt::white, QColor(0xFFE4C4));
    new Immagine(p, "imgLogo", QRect(24, 16, 392, 54), "logo_info", false);
    auto* info = new QLabel(p);
    info->setObjectName("lblInformazioni");
    info->setGeometry(16, 92, 410, 300);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    info->setFont(Carattere("Verdana", 10));
    info->setText(
        QStringLiteral(
            "<p><b>%1</b><br>Scadenze, appuntamenti e anagrafica contatti.</p>"
            "<p>Un agenda per privati, professionisti e piccoli uffici: pagamenti, eventi e "
            "appuntamenti con giorno, ora, giorni di preavviso, importo e contatto; avviso "
            "visivo e sonoro delle scadenze imminenti; riepiloghi per intervallo con il "
            "totale degli importi; controllo di codice fiscale, partita IVA, IBAN e carte di "
            "credito.</p>"
            "<p>Tutti i dati restano nella cartella del programma: per una copia di sicurezza "
            "basta copiare la cartella.</p>"
            "<p>Per informazioni e suggerimenti scrivere all'indirizzo indicato qui sotto.</p>")
            .arg(Q(NomeProgramma)));
    btnChiudi = Chiudi(this, QRect(280, 504, 161, 41));
    auto* imgEmail = new Immagine(this, "imgEmail", QRect(15, 531, 23, 16), "email");
    lnkWeb = new Collegamento(this, "lnkWeb", QString::fromLatin1(Email), QPoint(46, 528));
    connect(imgEmail, &QAbstractButton::clicked, this, &TfrmInfo::lnkWebClick);
    connect(lnkWeb, &Collegamento::clicked, this, &TfrmInfo::lnkWebClick);
}

void TfrmInfo::lnkWebClick() {
    TMisc::Open(QStringLiteral("\"mailto:%1?subject=Software %2&body=Salve, "
                               "desidererei avere le seguenti informazioni sul software in "
                               "oggetto:\"")
                    .arg(QString::fromLatin1(Email), Q(NomeProgramma)));
}

// --- TfrmSplash ------------------------------------------------------------------------------

TfrmSplash::TfrmSplash(QWidget* genitore)
    : Dialogo(genitore, "TfrmSplash", QStringLiteral(" Riconoscimenti"), QSize(661, 467), Qt::white,
              Argb(0xFF352525)) {
    CentraSu(genitore);
    new Immagine(this, "imgCrediti", QRect(8, 8, 625, 380), "crediti", false);
    auto* imgWeb = new Immagine(this, "imgWeb", QRect(8, 400, 39, 36), "web");
    lnkWeb =
        new Collegamento(this, "lnkWeb", QString::fromLatin1(TfrmAvvio::SitoWeb), QPoint(54, 409));
    btnChiudi = Chiudi(this, QRect(408, 400, 225, 36));
    connect(imgWeb, &QAbstractButton::clicked, this, &TfrmSplash::lnkWebClick);
    connect(lnkWeb, &Collegamento::clicked, this, &TfrmSplash::lnkWebClick);
}

void TfrmSplash::lnkWebClick() { TMisc::Open(QString::fromLatin1(TfrmAvvio::SitoWeb)); }
