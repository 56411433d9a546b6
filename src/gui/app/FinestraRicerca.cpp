#include "gui/app/FinestraRicerca.h"

#include <QCloseEvent>

#include "core/text/Messaggi.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"

FinestraRicerca::FinestraRicerca(QWidget* chiamante, const char* nome, const QString& titolo)
    : Dialogo(chiamante, nome, titolo, kDialogoElenco, Argb(kColoreElenco), Qt::white) {}

void FinestraRicerca::CostruisciPannelli(std::span<const Filtro> filtri, std::string& ricordato,
                                         const QString& titoloStampa) {
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

    constexpr int kCampoX = 300, kPrimaY = 86, kPasso = 37;
    QList<QWidget*> catena;
    for (std::size_t i = 0; i < filtri.size(); ++i) {
        const int y = kPrimaY + kPasso * static_cast<int>(i);
        QLabel* l = Etichetta(panAvvio, QStringLiteral("tit") + QString(filtri[i].nome).mid(3),
                              Q(filtri[i].etichetta), QPoint(0, 0), Carattere("Verdana", 9, true));
        l->move(kCampoX - 12 - l->width(), y + (27 - l->height()) / 2);
        QLineEdit* campo = CampoTesto(panAvvio, filtri[i].nome, QRect(kCampoX, y, 544, 27), 0,
                                      Carattere("Verdana", 10));
        Evidenzia(campo);
        *filtri[i].campo = campo;
        catena.append(campo);
    }
    CatenaInvio(catena);
    primo_ = filtri.empty() ? nullptr : *filtri.front().campo;

    lblAttendere =
        Etichetta(panAvvio, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."),
                  QPoint(kCampoX, 470), Carattere("Verdana", 10, true), QColor(0x80, 0, 0));
    lblAttendere->hide();
    btnAnnulla = Pulsante(panAvvio, "btnAnnulla", "Chiudi", QRect(16, 552, 160, 34), pulsanti);
    btnCerca = Pulsante(panAvvio, "btnCerca", "Cerca", QRect(684, 552, 160, 34), pulsanti);
    CollegaAttesa(btnCerca, lblAttendere);
    connect(btnAnnulla, &QPushButton::clicked, this, &QWidget::close);

    panContainer = new QWidget(this);
    panContainer->setObjectName("panContainer");
    panContainer->setGeometry(rect());
    Costruisci(panContainer, ricordato, titoloStampa, true);
    Evidenzia(txtTrova);  // a search window highlights every field it has
    panContainer->hide();
}

void FinestraRicerca::FormShow() {
    risultati->Dimentica();
    panContainer->hide();
    panAvvio->show();
    if (primo_) primo_->setFocus();
}

void FinestraRicerca::closeEvent(QCloseEvent* e) {
    lstRecords->clear();
    lblAttendere->hide();
    Dialogo::closeEvent(e);
}

void FinestraRicerca::FineRicerca(const QString& errore, const QString& conteggio) {
    lblAttendere->hide();
    if (!errore.isEmpty()) {
        MostraMessaggio(this, errore);
        return;
    }
    lblTrovate->setText(conteggio.arg(lstRecords->count()));
    panAvvio->hide();
    panContainer->show();
    txtTrova->clear();
    txtTrova->setFocus();
}
