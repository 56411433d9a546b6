#include "gui/app/Piattaforma.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "gui/app/Suono.h"

namespace {

class PiattaformaQt final : public Piattaforma {
public:
    void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo) override {
        QMessageBox::Icon icona = QMessageBox::Information;
        QString titolo = QStringLiteral("Information");
        if (tipo == TipoAvviso::Avvertimento) {
            icona = QMessageBox::Warning;
            titolo = QStringLiteral("Warning");
        } else if (tipo == TipoAvviso::Errore) {
            icona = QMessageBox::Critical;
            titolo = QStringLiteral("Error");
        }
        QMessageBox box(icona, titolo, testo, QMessageBox::Ok | QMessageBox::Cancel, genitore);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
    }

    Risposta ChiediConferma(QWidget* genitore, const QString& testo) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), testo,
                        QMessageBox::Yes | QMessageBox::No, genitore);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::No ? Risposta::No : Risposta::Si;
    }

    void MostraMessaggio(QWidget* genitore, const QString& testo) override {
        QMessageBox box(QMessageBox::NoIcon, QString(), testo, QMessageBox::Ok, genitore);
        box.exec();
    }

    int MostraModale(QDialog* finestra) override { return finestra->exec(); }

    QString ScegliFile(QWidget* genitore, const QString& titolo,
                       const QString& filtro) override {
        QString schemi = filtro;
#ifndef Q_OS_WIN
        // "*.*" is every file to Windows; elsewhere it would hide the names without a dot.
        schemi.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
#endif
        return QFileDialog::getOpenFileName(genitore, titolo, QString(), schemi);
    }

    void ApriUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }

    bool ChiediStampante(QWidget* genitore, QPrinter& stampante) override {
        QPrintDialog dialogo(&stampante, genitore);
        return dialogo.exec() == QDialog::Accepted;
    }

    bool CaricaSuono(const QString& percorso) override {
        if (!QFile::exists(percorso)) return false;
        if (!lettore_) {
            // The player's module sits beside the executable; without it nothing plays.
            QLibrary modulo(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                            QLatin1String(kModuloSuono));
            auto crea = reinterpret_cast<CreaLettore>(modulo.resolve(kCreaLettoreSuono));
            if (!crea) return false;
            lettore_.reset(crea());
        }
        return lettore_->Carica(percorso);
    }
    void Suona() override {
        if (lettore_) lettore_->Suona();
    }
    void FermaSuono() override {
        if (lettore_) lettore_->Ferma();
    }

    QDateTime Adesso() override { return QDateTime::currentDateTime(); }

    void Termina() override { QCoreApplication::quit(); }

private:
    std::unique_ptr<LettoreSuono> lettore_;
};

Piattaforma* g_installata = nullptr;
QString g_cartella;

}  // namespace

Piattaforma& piattaforma() {
    if (g_installata) return *g_installata;
    static PiattaformaQt qt;
    return qt;
}

void ImpostaPiattaforma(Piattaforma* p) { g_installata = p; }

QString CartellaProgramma() {
    QString c = g_cartella.isEmpty() ? QCoreApplication::applicationDirPath() : g_cartella;
    if (!c.endsWith(QLatin1Char('/'))) c += QLatin1Char('/');
    return c;
}

void ImpostaCartellaProgramma(const QString& cartella) { g_cartella = cartella; }

std::filesystem::path PercorsoProgramma(const QString& nomeFile) {
    return std::filesystem::path((CartellaProgramma() + nomeFile).toStdU16String());
}
