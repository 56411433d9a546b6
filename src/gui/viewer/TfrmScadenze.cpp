#include "gui/viewer/TfrmScadenze.h"

#include <QCalendarWidget>
#include <QTextCharFormat>

#include "core/help/Guida.h"
#include "core/viewer/RegoleVisualizzatore.h"
#include "core/viewer/SegniCalendario.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"
#include "gui/viewer/TfrmExpGiornaliere.h"
#include "gui/viewer/TfrmExpImminenti.h"
#include "gui/viewer/TfrmExpMensili.h"

namespace {

const QColor kBlu = Argb(0xFF3F7FAF);
const QColor kBluScuro = Argb(0xFF1E4470);
const char* const kFileAvviso = "Avviso.mp3";

}  // namespace

TfrmScadenze::TfrmScadenze()
    : FinestraIntera("TfrmScadenze", Titolo("Visualizzazione ricordario"), kBlu) {
    QWidget* p = Pannello();
    new Rettangolo(p, "shpSfondo", {4, 4, 986, 684}, Qt::white);
    new Immagine(p, "icoIcona", {122, 14, 70, 74}, "icona", false);
    new Immagine(p, "icoTitolo", {204, 15, 583, 77}, "titolo", false);
    new Immagine(p, "icoVersione", {794, 11, 78, 77}, "versione", false);
    new Immagine(p, "icoSottotitolo", {17, 98, 961, 22}, "sottotitolo", false);

    // Instructions across the top.
    auto* istruzioni =
        new Rettangolo(p, "shpIstruzioni", {40, 134, 910, 60}, Argb(0xFFEAF2F9), Argb(0xFFB0C4DE));
    auto* testoIstruzioni = new QLabel(
        QStringLiteral("Ogni volta che si apre questa finestra vengono esaminati l'archivio "
                       "dell'anno in corso e quello dell'anno successivo. Con il calendario si sceglie un giorno di qualsiasi "
                       "anno: i due pulsanti sotto di esso elencano le scadenze di quel giorno "
                       "o dell'intero mese."),
        istruzioni);
    testoIstruzioni->setObjectName("icoIstruzioni");
    testoIstruzioni->setFont(Carattere("Verdana", 9));
    testoIstruzioni->setWordWrap(true);
    testoIstruzioni->setGeometry(14, 6, 882, 48);
    testoIstruzioni->setStyleSheet(QStringLiteral("color: #1E4470;"));

    // The calendar and its two lists.
    new Rettangolo(p, "shpCalendario", {36, 216, 244, 346}, Argb(0xFF427AA8), kBluScuro,
                   Argb(0xFFB0CDE6));
    Etichetta(p, "lblCalendario", QStringLiteral("Calendario"), {64, 228},
              Carattere("Verdana", 11, true), Qt::white);
    calAppuntamenti = new QCalendarWidget(p);
    calAppuntamenti->setObjectName("calAppuntamenti");
    calAppuntamenti->setGeometry(64, 257, 182, 164);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calAppuntamenti->setFont(Carattere("Verdana", 7));
    calAppuntamenti->setGridVisible(false);
    // The days the program's dates can name: a year of four digits names its file.
    calAppuntamenti->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    // Set to today once: between showings it keeps the day last picked.
    calAppuntamenti->setSelectedDate(piattaforma().Adesso().date());
    connect(calAppuntamenti, &QCalendarWidget::currentPageChanged, this, &TfrmScadenze::SegnaMese);

    btnGiorno = Immagine::Comando(p, "btnGiorno", {48, 462, 220, 30},
                                  QStringLiteral("SCADENZE DEL GIORNO"), kBluScuro);
    btnMese = Immagine::Comando(p, "btnMese", {48, 520, 220, 30},
                                QStringLiteral("SCADENZE DEL MESE"), kBluScuro);
    connect(btnGiorno, &QAbstractButton::clicked, this, &TfrmScadenze::btnGiornoClick);
    connect(btnMese, &QAbstractButton::clicked, this, &TfrmScadenze::btnMeseClick);

    // The application's own picture beside the OK area.
    new Immagine(p, "icoLogo", {306, 242, 170, 108}, "app03", false);

    // The OK area.
    new Rettangolo(p, "shpImminenti", {486, 206, 468, 170}, Argb(0xFF427AA8), kBluScuro,
                   Argb(0xFF2B5F8E));
    new Rettangolo(p, "shpOK", {496, 238, 448, 100}, Qt::white, kBluScuro);
    lblInfo06 = Etichetta(p, "lblInfo06", QStringLiteral("Visualizza le scadenze imminenti."),
                          {496, 216}, Carattere("Verdana", 10, true), Qt::white);
    imgImminenti = new Immagine(p, "imgImminenti", {504, 244, 102, 91}, "imminenti", false);
    lblOK =
        Etichetta(p, "lblOK", QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."),
                  {618, 244}, Carattere("Verdana", 8), kBluScuro);
    lblOK->setWordWrap(true);
    lblOK->setGeometry(618, 244, 320, 34);
    btnOK = Pulsante(p, "btnOK", QStringLiteral("OK"), {704, 282, 156, 34},
                     Carattere("Verdana", 10, true));
    btnOK->setCursor(Qt::PointingHandCursor);
    connect(btnOK, &QPushButton::clicked, this, &TfrmScadenze::btnOKClick);
    lblInfo05 = Etichetta(p, "lblInfo05",
                          QStringLiteral("N.B. Il pulsante OK si attiva solo quando sono presenti "
                                         "scadenze imminenti."),
                          {496, 346}, Carattere("Verdana", 8), Qt::white);

    // The two banners on one spot. Until a check completes the window says there are none,
    // and OK, as its note says, stays off.
    imgPresenti = new Immagine(p, "imgPresenti", {306, 448, 634, 95}, "presenti", false);
    imgAssenti = new Immagine(p, "imgAssenti", {306, 448, 634, 95}, "assenti", false);
    MostraEsito(false);

    imgGuida = new Immagine(p, "imgGuida", {26, 596, 141, 67}, "guida_comando");
    imgEsci = new Immagine(p, "imgEsci", {826, 596, 140, 67}, "esci_comando");
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmScadenze::imgGuidaClick);
    connect(imgEsci, &QAbstractButton::clicked, this, &TfrmScadenze::imgEsciClick);
}

QDate TfrmScadenze::DataCalendario() const { return calAppuntamenti->selectedDate(); }

void TfrmScadenze::MostraEsito(bool presenti) {
    imgPresenti->setVisible(presenti);
    imgAssenti->setVisible(!presenti);
    btnOK->setEnabled(presenti);
}

void TfrmScadenze::SegnaMese(int anno, int mese) {
    calAppuntamenti->setDateTextFormat(QDate(), QTextCharFormat());
    visualizzatore::SegniMese segni;
    try {
        segni = visualizzatore::Segni(PercorsoProgramma(QString()), anno, mese);
    } catch (const std::exception&) {
        // A year file that cannot be read marks no deadlines; the holidays stay.
        segni.scadenze.reset();
        segni.feste = visualizzatore::FesteDelMese(anno, mese);
    }
    // Holidays red, as the calendar draws Saturdays and Sundays; days with deadlines bold.
    const QTextCharFormat fineSettimana = calAppuntamenti->weekdayTextFormat(Qt::Sunday);
    for (int g = 1; g <= QDate(anno, mese, 1).daysInMonth(); ++g) {
        const auto k = static_cast<std::size_t>(g);
        if (!segni.scadenze[k] && !segni.feste[k]) continue;
        const QDate giorno(anno, mese, g);
        QTextCharFormat f = calAppuntamenti->dateTextFormat(giorno);
        if (segni.feste[k]) f.setForeground(fineSettimana.foreground());
        if (segni.scadenze[k]) f.setFontWeight(QFont::Bold);
        calAppuntamenti->setDateTextFormat(giorno, f);
    }
}

void TfrmScadenze::FormShow() {
    // The file may have changed since the window was last shown.
    SegnaMese(calAppuntamenti->yearShown(), calAppuntamenti->monthShown());
    const Data oggi = Oggi();
    std::int64_t imminenti = 0;
    try {
        // This year's file and, when it exists, next year's.
        imminenti = visualizzatore::ContaImminentiDaOggi(PercorsoProgramma(QString()), oggi);
    } catch (const std::exception&) {
        // The program could not look: no banner gives a verdict, and no sound.
        imgPresenti->hide();
        imgAssenti->hide();
        btnOK->setEnabled(false);
        AvvisaArchivioIlleggibile(this);
        return;
    }
    MostraEsito(imminenti > 0);
    if (imminenti == 0) return;
    // A missing or unplayable sound file only means silence.
    if (piattaforma().CaricaSuono(CartellaProgramma() + QLatin1String(kFileAvviso))) {
        suonoCaricato_ = true;
        piattaforma().Suona();
    }
}

void TfrmScadenze::FormClose() {
    if (suonoCaricato_) piattaforma().FermaSuono();
}

void TfrmScadenze::btnGiornoClick() { TfrmExpGiornaliere::Apri(this, DataCalendario()); }
void TfrmScadenze::btnMeseClick() { TfrmExpMensili::Apri(this, DataCalendario()); }
// The list makes its own selection; it does not rely on the count of the last check.
void TfrmScadenze::btnOKClick() { TfrmExpImminenti::Apri(this); }

void TfrmScadenze::imgGuidaClick() { MostraGuida(this, guida::VisualizzazioneRicordario); }
