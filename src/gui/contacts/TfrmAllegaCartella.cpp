#include "gui/contacts/TfrmAllegaCartella.h"

#include <QFileInfo>

#include "core/text/Testo.h"
#include "core/contacts/Allegati.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"

namespace {

constexpr int kPasso = 112;  // height of one slot

std::filesystem::path Programma() { return PercorsoProgramma(QString()); }

QString Numero(int slot) { return QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0')); }

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* chiamante, const Allegati& allegati,
                                       Applica applica)
    : Dialogo(chiamante, "TfrmAllegaCartella", QStringLiteral(" Allega file"), QSize(560, 400),
              Argb(0xFF8BB2D3), Qt::white),
      applica_(std::move(applica)) {
    QLineEdit** file[] = {&txtFile01, &txtFile02, &txtFile03};
    QLineEdit** desc[] = {&txtDesc01, &txtDesc02, &txtDesc03};
    QPushButton** sfoglia[] = {&btnSfoglia01, &btnSfoglia02, &btnSfoglia03};
    QPushButton** apri[] = {&btnApri01, &btnApri02, &btnApri03};
    Immagine** cancella[] = {&imgCancella01, &imgCancella02, &imgCancella03};
    const QFont didascalia = Carattere("Verdana", 9);
    const QFont campo = Carattere("Verdana", 10);
    const QString ordinale[] = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")};

    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        const int y = 16 + i * kPasso;
        new Rettangolo(this, "shpSlot" + Numero(n), QRect(12, y - 6, 536, 104), Argb(0xFFE7EFF7),
                       Argb(0xFFB0C4DE));
        Etichetta(this, "titFile" + Numero(n),
                  QStringLiteral("Nome %1 file allegato:").arg(ordinale[i]), QPoint(24, y),
                  didascalia);
        *file[i] = CampoTesto(this, "txtFile" + Numero(n), QRect(24, y + 18, 300, 26),
                              static_cast<int>(allegati::CapacitaNome), campo);
        (*file[i])->setReadOnly(true);
        *sfoglia[i] = Pulsante(this, "btnSfoglia" + Numero(n), QStringLiteral("Sfoglia..."),
                               QRect(332, y + 17, 90, 28), campo);
        *apri[i] = Pulsante(this, "btnApri" + Numero(n), QStringLiteral("Apri"),
                            QRect(428, y + 17, 70, 28), campo);
        (*apri[i])->setEnabled(false);
        *cancella[i] =
            Immagine::Comando(this, "imgCancella" + Numero(n), QRect(508, y + 20, 22, 22),
                              QStringLiteral("X"), QColor(0xB0, 0x3A, 0x2E));
        Etichetta(this, "titDesc" + Numero(n),
                  QStringLiteral("Descrizione %1 file allegato:").arg(ordinale[i]),
                  QPoint(24, y + 50), didascalia);
        *desc[i] = CampoTesto(this, "txtDesc" + Numero(n), QRect(24, y + 68, 506, 26),
                              static_cast<int>(allegati::CapacitaNome), campo);
        slot_[i] = {*file[i], *desc[i], *apri[i]};

        // "Apri" is there exactly when there is a name, however the name changes.
        QPushButton* a = *apri[i];
        connect(*file[i], &QLineEdit::textChanged, a,
                [a](const QString& t) { a->setEnabled(!Rifilato(t).isEmpty()); });
        connect(*sfoglia[i], &QPushButton::clicked, this, [this, n] { btnSfogliaClick(n); });
        connect(a, &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
        connect(*cancella[i], &QAbstractButton::clicked, this, [this, n] { imgCancellaClick(n); });
    }

    btnAnnulla =
        Pulsante(this, "btnAnnulla", QStringLiteral("Annulla"), QRect(12, 352, 160, 32), campo);
    btnApplica = Pulsante(this, "btnApplica", QStringLiteral("Applica e chiudi"),
                          QRect(388, 352, 160, 32), campo);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

    for (std::size_t i = 0; i < slot_.size(); ++i) {
        slot_[i].file->setText(Rifilato(allegati[i].file));
        slot_[i].desc->setText(Rifilato(allegati[i].descrizione));
    }
}

void TfrmAllegaCartella::Apri(QWidget* chiamante, const Allegati& allegati, Applica applica) {
    MostraPerUso(std::make_unique<TfrmAllegaCartella>(chiamante, allegati, std::move(applica)));
}

void TfrmAllegaCartella::FormShow() { btnSfoglia01->setFocus(); }

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const QString scelto =
        piattaforma().ScegliFile(this, QStringLiteral("Selezionare il file da allegare:"),
                                 QStringLiteral("Tutti i file (*.*)"));
    if (scelto.isEmpty()) return;

    // A name that could lead out of the folder, or that the card could not keep as it
    // is, is refused before anything is written.
    const std::string nome = testo::Rifila(S(QFileInfo(scelto).fileName()));
    if (!allegati::NomeSicuro(nome) || !allegati::NomeConservabile(nome)) {
        MostraAvviso(this, Q(allegati::testi::NomeNonAllegabile), TipoAvviso::Avvertimento);
        return;
    }
    slot_[slot - 1].file->setText(Q(nome));

    try {
        allegati::PreparaCartella(Programma());
        const std::filesystem::path destinazione = *allegati::Percorso(Programma(), nome);
        const std::filesystem::path origine(scelto.toStdU16String());
        switch (allegati::Stato(origine, destinazione)) {
            case allegati::StatoCopia::GiaPresente:
                return;
            case allegati::StatoCopia::Sovrascrive:
                if (ChiediConferma(this, Q(allegati::testi::Sovrascrivere)) == Risposta::No) return;
                break;
            case allegati::StatoCopia::Nuova:
                break;
        }
        allegati::Copia(origine, destinazione);
    } catch (const allegati::ErroreAllegato&) {
        MostraAvviso(this, Q(allegati::testi::CopiaFallita), TipoAvviso::Errore);
    }
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const auto percorso = allegati::Percorso(Programma(), S(slot_[slot - 1].file->text()));
    if (!percorso) {
        MostraAvviso(this, Q(allegati::testi::NomeNonValido), TipoAvviso::Avvertimento);
        return;
    }
    TMisc::Open(QLatin1Char('"') + QString::fromStdU16String(percorso->u16string()) +
                QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) { slot_[slot - 1].file->clear(); }

void TfrmAllegaCartella::btnApplicaClick() {
    Allegati allegati;
    for (std::size_t i = 0; i < slot_.size(); ++i)
        allegati[i] = {Rifilato(slot_[i].file->text()), Rifilato(slot_[i].desc->text())};
    if (applica_) applica_(allegati);
    close();
}

void TfrmAllegaCartella::btnAnnullaClick() { close(); }
