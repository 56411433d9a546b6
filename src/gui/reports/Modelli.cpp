#include "gui/reports/Modelli.h"

#include "gui/app/Piattaforma.h"

namespace report {

namespace {

const QColor kArancioScuro(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kGrigioArdesia(0x70, 0x80, 0x90);

Stile StileDi(const QString& famiglia, double punti, const QColor& colore, const QColor& sfondo,
              Qt::Alignment allineamento, bool grassetto = false) {
    return Stile{famiglia, punti, grassetto, colore, sfondo, allineamento};
}

Elemento Casella(const QString& nome, const QRectF& rect, const QString& testo,
                 const Stile& stile) {
    Elemento e;
    e.nome = nome;
    e.rect = rect;
    e.testo = testo;
    e.stile = stile;
    return e;
}

Elemento Linea(const QString& nome, double sinistra, double cima, double lunghezza) {
    Elemento e;
    e.tipo = TipoElemento::Linea;
    e.nome = nome;
    e.rect = QRectF(sinistra, cima, lunghezza, 0);
    return e;
}

}  // namespace

Modello ModelloScheda(VarianteScheda variante) {
    const bool scadenza = variante == VarianteScheda::Scadenza;
    Modello m;
    m.nome = QStringLiteral("Scheda informativa");
    m.orientamento = QPageLayout::Portrait;
    m.pulsanti = Pulsante::Stampa | Pulsante::Zoom | Pulsante::SchermoIntero | Pulsante::Chiudi;
    if (scadenza) m.pulsanti |= Pulsante::Miniature | Pulsante::Navigatore;

    Banda b{QStringLiteral("Scheda"), m.Area().height(), false, {}};
    Elemento logo;
    logo.tipo = TipoElemento::Immagine;
    logo.nome = QStringLiteral("imgLogo");
    logo.rect = QRectF(3, 3, 17, 13);
    logo.testo = QStringLiteral(":/img/cartella.svg");
    b.elementi << logo;

    const Stile intestazione =
        StileDi(QStringLiteral("Arial"), 16, Qt::white, kArancioScuro, Qt::AlignCenter);
    Elemento titolo = Casella(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9),
                              QStringLiteral("Titolo Scheda"), intestazione);
    titolo.aCapo = scadenza;
    b.elementi << titolo << Linea(QStringLiteral("linSepara01"), 23, 16, 165);

    const Stile didascalia =
        StileDi(QStringLiteral("Arial"), 9, Qt::white, kTeal, Qt::AlignLeft | Qt::AlignVCenter);
    const Stile valore =
        StileDi(QStringLiteral("Arial"), 10, Qt::black, QColor(), Qt::AlignLeft | Qt::AlignVCenter);
    for (int n = 1; n <= 24; ++n) {
        const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const QString progetto = QStringLiteral("Campo %1").arg(n);
        const double cima = 24 + 10 * (n - 1);
        b.elementi << Casella(QStringLiteral("titCampo") + nn, QRectF(3, cima, 52, 6), progetto,
                              didascalia)
                   << Casella(QStringLiteral("txtCampo") + nn, QRectF(60, cima, 128, 6), progetto,
                              valore);
    }

    b.elementi << Linea(QStringLiteral("linSepara02"), 3, 265, 185);
    Elemento calce = Casella(
        QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), QStringLiteral("Termine scheda"),
        StileDi(QStringLiteral("Arial"), 10, Qt::white, kArancioScuro, Qt::AlignCenter));
    calce.aCapo = scadenza;
    b.elementi << calce;

    for (Elemento& e : b.elementi) e.espressioni = scadenza;
    m.bande << b;
    return m;
}

Modello ModelloElenco() {
    Modello m;
    m.nome = QStringLiteral("Riepilogo dati");
    m.orientamento = QPageLayout::Landscape;
    m.pulsanti = Pulsante::Stampa | Pulsante::Zoom | Pulsante::SchermoIntero | Pulsante::Miniature |
                 Pulsante::Navigatore | Pulsante::Chiudi;

    Banda titolo{QStringLiteral("TitoloReport"), 8, false, {}};
    titolo.elementi << Casella(
        QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo"),
        StileDi(QStringLiteral("Verdana"), 9, Qt::white, kGrigioArdesia, Qt::AlignCenter, true));

    Banda dati{QStringLiteral("MasterData"), kRigaElenco + kSpazioSottoElenco, true, {}};
    Elemento riepilogo =
        Casella(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, kRigaElenco), QString(),
                StileDi(QStringLiteral("Courier New"), 8, Qt::black, QColor(),
                        Qt::AlignLeft | Qt::AlignVCenter));
    riepilogo.altezzaRiga = kRigaElenco;
    dati.elementi << riepilogo;

    Banda piede{QStringLiteral("PiedeReport"), 8, false, {}};
    Elemento pagina = Casella(
        QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5),
        QStringLiteral("Stampa eseguita in data [DATE]"),
        StileDi(QStringLiteral("Verdana"), 8, Qt::white, kGrigioArdesia, Qt::AlignCenter, true));
    pagina.espressioni = true;
    piede.elementi << pagina;

    m.bande << titolo << dati << piede;
    return m;
}

void RiempiElenco(Modello& modello, const QString& titolo, const QStringList& righe) {
    ImpostaMemo(modello, QStringLiteral("txtTitolo"), titolo);
    // One list line is one printed line, whatever it holds.
    QStringList pulite = righe;
    for (QString& riga : pulite) {
        riga.replace(QLatin1Char('\r'), QLatin1Char(' '));
        riga.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    ImpostaMemo(modello, QStringLiteral("txtRiepilogo"), pulite.join(QLatin1Char('\n')));
    const double altezza = pulite.size() * kRigaElenco;
    if (Elemento* e = modello.TrovaElemento(QStringLiteral("txtRiepilogo")))
        e->rect.setHeight(altezza);
    if (Banda* b = modello.TrovaBanda(QStringLiteral("MasterData")))
        b->altezza = altezza + kSpazioSottoElenco;
}

void RiempiScheda(Modello& modello, const QString& titolo, const RigheScheda& righe) {
    ImpostaMemo(modello, QStringLiteral("txtTitolo"), titolo);
    for (int n = 1; n <= static_cast<int>(righe.size()); ++n) {
        const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        ImpostaMemo(modello, QStringLiteral("titCampo") + nn,
                    QString::fromStdString(righe[n - 1].titolo));
        ImpostaMemo(modello, QStringLiteral("txtCampo") + nn,
                    QString::fromStdString(righe[n - 1].valore));
    }
    const QDateTime adesso = piattaforma().Adesso();
    ImpostaMemo(modello, QStringLiteral("txtCalce"),
                QStringLiteral("Stampa eseguita in data ") +
                    adesso.date().toString(QStringLiteral("dd/MM/yyyy")) +
                    QStringLiteral(" alle ore ") +
                    adesso.time().toString(QStringLiteral("hh:mm:ss")));
}

ImpostazioniPDF PdfScheda(const QString& nomeFile) {
    return ImpostazioniPDF{nomeFile, QStringLiteral("Scheda informativa"),
                           QStringLiteral("Ricordario")};
}

}  // namespace report
