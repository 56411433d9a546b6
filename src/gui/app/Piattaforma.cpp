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
#include <QStandardPaths>
#include <memory>

#include "core/archive/CartellaDati.h"
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
            // The player's module sits beside the executable, or in the library folder of an
            // installed program; without it nothing plays.
            const QString cartella = QCoreApplication::applicationDirPath() + QLatin1Char('/');
            CreaLettore crea = nullptr;
            for (const QString& dove : {cartella, cartella + QStringLiteral(RICORDARIO_MODULI "/")}) {
                QLibrary modulo(dove + QLatin1String(kModuloSuono));
                crea = reinterpret_cast<CreaLettore>(modulo.resolve(kCreaLettoreSuono));
                if (crea) break;
            }
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

namespace {

std::filesystem::path Percorso(const QString& cartella) {
    return std::filesystem::path(cartella.toStdU16String());
}

// Where an installed program finds the files installed with it: <prefix>/share/ricordario.
QString CartellaInstallati() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/ricordario"));
}

// Decided once: the portable folder, or the user's data folder of an installed program.
QString CartellaPredefinita() {
    static const QString cartella = [] {
        const QString eseguibile = QCoreApplication::applicationDirPath();
        const QString utente =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (utente.isEmpty()) return eseguibile;
        const auto scelta =
            cartella_dati::Scegli(Percorso(eseguibile), Percorso(utente + "/Ricordario"));
        return QString::fromStdU16String(scelta.u16string());
    }();
    return cartella;
}

}  // namespace

QString CartellaProgramma() {
    QString c = g_cartella.isEmpty() ? CartellaPredefinita() : g_cartella;
    if (!c.endsWith(QLatin1Char('/'))) c += QLatin1Char('/');
    return c;
}

bool PreparaCartellaProgramma() {
    const QString cartella = CartellaProgramma();
    if (!g_cartella.isEmpty() || cartella == QCoreApplication::applicationDirPath() + '/')
        return true;  // a folder set by a test, or the portable folder: as it is
    try {
        cartella_dati::Prepara(Percorso(cartella), Percorso(CartellaInstallati()));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void ImpostaCartellaProgramma(const QString& cartella) { g_cartella = cartella; }

Data DataDi(const QDate& giorno) { return {giorno.day(), giorno.month(), giorno.year()}; }

Data Oggi() { return DataDi(piattaforma().Adesso().date()); }

std::filesystem::path PercorsoProgramma(const QString& nomeFile) {
    return std::filesystem::path((CartellaProgramma() + nomeFile).toStdU16String());
}
