#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "gui/reports/Modelli.h"
#include "gui/reports/Stampa.h"
#include "support/FakePiattaforma.h"

using namespace report;

Q_DECLARE_METATYPE(report::VarianteScheda)

namespace {

constexpr double kEps = 0.001;

QString Nn(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A contact card filled as the card window fills it, with a few accented values.
Modello SchedaContattoPiena(const QString& nota) {
    Modello m = ModelloScheda(VarianteScheda::Contatto);
    ImpostaMemo(m, "txtTitolo", "SCHEDA ANAGRAFICA CONTATTO");
    for (int n = 1; n <= 24; ++n) {
        ImpostaMemo(m, "titCampo" + Nn(n), " ");
        ImpostaMemo(m, "txtCampo" + Nn(n), " ");
    }
    ImpostaMemo(m, "titCampo01", "Cognome e nome:");
    ImpostaMemo(m, "txtCampo01", "Niccolò Rossi");
    ImpostaMemo(m, "titCampo07", "Comune di residenza:");
    ImpostaMemo(m, "txtCampo07", "Forlì FC");
    ImpostaMemo(m, "titCampo08", "Modalità pagamento:");
    ImpostaMemo(m, "txtCampo08", "Bonifico entro il 30/06 [DATE]");
    ImpostaMemo(m, "titCampo24", "Note:");
    ImpostaMemo(m, "txtCampo24", nota);
    ImpostaMemo(m, "txtCalce", "Stampa eseguita in data 09/12/2026 alle ore 10:30:00");
    return m;
}

// 250 characters of words, so a PDF reader sees where the printed line ends.
QString Nota250() {
    QString nota;
    for (int i = 0; nota.size() < 250; ++i) nota += QStringLiteral("parola%1 ").arg(i % 10);
    return nota.left(250);
}

QStringList Righe(int quante) {
    QStringList righe;
    for (int i = 1; i <= quante; ++i)
        righe << QStringLiteral("%1  Rossi Mario          Forlì   €  12,50")
                     .arg(i, 3, 10, QLatin1Char('0'));
    return righe;
}

QList<Elemento> Chiamati(const Pagina& p, const QString& nome) {
    QList<Elemento> r;
    for (const Elemento& e : p.elementi)
        if (e.nome == nome) r << e;
    return r;
}

Elemento Unico(const QList<Pagina>& pagine, const QString& nome) {
    QList<Elemento> trovati;
    for (const Pagina& p : pagine) trovati << Chiamati(p, nome);
    if (trovati.size() != 1) qWarning() << nome << "found" << trovati.size() << "times";
    return trovati.value(0);
}

// Runs a poppler tool; empty when it cannot run.
QString Poppler(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        popplerMancante_ = QStandardPaths::findExecutable("pdftotext").isEmpty() ||
                           QStandardPaths::findExecutable("pdfinfo").isEmpty();
    }

    // Lines per page follow from an A4 landscape area 190 mm high: 53 lines under the
    // 8 mm title, 56 on a full page, the footer after the last line.
    void elencoSuPiuPagine_data() {
        QTest::addColumn<int>("righe");
        QTest::addColumn<QList<int>>("perPagina");
        QTest::newRow("10 righe") << 10 << QList<int>{10};
        QTest::newRow("100 righe") << 100 << QList<int>{53, 47};
        QTest::newRow("200 righe") << 200 << QList<int>{53, 56, 56, 35};
        QTest::newRow("nessuna riga") << 0 << QList<int>{0};
    }
    void elencoSuPiuPagine() {
        QFETCH(int, righe);
        QFETCH(QList<int>, perPagina);
        FakePiattaforma fake;
        Modello m = ModelloElenco();
        const QStringList testo = Righe(righe);
        RiempiElenco(m, "Riepilogo persone da ricontattare", testo);
        QVERIFY(qAbs(m.TrovaBanda("MasterData")->altezza - (righe * 3.3925 + 2.646)) <
                0.001 * (righe + 1));

        const QList<Pagina> pagine = Impagina(m, fake.adesso);
        QCOMPARE(pagine.size(), perPagina.size());
        QStringList stampate;
        for (int i = 0; i < pagine.size(); ++i) {
            const QList<Elemento> dati = Chiamati(pagine[i], "txtRiepilogo");
            int quante = 0;
            for (const Elemento& e : dati) {
                const QStringList qui = e.testo.split('\n');
                quante += qui.size();
                stampate << qui;
                QVERIFY(e.rect.bottom() <= m.Area().height() + kEps);
                QVERIFY(qAbs(e.rect.height() - qui.size() * 3.3925) < 0.001 * qui.size());
            }
            QCOMPARE(quante, perPagina[i]);
            QCOMPARE(Chiamati(pagine[i], "txtTitolo").size(), i == 0 ? 1 : 0);
            QCOMPARE(Chiamati(pagine[i], "txtPagina").size(), i == pagine.size() - 1 ? 1 : 0);
        }
        QCOMPARE(stampate, testo);

        const Elemento titolo = Unico(pagine, "txtTitolo");
        QCOMPARE(titolo.testo, QString("Riepilogo persone da ricontattare"));
        QCOMPARE(titolo.rect, QRectF(2, 1, 273, 5));
        const Elemento piede = Unico(pagine, "txtPagina");
        QCOMPARE(piede.testo, QString("Stampa eseguita in data 09/12/2026"));
        QVERIFY(piede.rect.bottom() <= m.Area().height() + kEps);
        for (const Elemento& e : Chiamati(pagine.last(), "txtRiepilogo"))
            QVERIFY(piede.rect.top() >= e.rect.bottom() + 2.646 - kEps);
    }

    void notaLungaSuUnaRigaTagliata() {
        FakePiattaforma fake;
        const QString nota = Nota250();
        QCOMPARE(nota.size(), 250);
        const Modello m = SchedaContattoPiena(nota);
        const QList<Pagina> pagine = Impagina(m, fake.adesso);
        QCOMPARE(pagine.size(), 1);
        const Elemento e = Unico(pagine, "txtCampo24");
        QCOMPARE(e.rect, QRectF(60, 254, 128, 6));
        QVERIFY(!e.testo.contains('\n'));
        QVERIFY(e.testo.size() > 50);
        QVERIFY(e.testo.size() < nota.size());
        QVERIFY(nota.startsWith(e.testo));
        // Cut at the right edge: it fits, one more character would not.
        QVERIFY(LarghezzaTesto(e.stile, e.testo) <= LarghezzaUtile(e));
        QVERIFY(LarghezzaTesto(e.stile, nota.left(e.testo.size() + 1)) > LarghezzaUtile(e));
    }

    void schedaSecondoIlModello() {
        FakePiattaforma fake;
        const QList<Pagina> pagine = Impagina(SchedaContattoPiena("Nota"), fake.adesso);
        QCOMPARE(pagine.size(), 1);
        for (int n = 1; n <= 24; ++n) {
            const double cima = 24 + 10 * (n - 1);
            QCOMPARE(Unico(pagine, "titCampo" + Nn(n)).rect, QRectF(3, cima, 52, 6));
            QCOMPARE(Unico(pagine, "txtCampo" + Nn(n)).rect, QRectF(60, cima, 128, 6));
        }
        QCOMPARE(Unico(pagine, "titCampo08").testo, QString("Modalità pagamento:"));
        QCOMPARE(Unico(pagine, "txtCampo05").testo, QString(" "));
        QCOMPARE(Unico(pagine, "imgLogo").rect, QRectF(3, 3, 17, 13));
        QCOMPARE(Unico(pagine, "txtTitolo").rect, QRectF(23, 3, 165, 9));
        QCOMPARE(Unico(pagine, "linSepara01").rect, QRectF(23, 16, 165, 0));
        QCOMPARE(Unico(pagine, "linSepara02").rect, QRectF(3, 265, 185, 0));
        QCOMPARE(Unico(pagine, "txtCalce").rect, QRectF(3, 269, 185, 6));
    }

    // The logo is drawn inside its place when its picture exists; a missing one leaves
    // the place empty and the card prints all the same.
    void logoSoloSeEsiste_data() {
        QTest::addColumn<bool>("esiste");
        QTest::newRow("presente") << true;
        QTest::newRow("mancante") << false;
    }
    void logoSoloSeEsiste() {
        QFETCH(bool, esiste);
        FakePiattaforma fake;
        const QString svg = fake.cartella() + "logo.svg";
        QFile f(svg);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "<svg xmlns='http://www.w3.org/2000/svg' width='17' height='13'>"
            "<rect width='17' height='13' fill='#0000ff'/></svg>");
        f.close();
        Modello m = ModelloScheda(VarianteScheda::Contatto);
        m.TrovaElemento("imgLogo")->testo = esiste ? svg : fake.cartella() + "manca.svg";
        const QList<Pagina> pagine = Impagina(m, fake.adesso);
        const double pxPerMm = 4;
        const QImage pagina = ImmaginePagina(m, pagine.first(), pxPerMm);
        QCOMPARE(pagina.size(), QSize(840, 1188));
        // Centre of the logo's place (10 mm margin + 3 mm + half its size).
        const QColor centro =
            pagina.pixelColor(int((13 + 8.5) * pxPerMm), int((13 + 6.5) * pxPerMm));
        QCOMPARE(centro, esiste ? QColor(Qt::blue) : QColor(Qt::white));
        // The title box beside it is painted either way.
        QCOMPARE(pagina.pixelColor(int(35 * pxPerMm), int(14 * pxPerMm)), QColor(0xFF, 0x8C, 0x00));
    }

    // Bracketed text: literal on the contact card; on the deadline card [DATE] and [TIME]
    // are evaluated with the platform clock and anything else stays as written.
    void espressioni_data() {
        QTest::addColumn<VarianteScheda>("variante");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("stampato");
        const auto c = VarianteScheda::Contatto;
        const auto s = VarianteScheda::Scadenza;
        QTest::newRow("contatto data") << c << "Oggi [DATE]"
                                       << "Oggi [DATE]";
        QTest::newRow("contatto ora") << c << "[TIME]"
                                      << "[TIME]";
        QTest::newRow("scadenza data") << s << "Oggi [DATE]"
                                       << "Oggi 09/12/2026";
        QTest::newRow("scadenza ora") << s << "[TIME]!"
                                      << "10:30:00!";
        QTest::newRow("scadenza entrambe") << s << "[DATE] [TIME]"
                                           << "09/12/2026 10:30:00";
        QTest::newRow("scadenza sconosciuta") << s << "Rif. [pratica 12]"
                                              << "Rif. [pratica 12]";
        QTest::newRow("scadenza aperta") << s << "[DATE"
                                         << "[DATE";
        QTest::newRow("scadenza annidata") << s << "[[DATE]]"
                                           << "[09/12/2026]";
    }
    void espressioni() {
        QFETCH(VarianteScheda, variante);
        QFETCH(QString, testo);
        QFETCH(QString, stampato);
        FakePiattaforma fake;
        Modello m = ModelloScheda(variante);
        ImpostaMemo(m, "txtCampo03", testo);
        QCOMPARE(Unico(Impagina(m, fake.adesso), "txtCampo03").testo, stampato);
    }

    // The deadline card's title and footer may take a second line; the contact card's
    // are cut on one.
    void titoloEPiede_data() {
        QTest::addColumn<VarianteScheda>("variante");
        QTest::addColumn<int>("righe");
        QTest::newRow("contatto") << VarianteScheda::Contatto << 1;
        QTest::newRow("scadenza") << VarianteScheda::Scadenza << 2;
    }
    void titoloEPiede() {
        QFETCH(VarianteScheda, variante);
        QFETCH(int, righe);
        FakePiattaforma fake;
        Modello m = ModelloScheda(variante);
        const QString lungo =
            "SCHEDA SCADENZA O APPUNTAMENTO CON UNA DESCRIZIONE MOLTO LUNGA CHE NON ENTRA";
        ImpostaMemo(m, "txtTitolo", lungo);
        ImpostaMemo(m, "txtCalce", QString("Stampa eseguita in data 09/12/2026 ").repeated(6));
        const QList<Pagina> pagine = Impagina(m, fake.adesso);
        for (const char* nome : {"txtTitolo", "txtCalce"}) {
            const Elemento e = Unico(pagine, nome);
            const QStringList linee = e.testo.split('\n');
            QCOMPARE(linee.size(), righe);
            for (const QString& l : linee) QVERIFY(LarghezzaTesto(e.stile, l) <= LarghezzaUtile(e));
            // Two lines take a smaller font so that both stay whole inside the box.
            const double punti = m.TrovaElemento(nome)->stile.punti;
            QCOMPARE(e.stile.punti < punti, righe == 2);
            QVERIFY(righe * InterlineaTesto(e.stile) <= e.rect.height());
        }
        QVERIFY(lungo.startsWith(Unico(pagine, "txtTitolo").testo.split('\n').first()));
        // A title that fits stays as it is in both variants.
        ImpostaMemo(m, "txtTitolo", "SCHEDA SCADENZA O APPUNTAMENTO");
        QCOMPARE(Unico(Impagina(m, fake.adesso), "txtTitolo").testo,
                 QString("SCHEDA SCADENZA O APPUNTAMENTO"));
    }

    void stampaAnnullataNonStampaNulla() {
        FakePiattaforma fake;
        fake.stampanteAccettata = false;
        StampaReport(SchedaContattoPiena("Nota"));
        QCOMPARE(fake.Di("ChiediStampante").size(), 1);
        QVERIFY(!QFile::exists(fake.cartella() + "stampa.pdf"));
        QCOMPARE(fake.chiamate.size(), 1);  // no message of ours
    }

    void stampaElencoSuPiuPagine() {
        FakePiattaforma fake;
        if (popplerMancante_) QSKIP("pdftotext is not installed");
        fake.stampanteAccettata = true;
        Modello m = ModelloElenco();
        RiempiElenco(m, "Riepilogo contatti", Righe(100));
        StampaReport(m);
        const QString testo = Poppler("pdftotext", {fake.cartella() + "stampa.pdf", "-"});
        QStringList pagine = testo.split('\f');
        if (pagine.last().trimmed().isEmpty()) pagine.removeLast();
        QCOMPARE(pagine.size(), 2);
        QVERIFY(pagine[0].contains("Riepilogo contatti"));
        QVERIFY(!pagine[1].contains("Riepilogo contatti"));
        QVERIFY(pagine[0].contains("001"));
        QVERIFY(pagine[0].contains("Forlì"));
        QVERIFY(pagine[0].contains("053"));
        QVERIFY(!pagine[0].contains("054"));
        QVERIFY(pagine[1].contains("054"));
        QVERIFY(pagine[1].contains("100"));
        QVERIFY(!pagine[0].contains("Stampa eseguita"));
        QCOMPARE(pagine[1].count("Stampa eseguita in data 09/12/2026"), 1);
    }

    void pdfScrittoESostituito() {
        FakePiattaforma fake;
        if (popplerMancante_) QSKIP("pdftotext is not installed");
        const QString file = fake.cartella() + "Contatto.pdf";
        Modello m = SchedaContattoPiena(Nota250());
        QVERIFY(EsportaPDF(m, PdfScheda(file)));
        QString testo = Poppler("pdftotext", {"-layout", file, "-"});
        for (const char* atteso : {"SCHEDA ANAGRAFICA CONTATTO", "Cognome e nome:", "Niccolò Rossi",
                                   "Comune di residenza:", "Forlì FC", "Modalità pagamento:",
                                   "Bonifico entro il 30/06 [DATE]", "Note:", "parola0 parola1",
                                   "Stampa eseguita in data 09/12/2026 alle ore 10:30:00"})
            QVERIFY2(testo.contains(QString::fromUtf8(atteso)), atteso);
        const QString info = Poppler("pdfinfo", {file});
        QVERIFY(info.contains(QRegularExpression("Title:\\s+Scheda informativa")));
        QVERIFY(info.contains(QRegularExpression("Creator:\\s+Ricordario")));
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+1\\b")));

        // The note stays on one line and ends inside its box (right edge 10 + 60 + 128 mm).
        const QString parole = Poppler("pdftotext", {"-bbox", file, "-"});
        const QRegularExpression parola(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>parola");
        QSet<QString> righe;
        double destra = 0;
        for (auto it = parola.globalMatch(parole); it.hasNext();) {
            const auto w = it.next();
            righe << w.captured(2);
            destra = std::max(destra, w.captured(3).toDouble());
        }
        QCOMPARE(righe.size(), 1);
        QVERIFY(destra <= 198 * 72 / 25.4);
        QVERIFY(destra > 180 * 72 / 25.4);

        // A second export replaces the file.
        ImpostaMemo(m, "txtCampo01", "Gianluca Bianchi");
        QVERIFY(EsportaPDF(m, PdfScheda(file)));
        testo = Poppler("pdftotext", {file, "-"});
        QVERIFY(testo.contains("Gianluca Bianchi"));
        QVERIFY(!testo.contains("Niccolò"));
        QVERIFY(fake.chiamate.isEmpty());
    }

    void pdfNonScrivibileSegnalato() {
        FakePiattaforma fake;
        const QString file = fake.cartella() + "Contatto.pdf";
        QVERIFY(QDir().mkpath(file));  // a folder where the file should go
        QVERIFY(!EsportaPDF(SchedaContattoPiena("Nota"), PdfScheda(file)));
        QCOMPARE(fake.Di("MostraAvviso").size(), 1);
        QCOMPARE(fake.Ultima().tipo, QString("Error"));
        QVERIFY(QFileInfo(file).isDir());
    }

    void anteprimaConIPulsantiDelModello_data() {
        QTest::addColumn<VarianteScheda>("variante");
        QTest::addColumn<QStringList>("pulsanti");
        QTest::newRow("contatto") << VarianteScheda::Contatto
                                  << QStringList{"btnStampa", "btnZoom", "btnSchermoIntero",
                                                 "btnChiudi"};
        QTest::newRow("scadenza") << VarianteScheda::Scadenza
                                  << QStringList{"btnStampa",    "btnZoom",   "btnSchermoIntero",
                                                 "btnMiniature", "navPagine", "btnChiudi"};
    }
    void anteprimaConIPulsantiDelModello() {
        QFETCH(VarianteScheda, variante);
        QFETCH(QStringList, pulsanti);
        FakePiattaforma fake;
        Modello m = ModelloScheda(variante);
        ImpostaMemo(m, "txtTitolo", "SCHEDA SCADENZA O APPUNTAMENTO");
        QStringList visti;
        int pagineAnteprima = -1;
        fake.Rispondi([&](QDialog* d) {
            auto* barra = d->findChild<QToolBar*>("barAnteprima");
            if (barra)
                for (QAction* a : barra->actions())
                    if (QWidget* w = barra->widgetForAction(a)) visti << w->objectName();
            if (auto* p = d->findChild<QPrintPreviewWidget*>()) pagineAnteprima = p->pageCount();
            return QDialog::Rejected;
        });
        MostraAnteprima(m);
        QCOMPARE(fake.Di("MostraModale").size(), 1);
        QCOMPARE(fake.Ultima().testo, QString("frmAnteprima"));
        QCOMPARE(visti, pulsanti);
        QCOMPARE(pagineAnteprima, 1);
    }

    // From the preview: print goes through the print dialog, the navigator and the
    // thumbnails move between pages, close ends the preview.
    void anteprimaStampaENaviga() {
        FakePiattaforma fake;
        fake.stampanteAccettata = true;
        Modello m = ModelloElenco();
        RiempiElenco(m, "Riepilogo scadenze", Righe(200));
        QString esito;
        fake.Rispondi([&](QDialog* d) {
            const auto ferma = [&](const char* dove) {
                esito = dove;
                return int(QDialog::Accepted);
            };
            auto* anteprima = d->findChild<QPrintPreviewWidget*>();
            auto* spn = d->findChild<QSpinBox*>("spnPagina");
            auto* miniature = d->findChild<QListWidget*>("lstMiniature");
            if (!anteprima || !spn || !miniature) return ferma("controlli mancanti");
            if (anteprima->pageCount() != 4 || spn->maximum() != 4 || miniature->count() != 4)
                return ferma("pagine");
            spn->setValue(3);
            if (anteprima->currentPage() != 3) return ferma("navigatore");
            d->findChild<QToolButton*>("btnMiniature")->click();
            if (!miniature->isVisible()) return ferma("miniature nascoste");
            miniature->setCurrentRow(1);
            if (anteprima->currentPage() != 2) return ferma("miniatura scelta");
            d->findChild<QToolButton*>("btnStampa")->click();
            QObject::connect(d, &QDialog::rejected, [&] { esito = "chiusa"; });
            d->findChild<QToolButton*>("btnChiudi")->click();
            return d->result();
        });
        MostraAnteprima(m);
        QCOMPARE(esito, QString("chiusa"));
        QCOMPARE(fake.Di("ChiediStampante").size(), 1);
        QVERIFY(QFile::exists(fake.cartella() + "stampa.pdf"));
    }

private:
    bool popplerMancante_ = false;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
