#include "support/FakePiattaforma.h"

#include <QPrinter>

FakePiattaforma::FakePiattaforma() {
    ImpostaPiattaforma(this);
    ImpostaCartellaProgramma(dir_.path());
}

FakePiattaforma::~FakePiattaforma() {
    VerificaRisposta();
    Verifica(risposte.isEmpty(),
             QStringLiteral("%1 answer(s) to ChiediConferma never asked").arg(risposte.size()));
    Verifica(fileScelti.isEmpty(), QStringLiteral("files never chosen: ") + fileScelti.join(", "));
    ImpostaPiattaforma(nullptr);
    ImpostaCartellaProgramma(QString());
}

void FakePiattaforma::MostraAvviso(QWidget*, const QString& testo, TipoAvviso tipo) {
    const char* titolo = tipo == TipoAvviso::Informazione   ? "Information"
                         : tipo == TipoAvviso::Avvertimento ? "Warning"
                                                            : "Error";
    chiamate.append({"MostraAvviso", titolo, testo});
}

Risposta FakePiattaforma::ChiediConferma(QWidget*, const QString& testo) {
    chiamate.append({"ChiediConferma", "Confirm", testo});
    return risposte.isEmpty() ? Risposta::Si : risposte.takeFirst();
}

void FakePiattaforma::MostraMessaggio(QWidget*, const QString& testo) {
    chiamate.append({"MostraMessaggio", QString(), testo});
}

int FakePiattaforma::MostraModale(QDialog* finestra) {
    chiamate.append({"MostraModale", QString(), finestra->objectName()});
    if (!allaModale_.guida) return QDialog::Rejected;
    finestra->show();
    int esito = QDialog::Rejected;
    allaModale_.usata = true;
    Verifica(allaModale_.guida(finestra, esito),
             QStringLiteral("no answer takes the window %1 (answers for %2)")
                 .arg(finestra->metaObject()->className(), allaModale_.per));
    finestra->hide();
    return esito;
}

void FakePiattaforma::SmettiDiRispondere() {
    VerificaRisposta();
    allaModale_ = {};
}

void FakePiattaforma::VerificaRisposta() const {
    Verifica(!allaModale_.guida || allaModale_.usata,
             QStringLiteral("the answer for %1 was never used: no such window was shown")
                 .arg(allaModale_.per));
}

// A failure of the test under way; one failure is enough, so a test that has already failed
// (and may have stopped before using its script) is not charged again.
void FakePiattaforma::Verifica(bool condizione, const QString& cosa) const {
    if (condizione || QTest::currentTestFailed()) return;
    QTest::qFail(qPrintable(QStringLiteral("FakePiattaforma: ") + cosa), __FILE__, __LINE__);
}

QString FakePiattaforma::ScegliFile(QWidget*, const QString& titolo, const QString& filtro) {
    chiamate.append({"ScegliFile", filtro, titolo});
    return fileScelti.isEmpty() ? QString() : fileScelti.takeFirst();
}

void FakePiattaforma::ApriUrl(const QUrl& url) {
    chiamate.append({"ApriUrl", QString(), url.toString()});
}

bool FakePiattaforma::ChiediStampante(QWidget*, QPrinter& stampante) {
    chiamate.append({"ChiediStampante", QString(), QString()});
    if (stampanteAccettata) {
        // Prints to a PDF in the test folder so the pages can be checked.
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(cartella() + "stampa.pdf");
    }
    return stampanteAccettata;
}

bool FakePiattaforma::CaricaSuono(const QString& percorso) {
    chiamate.append({"CaricaSuono", QString(), percorso});
    return QFile::exists(percorso);
}

void FakePiattaforma::Suona() { chiamate.append({"Suona", QString(), QString()}); }
void FakePiattaforma::FermaSuono() { chiamate.append({"FermaSuono", QString(), QString()}); }

QList<Chiamata> FakePiattaforma::Di(const QString& operazione) const {
    QList<Chiamata> r;
    for (const auto& c : chiamate)
        if (c.operazione == operazione) r.append(c);
    return r;
}
